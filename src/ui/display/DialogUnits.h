// Dialog units.  Panes and dialogs are designed in units of a quarter of the
// average character width across and an eighth of the character height down,
// so that they follow the font (`Current`).  The window's first size, the
// title band and the margins of the look-angle view use the classic system
// units of 8 by 16 pixels at 96 dots per inch (`System`).
#pragma once

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

struct DialogUnits {
    int baseX;
    int baseY;
    static DialogUnits Current() {
        const QFontMetrics metrics(QGuiApplication::font());
        return {std::max(1, metrics.averageCharWidth()), std::max(1, metrics.height())};
    }
    static DialogUnits System() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double scale = screen ? std::max(1.0, screen->logicalDotsPerInch() / 96.0) : 1.0;
        return {static_cast<int>(8 * scale), static_cast<int>(16 * scale)};
    }
    int X(int du) const { return du * baseX / 4; }
    int Y(int du) const { return du * baseY / 8; }
};
