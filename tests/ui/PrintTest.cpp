// Printing the look angles: the options dialog, the print commands, the
// preview and the pages that reach the printer.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <regex>

#include "UiSupport.h"
#include "core/framework/Cp1252.h"
#include "core/locations/Location.h"
#include "core/reports/Report.h"
#include "core/satellites/LnbSkew.h"
#include "resources/ids.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/LocationPane.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/printing/PrintOptionsDlg.h"
#include "ui/printing/PrintSupport.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

// Answers every modal dialog that comes up while it lives.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> act) : m_act(std::move(act)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_last || !modal->isVisible())
                return;
            m_last = modal;
            m_act(modal);
        });
        m_timer.start();
    }

private:
    std::function<void(QWidget*)> m_act;
    QTimer m_timer;
    QPointer<QWidget> m_last;
};

// The text of a PDF (or, with `how` "-bbox", each word with its box in
// points), or nothing when pdftotext is not installed.
std::optional<std::string> PdfText(const std::filesystem::path& pdf, const std::string& how = "-layout") {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        return std::nullopt;
    const std::string command = "pdftotext " + how + " '" + pdf.string() + "' -";
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        text.append(buffer.data(), n);
    ::pclose(pipe);
    return text;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

}  // namespace

class PrintTest : public ProgramFixture {
protected:
    CMainFrame* frame = nullptr;
    CTilvexView* view = nullptr;
    std::filesystem::path pdf = dir / "printed.pdf";
    int printDialogs = 0;
    int printDialogPages = 0;
    PrintDialogRunner previousRunner;

    void SetUp() override {
        ProgramFixture::SetUp();
        frame = Start();
        ASSERT_NE(frame, nullptr);
        view = frame->GetLookAngleViewPane();
        // The printer dialog "prints to a file".
        previousRunner = SetPrintDialogRunner([this](QPrinter& printer, int pages, QWidget*) {
            ++printDialogs;
            printDialogPages = pages;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            printer.setPrintRange(QPrinter::AllPages);
            return true;
        });
    }
    void TearDown() override {
        SetPrintDialogRunner(previousRunner);
        ProgramFixture::TearDown();
    }

    // The print options are answered with OK after `choose` has worked the
    // dialog; the preview with its Print button or its Close.
    struct Answers {
        std::function<void(CPrintOptionsDlg*)> choose;
        bool previewPrints = true;
        bool cancelOptions = false;
        int options = 0;
        int previews = 0;
        // How the last preview laid its pages out.
        int previewMode = -1;
        int previewPages = 0;
    };
    std::unique_ptr<ModalDriver> Drive(Answers& answers) {
        return std::make_unique<ModalDriver>([&answers](QWidget* modal) {
            if (auto* options = qobject_cast<CPrintOptionsDlg*>(modal)) {
                ++answers.options;
                if (answers.choose)
                    answers.choose(options);
                if (answers.cancelOptions)
                    options->reject();
                else
                    options->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
                ++answers.previews;
                if (auto* pages = preview->findChild<QPrintPreviewWidget*>()) {
                    answers.previewMode = pages->viewMode();
                    answers.previewPages = pages->pageCount();
                }
                if (answers.previewPrints) {
                    auto* print = preview->findChild<QAction*>("previewPrint");
                    ASSERT_NE(print, nullptr);
                    print->trigger();
                } else {
                    preview->close();
                }
            }
        });
    }

    void Trigger(int id) { frame->Action(id)->trigger(); }
};

TEST_F(PrintTest, PrintCommandsNeedACurrentLocationAndAGridRow) {
    for (int id : {ids::ID_FILE_PRINT, ids::ID_FILE_PRINT_PREVIEW, ids::ID_FILE_PRINT_SETUP})
        EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
    // The printer starts in portrait.
    EXPECT_EQ(ReportPrinter().pageLayout().orientation(), QPageLayout::Portrait);

    // No satellite left in the grid: nothing to print.
    CTilvexDoc* doc = frame->GetDocument();
    while (view->Grid()->count() > 0)
        doc->RemoveSatellite(view->Grid()->SatelliteAt(0));
    EXPECT_FALSE(frame->Action(ids::ID_FILE_PRINT)->isEnabled());
    EXPECT_FALSE(frame->Action(ids::ID_FILE_PRINT_PREVIEW)->isEnabled());
    EXPECT_TRUE(frame->Action(ids::ID_FILE_PRINT_SETUP)->isEnabled());
    // A disabled command asks for nothing.
    Answers answers;
    auto driver = Drive(answers);
    view->OnFilePrint();
    EXPECT_EQ(answers.options, 0);

    // A new workspace has neither locations nor satellites.
    frame->OnFileNew();
    EXPECT_FALSE(frame->Action(ids::ID_FILE_PRINT)->isEnabled());
    EXPECT_FALSE(frame->Action(ids::ID_FILE_PRINT_PREVIEW)->isEnabled());

    // Print Setup shows the page setup of the program's printer.
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Print Setup is the system's own dialog on Windows, which a test cannot answer";
#endif
    int setups = 0;
    ModalDriver setup([&setups](QWidget* modal) {
        if (!qobject_cast<QPageSetupDialog*>(modal))
            return;
        ++setups;
        static_cast<QDialog*>(modal)->reject();
    });
    Trigger(ids::ID_FILE_PRINT_SETUP);
    EXPECT_EQ(setups, 1);
}

TEST_F(PrintTest, OptionsDialogOffersScalableFacesAndSizesSortedAsText) {
    CProfile profile(settings.string());
    {
        CPrintOptionsDlg dialog(&profile, frame);
        QStringList sizes;
        for (int i = 0; i < dialog.SizeBox()->count(); ++i)
            sizes << dialog.SizeBox()->itemText(i);
        EXPECT_EQ(sizes, QStringList({"10", "12", "14", "16", "18", "24", "32", "6", "8"}));
        // Nothing stored: Arial at 14, shown as text when the face is absent.
        EXPECT_EQ(dialog.FaceBox()->currentText(), "Arial");
        EXPECT_EQ(dialog.SizeBox()->currentText(), "14");
        EXPECT_GE(dialog.FaceBox()->findText("DejaVu Sans"), 0);
        for (int i = 1; i < dialog.FaceBox()->count(); ++i)
            EXPECT_LE(
                dialog.FaceBox()->itemText(i - 1).compare(dialog.FaceBox()->itemText(i), Qt::CaseInsensitive),
                0);
        EXPECT_TRUE(dialog.CurrentLocationRadio()->isChecked());
        EXPECT_FALSE(dialog.AllLocationsRadio()->isChecked());

        // Cancel remembers nothing.
        dialog.FaceBox()->setEditText("DejaVu Serif");
        dialog.reject();
        EXPECT_EQ(profile.GetProfileString("Font", "Face Name", "(none)"), "(none)");
    }
    {
        CPrintOptionsDlg dialog(&profile, frame);
        dialog.FaceBox()->setCurrentIndex(dialog.FaceBox()->findText("DejaVu Serif"));
        dialog.SizeBox()->setEditText("big");
        dialog.AllLocationsRadio()->setChecked(true);
        dialog.accept();
        EXPECT_EQ(dialog.m_nScope, 0);
        EXPECT_EQ(profile.GetProfileString("Font", "Face Name", ""), "DejaVu Serif");
        // Stored as typed; it prints with a height of 0.
        EXPECT_EQ(profile.GetProfileString("Font", "Size", ""), "big");
    }
    // The next time: the stored face and size, and the scope back at
    // "Current Location".
    CPrintOptionsDlg again(&profile, frame);
    EXPECT_EQ(again.FaceBox()->currentText(), "DejaVu Serif");
    EXPECT_EQ(again.SizeBox()->currentText(), "big");
    EXPECT_TRUE(again.CurrentLocationRadio()->isChecked());
    EXPECT_EQ(again.m_nScope, 1);
}

TEST_F(PrintTest, PrintFromThePreviewAsksForTheOptionsOnce) {
    Answers answers;
    answers.choose = [](CPrintOptionsDlg* dialog) { dialog->SizeBox()->setEditText("12"); };
    auto driver = Drive(answers);
    Trigger(ids::ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(answers.previews, 1);
    EXPECT_EQ(answers.options, 1);
    EXPECT_EQ(printDialogs, 1);
    // The current location's one page, shown alone.
    EXPECT_EQ(answers.previewPages, 1);
    EXPECT_EQ(answers.previewMode, QPrintPreviewWidget::SinglePageView);
    EXPECT_EQ(view->PrintFontHeight(), 16);
    EXPECT_FALSE(view->PrintOptionsDone());
    EXPECT_TRUE(std::filesystem::exists(pdf));

    // Print on its own asks again.
    Trigger(ids::ID_FILE_PRINT);
    EXPECT_EQ(answers.options, 2);
    EXPECT_EQ(printDialogs, 2);
}

TEST_F(PrintTest, ClosingThePreviewForgetsItsOptions) {
    Answers answers;
    answers.previewPrints = false;
    answers.choose = [](CPrintOptionsDlg* dialog) { dialog->AllLocationsRadio()->setChecked(true); };
    auto driver = Drive(answers);
    Trigger(ids::ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(answers.previews, 1);
    // A page for every location, two at a time.
    EXPECT_EQ(answers.previewPages, view->LocationPane()->List()->count());
    EXPECT_EQ(answers.previewMode, QPrintPreviewWidget::FacingPagesView);
    EXPECT_EQ(answers.options, 1);
    EXPECT_EQ(printDialogs, 0);
    EXPECT_FALSE(view->PrintOptionsDone());
    Trigger(ids::ID_FILE_PRINT);
    EXPECT_EQ(answers.options, 2);
    EXPECT_EQ(printDialogs, 1);

    // Options cancelled: no preview, no print.
    answers.cancelOptions = true;
    Trigger(ids::ID_FILE_PRINT_PREVIEW);
    Trigger(ids::ID_FILE_PRINT);
    EXPECT_EQ(answers.options, 4);
    EXPECT_EQ(answers.previews, 1);
    EXPECT_EQ(printDialogs, 1);
}

// The print commands belong to the whole window: Ctrl+P in the database
// tree prints the look-angle report as well.
TEST_F(PrintTest, PrintFromTheTreeSidePrintsTheSameReport) {
    Answers answers;
    auto driver = Drive(answers);
    frame->activateWindow();
    frame->SatelliteTree()->setFocus();
    QTest::keyClick(frame->SatelliteTree(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(answers.options, 1);
    EXPECT_EQ(printDialogs, 1);
    EXPECT_EQ(printDialogPages, 1);
    EXPECT_TRUE(std::filesystem::exists(pdf));
}

TEST_F(PrintTest, PrintedPagesHoldTheHeaderAndEveryRowOfEveryLocation) {
    Answers answers;
    answers.choose = [](CPrintOptionsDlg* dialog) {
        dialog->AllLocationsRadio()->setChecked(true);
        dialog->FaceBox()->setEditText("DejaVu Sans");
        dialog->SizeBox()->setEditText("12");
    };
    auto driver = Drive(answers);
    Trigger(ids::ID_FILE_PRINT);
    ASSERT_EQ(answers.options, 1);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    QListWidget* locations = view->LocationPane()->List();
    ASSERT_GT(locations->count(), 1);
    // The default workspace fits a location on a page.
    EXPECT_EQ(printDialogPages, locations->count());
    const auto text = PdfText(pdf);
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";

    EXPECT_EQ(Count(*text, "Workspace: United States Ku Band Satellites"),
              static_cast<std::size_t>(locations->count()));
    EXPECT_EQ(Count(*text, "(Magnetic)"), static_cast<std::size_t>(locations->count()));
    EXPECT_EQ(Count(*text, "Page "), 0u);
    for (int row = 0; row < locations->count(); ++row) {
        const CLocation* location = view->LocationPane()->LocationAt(row);
        EXPECT_NE(text->find(Cp1252ToUtf8(location->GetName())), std::string::npos) << location->GetName();
    }
    // The current location's page shows exactly the grid's texts, row by row.
    const CLocation* current = frame->GetDocument()->GetCurrentLocation();
    ASSERT_NE(current, nullptr);
    const auto page = text->find(Cp1252ToUtf8(current->GetName()));
    ASSERT_NE(page, std::string::npos);
    for (int row = 0; row < view->Grid()->count(); ++row) {
        const CArcGridModel::RowTexts texts = view->Grid()->RowTexts(row);
        const std::string name = Cp1252ToUtf8(texts.name);
        EXPECT_EQ(Count(*text, name + " "), static_cast<std::size_t>(locations->count())) << name;
        const auto line = text->find(name + " ", page);
        ASSERT_NE(line, std::string::npos);
        const std::string rest = text->substr(line, text->find('\n', line) - line);
        EXPECT_NE(rest.find(Cp1252ToUtf8(texts.azimuth)), std::string::npos) << rest;
        EXPECT_NE(rest.find(Cp1252ToUtf8(texts.elevation)), std::string::npos) << rest;
        // The slot and the LNB skew stand beside the angles.
        const CSatellite* satellite = view->Grid()->SatelliteAt(row);
        EXPECT_NE(rest.find(Cp1252ToUtf8(satellite->SlotText())), std::string::npos) << rest;
        const std::string skew =
            LnbSkewText(current->SignedLatitude(), current->SignedLongitude(), satellite->SignedLongitude());
        EXPECT_NE(rest.find(Cp1252ToUtf8(skew)), std::string::npos) << rest;
    }
    EXPECT_NE(text->find(CurrentDateText()), std::string::npos);
}

// Without a real printer the printer starts on the locale's paper, as
// tilvex-cli's PDF report does; whatever the printer's margins, nothing is
// printed nearer than half an inch to the paper's edge.
TEST_F(PrintTest, PaperIsTheLocalesAndThePageStaysHalfAnInchInside) {
    QPrinter& printer = ReportPrinter();
    if (printer.outputFormat() == QPrinter::NativeFormat)
        GTEST_SKIP() << "a real printer keeps its own paper";
    const QPageSize::PageSizeId paper =
        DefaultReportPaper() == ReportPaper::A4 ? QPageSize::A4 : QPageSize::Letter;
    EXPECT_EQ(printer.pageLayout().pageSize().id(), paper);

    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(3, 3, 3, 3), QPageLayout::Millimeter);
    Answers answers;
    answers.choose = [](CPrintOptionsDlg* dialog) { dialog->SizeBox()->setEditText("24"); };
    auto driver = Drive(answers);
    Trigger(ids::ID_FILE_PRINT);
    printer.setPageMargins(margins, QPageLayout::Millimeter);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const auto boxes = PdfText(pdf, "-bbox");
    if (!boxes)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re");
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)")re");
    std::smatch size;
    ASSERT_TRUE(std::regex_search(*boxes, size, page));
    const double width = std::stod(size[1]), height = std::stod(size[2]);
    EXPECT_NEAR(width, paper == QPageSize::A4 ? 595.0 : 612.0, 1.0);
    int words = 0;
    for (auto it = std::sregex_iterator(boxes->begin(), boxes->end(), word); it != std::sregex_iterator();
         ++it) {
        ++words;
        EXPECT_GE(std::stod((*it)[1]), 36.0 - 0.5);
        EXPECT_GE(std::stod((*it)[2]), 36.0 - 0.5);
        EXPECT_LE(std::stod((*it)[3]), width - 36.0 + 0.5);
        EXPECT_LE(std::stod((*it)[4]), height - 36.0 + 0.5);
    }
    EXPECT_GT(words, 20);
}
