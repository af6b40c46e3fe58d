// The help window: the shipped user guide, in the windows' language where
// it is translated.
#pragma once

#include <QTextBrowser>

class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the one help window, creating it on first use.
    static CHelpWindow* ShowHelp(QWidget* parent);
    // The guide's address for a language ("de"): its translation where there
    // is one, else the English guide.
    static QString GuideFor(const QString& language);

private:
    explicit CHelpWindow(QWidget* parent);
};
