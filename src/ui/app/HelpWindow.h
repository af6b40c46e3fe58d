// The help window: the shipped help page.
#pragma once

#include <QTextBrowser>

class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the one help window, creating it on first use.
    static CHelpWindow* ShowHelp(QWidget* parent);

private:
    explicit CHelpWindow(QWidget* parent);
};
