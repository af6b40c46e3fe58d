#include "ui/app/HelpWindow.h"

#include <QPointer>

#include "ui/framework/QtText.h"

CHelpWindow::CHelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("helpWindow");
    setWindowFlag(Qt::Window);
    setWindowTitle(Tr("Tilvex Help"));
    setOpenExternalLinks(false);
    setSource(QUrl("qrc:/help/index.html"));
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
