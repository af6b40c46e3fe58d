// Windows-1252 text: the encoding of every string the program stores or
// shows.  The degree sign is the single byte 0xB0.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kDegreeSign = '\xB0';

// Converts Windows-1252 bytes to UTF-8.  The five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, except where 0x81 starts a character beyond Windows-1252
// (see Cp1252TextToCodePoints).
std::string Cp1252ToUtf8(std::string_view text);

// A translation may need characters that Windows-1252 cannot hold (Polish,
// Turkish and Arabic letters).  Inside the program's text such a character
// travels as the byte 0x81 (which Windows-1252 leaves undefined), its code
// point in hexadecimal and ';': "\x81" "141;" is Ł.  Only translated texts
// carry these; a record's name or a file never does, because text typed or
// read into them goes through the conversions below, which write '?'.
std::string CodePointsToCp1252Text(std::u32string_view text);
// The code points of Windows-1252 text, with such characters restored.  A
// 0x81 that does not start one stays U+0081.
std::u32string Cp1252TextToCodePoints(std::string_view text);

// Converts UTF-8 to Windows-1252.  Characters that Windows-1252 cannot hold,
// and malformed sequences, become '?'.
std::string Utf8ToCp1252(std::string_view text);

// Converts code points to Windows-1252; unrepresentable ones become '?'.
std::string CodePointsToCp1252(std::u32string_view text);

// Converts UTF-16LE bytes (two per unit; surrogate pairs combined) to
// Windows-1252.
std::string Utf16LeToCp1252(std::string_view bytes);

// The Windows-1252 byte for a code point, or '?' when there is none.
char CodePointToCp1252(char32_t cp);
char32_t Cp1252ToCodePoint(unsigned char byte);

// Case-insensitive comparison that folds only the letters A to Z, the way
// records are matched by name.
bool EqualNoCaseAZ(std::string_view a, std::string_view b);
// Orders byte strings with A to Z compared as a to z and every other byte by
// its value: negative, zero or positive.
int CompareNoCaseAZ(std::string_view a, std::string_view b);
// Folds A to Z to a to z and leaves every other byte alone.
std::string FoldCaseAZ(std::string_view text);
