// The core's texts for people (messages, report headings, region names) go
// through CoreTr, so that a translation can replace them.  The core has no
// translations of its own: the desktop program installs a translator that
// asks Qt's; without one (the command line, the tests) a text stays as it is.
#pragma once

#include <functional>
#include <string>

// The text for source (Windows-1252, as written in the code) in the
// installed translation, or source itself.
std::string CoreTr(const char* source);

// Marks a text kept in a constant for extraction; the constant's user
// translates it with CoreTr where it is shown.
constexpr const char* TrNoop(const char* source) {
    return source;
}

// Installs the translator (an empty function removes it).  It returns the
// translation of a source text, or an empty string for none.
void SetCoreTranslator(std::function<std::string(const char* source)> translator);
