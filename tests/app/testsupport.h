#pragma once
// Folders and files the designer tests share: a program folder with an engine, and data files
// written by the real writer.

#include "model/project.h"
#include "output/datawriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace menuloom::app::testing {

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A menu with `captions` as top items and posX set to `posX`, written as a data file.
inline bool writeMenu(const QString& path, const QStringList& captions, int posX = 0) {
    model::Project project;
    project.param("posX").value = posX;
    for (const QString& caption : captions) {
        model::ItemNode* node = project.items.addItem(nullptr, false);
        project.items.rename(node, caption.toStdString());
    }
    return output::writeDataFile(project, QFile::encodeName(path).toStdString(), false).ok();
}

// A program folder holding an engine stand-in, and a temporary folder for the preview.
struct Folders {
    QTemporaryDir program;
    QTemporaryDir temp;
    QTemporaryDir work;
    Folders() { writeAll(program.filePath("zelmenu.js"), "// engine\r\n"); }
    QString programFolder() const { return program.path() + "/"; }
    QString tempFolder() const { return temp.path() + "/"; }
};

} // namespace menuloom::app::testing
