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

namespace {
// Windows keeps a program's own files in the user's roaming application
// data, one folder per program; empty when %APPDATA% is not set.
QString WindowsProgramFolder() {
#ifdef Q_OS_WIN
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return QDir::fromNativeSeparators(appData) + "/Tilvex";
#endif
    return QString();
}
}  // namespace

QString UserDataFolder() {
    const QString folder = WindowsProgramFolder();
    return !folder.isEmpty() ? folder : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString UserSettingsFolder() {
    const QString folder = WindowsProgramFolder();
    return !folder.isEmpty() ? folder : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
