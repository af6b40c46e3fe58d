// The product picture shown while the program starts: for three seconds or
// until a key or mouse button is pressed (that press goes no further).  When
// it goes, the main window appears.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

class QTimer;

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDurationMs = 3000;

    static void SetSplashEnabled(bool enabled) { s_bEnabled = enabled; }
    static bool IsSplashEnabled() { return s_bEnabled; }
    // Shows the splash unless it is disabled or already up; `onHide` runs
    // once, when it goes away.
    static void ShowSplash(std::function<void()> onHide);
    // Closes the splash if it is up.
    static void HideSplash();
    static CSplashWnd* Instance() { return s_pSplashWnd; }

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CSplashWnd(std::function<void()> onHide);

    QPixmap m_bitmap;
    QTimer* m_timer;
    std::function<void()> m_onHide;
    static bool s_bEnabled;
    static CSplashWnd* s_pSplashWnd;
};
