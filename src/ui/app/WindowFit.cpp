#include "ui/app/WindowFit.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include "core/app/Placement.h"

namespace {

void Fit(QWidget* window) {
    QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect inner = window->geometry();
    QRect frame = window->frameGeometry();
    // Not framed yet: a title bar is what the window system will add.
    if (frame == inner)
        frame.setTop(frame.top() - window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const ScreenRect fitted =
        KeepOnScreen({frame.x(), frame.y(), frame.width(), frame.height()},
                     {available.x(), available.y(), available.width(), available.height()});
    if (fitted == ScreenRect{frame.x(), frame.y(), frame.width(), frame.height()})
        return;
    // The frame keeps its thickness: the inner part gives up what the frame
    // loses.
    const QSize inside(inner.width() - (frame.width() - fitted.width),
                       inner.height() - (frame.height() - fitted.height));
    window->setGeometry(QRect(QPoint(fitted.x + inner.x() - frame.x(), fitted.y + inner.y() - frame.y()),
                              inside.expandedTo(window->minimumSize())));
}

}  // namespace

void FitToScreen(QWidget* window) {
    if (!window)
        return;
    Fit(window);
    QPointer<QWidget> later(window);
    QTimer::singleShot(0, window, [later] {
        if (later && later->isVisible())
            Fit(later);
    });
}
