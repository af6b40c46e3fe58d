// The program's colours: the platform's, or a dark or light palette chosen
// with TILVEX_PALETTE=dark|light (for a desktop without a colour scheme of
// its own, and for checking that every text stays readable).
#pragma once

#include <QPalette>
#include <QString>

// The dark palette the program uses for TILVEX_PALETTE=dark.
QPalette DarkPalette();

// Fusion with a checked radio button drawn to be seen on any palette.
class QStyle;
QStyle* ReadableFusionStyle();

// Applies the palette that name asks for ("dark", "light"; letter case
// aside); any other name leaves the platform's.  Returns whether it did.
bool ApplyNamedPalette(const QString& name);
