// Fixed-width text fields and little-endian integers as stored in the record files.
// A text field is one byte per character (Windows-1252), left-aligned, padded on the right
// with spaces to its width and never terminated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbalis {

// Writes `value` into `out` (which must have room for `width` bytes): cut to `width`,
// padded with spaces.
void putField(char *out, std::string_view value, std::size_t width);

// The value stored at `in` over `width` bytes, padding included.
inline std::string_view getField(const char *in, std::size_t width) {
    return {in, width};
}

void putInt16(char *out, std::int16_t value);
std::int16_t getInt16(const char *in);

std::string_view trimRight(std::string_view text);  // drops trailing spaces (byte 32) only
std::string_view trimLeft(std::string_view text);   // drops leading spaces (byte 32) only

}  // namespace orbalis
