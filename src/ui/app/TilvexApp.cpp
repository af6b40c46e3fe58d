#include "ui/app/TilvexApp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <cstdio>

#include "core/framework/AppMessageBox.h"
#include "ui/app/MainFrame.h"
#include "ui/app/SplashWnd.h"
#include "ui/app/UserFolders.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteTree.h"

namespace {
const char* const kDefaultWorkspace = "United States Ku Band Satellites.wrk";
const char* const kDataFiles[] = {"satdemo.tdb", "locdemo.tdb", "MagData.dat", kDefaultWorkspace};
}  // namespace

CTilvexApp::~CTilvexApp() {
    // The workspace writes its current entries to the settings file as it goes.
    m_frame.reset();
}

namespace {
// The program's options: the parser and the usage text come from here.
struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{QStringList{"h", "help"}, Tr("Print this usage and exit.")};
    QCommandLineOption version{QStringList{"v", "version"}, Tr("Print the version and exit.")};
    QCommandLineOption noSplash{"nosplash", Tr("Start without the splash picture.")};
    QCommandLineOption settings{"settings", Tr("Keep the settings in FILE."), "FILE"};
    QCommandLineOption data{"data", Tr("Read and write the data files in DIR."), "DIR"};
    QCommandLineOption language{
        "language", Tr("Show the windows in the language CODE (en, de, es, fr, it, pl, tr, ar)."), "CODE"};

    CommandLine() {
        parser.setApplicationDescription(Tr("Look angles for satellite dishes."));
        parser.addOptions({help, version, noSplash, settings, data, language});
        parser.addPositionalArgument("WORKSPACE.wrk", Tr("A workspace to open instead of the one used last."),
                                     "[WORKSPACE.wrk]");
    }
    bool OnlyPrints() const { return parser.isSet(help) || parser.isSet(version); }
};
}  // namespace

bool CTilvexApp::ParseCommandLine(const QStringList& arguments, Options& options) {
    CommandLine line;
    QCommandLineParser& parser = line.parser;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "tilvex: %s\n", qPrintable(parser.errorText()));
        return false;
    }
    if (parser.isSet(line.help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        options.helpShown = true;
        return true;
    }
    if (parser.isSet(line.version)) {
        std::printf("tilvex %s\n", TILVEX_VERSION);
        options.helpShown = true;
        return true;
    }
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "tilvex: %s\n", qPrintable(Tr("only one workspace can be opened")));
        return false;
    }
    options.splash = !parser.isSet(line.noSplash);
    options.settingsFile = parser.value(line.settings);
    options.dataDir = parser.value(line.data);
    options.workspace = parser.positionalArguments().value(0);
    return true;
}

bool CTilvexApp::OnlyPrints(const QStringList& arguments) {
    // Qt's own options (-platform, -style ...) are still in the line here and
    // unknown to the parser; the options it knows are read all the same.  A
    // line that asks for the usage but holds an unknown option is reported
    // by ParseCommandLine later, still without a display.
    CommandLine line;
    line.parser.parse(arguments);
    return line.OnlyPrints();
}

QString CTilvexApp::DefaultSettingsFile() {
    const QByteArray fromEnvironment = qgetenv("TILVEX_INI");
    if (!fromEnvironment.isEmpty())
        return QString::fromLocal8Bit(fromEnvironment);
    const QString dir = UserSettingsFolder();
    QDir().mkpath(dir);
    return dir + "/tilvex.INI";
}

QStringList CTilvexApp::ShippedDataDirs() {
    // The build tree keeps the data in data/ beside the program; an installed
    // program in ../share/tilvex from its bin/ folder, wherever the prefix
    // was moved; last the folder the build was configured to install to.
    const QString exeDir = QCoreApplication::applicationDirPath();
    QStringList dirs{exeDir + "/data", QDir::cleanPath(exeDir + "/../share/tilvex")};
#ifdef TILVEX_INSTALL_DATA_DIR
    dirs << QStringLiteral(TILVEX_INSTALL_DATA_DIR);
#endif
    dirs.removeDuplicates();
    return dirs;
}

QStringList CTilvexApp::SeedDataDir(const QString& dir, const QStringList& shippedDirs) {
    QStringList copied;
    for (const char* name : kDataFiles) {
        const QString target = dir + "/" + name;
        // A file the user already has is theirs, even if it was changed or
        // emptied; only a missing one is copied.
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        for (const QString& source : shippedDirs) {
            const QString shipped = source + "/" + name;
            if (!QFileInfo(shipped).isFile())
                continue;
            if (QFile::copy(shipped, target)) {
                QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther);
                copied << name;
            }
            break;
        }
    }
    return copied;
}

QString CTilvexApp::FindDataFile(const QString& name) {
    const QStringList dirs = QStringList{QDir::currentPath()} + ShippedDataDirs();
    for (const QString& dir : dirs)
        if (QFileInfo(dir + "/" + name).isFile())
            return dir + "/" + name;
    return QString();
}

QString CTilvexApp::DefaultDataDir() {
    // The user's own copy of the data, made on first run from the shipped one.
    const QString dir = UserDataFolder();
    QDir().mkpath(dir);
    SeedDataDir(dir, ShippedDataDirs());
    return dir;
}

bool CTilvexApp::EnterDataDir(const QString& dir) {
    if (QDir::setCurrent(dir))
        return true;
    std::fprintf(stderr, "tilvex: %s\n", qPrintable(Tr("cannot use the data folder %1").arg(dir)));
    return false;
}

bool CTilvexApp::InitInstance(const Options& options) {
    InitTilvexResources();
    CSplashWnd::SetSplashEnabled(options.splash);
    // A workspace named relative to where the program was started.
    const QString workspace =
        options.workspace.isEmpty() ? QString() : QDir::current().absoluteFilePath(options.workspace);
    const QString settingsFile = QDir::current().absoluteFilePath(
        options.settingsFile.isEmpty() ? DefaultSettingsFile() : options.settingsFile);
    if (!EnterDataDir(options.dataDir.isEmpty() ? DefaultDataDir() : options.dataDir))
        return false;

    m_profile.SetPath(settingsFile.toStdString());
    // A device, a pipe or a file past 16 MB is not used as the settings file.
    if (const std::string problem = m_profile.ReadProblem(); !problem.empty())
        std::fprintf(stderr, "tilvex: %s\n",
                     qPrintable(Tr("the settings file %1 is not used: %2")
                                    .arg(settingsFile, QString::fromStdString(problem))));
    m_recentFiles.ReadList();
    CAppContext& context = AfxGetAppContext();
    context.profile = &m_profile;
    context.recentFiles = &m_recentFiles;
    context.askSavePath = [this](const std::string& suggested) -> std::optional<std::string> {
        const QString path = QFileDialog::getSaveFileName(
            m_frame.get(), Tr("Save Workspace As"), InDocumentsFolder(QString::fromStdString(suggested)),
            Tr("Workspace Files(*.wrk)"));
        if (path.isEmpty())
            return std::nullopt;
        return (path.endsWith(".wrk", Qt::CaseInsensitive) ? path : path + ".wrk").toStdString();
    };

    // The frame is made hidden; creating it loads both databases.
    m_frame = std::make_unique<CMainFrame>(&m_profile, &m_recentFiles);
    CMainFrame* frame = m_frame.get();
    CTilvexDoc* doc = frame->GetDocument();
    doc->InitialUpdateAllViews();
    // The window appears when the splash goes; without a splash, at the end.
    CSplashWnd::ShowSplash([frame] { frame->RestorePlacement(); });

    const std::string path = workspace.isEmpty() ? m_profile.GetProfileString(CRecentFileList::kSection,
                                                                              "File1", kDefaultWorkspace)
                                                 : workspace.toStdString();
    const int savedSatellite = m_profile.GetProfileInt("Startup", "Current Satellite", 0);
    const int savedLocation = m_profile.GetProfileInt("Startup", "Current Location", 0);
    const bool databasesLoaded =
        !frame->SatelliteTree()->Database().IsEmpty() && !frame->LocationTree()->Database().IsEmpty();
    if (databasesLoaded && !path.empty()) {
        if (!doc->OnOpenDocument(path)) {
            // A workspace that cannot be opened leaves the recent-file list,
            // so the next start does not fail on it again.
            if (workspace.isEmpty() && !m_recentFiles.Entries().empty() &&
                m_recentFiles.Entries().front() == path)
                m_recentFiles.Remove(0);
            doc->OnNewDocument();
        } else if (workspace.isEmpty()) {
            // The last workspace comes back with its current entries.
            const auto& sats = doc->GetSatelliteNames();
            if (savedSatellite >= 0 && savedSatellite < static_cast<int>(sats.size()))
                if (CSatellite* sat =
                        frame->SatelliteTree()->FindSatellite(sats[static_cast<std::size_t>(savedSatellite)]))
                    doc->SetCurrentSatellite(sat, false);
            const auto& locs = doc->GetLocationNames();
            if (savedLocation >= 0 && savedLocation < static_cast<int>(locs.size()))
                if (CLocation* loc =
                        frame->LocationTree()->FindLocation(locs[static_cast<std::size_t>(savedLocation)]))
                    doc->SetCurrentLocation(loc, true);
        }
        doc->UpdateAllViews(nullptr);
    }
    frame->UpdateFrameTitle();

    if (!CSplashWnd::IsSplashEnabled())
        frame->RestorePlacement();
    return true;
}
