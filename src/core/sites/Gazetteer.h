// The gazetteer: the places of the world with a population of 1,000 or more
// (GeoNames), searched by name as a person types it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct Place {
    std::string_view name;         // UTF-8, as the place calls itself ("Tromsø")
    std::string_view asciiName;    // in ASCII letters where the name is Latin ("Tromso")
    std::string_view region;       // the first-level region's name; empty when not known
    char country[3] = {};          // ISO 3166-1 alpha-2 code ("NO")
    double latitude = 0.0;         // degrees, North positive
    double longitude = 0.0;        // degrees, East positive
    std::uint32_t population = 0;  // 0 when not known
};

// How a place's name matches a query, best first.
enum class PlaceMatch { WholeName, Prefix, Other };

struct PlaceHit {
    const Place* place = nullptr;
    PlaceMatch match = PlaceMatch::Other;
};

class CGazetteer {
public:
    // The gazetteer's file, in the data folder (data/places.tsv, made by
    // data/sources/convert-places.js, which describes its form).
    static constexpr const char* kFileName = "places.tsv";

    CGazetteer();
    ~CGazetteer();
    CGazetteer(CGazetteer&&) noexcept;
    CGazetteer& operator=(CGazetteer&&) noexcept;

    // Reads the file at `path` (a regular file of at most 16 MB), replacing
    // what was held.  On failure holds nothing, returns false and, when
    // `error` is given, says why ("places.tsv line 7: bad latitude").
    bool Load(const std::string& path, std::string* error = nullptr);
    // The same from the file's text; `name` names it in messages.
    bool LoadText(std::string text, const std::string& name, std::string* error = nullptr);

    std::size_t GetSize() const { return m_places.size(); }
    const Place& GetPlace(std::size_t index) const { return m_places[index]; }

    // The places whose name holds `query`, compared as FoldForSearch folds
    // them (letter case and accents aside): first those whose whole name it
    // is, then those whose name begins with it, then the others, each kind
    // the most populous first; at most `limit` of them (0: all).  With
    // `country` (an ISO code, letter case aside) only the places of that
    // country.  A query that folds to nothing finds nothing.
    std::vector<PlaceHit> Find(std::string_view query, std::size_t limit,
                               std::string_view country = {}) const;

private:
    std::string_view Key(std::size_t index) const {
        return std::string_view(m_keys).substr(m_keyStart[index],
                                               m_keyStart[index + 1] - m_keyStart[index] - 1);
    }

    std::unique_ptr<std::string> m_text;    // the file; the places' texts point into it
    std::vector<Place> m_places;            // in the order of their keys
    std::string m_keys;                     // each place's folded name followed by '\n'
    std::vector<std::uint32_t> m_keyStart;  // where each key begins; one more for the end
};
