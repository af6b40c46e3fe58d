// Control characters in names and texts that the command line writes.
#pragma once

// Whether `cp` is a control character (C0, DEL or C1), which a terminal may
// act on instead of showing and a name has no use for.
constexpr bool IsControlCharacter(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
}
