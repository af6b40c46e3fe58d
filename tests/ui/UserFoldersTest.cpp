// Where the program keeps the user's settings file and data: on Windows in
// %APPDATA%\Tilvex, where a Windows user looks for them; elsewhere in Qt's
// per-user folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/app/TilvexApp.h"

namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

}  // namespace

TEST(UserFoldersTest, SettingsFileAndDataFolderLieWhereTheSystemKeepsAUsersFiles) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString base = home.path();
    const ScopedEnvironment noIni("TILVEX_INI", QByteArray());
#ifdef Q_OS_WIN
    const ScopedEnvironment appData("APPDATA", QDir::toNativeSeparators(base + "/Roaming").toLocal8Bit());
    const QString expectedSettings = base + "/Roaming/Tilvex";
    const QString expectedData = base + "/Roaming/Tilvex";
#else
    const ScopedEnvironment config("XDG_CONFIG_HOME", (base + "/config").toLocal8Bit());
    const ScopedEnvironment data("XDG_DATA_HOME", (base + "/data").toLocal8Bit());
    const QString expectedSettings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString expectedData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_TRUE(expectedSettings.startsWith(base + "/config/")) << expectedSettings.toStdString();
    EXPECT_TRUE(expectedData.startsWith(base + "/data/")) << expectedData.toStdString();
#endif
    EXPECT_EQ(CTilvexApp::DefaultSettingsFile(), expectedSettings + "/tilvex.INI");
    EXPECT_EQ(CTilvexApp::DefaultDataDir(), expectedData);
    // The data folder is made and seeded with the shipped files.
    EXPECT_TRUE(QFileInfo(expectedData + "/MagData.dat").isFile());
}
