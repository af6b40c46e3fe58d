#include "TestSupport.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

MessageCapture::MessageCapture(int answer) {
    m_previous = SetMessageBoxHandler([this, answer](const std::string& text, unsigned, unsigned) {
        m_texts.push_back(text);
        if (m_script.empty())
            return answer;
        const int scripted = m_script.front();
        m_script.pop_front();
        return scripted;
    });
}

MessageCapture::~MessageCapture() {
    SetMessageBoxHandler(m_previous);
}

TempDir::TempDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("tilvex-test-" + std::to_string(rd()) + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

ScopedCwd::ScopedCwd(const std::filesystem::path& dir) : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

ScopedCwd::~ScopedCwd() {
    std::filesystem::current_path(m_previous);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path SourceDataDir() {
    return std::filesystem::path(TILVEX_SOURCE_DIR) / "data";
}

std::unique_ptr<CSatellite> MakeSatellite(const std::string& name, float slot, bool west, int flags) {
    auto satellite = std::make_unique<CSatellite>();
    satellite->SetName(name);
    satellite->SetSlot(slot);
    satellite->SetWest(west);
    satellite->SetFlags(flags);
    return satellite;
}

std::unique_ptr<CLocation> MakeLocation(const std::string& name, float latitude, bool north, float longitude,
                                        bool west, float magVar, bool magVarWest, int region) {
    auto location = std::make_unique<CLocation>();
    location->SetName(name);
    location->SetLatitude(latitude);
    location->SetNorth(north);
    location->SetLongitude(longitude);
    location->SetWest(west);
    location->SetMagVar(magVar);
    location->SetMagVarWest(magVarWest);
    location->SetRegion(region);
    return location;
}
