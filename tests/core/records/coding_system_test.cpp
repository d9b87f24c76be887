// The coding system's labels and the descriptor's joining rule.
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

}  // namespace
}  // namespace orbalis::coding
