// Helpers shared by the core tests.
#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/AppMessageBox.h"

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

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The shipped data folder of the source tree.
std::filesystem::path SourceDataDir();
