#include "core/sites/TextFold.h"

#include <cstdint>

namespace {

// The base letter of each Latin letter of U+00C0..U+024F and
// U+1E00..U+1EFF, in lower case: the letter Unicode's canonical
// decomposition leaves once its marks are taken away, or for a letter
// without one its usual ASCII spelling.  '.' keeps the character as it is;
// '*' spells it with two letters (kTwoLetters).  data/sources/convert-places.js
// makes the ASCII names of the gazetteer by the same rules.
constexpr char32_t kLatinFirst = 0x00C0;
constexpr const char* kLatin =
    "aaaaaa*ceeeeiiii"   // U+00C0
    "dnooooo.ouuuuy**"   // U+00D0
    "aaaaaa*ceeeeiiii"   // U+00E0
    "dnooooo.ouuuuy*y"   // U+00F0
    "aaaaaaccccccccdd"   // U+0100
    "ddeeeeeeeeeegggg"   // U+0110
    "gggghhhhiiiiiiii"   // U+0120
    "ii..jjkkklllllll"   // U+0130
    "lllnnnnnn.**oooo"   // U+0140
    "oo**rrrrrrssssss"   // U+0150
    "sstttt..uuuuuuuu"   // U+0160
    "uuuuwwyyyzzzzzzs"   // U+0170
    "..............ee"   // U+0180
    "..f............."   // U+0190
    "oo.............u"   // U+01A0
    "u..............."   // U+01B0
    ".............aai"   // U+01C0
    "ioouuuuuuuuuueaa"   // U+01D0
    "aa....ggkkoooo.."   // U+01E0
    "j...gg..nnaa...."   // U+01F0
    "aaaaeeeeiiiioooo"   // U+0200
    "rrrruuuusstt..hh"   // U+0210
    "......aaeeoooooo"   // U+0220
    "ooyy............"   // U+0230
    "................";  // U+0240
constexpr char32_t kLatinLast = 0x024F;
constexpr char32_t kExtendedFirst = 0x1E00;
constexpr const char* kExtended =
    "aabbbbbbccdddddd"   // U+1E00
    "ddddeeeeeeeeeeff"   // U+1E10
    "gghhhhhhhhhhiiii"   // U+1E20
    "kkkkkkllllllllmm"   // U+1E30
    "mmmmnnnnnnnnoooo"   // U+1E40
    "oooopppprrrrrrrr"   // U+1E50
    "sssssssssstttttt"   // U+1E60
    "ttuuuuuuuuuuvvvv"   // U+1E70
    "wwwwwwwwwwxxxxyy"   // U+1E80
    "zzzzzzhtwy.s..*."   // U+1E90
    "aaaaaaaaaaaaaaaa"   // U+1EA0
    "aaaaaaaaeeeeeeee"   // U+1EB0
    "eeeeeeeeiiiioooo"   // U+1EC0
    "oooooooooooooooo"   // U+1ED0
    "oooouuuuuuuuuuuu"   // U+1EE0
    "uuyyyyyyyy......";  // U+1EF0
constexpr char32_t kExtendedLast = 0x1EFF;

struct TwoLetters {
    char32_t code;
    const char* letters;
};
constexpr TwoLetters kTwoLetters[] = {
    {0x00C6, "ae"}, {0x00DE, "th"}, {0x00DF, "ss"}, {0x00E6, "ae"}, {0x00FE, "th"},
    {0x014A, "ng"}, {0x014B, "ng"}, {0x0152, "oe"}, {0x0153, "oe"}, {0x1E9E, "ss"},
};

// Decodes the character at `text[i]`, advancing `i`; false for a byte that
// does not begin a well-formed character (it is skipped).
bool NextCharacter(std::string_view text, std::size_t& i, char32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return false;
    }
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += length;
    return true;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
    std::string out;
    AppendFoldedForSearch(utf8, out);
    return out;
}

void AppendFoldedForSearch(std::string_view utf8, std::string& out) {
    const std::size_t begin = out.size();
    bool space = false;  // a space is due before the next character
    const auto separate = [&] {
        if (space && out.size() > begin)
            out += ' ';
        space = false;
    };
    const auto put = [&](std::string_view text) {
        separate();
        out += text;
    };
    const auto putLetter = [&](char letter) {
        separate();
        out += letter;
    };
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        char32_t c = 0;
        if (!NextCharacter(utf8, i, c))
            continue;
        if (c < 0x80) {
            if (c <= 0x20 || c == 0x7F || c == '-') {
                space = true;
            } else if (c != '\'') {
                putLetter(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
            }
            continue;
        }
        // Combining marks, apostrophes and primes vanish; dashes and spaces
        // separate words; curly double quotes become straight ones.
        if ((c >= 0x0300 && c <= 0x036F) || c == 0x2018 || c == 0x2019 || c == 0x02BB || c == 0x02BC ||
            c == 0x2032)
            continue;
        if ((c >= 0x2010 && c <= 0x2015) || c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F) {
            space = true;
            continue;
        }
        if (c == 0x201C || c == 0x201D) {
            putLetter('"');
            continue;
        }
        char base = '.';
        if (c >= kLatinFirst && c <= kLatinLast)
            base = kLatin[c - kLatinFirst];
        else if (c >= kExtendedFirst && c <= kExtendedLast)
            base = kExtended[c - kExtendedFirst];
        else if (c == 0x0259)
            base = 'e';  // ə, outside the tables' blocks
        if (base == '*') {
            for (const TwoLetters& two : kTwoLetters)
                if (two.code == c)
                    put(two.letters);
        } else if (base != '.') {
            putLetter(base);
        } else {
            put(utf8.substr(start, i - start));
        }
    }
}
