// A translation installed in Qt reaches the windows' texts and, through the
// core's translator, the core's messages, region names and report texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFont>
#include <QTextLayout>
#include <QTranslator>

#include "TestSupport.h"
#include "core/display/ArcGridModel.h"
#include "core/framework/Profile.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "core/workspace/EditorRules.h"
#include "resources/ids.h"
#include "ui/app/Language.h"
#include "ui/display/GridOptionsDlg.h"
#include "ui/framework/QtText.h"
#include "ui/printing/BidiText.h"

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

// The language comes from --language, else the settings file, else the
// system; a code the program has no translation for falls back in turn.
TEST(TranslationTest, LanguageIsChosenFromTheLineTheSettingsOrTheSystem) {
    const QStringList available{"en", "de", "ar"};
    EXPECT_EQ(language::Choose("de_DE", available, {"ar-EG"}), "de");
    EXPECT_EQ(language::Choose("", available, {"pl-PL", "ar-EG", "en-US"}), "ar");
    EXPECT_EQ(language::Choose("xx", available, {"C"}), "en");
    EXPECT_EQ(language::Matching("ar-EG", available), "ar");
    EXPECT_EQ(language::Matching("xx", available), "");

    EXPECT_EQ(language::OptionValue({"tilvex", "--language", "tr"}, "--language"), "tr");
    EXPECT_EQ(language::OptionValue({"tilvex", "--nosplash", "--language=ar"}, "--language"), "ar");
    EXPECT_EQ(language::OptionValue({"tilvex", "--", "--language=ar"}, "--language"), "");

    TempDir dir;
    const QString settings = QString::fromStdString((dir / "tilvex.INI").string());
    CProfile(settings.toStdString()).WriteProfileString(language::kSection, language::kEntry, "de");
    EXPECT_EQ(language::Requested({"tilvex", "--settings", settings}, "/nonexistent/tilvex.INI"), "de");
    EXPECT_EQ(language::Requested({"tilvex", "--settings", settings, "--language", "es"}, ""), "es");
    EXPECT_EQ(language::Requested({"tilvex"}, settings), "de");

    // The build tree's translations: English and the seven shipped ones.
    const QStringList shipped = language::Available({TILVEX_BUILD_DATA_DIR});
    for (const char* code : {"en", "de", "es", "fr", "it", "pl", "tr", "ar"})
        EXPECT_TRUE(shipped.contains(code)) << code;
    EXPECT_EQ(language::NativeName("de"), QString::fromUtf8("Deutsch"));
    EXPECT_EQ(language::NativeName("tr"), QString::fromUtf8("Türkçe"));
}

// In right-to-left text a number keeps its degree sign and compass letter on
// its right, where the bidirectional rules alone would move them.
TEST(TranslationTest, NumbersKeepTheirOrderInRightToLeftText) {
    const QString text = QString::fromUtf8("الارتفاع 40.4°N");
    EXPECT_EQ(KeepNumbersInOrder(text, Qt::LeftToRight), text);
    const QString kept = KeepNumbersInOrder(text, Qt::RightToLeft);
    EXPECT_EQ(kept, QString::fromUtf8("الارتفاع \u200E40.4°N\u200E"));
    EXPECT_EQ(KeepNumbersInOrder("-12.5\u00B0 / 14:23", Qt::RightToLeft),
              "\u200E-12.5\u00B0\u200E / \u200E14:23\u200E");

    // Where the line puts the degree sign against the number's first digit.
    auto degreeRightOfNumber = [](const QString& shown) {
        QTextLayout layout(shown, QFont());
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1000);
        layout.endLayout();
        const int digit = static_cast<int>(shown.indexOf('4'));
        const int degree = static_cast<int>(shown.indexOf(QChar(0xB0)));
        return line.cursorToX(degree) > line.cursorToX(digit);
    };
    EXPECT_FALSE(degreeRightOfNumber(text))
        << "the rules alone already keep the order: the check proves nothing";
    EXPECT_TRUE(degreeRightOfNumber(kept));
}
