// Starting the desktop program inside a test: a data folder of its own with
// the shipped files, a settings file of its own, messages recorded.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "core/framework/Translate.h"
#include "ui/app/Language.h"
#include "ui/app/MainFrame.h"
#include "ui/app/TilvexApp.h"
#include "ui/framework/QtText.h"

class ProgramFixture : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path data = dir / "data";
    std::filesystem::path settings = dir / "tilvex.INI";
    std::unique_ptr<ScopedCwd> cwd;
    std::unique_ptr<MessageCapture> messages = std::make_unique<MessageCapture>();
    std::unique_ptr<CTilvexApp> app;

    void SetUp() override {
        cwd = std::make_unique<ScopedCwd>(dir.Path());
        std::filesystem::create_directory(data);
        // The data files; the translations stay where the program finds them.
        for (const auto& entry : std::filesystem::directory_iterator(TILVEX_BUILD_DATA_DIR))
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry.path(), data / entry.path().filename());
    }
    void TearDown() override {
        Stop();
        AfxGetAppContext() = CAppContext();
        cwd.reset();
    }

    // Starts the program without the splash (unless asked) on the data folder.
    CMainFrame* Start(bool splash = false, const QString& workspace = QString()) {
        CTilvexApp::Options options;
        options.splash = splash;
        options.settingsFile = QString::fromStdString(settings.string());
        options.dataDir = QString::fromStdString(data.string());
        options.workspace = workspace;
        app = std::make_unique<CTilvexApp>();
        if (!app->InitInstance(options))
            return nullptr;
        QApplication::processEvents();
        return app->MainFrame();
    }
    // Closes the program as the user would and ends it.
    void Stop() {
        if (!app)
            return;
        if (CMainFrame* frame = app->MainFrame())
            frame->close();
        app.reset();
        QApplication::processEvents();
    }
};

// The application's font scaled while it lives, then the original back.
class ScopedFontScale {
public:
    const QFont original = QApplication::font();
    explicit ScopedFontScale(double scale) {
        QFont font = original;
        font.setPointSizeF(original.pointSizeF() * scale);
        QApplication::setFont(font);
    }
    ~ScopedFontScale() { QApplication::setFont(original); }
    ScopedFontScale(const ScopedFontScale&) = delete;
    ScopedFontScale& operator=(const ScopedFontScale&) = delete;
};

// The program's translation and Qt's for one language, installed while it
// lives, with the windows laid out in the language's direction.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const QString& code) {
        if (code != "en") {
            EXPECT_TRUE(m_own.load("tilvex_" + code, QString(TILVEX_BUILD_DATA_DIR) + "/translations"))
                << code.toStdString();
            QCoreApplication::installTranslator(&m_own);
            if (m_qt.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_qt);
        }
        language::ApplyDirection(code);
        ConnectCoreTranslator();
    }
    ~ScopedLanguage() {
        QCoreApplication::removeTranslator(&m_own);
        QCoreApplication::removeTranslator(&m_qt);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        SetCoreTranslator({});
    }

private:
    QTranslator m_own;
    QTranslator m_qt;
};
