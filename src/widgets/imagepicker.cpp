#include "widgets/imagepicker.h"

#include "doc/prompter.h"
#include "util/paths.h"
#include "widgets/conversions.h"

namespace menuloom::widgets {

std::optional<QString> pickImagePath(doc::Prompter& prompter, const QString& startFolder,
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
    return relativeToWorkingFolder(path, workingFolder);
}

QString relativeToWorkingFolder(const QString& path, const QString& workingFolder) {
    return fromModel(util::makeRelativeToWorkingFolder(toModel(path), toModel(workingFolder)));
}

} // namespace menuloom::widgets
