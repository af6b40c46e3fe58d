// The fixture of the safe-save tests: a temporary working folder.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "core/framework/File.h"
#include "core/framework/Profile.h"
#include "core/framework/SafeFile.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/DatabaseHost.h"

namespace fs = std::filesystem;

class SafeSaveTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<ScopedCwd> cwd;

    void SetUp() override { cwd = std::make_unique<ScopedCwd>(dir.Path()); }
    void TearDown() override {
        // Let the folder be removed whatever a test did to its modes.
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path(), ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        cwd.reset();
    }
    static bool Write(const std::string& path, const std::string& bytes) {
        return SafeWriteFile(path, [&](CFile& f) { f.Write(bytes.data(), bytes.size()); }).ok;
    }
    // Files of a folder, hidden ones included.
    static std::vector<std::string> Listing(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::unique_ptr<CSatellite> Sat(const std::string& name) {
        auto s = std::make_unique<CSatellite>();
        s->SetName(name);
        s->SetFlags(SAT_BAND_KU | SAT_REGION_AMERICAS);
        return s;
    }
};
