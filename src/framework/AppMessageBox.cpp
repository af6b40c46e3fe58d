#include "framework/AppMessageBox.h"

#include <cstdio>
#include <utility>

#include "framework/Cp1252.h"

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
