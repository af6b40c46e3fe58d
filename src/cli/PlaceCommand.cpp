#include "cli/PlaceCommand.h"

#include <charconv>
#include <cmath>

#include "core/framework/Format.h"
#include "core/sites/Gazetteer.h"
#include "core/sites/Maidenhead.h"

namespace {

constexpr std::size_t kDefaultLimit = 10;

std::string LatitudeText(double latitude) {
    return Format("%.4f%c", std::abs(latitude), latitude < 0.0 ? 'S' : 'N');
}

std::string LongitudeText(double longitude) {
    return Format("%.4f%c", std::abs(longitude), longitude < 0.0 ? 'W' : 'E');
}

// Reads the gazetteer from the data folder; false, saying why on `err`,
// when it cannot.
bool LoadGazetteer(const CommandLine& line, const DataFolderEntry& enterData, CGazetteer& gazetteer,
                   std::FILE* err) {
    if (enterData)
        enterData(line, {CGazetteer::kFileName});
    else
        EnterDataDir(line);
    std::string error;
    if (gazetteer.Load(CGazetteer::kFileName, &error))
        return true;
    std::fprintf(err, "tilvex-cli: cannot read the gazetteer: %s\n", error.c_str());
    return false;
}

TypedAngle Latitude(double degrees) {
    return TypedAngle{static_cast<float>(std::abs(degrees)), degrees >= 0.0 ? 1 : 0};
}
TypedAngle Longitude(double eastDegrees) {
    return TypedAngle{static_cast<float>(std::abs(eastDegrees)), eastDegrees <= 0.0 ? 1 : 0};
}

}  // namespace

int RunFindPlace(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                 const DataFolderEntry& enterData) {
    try {
        std::vector<char*> words;
        for (const std::string& arg : args)
            words.push_back(const_cast<char*>(arg.c_str()));
        const CommandLine line(static_cast<int>(words.size()), words.data(), 0,
                               {"--limit", "--country", "--data"}, {});
        if (line.Positional().empty())
            throw UsageError{"find-place takes a place's name"};
        std::string query;
        for (const std::string& word : line.Positional())
            query += (query.empty() ? "" : " ") + word;
        std::size_t limit = kDefaultLimit;
        if (const std::string* text = line.Value("--limit")) {
            const char* end = text->data() + text->size();
            const auto [ptr, ec] = std::from_chars(text->data(), end, limit);
            if (text->empty() || ec != std::errc() || ptr != end)
                throw UsageError{"bad --limit '" + *text + "': expected a whole number (0 for all)"};
        }
        std::string country;
        if (const std::string* text = line.Value("--country")) {
            country = *text;
            const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
            if (country.size() != 2 || !letter(country[0]) || !letter(country[1]))
                throw UsageError{"bad --country '" + *text + "': expected a two-letter country code like NO"};
        }

        CGazetteer gazetteer;
        if (!LoadGazetteer(line, enterData, gazetteer, err))
            return kExitFailed;
        const std::vector<PlaceHit> hits = gazetteer.Find(query, limit, country);
        if (hits.empty()) {
            std::fprintf(err, "tilvex-cli: no place matches '%s'%s\n", query.c_str(),
                         country.empty() ? "" : (" in " + country).c_str());
            return kExitFailed;
        }
        for (const PlaceHit& hit : hits) {
            const Place& p = *hit.place;
            std::fprintf(out, "%.*s\t%.*s\t%s\t%s\t%s\t%u\n", static_cast<int>(p.name.size()), p.name.data(),
                         static_cast<int>(p.region.size()), p.region.data(), p.country,
                         LatitudeText(p.latitude).c_str(), LongitudeText(p.longitude).c_str(),
                         static_cast<unsigned>(p.population));
        }
        return kExitOk;
    } catch (const UsageError& e) {
        std::fprintf(err, "tilvex-cli find-place: %s\n", e.message.c_str());
        return kExitUsage;
    }
}

std::optional<SiteArgument> RequireSite(const CommandLine& line, std::size_t rest, const char* command,
                                        std::FILE* err, const DataFolderEntry& enterData) {
    const std::vector<std::string>& positional = line.Positional();
    if (const std::string* query = line.Value("--place")) {
        if (positional.size() != rest)
            throw UsageError{Format("%s with --place takes %zu more arguments, got %zu", command, rest,
                                    positional.size())};
        CGazetteer gazetteer;
        if (!LoadGazetteer(line, enterData, gazetteer, err))
            return std::nullopt;
        const std::vector<PlaceHit> hits = gazetteer.Find(*query, 1);
        if (hits.empty()) {
            std::fprintf(err, "tilvex-cli: no place matches '%s'\n", query->c_str());
            return std::nullopt;
        }
        const Place& p = *hits.front().place;
        std::fprintf(err, "tilvex-cli: place: %.*s, %s%s%s, %s %s\n", static_cast<int>(p.name.size()),
                     p.name.data(), std::string(p.region).c_str(), p.region.empty() ? "" : ", ", p.country,
                     LatitudeText(p.latitude).c_str(), LongitudeText(p.longitude).c_str());
        return SiteArgument{Latitude(p.latitude), Longitude(p.longitude), 0};
    }
    if (positional.size() == rest + 1) {
        if (const auto point = ParseMaidenhead(positional[0]))
            return SiteArgument{Latitude(point->latitude), Longitude(point->longitude), 1};
        throw UsageError{
            Format("bad site '%s': expected LAT LON, a Maidenhead locator like JP99lp, or --place QUERY",
                   positional[0].c_str())};
    }
    if (positional.size() != rest + 2)
        throw UsageError{Format("%s takes %zu arguments, got %zu", command, rest + 2, positional.size())};
    return SiteArgument{RequireAngle(positional[0], AngleKind::Latitude, "latitude"),
                        RequireAngle(positional[1], AngleKind::Longitude, "longitude"), 2};
}
