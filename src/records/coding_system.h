// The vocabulary of the morphological coding system: category codes and the tokens of the two
// descriptors, with their Italian captions, in display order. Texts are Windows-1252 bytes; the
// French abbreviations hold the letter é (byte 0xE9). Stored values are plain text: nothing
// parses them back into these parts.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orbalis::coding {

struct Code {
    std::string_view token;    // as stored; case, gender and person tokens end with one blank
    std::string_view caption;  // Italian
    int visualGroup = 0;       // rows of one group stand together on the category keypad and card
};

std::span<const Code> categories();
std::span<const Code> cases();
std::span<const Code> genders();
std::span<const Code> persons();
std::span<const Code> numbers();
std::span<const Code> moods();
std::span<const Code> tenses();
std::span<const Code> voices();

// Captions of the frames that hold the groups ("&&" shows as one "&").
inline constexpr std::string_view kCategoryFrame = "Categoria grammaticale";
inline constexpr std::string_view kCaseFrame = "Caso";
inline constexpr std::string_view kGenderFrame = "Genere";
inline constexpr std::string_view kNumberPersonFrame = "Numero && persona";
inline constexpr std::string_view kMoodFrame = "Modo";
inline constexpr std::string_view kTenseFrame = "Tempi";
inline constexpr std::string_view kVoiceFrame = "Voce";
inline constexpr std::string_view kMoodFrameFrench = "Mode";
inline constexpr std::string_view kTenseFrameFrench = "Temps";
inline constexpr std::string_view kVoiceFrameFrench = "Voix";
inline constexpr std::string_view kBanner = "Sistema di codifica";

// "  N1 :": two blanks, the code, a blank and a colon.
std::string categoryLabel(std::string_view code);
// " nom. :": one blank, the token without its trailing blank, a blank and a colon.
std::string descriptorLabel(std::string_view token);

// The case-gender-number descriptor: the four parts (each a token or empty) concatenated in the
// order case, gender, person, number; the tokens' own blanks separate them ("nom. m. sg.").
std::string caseGenderNumber(std::string_view caseToken, std::string_view gender, std::string_view person,
                             std::string_view number);

}  // namespace orbalis::coding
