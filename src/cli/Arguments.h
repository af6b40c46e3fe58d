// The command line of tilvex-cli: the words of a command (positional
// arguments and options), the exit statuses and the messages on stderr.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/framework/AngleText.h"
#include "core/framework/AppMessageBox.h"
#include "core/framework/Cp1252.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// A bad command line: the command's name and this message go to stderr and
// the program ends with kExitUsage.
struct UsageError {
    std::string message;
};

// The words of a command line after the command name: positional arguments
// and options, some of which take a value.
class CommandLine {
public:
    CommandLine(int argc, char** argv, int first, const std::vector<std::string>& valueOptions,
                const std::vector<std::string>& flagOptions) {
        for (int i = first; i < argc; ++i) {
            std::string word = argv[i];
            if (Contains(flagOptions, word)) {
                m_flags.push_back(word);
            } else if (Contains(valueOptions, word)) {
                if (i + 1 >= argc)
                    throw UsageError{"option " + word + " needs a value"};
                m_values.emplace_back(word, argv[++i]);
            } else if (word.size() > 1 && word[0] == '-' &&
                       !std::isdigit(static_cast<unsigned char>(word[1]))) {
                throw UsageError{"unknown option " + word};
            } else {
                m_positional.push_back(word);
            }
        }
    }

    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Flag(const std::string& name) const { return Contains(m_flags, name); }
    std::vector<std::string> Values(const std::string& name) const {
        std::vector<std::string> out;
        for (const auto& [option, value] : m_values)
            if (option == name)
                out.push_back(value);
        return out;
    }
    const std::string* Value(const std::string& name) const {
        const std::string* found = nullptr;
        for (const auto& [option, value] : m_values) {
            if (option != name)
                continue;
            if (found)
                throw UsageError{"option " + name + " given twice"};
            found = &value;
        }
        return found;
    }

private:
    static bool Contains(const std::vector<std::string>& list, const std::string& word) {
        for (const auto& item : list)
            if (item == word)
                return true;
        return false;
    }

    std::vector<std::string> m_positional;
    std::vector<std::string> m_flags;
    std::vector<std::pair<std::string, std::string>> m_values;
};

// An angle argument of `kind`, or a UsageError naming `what`.
TypedAngle RequireAngle(const std::string& text, AngleKind kind, const char* what);
// Exactly `count` positional arguments, or a UsageError.
void RequireCount(const CommandLine& line, std::size_t count, const char* command);
// Changes into the data folder named by --data, where the program's files are
// looked for by bare name.
void EnterDataDir(const CommandLine& line);
