#include "app/Placement.h"

#include "framework/Profile.h"

namespace {
const char* const kSection = "Startup";
}

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
                              int screenHeight, int iconWidth, int iconHeight) {
    WindowPlacement p;
    p.split = profile.GetProfileInt(kSection, "split", defaults.split);
    p.flags = profile.GetProfileInt(kSection, "flags", defaults.flags);
    p.showCmd = profile.GetProfileInt(kSection, "showCmd", defaults.showCmd);
    p.x1 = profile.GetProfileInt(kSection, "x1", defaults.x1);
    p.y1 = profile.GetProfileInt(kSection, "y1", defaults.y1);
    p.x2 = profile.GetProfileInt(kSection, "x2", defaults.x2);
    p.y2 = profile.GetProfileInt(kSection, "y2", defaults.y2);
    // A window moved back on screen keeps its size.
    if (p.x1 >= screenWidth - iconWidth) {
        p.x2 -= p.x1 - (screenWidth - iconWidth);
        p.x1 = screenWidth - iconWidth;
    }
    if (p.y1 >= screenHeight - iconHeight) {
        p.y2 -= p.y1 - (screenHeight - iconHeight);
        p.y1 = screenHeight - iconHeight;
    }
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
