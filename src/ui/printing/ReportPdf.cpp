#include "ui/printing/ReportPdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <clocale>
#include <cstdio>
#include <memory>

#include "core/framework/Cp1252.h"
#include "core/framework/Translate.h"
#include "ui/printing/ReportPainter.h"

void EnsureReportGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the environment (no runtime folder, no display) are
    // not the command's business; its errors still reach stderr.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    static int argc = 1;
    static char name[] = "tilvex-cli";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
    // The application object takes the user's locale; numbers in the
    // report keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
}

int RenderReportPdf(const ReportJobInput& input, ReportPaper paper, std::string& pdf) {
    pdf.clear();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(Cp1252ToUtf8(CoreTr("Look angles"))));
        writer.setCreator("Tilvex");
        writer.setPageLayout(
            QPageLayout(QPageSize(paper == ReportPaper::A4 ? QPageSize::A4 : QPageSize::Letter),
                        QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
        pages = CReportJob(MeasuredReportInput(writer, input)).PageCount();
        if (pages == 0 || !PaintReport(writer, input))
            return 0;
    }
    pdf.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return pages;
}
