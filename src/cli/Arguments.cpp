#include "cli/Arguments.h"

#include <filesystem>
#include <system_error>

#include "core/framework/File.h"
#include "core/framework/Format.h"

TypedAngle RequireAngle(const std::string& text, AngleKind kind, const char* what) {
    if (auto angle = ParseTypedAngle(text, kind))
        return *angle;
    const char* form =
        kind == AngleKind::Latitude ? "0 to 90 with N or S, like 38.5N" : "0 to 180 with W or E, like 100W";
    throw UsageError{Format("bad %s '%s': expected degrees %s", what, text.c_str(), form)};
}

void RequireCount(const CommandLine& line, std::size_t count, const char* command) {
    if (line.Positional().size() != count)
        throw UsageError{Format("%s takes %zu arguments, got %zu", command, count, line.Positional().size())};
}

void EnterDataDir(const CommandLine& line) {
    if (const std::string* dir = line.Value("--data")) {
        std::error_code error;
        std::filesystem::current_path(FileSystemPath(*dir), error);
        if (error)
            throw UsageError{
                Format("cannot use data folder '%s': %s", dir->c_str(), error.message().c_str())};
    }
}
