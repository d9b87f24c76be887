// The keypads' parts and joining rules, driven through the coding tables: each case chooses
// options by their tokens (or a group's clear option) in order, then composes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "records/descriptor_keypads.h"

namespace orbalis::coding {
namespace {

constexpr std::string_view kClear = "<clear>";

struct Choice {
    std::size_t group;
    std::string_view token;  // kClear for the group's clear option
};

struct KeypadCase {
    const char *name;
    KeypadDesign design;
    std::vector<Choice> choices;
    std::string expected;
};

void choose(KeypadParts &parts, KeypadDesign design, const Choice &choice) {
    const auto codes = keypadGroups(design)[choice.group].codes;
    std::size_t option = codes.size();
    if (choice.token != kClear) {
        option = 0;
        while (option < codes.size() && codes[option].token != choice.token) ++option;
        ASSERT_LT(option, codes.size()) << "no option " << choice.token;
    }
    parts.choose(design, choice.group, option);
}

class KeypadComposition : public ::testing::TestWithParam<KeypadCase> {};

TEST_P(KeypadComposition, WritesTheJoinedParts) {
    const KeypadCase &c = GetParam();
    KeypadParts parts;
    for (const Choice &choice : c.choices) choose(parts, c.design, choice);
    EXPECT_EQ(composeKeypad(c.design, parts), c.expected);
    // OK changes no part: composing again gives the same text.
    EXPECT_EQ(composeKeypad(c.design, parts), c.expected);
}

using D = KeypadDesign;
INSTANTIATE_TEST_SUITE_P(
    Keypads, KeypadComposition,
    ::testing::Values(
        KeypadCase{"CategoryFresh", D::Category, {}, ""},
        KeypadCase{"CategoryLastChoiceWins", D::Category, {{0, "N2"}, {0, "ADV"}}, "ADV"},
        KeypadCase{"CategoryCleared", D::Category, {{0, "V1"}, {0, kClear}}, ""},
        KeypadCase{"CaseFresh", D::CaseGenderNumber, {}, ""},
        KeypadCase{"CaseAllFour", D::CaseGenderNumber, {{0, "nom. "}, {1, "m. "}, {3, "sg."}}, "nom. m. sg."},
        KeypadCase{"PersonAndNumber", D::CaseGenderNumber, {{2, "1 "}, {3, "pl."}}, "1 pl."},
        KeypadCase{"CaseAloneKeepsItsBlank", D::CaseGenderNumber, {{0, "acc. "}}, "acc. "},
        KeypadCase{"NumberAlone", D::CaseGenderNumber, {{3, "sg."}}, "sg."},
        KeypadCase{"OneGroupReplaced",
                   D::CaseGenderNumber,
                   {{0, "nom. "}, {1, "m. "}, {3, "sg."}, {3, "pl."}},
                   "nom. m. pl."},
        KeypadCase{"GroupsCleared",
                   D::CaseGenderNumber,
                   {{0, "nom. "}, {1, "m. "}, {3, "pl."}, {0, kClear}, {1, kClear}},
                   "pl."},
        KeypadCase{"Longest",
                   D::CaseGenderNumber,
                   {{0, "g\xe9n. "}, {1, "nt. "}, {2, "3 "}, {3, "pl."}},
                   "g\xe9n. nt. 3 pl."},
        KeypadCase{"MoodFresh", D::MoodTenseVoice, {}, ""},
        KeypadCase{"MoodAllThree",
                   D::MoodTenseVoice,
                   {{0, "ind."}, {1, "pr\xe9s."}, {2, "act."}},
                   "ind. pr\xe9s. act."},
        KeypadCase{"NoTrailingBlank", D::MoodTenseVoice, {{0, "ind."}, {1, "pr\xe9s."}}, "ind. pr\xe9s."},
        KeypadCase{"MoodAlone", D::MoodTenseVoice, {{0, "ind."}}, "ind."},
        KeypadCase{
            "TwoBlanksWithoutTense", D::MoodTenseVoice, {{0, "adj. verb."}, {2, "pas."}}, "adj. verb.  pas."},
        KeypadCase{
            "LeadingBlankWithoutMood", D::MoodTenseVoice, {{1, "pr\xe9s."}, {2, "act."}}, " pr\xe9s. act."},
        KeypadCase{"VoiceAlone", D::MoodTenseVoice, {{2, "act."}}, "  act."},
        KeypadCase{"MoodReplaced",
                   D::MoodTenseVoice,
                   {{0, "ind."}, {1, "pr\xe9s."}, {2, "act."}, {0, "subj."}},
                   "subj. pr\xe9s. act."},
        KeypadCase{"LongerThanTheField",
                   D::MoodTenseVoice,
                   {{0, "adj. verb."}, {1, "fut. ant."}, {2, "pas."}},
                   "adj. verb. fut. ant. pas."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(KeypadGroups, ChoicesOutsideTheGroupsAreRefused) {
    KeypadParts parts;
    EXPECT_THROW(parts.choose(D::MoodTenseVoice, 3, 0), std::out_of_range);
    EXPECT_THROW(parts.choose(D::Category, 0, 23), std::out_of_range);
}

}  // namespace
}  // namespace orbalis::coding
