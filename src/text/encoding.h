// Windows-1252, the character set of every text inside the system: its case mapping, and the
// conversions at the edges (UTF-8 files and arguments in, UTF-8 output out).
#pragma once

#include <string>
#include <string_view>

namespace orbalis {

// Lower-cases one byte: A-Z, the capitals 192-214 and 216-222, and Š Œ Ž Ÿ; every other
// byte is returned unchanged.
char lowerCp1252(char c);
std::string lowerCp1252(std::string_view text);

// Strictly valid UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Converts Windows-1252 text to UTF-8. The five bytes that Windows-1252 leaves undefined map to
// the C1 control characters of the same number, so the conversion can be undone.
std::string cp1252ToUtf8(std::string_view text);
void appendCp1252AsUtf8(std::string &out, std::string_view text);

// Converts valid UTF-8 to Windows-1252; a character with no Windows-1252 code becomes
// `replacement`. A byte-order mark at the very start is dropped.
std::string utf8ToCp1252(std::string_view utf8, char replacement);

// Text as it arrives from a file or a command-line argument, made Windows-1252: a UTF-8
// byte-order mark at the start is dropped, whatever follows; then bytes that are valid UTF-8 and
// hold at least one non-ASCII byte are decoded from UTF-8; anything else is taken as
// Windows-1252 already. In decoded text a Latin letter without a Windows-1252 code whose base
// letter has one (ā ă ē ĕ ī ĭ ō ŏ ū ŭ ȳ ǣ) becomes that base letter, combining marks after a letter
// are dropped, and any other character without a code becomes a space, which separates forms.
std::string decodeInputText(std::string_view bytes);
// The same, reusing the bytes' storage when they need no decoding (a large text is not copied).
std::string decodeOwnedInputText(std::string &&bytes);

// The first character of `utf8` that Windows-1252 cannot hold, as its UTF-8 bytes; empty when
// every character has a code or when `utf8` is not valid UTF-8 (and so is taken as Windows-1252).
std::string firstCharacterOutsideCp1252(std::string_view utf8);

}  // namespace orbalis
