#pragma once
// The border width track bar of the style dialogs, with the label that shows its value.

class QLabel;
class QSlider;
class QString;

namespace menuloom::widgets {

// The widest border a style may have, in pixels.
inline constexpr int kMaxBorderWidth = 50;

struct WidthSlider {
    QSlider* bar;
    QLabel* label;
};

// A track bar from 0 to kMaxBorderWidth (Page Up/Down step 5) and its label, named `barName` and
// `labelName`. While the bar is dragged `dragSession` holds a session of its own, so that the
// drag is one undo step; it is 0 otherwise.
WidthSlider makeWidthSlider(const char* barName, const char* labelName,
                            const QString& accessibleName, int& dragSession);

} // namespace menuloom::widgets
