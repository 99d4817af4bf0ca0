#pragma once
// Text and colour conversions between the model's values and Qt's.

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>

namespace menuloom::widgets {

// Model texts are UTF-8 byte strings.
QString fromModel(const std::string& text);
std::string toModel(const QString& text);

// A model colour (0x00BBGGRR, -1 unset) and back.
QColor toQColor(int32_t value);
int32_t colorValue(const QColor& color);

} // namespace menuloom::widgets
