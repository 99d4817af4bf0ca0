#pragma once
// A "Select..." button that paints, right of its caption, a small rectangle in the colour it
// stands for while that colour is set.

#include <QPushButton>
#include <cstdint>
#include <functional>

namespace menuloom::widgets {

// The colour is asked for at every paint, so the swatch never shows an old value.
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(const QString& text, QWidget* parent = nullptr);

    // The colour value to show (-1: no swatch).
    void setSwatchSource(std::function<int32_t()> source) { source_ = std::move(source); }
    int32_t swatch() const { return source_ ? source_() : -1; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<int32_t()> source_;
};

} // namespace menuloom::widgets
