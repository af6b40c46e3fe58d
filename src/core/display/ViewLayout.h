// Where the look-angle view puts its title band and three panes.
#pragma once

struct LayoutRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LayoutRect&) const = default;
};

struct LookAngleLayout {
    LayoutRect title;
    LayoutRect locationPane;
    LayoutRect satellitePane;
    LayoutRect infoPane;
    int scrollWidth = 0;
    int scrollHeight = 0;
};

// `viewWidth` and `viewHeight` are the view's outer size; `location`,
// `satellite` and `info` the panes' current rectangles; `satellitePaneHeight0`
// the satellite pane's height as created; `unit` 15 vertical dialog units in
// pixels.  The free width is split one part left of the left column, two
// between the columns and one at the right (at least 5 pixels each); the
// margin above the panes is a quarter of the free height but at least `unit`.
LookAngleLayout ComputeLookAngleLayout(int viewWidth, int viewHeight, const LayoutRect& location,
                                       const LayoutRect& satellite, const LayoutRect& info,
                                       int satellitePaneHeight0, int unit);
