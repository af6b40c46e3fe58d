// Running tilvex-cli from a test.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "TestSupport.h"
#include "platform/TestPlatform.h"

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tilvex-cli with `args`, quoted for a POSIX shell (single quotes, no
// quote inside them); on Windows they are requoted for cmd.exe.
CliRun RunCli(const std::string& args);

// Sets (or, given nothing, removes) an environment variable for its
// lifetime, which the programs a test starts inherit.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str()))
            m_old = old;
        if (value)
            SetEnvironment(m_name, *value);
        else
            UnsetEnvironment(m_name);
    }
    ~ScopedEnvironment() {
        if (m_old)
            SetEnvironment(m_name, *m_old);
        else
            UnsetEnvironment(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};
