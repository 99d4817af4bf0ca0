#include "model/styles.h"

#include "model/paramtable.h"

namespace menuloom::model {

namespace {

int32_t renumbered(int32_t s, int k) {
    if (k == -1 || s == k)
        return -1;
    return s > k ? s - 1 : s;
}

} // namespace

std::string fontDescription(const TStyle& style) {
    return fontDescription(style.fontWeight, style.fontSize, style.fontName);
}

std::vector<StyleRefChange> renumberItemStyleRefs(ItemTree& tree, int k) {
    std::vector<StyleRefChange> changes;
    tree.forEach([&](ItemNode& node, int) {
        const int32_t s = node.props().itemStyle;
        const int32_t r = renumbered(s, k);
        if (r != s) {
            changes.push_back({&node, s});
            tree.setItemStyle(&node, r);
        }
    });
    return changes;
}

std::vector<StyleRefChange> renumberSmStyleRefs(ItemTree& tree, int k) {
    std::vector<StyleRefChange> changes;
    tree.forEach([&](ItemNode& node, int) {
        const int32_t s = node.props().smStyle;
        const int32_t r = renumbered(s, k);
        if (r != s) {
            changes.push_back({&node, s});
            tree.setSmStyle(&node, r);
        }
    });
    return changes;
}

int appendDefaultStyle(ItemStyleList& list) {
    return list.appendDefault();
}
int appendDefaultSmStyle(SmStyleList& list) {
    return list.appendDefault();
}

bool deleteStyleAt(ItemStyleList& list, ItemTree& tree, int k) {
    if (!list.removeAt(k))
        return false;
    renumberItemStyleRefs(tree, k);
    return true;
}

void deleteAllStyles(ItemStyleList& list, ItemTree& tree) {
    list.removeAll();
    renumberItemStyleRefs(tree, -1);
}

bool deleteSmStyleAt(SmStyleList& list, ItemTree& tree, int k) {
    if (!list.removeAt(k))
        return false;
    renumberSmStyleRefs(tree, k);
    return true;
}

void deleteAllSmStyles(SmStyleList& list, ItemTree& tree) {
    list.removeAll();
    renumberSmStyleRefs(tree, -1);
}

} // namespace menuloom::model
