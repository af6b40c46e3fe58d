// The main window's placement and splitter width, kept in the settings file
// (section "Startup").
#pragma once

class CProfile;

struct WindowPlacement {
    int split = 0;  // width of the splitter's left column
    int flags = -1;
    int showCmd = 1;                     // 1 normal, 3 maximised
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the normal (restored) rectangle
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMAXIMIZED = 3;

// The first-run placement: a window of 310 by 205 dialog units (`baseX`,
// `baseY` are the dialog base units) centred on a `screenWidth` by
// `screenHeight` screen, maximised on a 640-pixel-wide one.
WindowPlacement DefaultPlacement(int baseX, int baseY, int screenWidth, int screenHeight);

// The stored placement, each value falling back to `defaults`, with the
// normal rectangle kept wholly on the `screenWidth` by `screenHeight` screen:
// no larger than the screen (a rectangle without size takes the default
// size) and moved on where it hangs off an edge.
WindowPlacement ReadPlacement(const CProfile& profile, const WindowPlacement& defaults, int screenWidth,
                              int screenHeight);
void WritePlacement(CProfile& profile, const WindowPlacement& placement);

// A window's rectangle (its frame included) and a screen's available
// rectangle, in the screen's pixels.
struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ScreenRect&) const = default;
};
// The window moved, and cut where it is larger than the screen, so that it
// lies wholly on the screen; a window already on it stays where it is.
ScreenRect KeepOnScreen(const ScreenRect& window, const ScreenRect& screen);
