// A translation installed in Qt reaches the windows' texts and, through the
// core's translator, the core's messages, region names and report texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "core/display/ArcGridModel.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "core/workspace/EditorRules.h"
#include "resources/ids.h"
#include "ui/display/GridOptionsDlg.h"
#include "ui/framework/QtText.h"

namespace {

// Puts every text of the program's context in angle quotes.
class QuotingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != "Tilvex" || !*source)
            return QString();
        return QString::fromUtf8("\u00AB") + QString::fromUtf8(source) + QString::fromUtf8("\u00BB");
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

TEST(TranslationTest, InstalledTranslationReachesWindowsAndCore) {
    QuotingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ConnectCoreTranslator();  // only the core's link to Qt

    CGridOptionsDlg dialog(0);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("\u00ABSatellite Grid Options\u00BB"));
    EXPECT_EQ(Tr("&Ku"), QString::fromUtf8("\u00AB&Ku\u00BB"));

    // Core texts come back in Windows-1252: the quotes are bytes 0xAB, 0xBB.
    EXPECT_EQ(EditorMessage(editor_messages::kSaveChanges, "Denver, CO"),
              "\xAB"
              "Do you want to save changes to Denver, CO?\xBB");
    EXPECT_EQ(LoadString(ids::IDS_LOC_EUROPE),
              "\xAB"
              "Europe\xBB");
    EXPECT_EQ(AzimuthKindText(GRID_MAGNETIC), "\xAB(Magnetic)\xBB");
    // A source with a degree sign is looked up by its Unicode text.
    EXPECT_EQ(CoreTr("%.1f\xB0"), "\xAB%.1f\xB0\xBB");
    // A file name is never translated.
    EXPECT_EQ(LoadString(ids::IDS_MAGDATA_FILE), "MagData.dat");

    QCoreApplication::removeTranslator(&translator);
    SetCoreTranslator({});
    EXPECT_EQ(LoadString(ids::IDS_LOC_EUROPE), "Europe");
    EXPECT_EQ(CoreTr("Europe"), "Europe");
}
