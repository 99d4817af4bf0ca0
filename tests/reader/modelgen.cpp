#include "modelgen.h"

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

namespace menuloom::readertest {

using namespace model;

namespace {

class Gen {
public:
    explicit Gen(unsigned seed) : rng_(seed) {}

    int below(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    int32_t anyInt() {
        switch (below(4)) {
        case 0:
            return INT32_MIN + below(3);
        case 1:
            return INT32_MAX - below(3);
        default:
            return static_cast<int32_t>(rng_());
        }
    }
    int32_t nonNegative() { return static_cast<int32_t>(rng_() & 0x7FFFFFFFu); }
    int32_t color() { return static_cast<int32_t>(rng_() & 0xFFFFFFu); }
    int32_t colorOrUnset() { return chance(25) ? -1 : color(); }

    // Free text: letters, digits, punctuation, some UTF-8, and the characters and words that
    // mean something in the file: quotes, backslashes, separators, brackets, a comment, an
    // assignment and the crossframe call.
    std::string text(int maxLength, bool blanks = true) {
        static const std::vector<std::string> pieces = {"a",           "b",
                                                        "c",           "d",
                                                        "e",           "M",
                                                        "N",           "o",
                                                        "p",           "q",
                                                        "r",           "s",
                                                        "t",           "X",
                                                        "Y",           "0",
                                                        "1",           "7",
                                                        ".",           "-",
                                                        "_",           "!",
                                                        "?",           "&",
                                                        "#",           "%",
                                                        "(",           ")",
                                                        "<",           ">",
                                                        "'",           "=",
                                                        "+",           "*",
                                                        "$",           "{",
                                                        "}",           "/",
                                                        ":",           "@",
                                                        "~",           "\"",
                                                        "\\",          ",",
                                                        ";",           "[",
                                                        "]",           "|",
                                                        "];",          "//",
                                                        "var DX=1;",   "zel_initFrame(",
                                                        "\xC3\xA9",    "\xE2\x82\xAC",
                                                        "\xE6\x97\xA5"};
        const int length = below(maxLength + 1);
        std::string s;
        for (int i = 0; i < length; ++i) {
            if (blanks && chance(12))
                s += ' ';
            else
                s += pieces[static_cast<std::size_t>(below(static_cast<int>(pieces.size())))];
        }
        return s;
    }
    // Free text for an image path, which is written with "/" for every "\".
    std::string pathText(int maxLength) {
        std::string s = text(maxLength);
        std::erase(s, '\\');
        return s;
    }
    // Text of a field that is trimmed on reading (style values): no blank at either end.
    std::string innerText(int maxLength) {
        std::string s = text(maxLength);
        while (!s.empty() && s.front() == ' ')
            s.erase(0, 1);
        while (!s.empty() && s.back() == ' ')
            s.pop_back();
        return s;
    }
    std::string path(bool allowEmpty = true) {
        if (allowEmpty && chance(30))
            return {};
        static const char* folders[] = {"",           "img/",    "../pics/",
                                        "/opt/site/", "C:/web/", "https://cdn.example/x/"};
        return std::string(folders[below(6)]) + "p" + std::to_string(below(1000)) + "_" +
               std::to_string(below(9)) + ".gif";
    }
    std::string digits(int maxLength) {
        std::string s;
        const int length = below(maxLength + 1);
        for (int i = 0; i < length; ++i)
            s += static_cast<char>('0' + below(10));
        return s;
    }

private:
    std::mt19937 rng_;
};

void generateParam(Gen& g, TPropType& p) {
    const std::string& type = p.typeName;
    if (type == "img") {
        p.text = g.chance(50) ? g.path() : g.pathText(12);
    } else if (type == "bool") {
        p.boolValue = static_cast<uint8_t>(g.below(2));
    } else if (type == "int") {
        if (p.text == "percents") {
            p.boolValue = static_cast<uint8_t>(g.below(2));
            p.value = p.boolValue == 0 ? g.between(0, 100) : g.anyInt();
        } else if (p.text == ">=") {
            p.value = g.chance(20) ? p.num : std::max(p.num, g.nonNegative());
        } else {
            p.value = g.anyInt();
        }
    } else if (type == "percents") {
        p.value = g.anyInt();
    } else if (type == "transition") {
        p.value = g.between(0, 24);
    } else if (type == "strs") {
        const bool custom = p.strList.back() == "..." && g.chance(40);
        if (custom) {
            p.num = static_cast<int32_t>(p.strList.size() - 1);
            p.flag = 1;
            do
                p.text = g.text(10);
            while (std::find(p.strList.begin(), p.strList.end(), p.text) != p.strList.end());
        } else {
            p.num = g.below(static_cast<int>(p.strList.size()));
            p.flag = 0;
        }
    } else if (type == "fontStyle") {
        p.flag = g.below(13);
        p.num = g.between(1, 72);
        p.text = g.text(16);
    } else if (type == "color") {
        p.num = g.colorOrUnset();
    } else if (type == "alignment") {
        p.num = g.between(-1, 2);
    } else if (type == "colorArray") {
        if (p.name == "menuBorderColor") {
            const int set = g.between(0, 4); // set entries first: unset ones only at the end
            for (int i = 0; i < 4; ++i)
                p.intList[static_cast<std::size_t>(i)] = i < set ? g.color() : -1;
        } else {
            for (auto& c : p.intList)
                c = g.colorOrUnset();
        }
    } else if (type == "fontDecorArray") {
        for (auto& d : p.intList)
            d = g.below(4);
    } else if (type == "borderStyleArray") {
        for (auto& b : p.intList)
            b = g.between(-1, 7);
    } else if (type == "imgArray") {
        for (auto& s : p.strList)
            s = g.chance(70) ? g.path() : g.pathText(12);
    }
}

// A style with its groups switched on at random (at least one that is written), every value of
// a group that is on fully set, and the groups that are off at their defaults.
TStyle generateStyle(Gen& g) {
    TStyle s;
    const int forced = g.below(10);
    auto on = [&](int group) { return group == forced || g.chance(40); };
    auto pair = [&](int32_t& a, int32_t& b) {
        a = g.color();
        b = g.color();
    };
    auto paths = [&](std::string& a, std::string& b) {
        a = g.path(false);
        b = g.path(false);
    };
    if ((s.useFontStyle = on(0))) {
        s.fontName = g.innerText(14);
        s.fontName.push_back('F'); // an empty family would read back as "Tahoma"
        s.fontSize = g.between(1, 99);
        s.fontWeight = g.below(13);
    }
    if ((s.useFontColor = on(1)))
        pair(s.fontColorNormal, s.fontColorOver);
    if ((s.useFontDecoration = on(2))) {
        s.fontDecorationNormal = g.below(4);
        s.fontDecorationOver = g.below(4);
    }
    if ((s.useItemBackColor = on(3)))
        pair(s.itemBackColorNormal, s.itemBackColorOver);
    if ((s.useItemBorderColor = on(4)))
        pair(s.itemBorderColorNormal, s.itemBorderColorOver);
    if ((s.useItemBorderWidth = on(5)))
        s.itemBorderWidth = g.anyInt();
    if ((s.useItemBorderStyle = on(6))) {
        s.itemBorderStyleNormal = g.between(-1, 7);
        s.itemBorderStyleOver = g.between(-1, 7);
    }
    if ((s.useArrowImageMain = on(7)))
        paths(s.arrowImageMainNormal, s.arrowImageMainOver);
    if ((s.useArrowImageSub = on(8)))
        paths(s.arrowImageSubNormal, s.arrowImageSubOver);
    if ((s.useItemBackImage = on(9)))
        paths(s.itemBackImageNormal, s.itemBackImageOver);
    return s;
}

TSmStyle generateSmStyle(Gen& g) {
    TSmStyle s;
    const int forced = g.below(5);
    auto on = [&](int group) { return group == forced || g.chance(50); };
    if ((s.useMenuBackColor = on(0)))
        s.menuBackColor = g.color();
    if ((s.useMenuBorderColor = on(1)))
        s.menuBorderColor = g.color();
    if ((s.useMenuBorderWidth = on(2)))
        s.menuBorderWidth = g.anyInt();
    if ((s.useMenuBorderStyle = on(3)))
        s.menuBorderStyle = g.between(-1, 7);
    if ((s.useMenuBackImage = on(4)))
        s.menuBackImage = g.path(false);
    return s;
}

void generateItems(Gen& g, Project& project, const ModelGenOptions& o, int itemStyles,
                   int smStyles) {
    const int count = g.between(0, o.maxItems);
    std::vector<ItemNode*> path;
    for (int i = 0; i < count; ++i) {
        const int open = static_cast<int>(path.size());
        const int depth = open == 0 ? 0 : g.between(0, std::min(open, o.maxDepth));
        ItemNode* node =
            depth == 0 ? project.items.addItem(nullptr, false)
                       : project.items.addItem(path[static_cast<std::size_t>(depth - 1)], true);
        path.resize(static_cast<std::size_t>(depth));
        path.push_back(node);
        TItemProps p;
        p.caption = g.chance(5) ? "-" : std::string(withoutLevelMarks(g.text(14)));
        p.link = g.chance(70) ? "pages/" + g.text(8, false) + ".html" : g.text(6);
        p.img1 = g.chance(30) ? g.path() : "";
        p.img2 = g.chance(15) ? g.path() : "";
        p.tip = g.text(20);
        p.target = g.chance(30) ? g.text(8) : "";
        p.itemStyle = g.between(-1, itemStyles + 2); // indices past the list are kept too
        p.smStyle = g.between(-1, smStyles + 2);
        project.items.setProps(node, p);
    }
}

void generateCrossframe(Gen& g, CrossframeSettings& c) {
    c.enabled = g.chance(50);
    if (!c.enabled)
        return; // nothing of it is written
    c.framesetId = g.text(10);
    c.topFrame = g.digits(9);
    c.subFrame = g.digits(9);
    c.vertical = g.chance(50);
}

std::string describe(const TItemProps& p, int level) {
    std::ostringstream s;
    s << "level " << level << " [" << p.caption << "|" << p.link << "|" << p.img1 << "|" << p.img2
      << "|" << p.target << "|" << p.tip << "|" << p.itemStyle << "|" << p.smStyle << "]";
    return s.str();
}

std::vector<std::string> itemLines(const Project& p) {
    std::vector<std::string> lines;
    p.items.forEach(
        [&](const ItemNode& n, int level) { lines.push_back(describe(n.props(), level)); });
    return lines;
}

} // namespace

void generateModel(Project& project, unsigned seed, const ModelGenOptions& o) {
    project.reset();
    Gen g(seed);
    for (auto& p : project.params) {
        if (g.chance(70))
            generateParam(g, p);
        // Fields that no written value depends on, set as reading sets them.
        if (p.typeName == "strs" && p.flag == 0)
            p.text = p.strList[static_cast<std::size_t>(p.num)];
        if (p.typeName == "percents")
            p.boolValue = 1;
    }

    const int itemStyles = g.between(0, o.maxItemStyles);
    for (int i = 0; i < itemStyles; ++i) {
        const int k = appendDefaultStyle(project.itemStyles);
        project.itemStyles.set(k, generateStyle(g));
        if (g.chance(70))
            project.itemStyles.setName(k, g.text(12));
    }
    const int smStyles = g.between(0, o.maxSmStyles);
    for (int i = 0; i < smStyles; ++i) {
        const int k = appendDefaultSmStyle(project.smStyles);
        project.smStyles.set(k, generateSmStyle(g));
        if (g.chance(70))
            project.smStyles.setName(k, g.text(12));
    }
    generateItems(g, project, o, itemStyles, smStyles);
    generateCrossframe(g, project.crossframe);
}

std::string modelDifference(const Project& a, const Project& b) {
    for (std::size_t i = 0; i < a.params.size() && i < b.params.size(); ++i)
        if (!(a.params[i] == b.params[i]))
            return "parameter " + a.params[i].name;
    if (a.params.size() != b.params.size())
        return "parameter count";
    if (a.itemStyles.records() != b.itemStyles.records())
        return "item style records";
    if (a.itemStyles.names() != b.itemStyles.names())
        return "item style names";
    if (a.itemStyles.counter() != b.itemStyles.counter())
        return "item style counter";
    if (a.smStyles.records() != b.smStyles.records())
        return "submenu style records";
    if (a.smStyles.names() != b.smStyles.names())
        return "submenu style names";
    if (a.smStyles.counter() != b.smStyles.counter())
        return "submenu style counter";
    const auto ia = itemLines(a);
    const auto ib = itemLines(b);
    for (std::size_t i = 0; i < ia.size() && i < ib.size(); ++i)
        if (ia[i] != ib[i])
            return "item " + std::to_string(i) + ": " + ia[i] + " vs " + ib[i];
    if (ia.size() != ib.size())
        return "item count " + std::to_string(ia.size()) + " vs " + std::to_string(ib.size());
    if (a.items.itemCounter() != b.items.itemCounter())
        return "item counter";
    if (!(a.crossframe == b.crossframe))
        return "crossframe settings";
    return {};
}

} // namespace menuloom::readertest
