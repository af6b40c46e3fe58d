#include "ui/app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include "core/framework/Profile.h"
#include "ui/framework/QtText.h"

namespace language {

namespace {
QString s_current = "en";

// "de_DE", "de-DE" and "de" all name German.
QString BaseCode(const QString& code) {
    return code.section(QRegularExpression("[-_]"), 0, 0).toLower();
}
}  // namespace

QString OptionValue(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--")
            break;
        if (argument == name && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(name + "="))
            return argument.mid(name.size() + 1);
    }
    return QString();
}

QString Requested(const QStringList& arguments, const QString& defaultSettingsFile) {
    const QString given = OptionValue(arguments, "--language");
    if (!given.isEmpty())
        return given;
    QString settingsFile = OptionValue(arguments, "--settings");
    if (settingsFile.isEmpty())
        settingsFile = defaultSettingsFile;
    const CProfile profile(settingsFile.toStdString());
    return QString::fromStdString(profile.GetProfileString(kSection, kEntry));
}

QStringList Available(const QStringList& dataDirs) {
    QStringList codes{"en"};
    for (const QString& dir : dataDirs) {
        const QStringList files =
            QDir(dir + "/translations").entryList({"tilvex_*.qm"}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            const QString code = file.mid(7, file.size() - 7 - 3);
            if (!code.isEmpty() && !codes.contains(code))
                codes << code;
        }
    }
    return codes;
}

QString Matching(const QString& code, const QStringList& available) {
    return !code.isEmpty() && available.contains(BaseCode(code)) ? BaseCode(code) : QString();
}

QString Choose(const QString& requested, const QStringList& available, const QStringList& systemLanguages) {
    if (const QString match = Matching(requested, available); !match.isEmpty())
        return match;
    for (const QString& system : systemLanguages)
        if (const QString match = Matching(system, available); !match.isEmpty())
            return match;
    return "en";
}

QString NativeName(const QString& code) {
    // Qt's names carry a country for some ("American English", "español de
    // España"); a menu of languages wants the language alone.
    static const QHash<QString, QString> names{
        {"en", "English"},
        {"de", "Deutsch"},
        {"es", QString::fromUtf8("Espa\u00f1ol")},
        {"fr", QString::fromUtf8("Fran\u00e7ais")},
        {"it", "Italiano"},
        {"pl", "Polski"},
        {"tr", QString::fromUtf8("T\u00fcrk\u00e7e")},
        {"ar", QString::fromUtf8("\u0627\u0644\u0639\u0631\u0628\u064a\u0629")},
    };
    if (const auto it = names.find(code); it != names.end())
        return *it;
    const QString name = QLocale(code).nativeLanguageName();
    if (name.isEmpty())
        return code;
    return name.left(1).toUpper() + name.mid(1);
}

void Install(const QString& code, const QStringList& dataDirs) {
    s_current = code;
    if (code != "en") {
        auto* own = new QTranslator(qApp);
        for (const QString& dir : dataDirs) {
            if (own->load("tilvex_" + code, dir + "/translations")) {
                QCoreApplication::installTranslator(own);
                break;
            }
        }
        // Qt's texts: the standard buttons, the file dialog.
        auto* qt = new QTranslator(qApp);
        if (qt->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    ApplyDirection(code);
    ConnectCoreTranslator();
}

void ApplyDirection(const QString& code) {
    QGuiApplication::setLayoutDirection(QLocale(code).textDirection());
}

QString Current() {
    return s_current;
}

}  // namespace language
