#include "ui/styles/stylewidgets.h"

#include "app/itemeditor.h"
#include "app/prompter.h"

#include <QColor>
#include <QPainter>

namespace menuloom::ui {

QString fromModel(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toModel(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QColor toQColor(int32_t value) {
    if (value < 0)
        return {};
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t colorValue(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

std::optional<QString> pickImagePath(app::Prompter& prompter, const QString& startFolder,
                                     const QString& workingFolder) {
    const QString path =
        prompter.openFile(QStringLiteral("Select image..."),
                          {{QStringLiteral("GIF-image"), QStringLiteral("*.gif")},
                           {QStringLiteral("JPG-image"), QStringLiteral("*.jpg")},
                           {QStringLiteral("PNG-image"), QStringLiteral("*.png")},
                           {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}},
                          startFolder);
    if (path.isEmpty())
        return std::nullopt;
    return app::makeRelativeToWorkingFolder(path, workingFolder);
}

ColorButton::ColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // Room for the swatch right of the caption, whether or not one shows.
    setProperty("swatch", true);
    setAutoDefault(false);
}

void ColorButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    const int32_t value = swatch();
    if (value < 0)
        return;
    QPainter p(this);
    const QRect r(width() - 26, (height() - 10) / 2, 16, 10);
    p.fillRect(r, toQColor(value));
    p.setPen(QColor(0x7D, 0x87, 0x96));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace menuloom::ui
