#include "core/display/ViewLayout.h"

LookAngleLayout ComputeLookAngleLayout(int viewWidth, int viewHeight, const LayoutRect& location,
                                       const LayoutRect& satellite, const LayoutRect& info,
                                       int satellitePaneHeight0, int unit) {
    const int wL = location.Width(), wS = satellite.Width(), wI = info.Width();
    const int hS = satellite.Height(), hI = info.Height();
    LookAngleLayout layout;

    int gap = (viewWidth - (wL + wS)) / 4;
    if (gap <= 5)
        gap = 5;
    int top = (viewHeight - hS) / 4;
    if (top <= unit)
        top = unit;
    int bottom = viewHeight - unit / 2;
    if (unit + satellitePaneHeight0 > bottom)
        bottom = unit + satellitePaneHeight0;

    layout.satellitePane = {3 * gap + wL, top, 3 * gap + wL + wS, bottom};
    const int newHeight = layout.satellitePane.Height();
    layout.infoPane = {gap, top + newHeight - hI, gap + wI, bottom};
    const int twoThirds = top + (2 * newHeight) / 3;
    const int aboveInfo = layout.infoPane.top - unit / 2;
    layout.locationPane = {gap, top, gap + wL, aboveInfo < twoThirds ? aboveInfo : twoThirds};
    layout.title = {gap, 5, 3 * gap + wL + wS, unit};
    layout.scrollWidth = layout.satellitePane.right + 5;
    layout.scrollHeight = layout.satellitePane.bottom + 5;
    return layout;
}
