// The coding system's vocabulary: labels, the descriptor's joining rule and the field widths.
#include <gtest/gtest.h>

#include "records/coding_system.h"
#include "records/thesaurus_record.h"

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

TEST(CodingSystem, EveryValueFitsItsField) {
    for (const Code &code : categories()) EXPECT_LE(code.token.size(), thesaurus_format::kCategoryWidth);
    std::size_t longest = 0;
    for (const Code &c : cases())
        for (const Code &g : genders())
            for (const Code &p : persons())
                for (const Code &n : numbers())
                    longest = std::max(longest, caseGenderNumber(c.token, g.token, p.token, n.token).size());
    EXPECT_EQ(longest, 14u);  // "gén. nt. 3 pl."
    EXPECT_LE(longest, thesaurus_format::kCaseGenderNumberWidth);
}

TEST(CodingSystem, TablesInDisplayOrder) {
    ASSERT_EQ(categories().size(), 22u);
    EXPECT_EQ(categories()[12].token, "V5");
    EXPECT_EQ(categories()[12].caption, "verbo 4e bis coniugazione");
    EXPECT_EQ(categories()[19].token, "interj");
    EXPECT_EQ(cases()[3].token, "g\xe9n. ");
    EXPECT_EQ(moods()[5].token, "g\xe9r.");
    EXPECT_EQ(tenses()[0].token, "pr\xe9s.");
    EXPECT_EQ(voices()[2].token, "d\xe9p.");
    EXPECT_EQ(numbers()[1].caption, "plurale");
    EXPECT_EQ(moods().size(), 8u);
    EXPECT_EQ(tenses().size(), 6u);
    // The rows stand in visual groups: N1-N6, A1-A2, V1-V6, DP, CC-CS, then one each.
    EXPECT_EQ(categories()[5].visualGroup, categories()[0].visualGroup);
    EXPECT_NE(categories()[6].visualGroup, categories()[5].visualGroup);
    EXPECT_EQ(categories()[16].visualGroup, categories()[15].visualGroup);
    EXPECT_NE(categories()[18].visualGroup, categories()[17].visualGroup);
}

}  // namespace
}  // namespace orbalis::coding
