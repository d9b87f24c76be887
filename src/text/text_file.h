// Loading a text to analyse: the file is read whole and kept unchanged, apart from the
// decoding of UTF-8 files into Windows-1252.
#pragma once

#include <cstdint>
#include <string>

namespace orbalis {

// A text file larger than this many bytes needs the user's consent before it is loaded.
inline constexpr std::uint64_t kTextLimitBytes = 64000;

// The text of the file at `path`, as Windows-1252 (see decodeInputText). Throws FileError.
std::string loadTextFile(const std::string &path);

}  // namespace orbalis
