#include "printing/PrintSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <memory>

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

}  // namespace

QPrinter& ReportPrinter() {
    static std::unique_ptr<QPrinter> printer = [] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setPageOrientation(QPageLayout::Portrait);
        p->setDocName("Look angles");
        p->setCreator("Tilvex");
        return p;
    }();
    return *printer;
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
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>())
        pages->setViewMode(pageCount < 2 ? QPrintPreviewWidget::SinglePageView
                                         : QPrintPreviewWidget::FacingPagesView);
    // The preview's own Print button hands the job back to the caller, which
    // prints it with the options already chosen.
    bool print = false;
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != printText) continue;
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
