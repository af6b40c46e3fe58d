// The one crossing between the core's Windows-1252 text and Qt's strings.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

QString FromCp1252(const std::string& text);
// Characters that Windows-1252 cannot hold become '?': for what is stored
// (a record's fields, a name typed).
std::string ToCp1252(const QString& text);
// For what is only shown (a message, a path in it, a translated text): the
// characters that Windows-1252 cannot hold are kept, as the core's
// translated texts keep them, and FromCp1252 gives them back.
std::string ToCp1252Text(const QString& text);

// The one translation function of the windows' texts: source (UTF-8, as
// written in the code) in the installed Qt translation, context "Tilvex",
// or source itself.  scripts/extract-texts.py collects every Tr, CoreTr and
// TrNoop text into a translation template.
QString Tr(const char* source);

// Lets the core's texts go through the translations installed in Qt (the
// program installs its own with language::Install).
void ConnectCoreTranslator();

// Installs the message-box handler that shows the core's messages in dialogs
// captioned with the application title.
void InstallQtMessageBoxes();
class QWidget;
// The window that owns messages shown while no dialog is up: the main
// window, even while it is still hidden behind the splash.  Messages shown
// before it appears stay above it and the splash.
void SetMessageBoxOwner(QWidget* owner);

// Makes the program's pictures and help page available (they live in a
// static library, which the linker would otherwise leave out).
void InitTilvexResources();

// Qt takes the C library's locale from the environment; numbers in files and
// on screen are always written and read with a decimal point.
void UseCNumericLocale();
