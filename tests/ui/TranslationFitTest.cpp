// Every translated text fits its control: each label, button, group title,
// tab and column heading of the main window and the dialogs, in each shipped
// language, measured with the program's fonts.  CTest runs it again at twice
// the scale (QT_SCALE_FACTOR=2), where fonts are hinted differently.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>
#include <QTreeView>
#include <memory>

#include "UiSupport.h"
#include "core/horizon/HorizonProfile.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/AimPage.h"
#include "core/reports/Report.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/app/AboutDlg.h"
#include "ui/display/GridOptionsDlg.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/HorizonDlg.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/orbits/OrbitsDlg.h"
#include "ui/printing/AimPrinting.h"
#include "ui/printing/PrintOptionsDlg.h"
#include "ui/printing/ReportPainter.h"
#include "ui/satellites/AimingSection.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteEditorDlg.h"
#include "ui/satellites/SunOutageDlg.h"
#include "ui/sites/FindPlaceDlg.h"

namespace {

// The text a control shows: a mnemonic's '&' is not drawn.
QString Shown(QString text) {
    text.replace("&&", QString(QChar(0xE000)));
    text.remove('&');
    text.replace(QChar(0xE000), "&");
    return text;
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// One text that does not fit: where, what, and the room it needs and has.
struct Cut {
    QString control;
    QString text;
    int need;
    int have;
};

QString NameOf(const QWidget* widget) {
    QString name = widget->objectName();
    for (const QWidget* parent = widget->parentWidget(); name.isEmpty() && parent;
         parent = parent->parentWidget())
        if (!parent->objectName().isEmpty())
            name = "in " + parent->objectName();
    return QString(widget->metaObject()->className()) + " " + name;
}

void MeasureLabel(const QLabel* label, std::vector<Cut>& cuts) {
    if (label->text().isEmpty())
        return;
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (label->wordWrap()) {
        const int need = label->heightForWidth(label->width());
        if (need > label->height())
            cuts.push_back({NameOf(label), label->text(), need, label->height()});
        return;
    }
    int need;
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        document.setDocumentMargin(0);
        need = static_cast<int>(document.idealWidth() + 0.999);
    } else {
        const QString text = label->buddy() ? Shown(label->text()) : label->text();
        need = WidestLine(label->fontMetrics(), text);
    }
    if (need > room.width())
        cuts.push_back({NameOf(label), label->text(), need, room.width()});
}

void MeasureButton(const QAbstractButton* button, std::vector<Cut>& cuts) {
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton*>(button))
        return;  // tool buttons show pictures
    const int have = button->style()->subElementRect(contents, &option, button).width();
    int need = WidestLine(button->fontMetrics(), Shown(button->text()));
    if (!button->icon().isNull() && qobject_cast<const QPushButton*>(button))
        need += button->iconSize().width() + 4;
    if (need > have)
        cuts.push_back({NameOf(button), button->text(), need, have});
}

void MeasureGroupBox(const QGroupBox* box, std::vector<Cut>& cuts) {
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int need = label.left() + box->fontMetrics().horizontalAdvance(Shown(box->title()));
    if (need > box->width())
        cuts.push_back({NameOf(box), box->title(), need, box->width()});
}

void MeasureHeader(const QHeaderView* header, std::vector<Cut>& cuts) {
    if (!header->model() || header->isHidden())
        return;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        const int need = WidestLine(header->fontMetrics(), text) + margin;
        if (!text.isEmpty() && need > header->sectionSize(section))
            cuts.push_back({NameOf(header), text, need, header->sectionSize(section)});
    }
}

void MeasureTabs(const QTabBar* tabs, std::vector<Cut>& cuts) {
    for (int i = 0; i < tabs->count(); ++i) {
        const int need = WidestLine(tabs->fontMetrics(), Shown(tabs->tabText(i)));
        if (!tabs->tabText(i).isEmpty() && need > tabs->tabRect(i).width())
            cuts.push_back({NameOf(tabs), tabs->tabText(i), need, tabs->tabRect(i).width()});
    }
}

// The texts of a shown window that would be cut.
std::vector<Cut> CutTexts(QWidget* window) {
    window->show();
    QApplication::processEvents();
    std::vector<Cut> cuts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->width() <= 0)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            MeasureLabel(label, cuts);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            MeasureButton(button, cuts);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            MeasureGroupBox(box, cuts);
        else if (auto* header = qobject_cast<QHeaderView*>(widget))
            MeasureHeader(header, cuts);
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            MeasureTabs(tabs, cuts);
    }
    return cuts;
}

// Fusion as the Linux desktops show it: a dialog's standard buttons carry
// pictures (the offscreen platform's own theme leaves them out).
class DesktopStyle : public QProxyStyle {
public:
    DesktopStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStringList ShippedLanguages() {
    QStringList codes{"en"};
    for (const QString& file :
         QDir(QString(TILVEX_BUILD_DATA_DIR) + "/translations").entryList({"tilvex_*.qm"}, QDir::Files))
        codes << file.mid(7, file.size() - 10);
    return codes;
}

class TranslationFitTest : public ProgramFixture {
protected:
    // Every window's cut texts in one language, one line each.
    QStringList CutTextsIn(const QString& code) {
        const QString original = QApplication::style()->name();
        QApplication::setStyle(new DesktopStyle);
        const ScopedLanguage language(code);
        struct RestoreStyle {
            QString name;
            ~RestoreStyle() { QApplication::setStyle(name); }
        } restore{original};
        QStringList found;
        auto check = [&](const QString& window, QWidget* widget) {
            for (const Cut& cut : CutTexts(widget))
                found << QString("%1, %2: %3 \"%4\" needs %5 px, has %6")
                             .arg(code, window, cut.control, cut.text)
                             .arg(cut.need)
                             .arg(cut.have);
            widget->hide();
        };
        CMainFrame* frame = Start();
        if (!frame) {
            ADD_FAILURE() << "the program did not start in " << code.toStdString();
            return found;
        }
        check("main window", frame);
        CSatelliteDatabase* satellites = frame->GetSatelliteDatabase();
        CLocationDatabase* locations = frame->GetLocationDatabase();
        const CLocation* site = frame->GetDocument()->GetCurrentLocation();
        const CSatellite* satellite = satellites->FindSatellite("Galaxy 19");
        EXPECT_TRUE(site && satellite);
        {
            CSatelliteEditorDlg editor(frame);
            editor.SetDatabase(satellites);
            editor.OnInitDialog();
            check("satellite editor", &editor);
        }
        {
            CLocationEditorDlg editor(frame);
            editor.SetDatabase(locations);
            editor.OnInitDialog();
            check("location editor", &editor);
        }
        if (site && satellite) {
            CSatelliteDetailsDlg details(frame);
            details.SetData(satellite, site, 0, satellites);
            details.OnInitDialog();
            check("details", &details);
            CSunOutageDlg outages(*satellite, *site, 0, frame);
            check("sun outages", &outages);
        }
        {
            CGridOptionsDlg gridOptions(0, frame);
            check("grid options", &gridOptions);
            CProfile profile((dir / "print.INI").string());
            CPrintOptionsDlg printOptions(&profile, frame);
            check("print options", &printOptions);
            CHorizonDlg horizon(CHorizonProfile(), "Denver, CO", frame);
            check("horizon", &horizon);
            CFindPlaceDlg findPlace(frame);
            check("find place", &findPlace);
            COrbitsDlg orbits(*satellites, {}, frame);
            check("orbital elements", &orbits);
            CAboutDlg about(frame);
            check("about", &about);
        }  // the dialogs go before the window that owns them
        Stop();
        return found;
    }
};

TEST_F(TranslationFitTest, EveryTextFitsItsControlInEveryLanguage) {
    const QStringList languages = ShippedLanguages();
    EXPECT_GE(languages.size(), 8) << "English and seven translations";
    QStringList cuts;
    for (const QString& code : languages)
        cuts += CutTextsIn(code);
    EXPECT_TRUE(cuts.isEmpty()) << cuts.size() << " texts cut at scale "
                                << qgetenv("QT_SCALE_FACTOR").toStdString() << ":\n"
                                << cuts.join('\n').toStdString();
}

// The measure itself: a button narrower than its text is caught, a wide one
// passes, and a label's mnemonic takes no room.
TEST_F(TranslationFitTest, MeasureCatchesACutButtonAndLabel) {
    QWidget window;
    auto* narrow = new QPushButton("Satellitendatenbank bearbeiten", &window);
    narrow->setGeometry(0, 0, 60, 24);
    auto* wide = new QPushButton("OK", &window);
    wide->setGeometry(0, 30, 120, 24);
    auto* label = new QLabel("Breitengrad:", &window);
    label->setGeometry(0, 60, 20, 20);
    auto* fitting = new QLabel("&Name:", &window);
    fitting->setBuddy(wide);
    fitting->setGeometry(0, 90, fitting->fontMetrics().horizontalAdvance("Name:") + 1, 20);
    const std::vector<Cut> cuts = CutTexts(&window);
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_EQ(cuts[0].text, "Satellitendatenbank bearbeiten");
    EXPECT_EQ(cuts[1].text, "Breitengrad:");
    EXPECT_GT(cuts[1].need, cuts[1].have);
}

}  // namespace

// Help > Language lists the system's language and every shipped one by its
// own name; a choice is kept in the settings file for the next start, and
// "System Default" removes it.
TEST_F(TranslationFitTest, HelpLanguageKeepsTheChoiceForTheNextStart) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    auto* menu = frame->findChild<QMenu*>("languageMenu");
    ASSERT_NE(menu, nullptr);
    QStringList names;
    QAction* german = nullptr;
    QAction* system = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        names << action->text();
        if (action->text() == "Deutsch")
            german = action;
        if (action->text() == "System Default")
            system = action;
    }
    for (const char* name :
         {"System Default", "English", "Deutsch", "espa\u00f1ol", "fran\u00e7ais", "italiano", "polski",
          "T\u00fcrk\u00e7e", "\u0627\u0644\u0639\u0631\u0628\u064a\u0629"}) {
        const QString wanted = QString::fromUtf8(name);
        EXPECT_TRUE(names.contains(wanted, Qt::CaseInsensitive)) << name;
    }
    ASSERT_TRUE(german && system);
    EXPECT_TRUE(system->isChecked());

    german->trigger();
    EXPECT_EQ(language::Requested({"tilvex"}, QString::fromStdString(settings.string())), "de");
    ASSERT_FALSE(messages->Texts().empty());
    EXPECT_NE(messages->Texts().back().find("Deutsch"), std::string::npos);
    system->trigger();
    EXPECT_EQ(language::Requested({"tilvex"}, QString::fromStdString(settings.string())), "");
}

// The printed pages in every language: each heading fits its column, each
// header line the band, on the look-angle report (with a Clearance column)
// and on the aiming sheet.
TEST_F(TranslationFitTest, PrintedTextsFitTheirColumnsInEveryLanguage) {
    QStringList cuts;
    for (const QString& code : ShippedLanguages()) {
        const ScopedLanguage language(code);
        CMainFrame* frame = Start();
        ASSERT_NE(frame, nullptr);
        ReportJobInput input = frame->GetLookAngleViewPane()->PrintJobInput();
        input.currentLocationOnly = false;
        ASSERT_TRUE(input.currentLocation);
        CHorizonProfile horizon;
        EXPECT_FALSE(horizon.AddPoint({180.0, 5.0}));
        input.horizons[input.currentLocation->GetName()] = horizon;

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        const ReportJobInput measured = MeasuredReportInput(writer, input);
        const CReportJob job(measured);
        QPainter painter(&writer);
        auto note = [&](const std::vector<ReportText>& texts, const char* where) {
            for (const ReportText& text : texts)
                cuts << code + ", " + where + ": " + FromCp1252(text.text);
        };
        CReportPainter report(painter, writer, measured.face, job.TableFontHeight());
        ASSERT_GT(job.PageCount(), 0);
        for (int page = 1; page <= job.PageCount(); ++page)
            note(report.CutTexts(job.Page(page)), "look-angle report");

        {  // the dialog goes before the window that owns it
            CSatelliteDetailsDlg details(frame);
            details.SetData(frame->GetSatelliteDatabase()->FindSatellite("Galaxy 19"), input.currentLocation,
                            0, frame->GetSatelliteDatabase());
            details.OnInitDialog();
            auto* aiming = details.findChild<CAimingSection*>();
            ASSERT_NE(aiming, nullptr);
            const AimSheetLayout sheet = LayOutAimSheet(writer, aiming->PageInput());
            note(CReportPainter(painter, writer, sheet.face, sheet.layout.valueFontHeight)
                     .CutTexts(sheet.layout.page),
                 "aiming sheet");
        }
        painter.end();
        Stop();
    }
    EXPECT_TRUE(cuts.isEmpty()) << cuts.size() << " printed texts cut:\n" << cuts.join('\n').toStdString();
}
