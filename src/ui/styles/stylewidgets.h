#pragma once
// Small pieces the style editors share: text and colour conversions between the model and Qt,
// the colour button with its swatch, and the image file picker's question.

#include <QPushButton>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QColor;

namespace menuloom::app {
class Prompter;
}

namespace menuloom::ui {

// Model texts are UTF-8 byte strings.
QString fromModel(const std::string& text);
std::string toModel(const QString& text);

// A model colour (0x00BBGGRR, -1 unset) and back.
QColor toQColor(int32_t value);
int32_t colorValue(const QColor& color);

// "Select image..." with the image filters, started in `startFolder`; the picked path made
// relative to `workingFolder`, or nothing when the user cancelled.
std::optional<QString> pickImagePath(app::Prompter& prompter, const QString& startFolder,
                                     const QString& workingFolder);

// A "Select..." button that paints, right of its caption, a small rectangle in the colour it
// stands for while that colour is set. The colour is asked for at every paint, so the swatch
// never shows an old value.
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

} // namespace menuloom::ui
