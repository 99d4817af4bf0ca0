#pragma once
// What the engine draws in and behind an item's text, state by state, as the menu's parameters
// and styles set it. The checks judge it over the whole menu; the colour editors judge one
// colour with it while the user chooses, before anything is stored.

#include "check/checks.h"
#include "check/enginedefaults.h"

#include <optional>
#include <string>
#include <vector>

namespace menuloom::check {

// One state of one kind of item.
struct TextLook {
    std::string picture;              // a picture behind the text (no contrast to compute)
    std::optional<Place> pictureFrom; // where that picture is set
    Rgb text, back;                   // as drawn over the page, opacity applied
    double ratio = 0, required = 0;
    bool large = false;
    std::optional<Place> textFrom, backFrom; // where the colours are set (none: the default)

    bool hasPicture() const { return pictureFrom.has_value(); }
    bool fails() const;
};

class Looks {
public:
    explicit Looks(const model::Project& project);

    // The values the looks are drawn from, as copies an editor may change to judge a colour it
    // is offered: the parameters "fontColor", "itemBackColor", "itemBackImage",
    // "menuBackImage", "menuBackColor", "fontStyle" and "transparency" (nullptr for others),
    // and the styles (nullptr outside the lists).
    model::TPropType* param(std::string_view name);
    model::TStyle* itemStyle(int k);
    model::TSmStyle* smStyle(int k);
    const model::TStyle* itemStyle(int k) const;
    const model::TSmStyle* smStyle(int k) const;

    // Lets the colours item style `k` (or submenu style `box`) has take effect, as its editor
    // judges them: a colour being chosen is judged as it will draw once its pair is complete
    // and its group ticked (the data file writes a style's pair only then).
    void applyStyleColors(int k);
    void applySmStyleColors(int box);

    // State `state` (0 normal, 1 mouse-over) of items at the top level or in submenus (`sub`),
    // of item style `look` and in boxes of submenu style `box` (-1: none), drawn at `alpha`.
    TextLook draw(bool sub, int look, int box, int state, double alpha) const;
    // The same at the opacity the engine gives it.
    TextLook draw(bool sub, int look, int box, int state) const;

    // Opacity of what is drawn in a submenu (the bar is opaque).
    double opacity(bool sub) const;
    // The submenus' opacity as the parameter gives it, 0 to 100 (unclamped).
    int transparency() const { return transparency_.value; }

private:
    struct ColorPick {
        int32_t color = -1;
        std::optional<Place> from;
    };
    ColorPick textColor(int look, int state) const;
    ColorPick itemBack(int look, int state) const;
    ColorPick boxBack(int box) const;
    bool itemPicture(int look, int state, TextLook& into) const;
    bool boxPicture(int box, TextLook& into) const;
    void font(int look, int& size, int& weight) const;

    model::TPropType fontColor_, itemBackColor_, itemBackImage_, menuBackImage_, menuBackColor_,
        fontStyle_, transparency_;
    std::vector<model::TStyle> itemStyles_;
    std::vector<model::TSmStyle> smStyles_;
};

// How readable the text is where one colour goes: the hardest to read of the looks it takes
// part in, or, when every one has a picture behind its text, that picture.
struct Readability {
    bool any = false;    // the colour lies in or behind some text
    std::string picture; // every such text lies on this picture: no ratio
    double ratio = 0, required = 0;
    bool large = false;

    bool known() const { return any && picture.empty(); }
    bool fails() const { return known() && ratio + 1e-9 < required; }
};

// State `state` of the text that the colours of `place` draw: a parameter ("fontColor",
// "itemBackColor", "menuBackColor": items without styles, at the top level and in submenus),
// an item style (its items), or a submenu style (the items in its boxes). A background colour
// counts only where it is what lies behind the text.
Readability readability(const Looks& looks, const Place& place, int state);

} // namespace menuloom::check
