#include "text/encoding.h"

#include <array>
#include <cstdint>

#include "text/tokenizer.h"

namespace orbalis {

namespace {

constexpr std::array<unsigned char, 256> makeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 32);
    for (int c = 192; c <= 222; ++c)
        if (c != 215) table[c] = static_cast<unsigned char>(c + 32);  // 215 is the sign ×
    table[0x8A] = 0x9A;                                               // Š
    table[0x8C] = 0x9C;                                               // Œ
    table[0x8E] = 0x9E;                                               // Ž
    table[0x9F] = 0xFF;                                               // Ÿ
    return table;
}

constexpr auto kLower = makeLowerTable();

// Unicode code points of the bytes 0x80-0x9F; the undefined ones keep their own number.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t toUnicode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int toCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == code) return 0x80 + i;
    return -1;
}

// Decodes one character of valid UTF-8 at `pos`; returns its length, 0 when invalid.
std::size_t decodeOne(std::string_view s, std::size_t pos, char32_t &code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// The base letter of a Latin letter that Windows-1252 lacks but whose letter without its marks
// it has: the macron, breve, ogonek, caron, acute and the like of the Latin Extended blocks
// (ā ă ē ĕ ī ĭ ō ŏ ū ŭ ȳ ǣ ...). 0 for every other character.
char baseLetter(char32_t code) {
    // U+0100 to U+017F, in Unicode's order: each letter with its marks, capital then small; "-"
    // for the ligatures and letters of their own (Ĳ, ĸ, ŉ, Ŋ) and for Œ œ, which Windows-1252 has.
    static constexpr std::string_view kExtendedA =
        "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi--JjKk-LlLlLlLlLlNnNnNn---OoOoOo--"
        "RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
    static_assert(kExtendedA.size() == 0x80);
    if (code >= 0x100 && code <= 0x17F) {
        const char base = kExtendedA[code - 0x100];
        return base == '-' ? 0 : base;
    }
    switch (code) {
        case 0x1CD:
            return 'A';
        case 0x1CE:
            return 'a';
        case 0x1CF:
            return 'I';
        case 0x1D0:
            return 'i';
        case 0x1D1:
            return 'O';
        case 0x1D2:
            return 'o';
        case 0x1D3:
            return 'U';
        case 0x1D4:
            return 'u';
        case 0x1E2:
            return '\xC6';  // Ǣ: Æ with its macron
        case 0x1E3:
            return '\xE6';  // ǣ
        case 0x232:
            return 'Y';
        case 0x233:
            return 'y';
        case 0x1E16:
            return 'E';  // Ḗ
        case 0x1E17:
            return 'e';
        case 0x1E52:
            return 'O';  // Ṓ
        case 0x1E53:
            return 'o';
        default:
            return 0;
    }
}

// Combining marks (U+0300 to U+036F): in decomposed text they follow the letter they mark.
bool isCombiningMark(char32_t code) {
    return code >= 0x300 && code <= 0x36F;
}

void appendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

char lowerCp1252(char c) {
    return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

std::string lowerCp1252(std::string_view text) {
    std::string lowered(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) lowered[i] = lowerCp1252(text[i]);
    return lowered;
}

bool isValidUtf8(std::string_view bytes) {
    char32_t code;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = decodeOne(bytes, pos, code);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    appendCp1252AsUtf8(out, text);
    return out;
}

void appendCp1252AsUtf8(std::string &out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else
            appendUtf8(out, toUnicode(byte));
    }
}

std::string utf8ToCp1252(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    if (utf8.starts_with("\xEF\xBB\xBF")) pos = 3;
    char32_t code;
    while (pos < utf8.size()) {
        const std::size_t length = decodeOne(utf8, pos, code);
        if (length == 0) {  // not UTF-8 after all: keep the byte as it is
            out += utf8[pos++];
            continue;
        }
        const int byte = toCp1252(code);
        out += byte < 0 ? replacement : static_cast<char>(byte);
        pos += length;
    }
    return out;
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isUtf8ToDecode(std::string_view bytes) {
    bool hasNonAscii = false;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            hasNonAscii = true;
            break;
        }
    return hasNonAscii && isValidUtf8(bytes);
}

}  // namespace

std::string decodeInputText(std::string_view bytes) {
    return decodeOwnedInputText(std::string(bytes));
}

std::string decodeOwnedInputText(std::string &&bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
    if (!isUtf8ToDecode(bytes)) return std::move(bytes);
    // Decoded in place: a Windows-1252 text is never longer than its UTF-8 form. A marked Latin
    // letter without a code of its own is read as its base letter, and the combining marks that
    // follow a letter are dropped, so that a word written with its vowel quantities stays one form.
    std::size_t out = 0;
    char32_t code;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = decodeOne(bytes, pos, code);
        pos += length;
        if (const int byte = toCp1252(code); byte >= 0) {
            bytes[out++] = static_cast<char>(byte);
        } else if (const char base = baseLetter(code)) {
            bytes[out++] = base;
        } else if (!(isCombiningMark(code) && out > 0 && isLetter(bytes[out - 1]))) {
            bytes[out++] = ' ';
        }
    }
    bytes.resize(out);
    return std::move(bytes);
}

std::string firstCharacterOutsideCp1252(std::string_view utf8) {
    if (!isValidUtf8(utf8)) return {};
    char32_t code;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = decodeOne(utf8, pos, code);
        if (toCp1252(code) < 0) return std::string(utf8.substr(pos, length));
        pos += length;
    }
    return {};
}

}  // namespace orbalis
