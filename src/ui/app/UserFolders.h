// Where file dialogs start: the user's documents, never the program's own
// data folder (its working folder, hidden, which the program rewrites); and
// where the program keeps the user's data and settings file.
#pragma once

#include <QString>

// The Documents folder, or the home folder where there is none.
QString DocumentsFolder();
// What a file dialog offers for `name`: a bare file name, or a file of the
// program's data folder, by that name inside the documents folder; a path
// into any other folder stays as it is.
QString InDocumentsFolder(const QString& name);

// The user's copy of the program's data: %APPDATA%\Tilvex on Windows,
// Qt's application data folder elsewhere ($XDG_DATA_HOME/Tilvex/Tilvex).
QString UserDataFolder();
// The folder of the settings file: %APPDATA%\Tilvex on Windows, Qt's
// application configuration folder elsewhere ($XDG_CONFIG_HOME/Tilvex/Tilvex).
QString UserSettingsFolder();
