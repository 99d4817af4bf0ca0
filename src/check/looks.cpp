#include "check/looks.h"

#include "check/contrast.h"
#include "check/trim.h"

#include <algorithm>
#include <utility>

namespace menuloom::check {

using namespace model;

namespace {

// The entry of a normal/over pair for `state`: an unset over entry draws the normal one.
int32_t pairEntry(const std::vector<int32_t>& list, int state) {
    if (list.empty())
        return -1;
    const auto s = static_cast<std::size_t>(state);
    return s < list.size() && list[s] != -1 ? list[s] : list[0];
}

std::string pairEntry(const std::vector<std::string>& list, int state) {
    if (list.empty())
        return {};
    const auto s = static_cast<std::size_t>(state);
    return s < list.size() && !list[s].empty() ? list[s] : list[0];
}

} // namespace

bool TextLook::fails() const {
    return !hasPicture() && ratio + 1e-9 < required;
}

Looks::Looks(const Project& project)
    : fontColor_(project.param("fontColor")), itemBackColor_(project.param("itemBackColor")),
      itemBackImage_(project.param("itemBackImage")),
      menuBackImage_(project.param("menuBackImage")),
      menuBackColor_(project.param("menuBackColor")), fontStyle_(project.param("fontStyle")),
      transparency_(project.param("transparency")), itemStyles_(project.itemStyles.records()),
      smStyles_(project.smStyles.records()) {}

TPropType* Looks::param(std::string_view name) {
    for (TPropType* p : {&fontColor_, &itemBackColor_, &itemBackImage_, &menuBackImage_,
                         &menuBackColor_, &fontStyle_, &transparency_})
        if (p->name == name)
            return p;
    return nullptr;
}

const TStyle* Looks::itemStyle(int k) const {
    return k >= 0 && k < static_cast<int>(itemStyles_.size())
               ? &itemStyles_[static_cast<std::size_t>(k)]
               : nullptr;
}

const TSmStyle* Looks::smStyle(int k) const {
    return k >= 0 && k < static_cast<int>(smStyles_.size())
               ? &smStyles_[static_cast<std::size_t>(k)]
               : nullptr;
}

TStyle* Looks::itemStyle(int k) {
    return const_cast<TStyle*>(std::as_const(*this).itemStyle(k));
}

TSmStyle* Looks::smStyle(int k) {
    return const_cast<TSmStyle*>(std::as_const(*this).smStyle(k));
}

void Looks::applyStyleColors(int k) {
    TStyle* st = itemStyle(k);
    if (!st)
        return;
    auto complete = [](bool& use, int32_t& normal, int32_t& over) {
        if (normal == -1 && over == -1)
            return;
        use = true;
        if (normal == -1)
            normal = over;
        if (over == -1)
            over = normal;
    };
    complete(st->useFontColor, st->fontColorNormal, st->fontColorOver);
    complete(st->useItemBackColor, st->itemBackColorNormal, st->itemBackColorOver);
}

void Looks::applySmStyleColors(int box) {
    if (TSmStyle* st = smStyle(box); st && st->menuBackColor != -1)
        st->useMenuBackColor = true;
}

// An item style's colour pair counts only with its group ticked and both entries set, as the
// data file writes it.
Looks::ColorPick Looks::textColor(int look, int state) const {
    if (look >= 0) {
        const TStyle& st = itemStyles_.at(static_cast<std::size_t>(look));
        if (st.useFontColor && st.fontColorNormal != -1 && st.fontColorOver != -1)
            return {state ? st.fontColorOver : st.fontColorNormal, Place::ofItemStyle(look)};
    }
    const int32_t c = pairEntry(fontColor_.intList, state);
    if (c != -1)
        return {c, Place::ofParam("fontColor")};
    return {};
}

Looks::ColorPick Looks::itemBack(int look, int state) const {
    if (look >= 0) {
        const TStyle& st = itemStyles_.at(static_cast<std::size_t>(look));
        if (st.useItemBackColor && st.itemBackColorNormal != -1 && st.itemBackColorOver != -1)
            return {state ? st.itemBackColorOver : st.itemBackColorNormal,
                    Place::ofItemStyle(look)};
    }
    const int32_t c = pairEntry(itemBackColor_.intList, state);
    if (c != -1)
        return {c, Place::ofParam("itemBackColor")};
    return {};
}

Looks::ColorPick Looks::boxBack(int box) const {
    if (box >= 0) {
        const TSmStyle& st = smStyles_.at(static_cast<std::size_t>(box));
        if (st.useMenuBackColor && st.menuBackColor != -1)
            return {st.menuBackColor, Place::ofSmStyle(box)};
    }
    if (menuBackColor_.num != -1)
        return {menuBackColor_.num, Place::ofParam("menuBackColor")};
    return {};
}

bool Looks::itemPicture(int look, int state, TextLook& into) const {
    if (look >= 0) {
        const TStyle& st = itemStyles_.at(static_cast<std::size_t>(look));
        if (st.useItemBackImage && !st.itemBackImageNormal.empty() &&
            !st.itemBackImageOver.empty()) {
            into.picture = state ? st.itemBackImageOver : st.itemBackImageNormal;
            into.pictureFrom = Place::ofItemStyle(look);
            return true;
        }
    }
    std::string path = pairEntry(itemBackImage_.strList, state);
    if (trimmed(path).empty())
        return false;
    into.picture = std::move(path);
    into.pictureFrom = Place::ofParam("itemBackImage");
    return true;
}

bool Looks::boxPicture(int box, TextLook& into) const {
    if (box >= 0) {
        const TSmStyle& st = smStyles_.at(static_cast<std::size_t>(box));
        if (st.useMenuBackImage && !trimmed(st.menuBackImage).empty()) {
            into.picture = st.menuBackImage;
            into.pictureFrom = Place::ofSmStyle(box);
            return true;
        }
    }
    if (trimmed(menuBackImage_.text).empty())
        return false;
    into.picture = menuBackImage_.text;
    into.pictureFrom = Place::ofParam("menuBackImage");
    return true;
}

void Looks::font(int look, int& size, int& weight) const {
    size = fontStyle_.num;
    weight = fontStyle_.flag;
    if (look >= 0 && itemStyles_.at(static_cast<std::size_t>(look)).useFontStyle) {
        size = itemStyles_.at(static_cast<std::size_t>(look)).fontSize;
        weight = itemStyles_.at(static_cast<std::size_t>(look)).fontWeight;
    }
    // A size the browser refuses leaves the engine's default font.
    if (size <= 0) {
        size = engine::kFontSizePt;
        weight = engine::kFontWeight;
    }
}

double Looks::opacity(bool sub) const {
    if (!sub)
        return 1.0;
    return std::clamp(transparency_.value, 0, 100) / 100.0;
}

TextLook Looks::draw(bool sub, int look, int box, int state) const {
    return draw(sub, look, box, state, opacity(sub));
}

// Behind the text: the item's background where set, else its box's (the bar's at the top
// level), else the page's white; a picture at either level hides what lies under it.
TextLook Looks::draw(bool sub, int look, int box, int state, double alpha) const {
    // A style that is not there (an item read from a file, a dialog a step behind) draws as
    // none, as in the engine.
    if (look >= static_cast<int>(itemStyles_.size()))
        look = -1;
    if (box >= static_cast<int>(smStyles_.size()))
        box = -1;
    TextLook d;
    if (itemPicture(look, state, d))
        return d;
    const ColorPick text = textColor(look, state);
    d.textFrom = text.from;
    d.text = text.from ? rgbOf(text.color) : engine::kTextColor;
    const ColorPick back = itemBack(look, state);
    if (back.from) {
        d.back = rgbOf(back.color);
        d.backFrom = back.from;
    } else if (boxPicture(sub ? box : -1, d)) {
        return d;
    } else {
        const ColorPick boxColor = boxBack(sub ? box : -1);
        d.back = boxColor.from ? rgbOf(boxColor.color) : engine::kPageColor;
        d.backFrom = boxColor.from;
    }
    d.text = blend(d.text, engine::kPageColor, alpha);
    d.back = blend(d.back, engine::kPageColor, alpha);
    d.ratio = contrastRatio(d.text, d.back);
    int size = 0, weight = 0;
    font(look, size, weight);
    d.large = isLargeText(size, weight);
    d.required = requiredRatio(size, weight);
    return d;
}

Readability readability(const Looks& looks, const Place& place, int state) {
    int look = -1, box = -1;
    bool backOnly = false; // a box colour: only where no item colour covers it
    switch (place.kind) {
    case Place::Kind::Param:
        backOnly = place.param == "menuBackColor";
        break;
    case Place::Kind::ItemStyle:
        look = place.index;
        if (!looks.itemStyle(look))
            return {};
        break;
    case Place::Kind::SmStyle:
        box = place.index;
        backOnly = true;
        if (!looks.smStyle(box))
            return {};
        break;
    case Place::Kind::Item:
        return {};
    }
    Readability r;
    bool numbered = false;
    for (const bool sub : {false, true}) {
        if (box >= 0 && !sub)
            continue; // a submenu style draws no top-level item
        const TextLook d = looks.draw(sub, look, box, state);
        if (backOnly && !(d.hasPicture() ? d.pictureFrom == place : d.backFrom == place))
            continue;
        r.any = true;
        if (d.hasPicture()) {
            if (!numbered && r.picture.empty())
                r.picture = d.picture;
            continue;
        }
        if (!numbered || d.ratio / d.required < r.ratio / r.required) {
            r.picture.clear();
            r.ratio = d.ratio;
            r.required = d.required;
            r.large = d.large;
            numbered = true;
        }
    }
    return r;
}

} // namespace menuloom::check
