// Start-up: the command line, the settings file, the main window and the
// workspace used last.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "core/framework/Profile.h"

class CMainFrame;

class CTilvexApp {
public:
    struct Options {
        bool splash = true;
        QString settingsFile;    // empty: TILVEX_INI, then the user's configuration folder
        QString dataDir;         // empty: the user's data folder, seeded from the installed data
        QString workspace;       // a workspace named on the command line
        bool helpShown = false;  // --help or --version: printed, nothing more to do
    };

    // Reads the options from the command line; false (with a message on
    // stderr) when it cannot be understood.  --help prints the usage and
    // --version the version on stdout.
    static bool ParseCommandLine(const QStringList& arguments, Options& options);
    // Whether the command line (as main() receives it, Qt's own options not
    // yet taken out) asks for the usage or the version: then no window and so
    // no display is needed.
    static bool OnlyPrints(const QStringList& arguments);

    CTilvexApp() = default;
    ~CTilvexApp();
    CTilvexApp(const CTilvexApp&) = delete;
    CTilvexApp& operator=(const CTilvexApp&) = delete;

    // The start-up sequence; false when the program cannot start.
    bool InitInstance(const Options& options);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CProfile& Profile() { return m_profile; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }

    // The default place of the settings file and of the data folder.
    static QString DefaultSettingsFile();
    static QString DefaultDataDir();
    // Where the shipped data may be, first choice first.
    static QStringList ShippedDataDirs();
    // Copies each data file missing from dir from the first of shippedDirs
    // that holds it; never replaces a file.  Returns the names copied.
    static QStringList SeedDataDir(const QString& dir, const QStringList& shippedDirs);
    // A data file that is not seeded (the list of places, the world map):
    // the one in the data folder (the working directory) if it is there,
    // else the one in the first of ShippedDataDirs that holds it; empty when
    // none does.
    static QString FindDataFile(const QString& name);

private:
    bool EnterDataDir(const QString& dir);

    CProfile m_profile;
    CRecentFileList m_recentFiles{&m_profile};
    std::unique_ptr<CMainFrame> m_frame;
};
