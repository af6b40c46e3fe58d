#include "core/reports/JsonText.h"

#include <cmath>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/reports/ControlCharacters.h"
#include "core/workspace/RecordCsv.h"

std::string JsonString(const std::string& cp1252) {
    std::string out = "\"";
    for (const char c : cp1252) {
        const char32_t cp = Cp1252ToCodePoint(static_cast<unsigned char>(c));
        switch (cp) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
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

CJsonObject& CJsonObject::Member(const char* key, const std::string& json) {
    if (m_text.size() > 1)
        m_text += ", ";
    m_text += JsonString(key) + ": " + json;
    return *this;
}

CJsonObject& CJsonObject::String(const char* key, const std::string& cp1252) {
    return Member(key, JsonString(cp1252));
}
CJsonObject& CJsonObject::Float(const char* key, float value) {
    return Member(key, std::isfinite(value) ? FloatText(value) : "null");
}
CJsonObject& CJsonObject::Integer(const char* key, long long value) {
    return Member(key, std::to_string(value));
}
CJsonObject& CJsonObject::Bool(const char* key, bool value) {
    return Member(key, value ? "true" : "false");
}
CJsonObject& CJsonObject::Json(const char* key, const std::string& json) {
    return Member(key, json);
}

std::string JsonStringList(const std::vector<std::string>& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i)
        out += (i ? ", " : "") + JsonString(list[i]);
    return out + "]";
}
