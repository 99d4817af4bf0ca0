#include "menugen.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace menuloom::bench {

using namespace model;

namespace {

// A small generator of our own, so that the menus are the same on every standard library.
class Rng {
public:
    explicit Rng(unsigned seed) : state_(0x9E3779B97F4A7C15ull ^ seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    uint64_t state_;
};

constexpr std::array kWords = {"Home",    "Products", "Services",  "Support",  "About",
                               "Contact", "News",     "Downloads", "Tools",    "Partners",
                               "Careers", "Events",   "Gallery",   "Library",  "Pricing",
                               "Reports", "Projects", "Archive",   "Settings", "Help"};
constexpr std::array kFamilies = {"Tahoma", "Verdana", "Arial", "Georgia", "Times New Roman"};
constexpr std::array kTargets = {"_self", "_blank", "_parent", "_top", "main"};

int32_t color(Rng& rng) {
    return static_cast<int32_t>(rng.next() & 0xFFFFFFu);
}

std::string image(Rng& rng, const char* kind) {
    return std::string("img/") + kind + std::to_string(rng.below(40)) + ".gif";
}

TStyle itemStyle(Rng& rng, int index) {
    TStyle s;
    // Every group appears across the list: each style has the group of its index switched on,
    // plus a random selection of the others.
    const int forced = index % 10;
    auto on = [&](int group) { return group == forced || rng.chance(35); };
    if ((s.useFontStyle = on(0))) {
        s.fontName = kFamilies[static_cast<std::size_t>(rng.below(kFamilies.size()))];
        s.fontSize = 7 + rng.below(10);
        s.fontWeight = rng.below(13);
    }
    if ((s.useFontColor = on(1))) {
        s.fontColorNormal = color(rng);
        s.fontColorOver = color(rng);
    }
    if ((s.useFontDecoration = on(2))) {
        s.fontDecorationNormal = rng.below(4);
        s.fontDecorationOver = rng.below(4);
    }
    if ((s.useItemBackColor = on(3))) {
        s.itemBackColorNormal = color(rng);
        s.itemBackColorOver = color(rng);
    }
    if ((s.useItemBorderColor = on(4))) {
        s.itemBorderColorNormal = color(rng);
        s.itemBorderColorOver = color(rng);
    }
    if ((s.useItemBorderWidth = on(5)))
        s.itemBorderWidth = rng.below(5);
    if ((s.useItemBorderStyle = on(6))) {
        s.itemBorderStyleNormal = rng.below(9) - 1;
        s.itemBorderStyleOver = rng.below(9) - 1;
    }
    if ((s.useItemBackImage = on(7))) {
        s.itemBackImageNormal = image(rng, "back");
        s.itemBackImageOver = image(rng, "backover");
    }
    if ((s.useArrowImageMain = on(8))) {
        s.arrowImageMainNormal = image(rng, "arrow");
        s.arrowImageMainOver = image(rng, "arrowover");
    }
    if ((s.useArrowImageSub = on(9))) {
        s.arrowImageSubNormal = image(rng, "subarrow");
        s.arrowImageSubOver = image(rng, "subarrowover");
    }
    return s;
}

TSmStyle smStyle(Rng& rng, int index) {
    TSmStyle s;
    const int forced = index % 5;
    auto on = [&](int group) { return group == forced || rng.chance(50); };
    if ((s.useMenuBackColor = on(0)))
        s.menuBackColor = color(rng);
    if ((s.useMenuBorderColor = on(1)))
        s.menuBorderColor = color(rng);
    if ((s.useMenuBorderWidth = on(2)))
        s.menuBorderWidth = rng.below(4);
    if ((s.useMenuBorderStyle = on(3)))
        s.menuBorderStyle = rng.below(9) - 1;
    if ((s.useMenuBackImage = on(4)))
        s.menuBackImage = image(rng, "menuback");
    return s;
}

// Depth of the next item in pre-order: about 15% start a new top-level item, the rest go one
// level deeper (down to level 3), stay, or climb.
int nextDepth(Rng& rng, int depth) {
    if (rng.chance(15))
        return 0;
    const int r = rng.below(100);
    if (r < 40 && depth < 3)
        return depth + 1;
    if (r < 85 || depth == 0)
        return depth == 0 ? 1 : depth;
    return depth - 1;
}

void someParameters(Project& project, Rng& rng) {
    project.param("isHorizontal").boolValue = 1;
    project.param("absolutePos").boolValue = 1;
    project.param("posX").value = 10 + rng.below(100);
    project.param("posY").value = 10 + rng.below(100);
    auto& font = project.param("fontStyle");
    font.flag = 1;
    font.num = 9;
    font.text = "Verdana";
    project.param("fontColor").intList = {0x000000, 0xFFFFFF};
    project.param("itemBackColor").intList = {0xE0E0E0, 0xC06030};
    project.param("menuBackColor").num = 0xFFFFFF;
    project.param("menuBorderColor").intList = {0xC0C0C0, 0xC0C0C0, 0x808080, 0x808080};
    project.param("menuBorderWidth").value = 1;
    project.param("arrowImageMain").strList = {"img/arrow.gif", "img/arrowover.gif"};
    project.param("transition").value = rng.below(25);
}

} // namespace

void generateMenu(Project& project, int items, int itemStyles, int smStyles, unsigned seed) {
    project.reset();
    Rng rng(seed);
    someParameters(project, rng);

    for (int i = 0; i < itemStyles; ++i) {
        const int k = appendDefaultStyle(project.itemStyles);
        project.itemStyles.set(k, itemStyle(rng, i));
        project.itemStyles.setName(k, std::string("Style ") +
                                          kWords[static_cast<std::size_t>(i % kWords.size())] +
                                          " " + std::to_string(i));
    }
    for (int i = 0; i < smStyles; ++i) {
        const int k = appendDefaultSmStyle(project.smStyles);
        project.smStyles.set(k, smStyle(rng, i));
        project.smStyles.setName(k, "Box " + std::to_string(i));
    }

    // Built in pre-order with the open path kept at hand, so that generation stays linear.
    std::vector<ItemNode*> path;
    int depth = 0;
    for (int i = 0; i < items; ++i) {
        depth = i == 0 ? 0 : nextDepth(rng, depth);
        path.resize(static_cast<std::size_t>(depth));
        ItemNode* node = depth == 0 ? project.items.addItem(nullptr, false)
                                    : project.items.addItem(path.back(), true);
        path.push_back(node);

        TItemProps p;
        const char* word = kWords[static_cast<std::size_t>(rng.below(kWords.size()))];
        p.caption = std::string(word) + " " + std::to_string(i);
        const bool separator = rng.chance(3); // a separator now and then: text "-", no link
        if (separator)
            p.caption = "-";
        if (!separator && rng.chance(85))
            p.link = "pages/" + std::string(word) + std::to_string(i) + ".html";
        if (rng.chance(20)) {
            p.img1 = image(rng, "icon");
            if (rng.chance(50))
                p.img2 = image(rng, "iconover");
        }
        if (rng.chance(30))
            p.tip = "Open " + std::string(word) + ", page " + std::to_string(i);
        if (rng.chance(15))
            p.target = kTargets[static_cast<std::size_t>(rng.below(kTargets.size()))];
        if (itemStyles > 0 && rng.chance(70))
            p.itemStyle = rng.below(itemStyles);
        if (smStyles > 0 && rng.chance(40))
            p.smStyle = rng.below(smStyles);
        project.items.setProps(node, std::move(p));
    }
}

bool smokeRun() {
    static const bool smoke = std::getenv("MENULOOM_BENCH_SMOKE") != nullptr;
    return smoke;
}

int scaled(int n) {
    return smokeRun() ? std::max(50, n / 20) : n;
}

} // namespace menuloom::bench
