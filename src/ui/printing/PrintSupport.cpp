#include "ui/printing/PrintSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "core/reports/Report.h"
#include "ui/framework/QtText.h"

namespace {

PrintDialogRunner& Runner() {
    static PrintDialogRunner runner;
    return runner;
}

bool ShowPrintDialog(QPrinter& printer, int pageCount, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setFromTo(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageCount > 1);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

QPrinter*& Printer() {
    static QPrinter* printer = nullptr;
    return printer;
}

// The printer goes with the application object, while its print system
// is still there.
void DeletePrinter() {
    delete Printer();
    Printer() = nullptr;
}

}  // namespace

QPrinter& ReportPrinter() {
    if (!Printer()) {
        Printer() = new QPrinter(QPrinter::HighResolution);
        // A real printer starts on its own default paper; without one (the
        // printer is then a PDF file) the paper is the locale's, as
        // tilvex-cli's PDF report takes it.
        if (Printer()->outputFormat() != QPrinter::NativeFormat) {
            const bool a4 = DefaultReportPaper() == ReportPaper::A4;
            Printer()->setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter));
        }
        Printer()->setPageOrientation(QPageLayout::Portrait);
        Printer()->setDocName(Tr("Look angles"));
        Printer()->setCreator("Tilvex");
        qAddPostRoutine(DeletePrinter);
    }
    return *Printer();
}

bool RunPrintDialog(QPrinter& printer, int pageCount, QWidget* parent) {
    return Runner() ? Runner()(printer, pageCount, parent) : ShowPrintDialog(printer, pageCount, parent);
}

PrintDialogRunner SetPrintDialogRunner(PrintDialogRunner runner) {
    PrintDialogRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}

void RunPrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&ReportPrinter(), parent);
    dialog.exec();
}

bool RunPrintPreview(QPrinter& printer, int pageCount, const std::function<void(QPrinter&)>& paint,
                     QWidget* parent) {
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("printPreview");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* device) { paint(*device); });
    // Through the preview's own action, so that its toolbar shows the mode.
    const QString modeText = QCoreApplication::translate(
        "QPrintPreviewDialog", pageCount < 2 ? "Show single page" : "Show facing pages");
    bool modeSet = false;
    for (QAction* action : preview.findChildren<QAction*>())
        if (action->text() == modeText && !modeSet) {
            action->trigger();
            modeSet = true;
        }
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>(); pages && !modeSet)
        pages->setViewMode(pageCount < 2 ? QPrintPreviewWidget::SinglePageView
                                         : QPrintPreviewWidget::FacingPagesView);
    // The preview's own Print button hands the job back to the caller, which
    // prints it with the options already chosen.
    bool print = false;
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != printText)
            continue;
        action->setObjectName("previewPrint");
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, &preview, [&] {
            print = true;
            preview.accept();
        });
    }
    preview.exec();
    return print;
}
