#include "ui/app/AboutDlg.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Translate.h"
#include "ui/framework/QtText.h"

namespace {
std::function<bool(const QUrl&)>& UrlOpener() {
    static std::function<bool(const QUrl&)> opener = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return opener;
}
}  // namespace

void CAboutDlg::SetUrlOpener(std::function<bool(const QUrl&)> opener) {
    UrlOpener() = std::move(opener);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("aboutDialog");
    setWindowTitle(Tr("About Tilvex"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(":/images/tilvex.png"));
    auto* text = new QLabel(Tr("<b>Tilvex</b> version 0.1<br>Look angles for satellite dishes.<br>"
                               "Copyright © 2026 Tilvex Developers. All rights reserved.<br><br>"
                               "Magnetic variation from the World Magnetic Model 2025<br>"
                               "(NOAA NCEI and the British Geological Survey;<br>"
                               "public domain in the United States).<br><br>"
                               "Place names: GeoNames (www.geonames.org), CC BY 4.0.<br>"
                               "Map: made with Natural Earth (public domain)."),
                            this);
    auto* visit = new QPushButton(Tr("&Visit the Tilvex Web Site..."), this);
    visit->setObjectName("visitWebSite");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(visit, &QPushButton::clicked, this, &CAboutDlg::OnVisitWebSite);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(visit);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

void CAboutDlg::OnVisitWebSite() {
    if (UrlOpener()(QUrl(kWebAddress))) {
        done(0);
        return;
    }
    AppMessageBox(CoreTr("Tilvex couldn't locate your browser.  ") +
                  CoreTr("If you want to visit the Tilvex web page, go to ") + kWebAddress + ".");
}
