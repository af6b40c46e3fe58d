#include "ui/app/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString InDocumentsFolder(const QString& name) {
    if (name.isEmpty())
        return DocumentsFolder();
    const QFileInfo file(name);
    const bool bare = !name.contains('/') && !name.contains(QDir::separator());
    if (!bare && QDir(file.absolutePath()).canonicalPath() != QDir::current().canonicalPath())
        return name;
    return QDir(DocumentsFolder()).filePath(file.fileName());
}
