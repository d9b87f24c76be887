// Cutting texts into forms, and the Windows-1252 case mapping and conversions around it.
#include <gtest/gtest.h>

#include "text/encoding.h"
#include "text/tokenizer.h"

namespace orbalis {
namespace {

struct TokenCase {
    const char *name;
    std::string text;
    FormList forms;
};

// A failing case is reported by its name.
void PrintTo(const TokenCase &tokenCase, std::ostream *out) {
    *out << tokenCase.name;
}

class Tokenizer : public ::testing::TestWithParam<TokenCase> {};

TEST_P(Tokenizer, CutsTheTextIntoForms) {
    EXPECT_EQ(tokenizeText(GetParam().text), GetParam().forms);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Tokenizer,
    ::testing::Values(
        // The last form is taken also when no separator follows it.
        TokenCase{"LastFormEndsTheText", "Gallia est, omnis\r\ntres", {"Gallia", "est", "omnis", "tres"}},
        TokenCase{
            "HyphenAndApostropheSeparate", "arma-virumque\r\nl'homme ", {"arma", "virumque", "l", "homme"}},
        TokenCase{"LatinOneLettersAreLetters",
                  "C\xe6sar \xc0\xd6\xd8\xf6\xf8\xff ",
                  {"C\xe6sar", "\xc0\xd6\xd8\xf6\xf8\xff"}},
        TokenCase{"OeLigatureAndTimesSignSeparate",
                  "C\x9csar a\xd7"
                  "b\xf7"
                  "c",
                  {"C", "sar", "a", "b", "c"}},
        TokenCase{"WindowsLettersOutsideLatinOneSeparate",
                  "a\x8a"
                  "b\x8c"
                  "c\x9f"
                  "d",
                  {"a", "b", "c", "d"}},
        TokenCase{"DuplicatesAndCaseAreKept", "rosa Rosa rosa\n", {"rosa", "Rosa", "rosa"}},
        TokenCase{"DigitsSeparate", "A1B ", {"A", "B"}}, TokenCase{"NoLetters", "12, 3; -- ?!\r\n", {}},
        TokenCase{"Empty", "", {}}),
    [](const auto &info) { return info.param.name; });

TEST(Encoding, LowerCaseFollowsWindows1252) {
    EXPECT_EQ(lowerCp1252("ROMA Roma"), "roma roma");
    EXPECT_EQ(lowerCp1252("\xc0\xd6\xd8\xde"), "\xe0\xf6\xf8\xfe");
    EXPECT_EQ(lowerCp1252("\x8a\x8c\x8e\x9f"), "\x9a\x9c\x9e\xff");
    // × (215), ß (223) and ÷ (247) have no other case; digits and signs stay.
    EXPECT_EQ(lowerCp1252("\xd7\xdf\xf7"
                          "1$"),
              "\xd7\xdf\xf7"
              "1$");
}

TEST(Encoding, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToCp1252(utf8, '?'), all);
    EXPECT_EQ(cp1252ToUtf8("\x80\xe9\x9c"), "\u20ac\u00e9\u0153");
}

TEST(Encoding, StrictUtf8) {
    EXPECT_TRUE(isValidUtf8("am\xc5\x8d"));
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xf4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("caf\xe9"));           // Windows-1252, not UTF-8
    EXPECT_FALSE(isValidUtf8("\xe2\x82"));          // cut short
}

TEST(Encoding, InputTextIsDecodedOnlyWhenItIsUtf8WithNonAscii) {
    EXPECT_EQ(decodeInputText("Caesar est"), "Caesar est");
    EXPECT_EQ(decodeInputText("C\xc3\xa6sar \xc5\x92"), "C\xe6sar \x8c");
    // A character without a Windows-1252 code that is no marked letter separates forms.
    EXPECT_EQ(tokenizeText(decodeInputText("am\xe2\x80\xa8que")), (FormList{"am", "que"}));
    // The byte-order mark goes only at the very start.
    EXPECT_EQ(decodeInputText("\xef\xbb\xbf"
                              "a\xef\xbb\xbf"
                              "b"),
              "a b");
    EXPECT_EQ(decodeInputText("caf\xe9"), "caf\xe9");
    // A mark before bytes that are not UTF-8 is dropped all the same: no form "\xef" from it.
    EXPECT_EQ(decodeInputText("\xef\xbb\xbf"
                              "caf\xe9 est"),
              "caf\xe9 est");
    EXPECT_EQ(decodeInputText("\xef\xbb\xbf"), "");
}

struct MarkedText {
    const char *name;
    std::string_view utf8;
    FormList forms;
};

class MarkedLatin : public testing::TestWithParam<MarkedText> {};

// Vowel quantities, precomposed or as combining marks after the letter, leave one form.
TEST_P(MarkedLatin, ReadsAsBaseLetters) {
    EXPECT_EQ(tokenizeText(decodeInputText(GetParam().utf8)), GetParam().forms);
}

INSTANTIATE_TEST_SUITE_P(
    Encoding, MarkedLatin,
    testing::Values(MarkedText{"Macrons", "pr\u012bmus R\u014dm\u0101n\u012b", {"primus", "Romani"}},
                    MarkedText{"Breves", "c\u0103n\u012dt \u0232", {"canit", "Y"}},
                    MarkedText{"Capitals", "\u0100RMA \u0112t \u014cra", {"ARMA", "Et", "Ora"}},
                    MarkedText{"AeWithMacron",
                               "pr\u01e3da",
                               {"pr\xe6"
                                "da"}},
                    MarkedText{"Decomposed", "pri\u0304mus ro\u0304\u0306sa\u0304", {"primus", "rosa"}},
                    // A mark with no letter before it still separates.
                    MarkedText{"MarkAfterSpace", "a \u0304b", {"a", "b"}},
                    // Letters Windows-1252 has are kept as they are.
                    MarkedText{"Diaeresis", "po\u00ebta", {"po\xebta"}},
                    MarkedText{"Ligature", "\u0132ssel", {"ssel"}}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orbalis
