#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "TestSupport.h"
#include "cli/PlaceCommand.h"

namespace {

struct Captured {
    int status = 0;
    std::string out, err;
};

std::string Drain(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

Captured FindPlace(const std::vector<std::string>& args) {
    ScopedCwd cwd{TILVEX_BUILD_DATA_DIR};
    File out(std::tmpfile(), std::fclose), err(std::tmpfile(), std::fclose);
    Captured result;
    result.status = RunFindPlace(args, out.get(), err.get());
    result.out = Drain(out.get());
    result.err = Drain(err.get());
    return result;
}

// The site of "angles"-like words: the site and one more argument.
std::optional<SiteArgument> Site(std::vector<std::string> words, std::string& err) {
    ScopedCwd cwd{TILVEX_BUILD_DATA_DIR};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    const CommandLine line(static_cast<int>(argv.size()), argv.data(), 0, {"--place"}, {});
    File file(std::tmpfile(), std::fclose);
    std::vector<std::string> entered;
    const auto site =
        RequireSite(line, 1, "angles", file.get(),
                    [&](const CommandLine&, const std::vector<std::string>& needs) { entered = needs; });
    err = Drain(file.get());
    if (line.Value("--place")) {
        EXPECT_EQ(entered, std::vector<std::string>{"places.tsv"});
    }
    return site;
}

}  // namespace

TEST(PlaceCommandTest, FindPlacePrintsOneLinePerPlaceBestFirst) {
    const Captured tromso = FindPlace({"tromso", "--limit", "1"});
    EXPECT_EQ(tromso.status, 0) << tromso.err;
    EXPECT_EQ(tromso.out, "Tromsø\tTroms\tNO\t69.6489N\t18.9551E\t52436\n");
    const Captured paris = FindPlace({"Paris", "--country", "us", "--limit", "2"});
    EXPECT_EQ(paris.out.substr(0, paris.out.find('\n')), "Paris\tTexas\tUS\t33.6609N\t95.5555W\t24782");
    EXPECT_EQ(std::count(paris.out.begin(), paris.out.end(), '\n'), 2);
    // Words given apart are one query; the default limit is ten.
    const Captured sanJose = FindPlace({"san", "jose"});
    EXPECT_EQ(sanJose.out.substr(0, sanJose.out.find("\t")), "San Jose");
    EXPECT_EQ(std::count(sanJose.out.begin(), sanJose.out.end(), '\n'), 10);
    EXPECT_EQ(
        FindPlace({"sydney", "--country", "AU", "--limit", "1"}).out.find("Sydney\tNew South Wales\tAU\t33."),
        0u);

    const Captured none = FindPlace({"qxzqxz"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "tilvex-cli: no place matches 'qxzqxz'\n");
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {}, {"paris", "--limit", "-1"}, {"paris", "--country", "USA"}, {"paris", "--bogus"}}) {
        const Captured run = FindPlace(bad);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(run.err.rfind("tilvex-cli find-place: ", 0), 0u) << run.err;
    }
    const Captured missing = FindPlace({"paris", "--data", "/nonexistent-folder"});
    EXPECT_EQ(missing.status, 2) << missing.err;
}

TEST(PlaceCommandTest, SiteIsLatLonLocatorOrPlace) {
    std::string err;
    auto site = Site({"--place", "zurich", "19.2E"}, err);
    ASSERT_TRUE(site);
    EXPECT_EQ(err, "tilvex-cli: place: Zürich, Zurich, CH, 47.3667N 8.5500E\n");
    EXPECT_FLOAT_EQ(site->latitude.magnitude, 47.3667f);
    EXPECT_EQ(site->latitude.positive, 1);
    EXPECT_FLOAT_EQ(site->longitude.magnitude, 8.55f);
    EXPECT_EQ(site->longitude.positive, 0);  // East
    EXPECT_EQ(site->next, 0u);

    site = Site({"FN31pr", "19.2E"}, err);
    ASSERT_TRUE(site);
    EXPECT_NEAR(site->latitude.magnitude, 41.729, 0.001);
    EXPECT_NEAR(site->longitude.magnitude, 72.708, 0.001);
    EXPECT_EQ(site->longitude.positive, 1);  // West
    EXPECT_EQ(site->next, 1u);

    site = Site({"33.5S", "70.6W", "19.2E"}, err);
    ASSERT_TRUE(site);
    EXPECT_EQ(site->latitude.positive, 0);
    EXPECT_FLOAT_EQ(site->longitude.magnitude, 70.6f);
    EXPECT_EQ(site->next, 2u);

    EXPECT_FALSE(Site({"--place", "qxzqxz", "19.2E"}, err));
    EXPECT_EQ(err, "tilvex-cli: no place matches 'qxzqxz'\n");
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--place", "oslo", "40N", "19.2E"},
                                               {"ZZ99", "19.2E"},
                                               {"40N", "19.2E"},
                                               {"95N", "10E", "19.2E"}})
        EXPECT_THROW(Site(bad, err), UsageError) << bad[0];
}
