#include "ui/app/HelpWindow.h"

#include <QFile>
#include <QPointer>

#include "ui/app/Language.h"
#include "ui/framework/QtText.h"

QString CHelpWindow::GuideFor(const QString& language) {
    // The guide in the windows' language where there is one, else in English.
    const QString translated = ":/help/index_" + language + ".html";
    return QFile::exists(translated) ? "qrc" + translated : QString("qrc:/help/index.html");
}

CHelpWindow::CHelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("helpWindow");
    setWindowFlag(Qt::Window);
    setWindowTitle(Tr("Tilvex Help"));
    setOpenExternalLinks(false);
    setSource(QUrl(GuideFor(language::Current())));
    resize(680, 600);  // room for the guide's pictures at their own size
}

CHelpWindow* CHelpWindow::ShowHelp(QWidget* parent) {
    static QPointer<CHelpWindow> window;
    if (!window)
        window = new CHelpWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
