#include "ui/app/SplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Translate.h"

bool CSplashWnd::s_bEnabled = true;
CSplashWnd* CSplashWnd::s_pSplashWnd = nullptr;

CSplashWnd::CSplashWnd(std::function<void()> onHide)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_onHide(std::move(onHide)) {
    setObjectName("splash");
    setAttribute(Qt::WA_DeleteOnClose);
    if (!m_bitmap.load(":/images/splash.png"))
        AppMessageBox(CoreTr("Couldn't load bitmap from file."));
    resize(m_bitmap.isNull() ? QSize(480, 300) : m_bitmap.deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CSplashWnd::HideSplash);
    m_timer->start(kDurationMs);
    // Every key and mouse-button press of the program passes here first.
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
    qApp->removeEventFilter(this);
    if (s_pSplashWnd == this)
        s_pSplashWnd = nullptr;
}

void CSplashWnd::ShowSplash(std::function<void()> onHide) {
    if (!s_bEnabled || s_pSplashWnd)
        return;
    s_pSplashWnd = new CSplashWnd(std::move(onHide));
    s_pSplashWnd->show();
    s_pSplashWnd->repaint();
}

void CSplashWnd::HideSplash() {
    CSplashWnd* splash = s_pSplashWnd;
    if (!splash)
        return;
    s_pSplashWnd = nullptr;
    auto onHide = std::move(splash->m_onHide);
    splash->close();
    if (onHide)
        onHide();
}

bool CSplashWnd::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            // A message shown during start-up takes its own clicks and keys.
            if (QApplication::activeModalWidget())
                break;
            if (s_pSplashWnd == this) {
                HideSplash();
                return true;  // the press closes the splash and nothing else
            }
            break;
        default:
            break;
    }
    return false;
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_bitmap.isNull())
        painter.drawPixmap(0, 0, m_bitmap);
}
