// Loading a text to analyse: the file is read whole and kept unchanged, apart from the
// decoding of UTF-8 files into Windows-1252.
#pragma once

#include <cstdint>
#include <string>

namespace orbalis {

// A text file larger than this many bytes needs the user's consent before it is loaded.
inline constexpr std::uint64_t kTextLimitBytes = 64000;

// No text larger than this (256 MB) is loaded at all: it is refused before it is read.
inline constexpr std::uint64_t kMaxTextBytes = std::uint64_t{256} << 20;

// The text of the regular file at `path`, as Windows-1252 (see decodeInputText). A folder, a
// device, a pipe or a file above kMaxTextBytes is refused. Throws FileError.
std::string loadTextFile(const std::string &path);

// The text read from standard input to its end, under the same limit. Throws FileError.
std::string loadStandardInputText();

}  // namespace orbalis
