#pragma once
// The picture file question that the item panel, the grid and the style editors share.

#include <QString>
#include <optional>

namespace menuloom::doc {
class Prompter;
}

namespace menuloom::widgets {

// "Select image..." with the image filters, started in `startFolder`; the picked path made
// relative to `workingFolder`, or nothing when the user cancelled.
std::optional<QString> pickImagePath(doc::Prompter& prompter, const QString& startFolder,
                                     const QString& workingFolder);

// A path made relative to the working folder when it lies inside it.
QString relativeToWorkingFolder(const QString& path, const QString& workingFolder);

} // namespace menuloom::widgets
