// The coding system's vocabulary: labels, the descriptor's joining rule, the stored é.
#include <gtest/gtest.h>

#include "records/coding_system.h"

namespace orbalis::coding {
namespace {

TEST(CodingSystem, LabelsAndDescriptors) {
    EXPECT_EQ(categoryLabel("N1"), "  N1 :");
    EXPECT_EQ(categoryLabel("interj"), "  interj :");
    EXPECT_EQ(descriptorLabel("nom. "), " nom. :");
    EXPECT_EQ(descriptorLabel("adj. verb."), " adj. verb. :");
    EXPECT_EQ(caseGenderNumber("nom. ", "m. ", "", "sg."), "nom. m. sg.");
    EXPECT_EQ(caseGenderNumber("", "", "1 ", "pl."), "1 pl.");
    EXPECT_EQ(caseGenderNumber("nom. ", "", "", ""), "nom. ");
    EXPECT_EQ(caseGenderNumber("", "", "", ""), "");
}

TEST(CodingSystem, FrenchAbbreviationsHoldTheWindowsE) {
    // é is the one byte 0xE9, as stored in the record fields.
    EXPECT_EQ(cases()[3].token, "g\xe9n. ");
    EXPECT_EQ(moods()[5].token, "g\xe9r.");
    EXPECT_EQ(tenses()[0].token, "pr\xe9s.");
    EXPECT_EQ(voices()[2].token, "d\xe9p.");
}

}  // namespace
}  // namespace orbalis::coding
