#include "core/framework/AppMessageBox.h"

#include <cstdio>
#include <utility>

#include "core/framework/Cp1252.h"

namespace {
MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler;
    return handler;
}
}  // namespace

int AppMessageBox(const std::string& text, unsigned buttons, unsigned icon) {
    if (MessageBoxHandler& handler = CurrentHandler())
        return handler(text, buttons, icon);
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(text).c_str());
    return IDOK;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

namespace {
const CButtonNames*& CurrentNames() {
    static const CButtonNames* names = nullptr;
    return names;
}
}  // namespace

CButtonNames::CButtonNames(std::string yes, std::string no)
    : m_yes(std::move(yes)), m_no(std::move(no)), m_previous(CurrentNames()) {
    CurrentNames() = this;
}

CButtonNames::~CButtonNames() {
    CurrentNames() = m_previous;
}

const CButtonNames* CButtonNames::Current() {
    return CurrentNames();
}
