// "About Tilvex", with the way to the product's web site.
#pragma once

#include <QDialog>
#include <functional>

class QUrl;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kWebAddress = "https://tilvex.example.org/";

    explicit CAboutDlg(QWidget* parent = nullptr);

    // Opens the web site with the desktop's browser; when that fails, says
    // where to go and the box stays open.  Tests replace the opener.
    void OnVisitWebSite();
    static void SetUrlOpener(std::function<bool(const QUrl&)> opener);
};
