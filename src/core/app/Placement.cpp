#include "core/app/Placement.h"

#include <algorithm>

#include "core/framework/Profile.h"

namespace {
const char* const kSection = "Startup";

// One axis of a window on a screen: the size cut to the screen's, then the
// start moved on until the whole span lies on the screen.  Sums are taken
// wide, as stored numbers may be anything.
void FitSpan(long long& start, long long& size, long long screenStart, long long screenSize) {
    size = std::clamp(size, 1LL, std::max(1LL, screenSize));
    start = std::clamp(start, screenStart, screenStart + std::max(0LL, screenSize - size));
}
}  // namespace

WindowPlacement DefaultPlacement(int baseX, int baseY, int screenWidth, int screenHeight) {
    const int w = baseX * 310 / 4;
    const int h = baseY * 205 / 8;
    WindowPlacement p;
    p.split = baseX * 78 / 4;
    p.flags = -1;
    p.showCmd = screenWidth == 640 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    p.x1 = (screenWidth - w) / 2;
    p.y1 = (screenHeight - h) / 2;
    p.x2 = p.x1 + w;
    p.y2 = p.y1 + h;
    return p;
}

WindowPlacement ReadPlacement(const CProfile& profile, const WindowPlacement& defaults, int screenWidth,
                              int screenHeight) {
    WindowPlacement p;
    p.split = profile.GetProfileInt(kSection, "split", defaults.split);
    p.flags = profile.GetProfileInt(kSection, "flags", defaults.flags);
    p.showCmd = profile.GetProfileInt(kSection, "showCmd", defaults.showCmd);
    p.x1 = profile.GetProfileInt(kSection, "x1", defaults.x1);
    p.y1 = profile.GetProfileInt(kSection, "y1", defaults.y1);
    p.x2 = profile.GetProfileInt(kSection, "x2", defaults.x2);
    p.y2 = profile.GetProfileInt(kSection, "y2", defaults.y2);
    // The whole window stays on the screen: a size beyond the screen's (or
    // none at all) is cut to fit, then the window moves on.  The pull-back of
    // an edge near the far side is part of that.
    auto fit = [](int& low, int& high, long long defaultSize, long long screen) {
        long long start = low;
        long long size = static_cast<long long>(high) - low;
        if (size <= 0)
            size = defaultSize;
        FitSpan(start, size, 0, screen);
        low = static_cast<int>(start);
        high = static_cast<int>(start + size);
    };
    fit(p.x1, p.x2, static_cast<long long>(defaults.x2) - defaults.x1, screenWidth);
    fit(p.y1, p.y2, static_cast<long long>(defaults.y2) - defaults.y1, screenHeight);
    return p;
}

void WritePlacement(CProfile& profile, const WindowPlacement& p) {
    profile.WriteProfileInt(kSection, "split", p.split);
    profile.WriteProfileInt(kSection, "flags", p.flags);
    profile.WriteProfileInt(kSection, "showCmd", p.showCmd);
    profile.WriteProfileInt(kSection, "x1", p.x1);
    profile.WriteProfileInt(kSection, "y1", p.y1);
    profile.WriteProfileInt(kSection, "x2", p.x2);
    profile.WriteProfileInt(kSection, "y2", p.y2);
}

ScreenRect KeepOnScreen(const ScreenRect& window, const ScreenRect& screen) {
    long long x = window.x, y = window.y, width = window.width, height = window.height;
    FitSpan(x, width, screen.x, screen.width);
    FitSpan(y, height, screen.y, screen.height);
    return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(width), static_cast<int>(height)};
}
