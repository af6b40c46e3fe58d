// The language of the windows: the system's, or the one chosen with
// --language CODE or Help > Language (kept in the settings file).
#pragma once

#include <QString>
#include <QStringList>

class CProfile;

namespace language {

// Where the choice is kept in the settings file; empty means the system's.
inline constexpr const char* kSection = "Settings";
inline constexpr const char* kEntry = "Language";

// The value of an option given as NAME VALUE or NAME=VALUE ("--language"),
// or an empty text; read before Qt's parser runs.
QString OptionValue(const QStringList& arguments, const QString& name);

// The language the user asked for: --language CODE, else the settings
// file's (--settings FILE, else the default one), else an empty text.
QString Requested(const QStringList& arguments, const QString& defaultSettingsFile);

// The languages the windows can speak, as codes ("en", "de", "ar" ...):
// English and every translation in the shipped data's translations folder.
QStringList Available(const QStringList& dataDirs);

// The available language a code names ("de_DE", "de-DE" and "de" name
// "de"), or an empty text.
QString Matching(const QString& code, const QStringList& available);

// The language to use: requested when it is one of the available ones,
// else the first of the system's languages that is, else English.
QString Choose(const QString& requested, const QStringList& available, const QStringList& systemLanguages);

// The language's own name, as its speakers write it ("Deutsch", "Türkçe").
QString NativeName(const QString& code);

// Installs the program's translation and Qt's own (the standard buttons) for
// code, and lays the windows out right to left for a language written so.
// English installs none.  Remembers code as Current().
void Install(const QString& code, const QStringList& dataDirs);

// Lays the windows out in the language's direction (right to left for
// Arabic).  Install does this.
void ApplyDirection(const QString& code);

// The language installed, "en" before Install.
QString Current();

}  // namespace language
