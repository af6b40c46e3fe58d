#include "core/framework/Translate.h"

#include <utility>

namespace {
std::function<std::string(const char*)>& Translator() {
    static std::function<std::string(const char*)> translator;
    return translator;
}
}  // namespace

std::string CoreTr(const char* source) {
    if (!source)
        return std::string();
    if (const auto& translate = Translator()) {
        std::string translated = translate(source);
        if (!translated.empty())
            return translated;
    }
    return source;
}

void SetCoreTranslator(std::function<std::string(const char* source)> translator) {
    Translator() = std::move(translator);
}
