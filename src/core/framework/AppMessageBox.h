// The one way the program shows a message to the user.
//
// Messages are Windows-1252 text, captioned with the application title.  The
// desktop program installs a handler that shows a dialog; the command-line
// program prints them on stderr; tests install a handler that records them
// and answers as scripted.
#pragma once

#include <functional>
#include <string>

#include "core/framework/Outcome.h"

// Button sets and answers, with the values the dialogs of the program use.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

using MessageBoxHandler = std::function<int(const std::string& text, unsigned buttons, unsigned icon)>;

// Shows `text` and returns the button chosen.  With no handler installed the
// text goes to stderr (converted to UTF-8) and the answer is IDOK.
int AppMessageBox(const std::string& text, unsigned buttons = MB_OK, unsigned icon = 0);

// The value of `outcome`; when the computation failed, its message is shown
// and `fallback` stands in.  For the window and the command line, which
// decide when a failure is shown: the core itself shows nothing this way.
template <typename T>
T ValueOrShow(const Outcome<T>& outcome, T fallback) {
    if (!outcome)
        AppMessageBox(outcome.Message());
    return outcome.ValueOr(std::move(fallback));
}

// Installs `handler` (an empty one restores the default) and returns the
// handler it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Names the Yes and No buttons (Windows-1252) of the messages shown while it
// lives, where a question's answers need words of their own ("Overwrite",
// "Save Under Another Name...").  The answers stay IDYES and IDNO.
class CButtonNames {
public:
    CButtonNames(std::string yes, std::string no);
    ~CButtonNames();
    CButtonNames(const CButtonNames&) = delete;
    CButtonNames& operator=(const CButtonNames&) = delete;

    // The names in force, or null.
    static const CButtonNames* Current();
    const std::string& Yes() const { return m_yes; }
    const std::string& No() const { return m_no; }

private:
    std::string m_yes;
    std::string m_no;
    const CButtonNames* m_previous;
};
