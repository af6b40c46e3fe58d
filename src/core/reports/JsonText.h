// JSON text for the command line's output.
#pragma once

#include <string>
#include <vector>

// A Windows-1252 string as a quoted JSON string (UTF-8, escaped).
std::string JsonString(const std::string& cp1252);
std::string JsonStringList(const std::vector<std::string>& list);

// One JSON object on one line, its members in the order they are added:
// {"name": "Galaxy 19", "slot": 97, "west": 1}.
class CJsonObject {
public:
    // A Windows-1252 string.
    CJsonObject& String(const char* key, const std::string& cp1252);
    // A record's number as the files hold it; null for NaN or infinity,
    // which JSON cannot write and a damaged file may hold.
    CJsonObject& Float(const char* key, float value);
    CJsonObject& Integer(const char* key, long long value);
    CJsonObject& Bool(const char* key, bool value);
    // A value that is JSON already (a list, an object).
    CJsonObject& Json(const char* key, const std::string& json);
    std::string Text() const { return m_text + "}"; }

private:
    CJsonObject& Member(const char* key, const std::string& json);
    std::string m_text = "{";
};
