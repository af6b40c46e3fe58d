#include "cli/JsonText.h"

#include "cli/ControlCharacters.h"
#include "framework/Cp1252.h"
#include "framework/Format.h"

std::string JsonString(const std::string& cp1252) {
    std::string out = "\"";
    for (const char c : cp1252) {
        const char32_t cp = Cp1252ToCodePoint(static_cast<unsigned char>(c));
        switch (cp) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                // Every control character escaped (DEL and C1 too), so that
                // none reaches a terminal as it is.
                if (IsControlCharacter(cp))
                    out += Format("\\u%04x", static_cast<unsigned>(cp));
                else if (cp < 0x80)
                    out += c;
                else
                    out += Cp1252ToUtf8(std::string_view(&c, 1));
        }
    }
    return out + '"';
}

std::string JsonStringList(const std::vector<std::string>& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) out += (i ? ", " : "") + JsonString(list[i]);
    return out + "]";
}
