#include "records/fixed_text.h"

#include <algorithm>
#include <cstring>

namespace orbalis {

void putField(char *out, std::string_view value, std::size_t width) {
    const std::size_t n = std::min(value.size(), width);
    std::memcpy(out, value.data(), n);
    std::memset(out + n, ' ', width - n);
}

void putInt16(char *out, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out[0] = static_cast<char>(bits & 0xFF);
    out[1] = static_cast<char>(bits >> 8);
}

std::int16_t getInt16(const char *in) {
    const auto lo = static_cast<std::uint16_t>(static_cast<unsigned char>(in[0]));
    const auto hi = static_cast<std::uint16_t>(static_cast<unsigned char>(in[1]));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

std::string_view trimRight(std::string_view text) {
    // Fields are mostly padding: skip eight spaces at a time before looking at single bytes.
    constexpr std::uint64_t kEightSpaces = 0x2020202020202020u;
    std::size_t end = text.size();
    for (std::uint64_t word; end >= 8; end -= 8) {
        std::memcpy(&word, text.data() + end - 8, 8);
        if (word != kEightSpaces) break;
    }
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}

std::string_view trimLeft(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

}  // namespace orbalis
