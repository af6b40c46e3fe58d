// The form in which place names are compared: letters without their marks,
// in lower case, so that "Tromsø", "TROMSO" and "tromso" are the same word.
#pragma once

#include <string>
#include <string_view>

// Folds UTF-8 text for searching: Latin letters lose their diacritics and
// become lower-case ASCII ("Zürich" -> "zurich"; ø, ł, đ, ı and the like
// become o, l, d, i; ß, æ, œ, þ and ŋ become ss, ae, oe, th and ng);
// apostrophes of every kind are dropped ("L'Aquila" -> "laquila"), hyphens
// and dashes become spaces, runs of spaces and control characters become one
// space, and the ends are trimmed.  Letters of other scripts stay as they
// are; a byte that does not belong to a UTF-8 character is dropped.
std::string FoldForSearch(std::string_view utf8);
// The same, appended to `out`.
void AppendFoldedForSearch(std::string_view utf8, std::string& out);
