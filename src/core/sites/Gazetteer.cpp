#include "core/sites/Gazetteer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>

#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/sites/DataFile.h"
#include "core/sites/TextFold.h"

namespace {

constexpr std::string_view kFirstLine = "tilvex-places 1";

// The lines of a text, counted from 1; a "\r" before a line's end is no part
// of it.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    bool Next(std::string_view& line) {
        if (m_pos >= m_text.size())
            return false;
        std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            end = m_text.size();
        line = m_text.substr(m_pos, end - m_pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_pos = end + 1;
        ++m_number;
        return true;
    }
    std::size_t Number() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
};

// Splits `line` at its tabs into exactly `fields.size()` fields.
template <std::size_t N>
bool Split(std::string_view line, std::array<std::string_view, N>& fields) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t tab = line.find('\t');
        if ((tab == std::string_view::npos) != (i == N - 1))
            return false;
        fields[i] = line.substr(0, tab);
        if (tab != std::string_view::npos)
            line.remove_prefix(tab + 1);
    }
    return true;
}

template <class Number>
bool ParseNumber(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

bool ParseDegrees(std::string_view text, double limit, double& value) {
    return ParseNumber(text, value) && std::isfinite(value) && std::abs(value) <= limit;
}

bool IsCountryCode(std::string_view text) {
    return text.size() == 2 && text[0] >= 'A' && text[0] <= 'Z' && text[1] >= 'A' && text[1] <= 'Z';
}

// "regions 12" and the like: the count after `word`.
bool ParseCount(std::string_view line, std::string_view word, std::size_t& count) {
    if (line.size() <= word.size() + 1 || line.substr(0, word.size()) != word || line[word.size()] != ' ')
        return false;
    return ParseNumber(line.substr(word.size() + 1), count);
}

}  // namespace

CGazetteer::CGazetteer() = default;
CGazetteer::~CGazetteer() = default;
CGazetteer::CGazetteer(CGazetteer&&) noexcept = default;
CGazetteer& CGazetteer::operator=(CGazetteer&&) noexcept = default;

bool CGazetteer::Load(const std::string& path, std::string* error) {
    std::string bytes;
    int osError = 0;
    if (!ReadDataFile(path, bytes, osError)) {
        *this = CGazetteer();
        if (error)
            *error = Format("%s: %s", path.c_str(), ErrorText(osError).c_str());
        return false;
    }
    return LoadText(std::move(bytes), path, error);
}

bool CGazetteer::LoadText(std::string text, const std::string& name, std::string* error) {
    *this = CGazetteer();
    auto text_ = std::make_unique<std::string>(std::move(text));
    Lines lines(*text_);
    std::string_view line;
    const auto fail = [&](const char* what) {
        if (error)
            *error = Format("%s line %zu: %s", name.c_str(), lines.Number(), what);
        *this = CGazetteer();
        return false;
    };
    if (!lines.Next(line) || line != kFirstLine)
        return fail("not a gazetteer file (tilvex-places 1)");
    while (lines.Next(line) && !line.empty() && line[0] == '#') {
    }

    struct Region {
        std::string_view country, name;
    };
    std::vector<Region> regions;
    std::size_t count = 0;
    if (!ParseCount(line, "regions", count))
        return fail("expected the count of regions");
    if (count > text_->size() / 4)
        return fail("more regions than the file can hold");
    regions.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::string_view, 2> fields;
        if (!lines.Next(line))
            return fail("the file ends within the regions");
        if (!Split(line, fields) || !IsCountryCode(fields[0]) || fields[1].empty())
            return fail("expected a country code and a region's name");
        regions.push_back({fields[0], fields[1]});
    }

    if (!lines.Next(line) || !ParseCount(line, "places", count))
        return fail("expected the count of places");
    if (count > text_->size() / 14)
        return fail("more places than the file can hold");
    std::vector<Place> places;
    places.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::string_view, 7> fields;
        if (!lines.Next(line))
            return fail("the file ends within the places");
        if (!Split(line, fields))
            return fail("expected 7 fields separated by tabs");
        Place place;
        place.name = fields[0];
        place.asciiName = fields[1].empty() ? fields[0] : fields[1];
        if (place.name.empty())
            return fail("a place without a name");
        if (!IsCountryCode(fields[2]))
            return fail("bad country code");
        place.country[0] = fields[2][0];
        place.country[1] = fields[2][1];
        std::size_t region = 0;
        if (!ParseNumber(fields[3], region) || region > regions.size())
            return fail("bad region number");
        if (region > 0) {
            if (regions[region - 1].country != fields[2])
                return fail("the region lies in another country");
            place.region = regions[region - 1].name;
        }
        if (!ParseDegrees(fields[4], 90.0, place.latitude))
            return fail("bad latitude");
        if (!ParseDegrees(fields[5], 180.0, place.longitude))
            return fail("bad longitude");
        if (!ParseNumber(fields[6], place.population))
            return fail("bad population");
        places.push_back(place);
    }
    if (lines.Next(line))
        return fail("more lines than the places counted");

    // The search keys.  The converter writes the places in the keys' order;
    // a file in another order is put in it here.
    std::string keys;
    keys.reserve(text_->size() / 3);
    std::vector<std::uint32_t> starts;
    starts.reserve(places.size() + 1);
    for (const Place& place : places) {
        starts.push_back(static_cast<std::uint32_t>(keys.size()));
        AppendFoldedForSearch(place.asciiName, keys);
        keys += '\n';
    }
    starts.push_back(static_cast<std::uint32_t>(keys.size()));
    m_text = std::move(text_);
    m_places = std::move(places);
    m_keys = std::move(keys);
    m_keyStart = std::move(starts);
    bool ordered = true;
    for (std::size_t i = 1; i < m_places.size() && ordered; ++i)
        ordered = !(Key(i) < Key(i - 1));
    if (!ordered) {
        std::vector<std::uint32_t> order(m_places.size());
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return Key(a) < Key(b); });
        std::vector<Place> sortedPlaces;
        std::string sortedKeys;
        std::vector<std::uint32_t> sortedStarts;
        sortedPlaces.reserve(order.size());
        sortedKeys.reserve(m_keys.size());
        sortedStarts.reserve(order.size() + 1);
        for (std::uint32_t index : order) {
            sortedPlaces.push_back(m_places[index]);
            sortedStarts.push_back(static_cast<std::uint32_t>(sortedKeys.size()));
            sortedKeys += Key(index);
            sortedKeys += '\n';
        }
        sortedStarts.push_back(static_cast<std::uint32_t>(sortedKeys.size()));
        m_places = std::move(sortedPlaces);
        m_keys = std::move(sortedKeys);
        m_keyStart = std::move(sortedStarts);
    }
    return true;
}

std::vector<PlaceHit> CGazetteer::Find(std::string_view query, std::size_t limit,
                                       std::string_view country) const {
    const std::string folded = FoldForSearch(query);
    const std::string_view q = folded;
    if (q.empty() || m_places.empty())
        return {};
    char code[2] = {};
    if (!country.empty()) {
        if (country.size() != 2)
            return {};
        for (int i = 0; i < 2; ++i) {
            const char c = country[i];
            code[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    const auto wanted = [&](std::size_t i) {
        return country.empty() || (m_places[i].country[0] == code[0] && m_places[i].country[1] == code[1]);
    };
    const std::size_t n = m_places.size();
    if (limit == 0)
        limit = n;

    // The keys beginning with the query lie together: those equal to it
    // first, then the longer ones.
    const auto partition = [&](auto less) {
        std::size_t lo = 0, hi = n;
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (less(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    };
    const std::size_t first = partition([&](std::size_t i) { return Key(i) < q; });
    const std::size_t last = partition([&](std::size_t i) { return Key(i).substr(0, q.size()) <= q; });
    std::vector<std::uint32_t> whole, prefix, other;
    for (std::size_t i = first; i < last; ++i) {
        if (!wanted(i))
            continue;
        (Key(i).size() == q.size() ? whole : prefix).push_back(static_cast<std::uint32_t>(i));
    }
    // The query elsewhere in a name: one search through all the keys.
    if (whole.size() + prefix.size() < limit) {
        std::size_t i = 0;
        for (std::size_t pos = m_keys.find(q); pos != std::string::npos;
             pos = m_keys.find(q, m_keyStart[i + 1])) {
            while (m_keyStart[i + 1] <= pos)
                ++i;
            if ((i < first || i >= last) && wanted(i))
                other.push_back(static_cast<std::uint32_t>(i));
        }
    }

    std::vector<PlaceHit> hits;
    const auto take = [&](std::vector<std::uint32_t>& group, PlaceMatch match) {
        const std::size_t room = std::min(limit - hits.size(), group.size());
        const auto morePeople = [&](std::uint32_t a, std::uint32_t b) {
            const std::uint32_t pa = m_places[a].population, pb = m_places[b].population;
            return pa != pb ? pa > pb : a < b;
        };
        std::partial_sort(group.begin(), group.begin() + static_cast<std::ptrdiff_t>(room), group.end(),
                          morePeople);
        for (std::size_t k = 0; k < room; ++k)
            hits.push_back({&m_places[group[k]], match});
    };
    take(whole, PlaceMatch::WholeName);
    take(prefix, PlaceMatch::Prefix);
    take(other, PlaceMatch::Other);
    return hits;
}
