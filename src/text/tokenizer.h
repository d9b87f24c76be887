// Cutting a text into word forms. A form is a maximal run of letters: a-z, A-Z and the Latin-1
// letters of Windows-1252 (bytes 192-214, 216-246, 248-255). Every other byte separates forms,
// among them digits, punctuation, the apostrophe, the hyphen, × and ÷, and the bytes 128-191
// (so Š, Œ, Ž, Ÿ and their small letters separate too).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orbalis {

// The forms of a text in text order, duplicates and case kept.
using FormList = std::vector<std::string>;

bool isLetter(char c);

// Takes every form, also one that ends the text with no separator after it.
FormList tokenizeText(std::string_view text);

}  // namespace orbalis
