// Helpers shared by the core tests.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/framework/AppMessageBox.h"
#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"

// Records every message shown while it lives, answering each with `answer`.
class MessageCapture {
public:
    explicit MessageCapture(int answer = IDOK);
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<std::string>& Texts() const { return m_texts; }
    void Clear() { m_texts.clear(); }
    // The next messages get these answers, in order; later ones the
    // default answer again.
    void Script(std::initializer_list<int> answers) { m_script.insert(m_script.end(), answers); }

private:
    std::vector<std::string> m_texts;
    std::deque<int> m_script;
    MessageBoxHandler m_previous;
};

// A fresh temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Changes the working directory for its lifetime.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::filesystem::path& dir);
    ~ScopedCwd();
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    std::filesystem::path m_previous;
};

// Records for tests: a satellite (slot in degrees, West unless `west` is
// false) and a location (North and West unless told otherwise).
std::unique_ptr<CSatellite> MakeSatellite(const std::string& name, float slot = 97.0f, bool west = true,
                                          int flags = SAT_BAND_KU | SAT_REGION_AMERICAS);
std::unique_ptr<CLocation> MakeLocation(const std::string& name, float latitude = 39.74f, bool north = true,
                                        float longitude = 104.99f, bool west = true, float magVar = 0.0f,
                                        bool magVarWest = true, int region = LOC_REGION_NORTH_AMERICA);

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The shipped data folder of the source tree.
std::filesystem::path SourceDataDir();
