#include "records/coding_system.h"

namespace orbalis::coding {

namespace {

constexpr Code kCategories[] = {
    {"N1", "Sostantivo 1er declinazione", 0},
    {"N2", "Sostantivo 2e declinazione", 0},
    {"N3", "Sostantivo 3e declinazione", 0},
    {"N4", "Sostantivo 4e declinazione", 0},
    {"N5", "Sostantivo 5e declinazione", 0},
    {"N6", "Sostantivo indeclinabile", 0},
    {"A1", "Aggettivi 1re classe", 1},
    {"A2", "Aggettivi 2e classe", 1},
    {"V1", "verbo 1re coniugazione", 2},
    {"V2", "verbo 2e coniugazione", 2},
    {"V3", "verbo 3e coniugazione", 2},
    {"V4", "verbo 4e coniugazione", 2},
    {"V5", "verbo 4e bis coniugazione", 2},
    {"V6", "verbo irregolare", 2},
    {"DP", "determinativi - pronomi", 3},
    {"CC", "congiunzione coordinante", 4},
    {"CS", "congiunzione subordinante", 4},
    {"PRE", "preposizione", 5},
    {"ADV", "avverbio", 6},
    {"interj", "interiezione", 7},
    {"num", "numerale", 8},
    {"partic", "particella", 9},
};

constexpr Code kCases[] = {
    {"nom. ", "nominativo"},  {"voc. ", "vocativo"}, {"acc. ", "accusativo"},
    {"g\xe9n. ", "genitivo"}, {"dat. ", "dativo"},   {"abl. ", "ablativo"},
};
constexpr Code kGenders[] = {{"m. ", "maschile"}, {"f. ", "femminile"}, {"nt. ", "neutro"}};
constexpr Code kPersons[] = {{"1 ", "prima"}, {"2 ", "seconda"}, {"3 ", "terza"}};
constexpr Code kNumbers[] = {{"sg.", "singolare"}, {"pl.", "plurale"}};

constexpr Code kMoods[] = {
    {"ind.", "indicativo"},           {"subj.", "congiuntivo"}, {"imp.", "imperativo"},
    {"part.", "participio"},          {"inf.", "infinitivo"},   {"g\xe9r.", "gerundio"},
    {"adj. verb.", "agget. verbale"}, {"sup.", "supino"},
};
constexpr Code kTenses[] = {
    {"pr\xe9s.", "presente"}, {"impf.", "imperfetto"},     {"fut.", "futuro semplice"},
    {"parf.", "parfetto"},    {"pqp.", "piuccheperfetto"}, {"fut. ant.", "futuro anteriore"},
};
constexpr Code kVoices[] = {{"act.", "forma attiva"}, {"pas.", "forma passiva"}, {"d\xe9p.", "deponente"}};

}  // namespace

std::span<const Code> categories() {
    return kCategories;
}
std::span<const Code> cases() {
    return kCases;
}
std::span<const Code> genders() {
    return kGenders;
}
std::span<const Code> persons() {
    return kPersons;
}
std::span<const Code> numbers() {
    return kNumbers;
}
std::span<const Code> moods() {
    return kMoods;
}
std::span<const Code> tenses() {
    return kTenses;
}
std::span<const Code> voices() {
    return kVoices;
}

std::string categoryLabel(std::string_view code) {
    std::string label("  ");
    label.append(code).append(" :");
    return label;
}

std::string descriptorLabel(std::string_view token) {
    if (!token.empty() && token.back() == ' ') token.remove_suffix(1);
    std::string label(" ");
    label.append(token).append(" :");
    return label;
}

std::string caseGenderNumber(std::string_view caseToken, std::string_view gender, std::string_view person,
                             std::string_view number) {
    std::string descriptor;
    for (auto part : {caseToken, gender, person, number}) descriptor += part;
    return descriptor;
}

}  // namespace orbalis::coding
