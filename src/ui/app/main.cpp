// tilvex: the desktop program.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <cstdio>

#include "core/framework/SafeFile.h"
#include "ui/app/Appearance.h"
#include "ui/app/Language.h"
#include "ui/app/MainFrame.h"
#include "ui/app/TilvexApp.h"
#include "ui/framework/QtText.h"

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

// A window program on Windows starts without a console. Started from a
// command prompt, it writes its usage, version and warnings to that
// prompt's console, unless they were sent elsewhere.
void UseTheConsoleItWasStartedFrom() {
    const auto unset = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE ||
               GetFileType(handle) == FILE_TYPE_UNKNOWN;
    };
    const bool noOutput = unset(STD_OUTPUT_HANDLE);
    const bool noErrors = unset(STD_ERROR_HANDLE);
    if ((!noOutput && !noErrors) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (noOutput && std::freopen("CONOUT$", "w", stdout))
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (noErrors && std::freopen("CONOUT$", "w", stderr))
        std::setvbuf(stderr, nullptr, _IONBF, 0);
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    UseTheConsoleItWasStartedFrom();
#endif
    IgnoreFileSizeSignal();
    // --help and --version only print: Qt's minimal platform, which needs no
    // display, serves them (with the usage translated like the windows).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (CTilvexApp::OnlyPrints(arguments))
        qputenv("QT_QPA_PLATFORM", "minimal");
    QApplication application(argc, argv);
    UseCNumericLocale();
    QApplication::setApplicationName("Tilvex");
    QApplication::setOrganizationName("Tilvex");
    QApplication::setWindowIcon(QIcon(":/images/tilvex.png"));
    // The desktop entry's file name, so that a desktop matches the window to it.
    QGuiApplication::setDesktopFileName("org.example.tilvex");
    ApplyNamedPalette(qEnvironmentVariable("TILVEX_PALETTE"));
    const QStringList dataDirs = CTilvexApp::ShippedDataDirs();
    const QStringList available = language::Available(dataDirs);
    const QString requested = language::Requested(arguments, CTilvexApp::DefaultSettingsFile());
    language::Install(language::Choose(requested, available, QLocale::system().uiLanguages()), dataDirs);
    if (!requested.isEmpty() && language::Matching(requested, available).isEmpty())
        std::fprintf(stderr, "tilvex: %s\n",
                     qPrintable(Tr("there is no translation for \"%1\"; the languages are %2")
                                    .arg(requested, available.join(", "))));
    CTilvexApp::Options options;
    if (!CTilvexApp::ParseCommandLine(QApplication::arguments(), options))
        return 2;
    if (options.helpShown)
        return 0;
    InstallQtMessageBoxes();
    CTilvexApp app;
    if (!app.InitInstance(options))
        return 1;
    return QApplication::exec();
}
