// Proper names declined on the noun models of the open lemma list: a table of names of the
// corpus texts, each with forms it must have and forms it must not have.
#include "tools/name_forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "records/file_error.h"

namespace orbalis::data_build {
namespace {

// The models the names below use, as the list writes them.
constexpr std::string_view kModels =
    "! models\n"
    "$lupus=ŭs;ĕ;ŭm;ī;ō;ō;ī;ī;ōs;ōrŭm;īs;īs\n"
    "$uita=ă;ă;ăm;āe;āe;ā;āe;āe;ās;ārŭm;īs;īs\n"
    "modele:uita\nR:1:1,0\ndes:1-12:1:$uita\npos:n\n\n"
    "modele:roma\npere:uita\ndes:413:1:āe\n\n"
    "modele:aeneas\npere:uita\nR:1:2,0\ndes+:1-3:1:ās;ā;ān\n\n"
    "modele:lupus\nR:1:2,0\ndes:1-12:1:$lupus\npos:n\n\n"
    "modele:liberi\npere:lupus\nR:1:1,0\nabs:1-6\n\n"
    "modele:miles\nR:2:K\ndes:1,2:2:-;-\ndes:3-12:1:ĕm;ĭs;ī;ĕ;ēs;ēs;ēs;ŭm;ĭbŭs\npos:n\n\n"
    "modele:doctus\nR:0:2,0\ndes:13-48:0:$lupus;$uita\npos:a\n";

constexpr std::string_view kLemmas =
    "Aenēās=Āenēās|aeneas|Āenē||ae, m.|292\n"
    "Arĭovistus=Arĭovīstus|lupus|||i, m.|48\n"
    "Dumnŏrix=Dūmnŏrīx|miles|Dūmnŏrĭg||igis, m.|16\n"
    "Haedŭi=Hāedŭi,Āedŭi|liberi|||orum, m. pl.|118\n"
    "Trōĭa|roma|||ae, f.|80\n"
    "Teucrus=Tēucrus|doctus|||a, um|10\n"
    "ăbăvus|lupus|||i, m.|10\n";

struct NameCase {
    const char *lemma;
    std::vector<std::pair<const char *, int>> forms;  // form, case number 1-12
    const char *absent;                               // a form the name must not have
};

class NameForms : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameForms, AreDeclinedOnTheirModel) {
    DeclensionModels models;
    models.load("modeles.la", kModels);
    const auto entries = parseNameEntries(kLemmas, models);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [](const NameEntry &e) { return e.lemma == GetParam().lemma; });
    ASSERT_NE(entry, entries.end()) << GetParam().lemma;
    std::vector<DeclinedForm> forms;
    for (const auto &spelling : entry->canonical) {
        const auto more = models.decline(spelling, entry->model, entry->radical);
        forms.insert(forms.end(), more.begin(), more.end());
    }
    const auto has = [&](const std::string &form, int caseNumber) {
        return std::any_of(forms.begin(), forms.end(), [&](const DeclinedForm &f) {
            return f.form == form && (caseNumber == 0 || f.caseNumber == caseNumber);
        });
    };
    for (const auto &[form, caseNumber] : GetParam().forms) EXPECT_TRUE(has(form, caseNumber)) << form;
    EXPECT_FALSE(has(GetParam().absent, 0)) << GetParam().absent;
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameForms,
    ::testing::Values(
        NameCase{"Aeneas", {{"Aeneas", 1}, {"Aeneae", 4}, {"Aenean", 3}, {"Aeneam", 3}}, "Aeneus"},
        NameCase{"Ariovistus", {{"Ariovistus", 1}, {"Ariovisti", 4}, {"Ariovisto", 6}}, "Ariovistes"},
        NameCase{"Dumnorix", {{"Dumnorix", 1}, {"Dumnorigem", 3}, {"Dumnorigis", 4}}, "Dumnorixem"},
        NameCase{"Haedui", {{"Haedui", 7}, {"Haeduorum", 10}, {"Aeduos", 9}}, "Haeduus"},
        NameCase{"Troia", {{"Troia", 1}, {"Troiam", 3}, {"Troiae", 4}}, "Troiaae"}));

TEST(NameEntries, AreTheCapitalisedNounsWithGenderAndNumber) {
    DeclensionModels models;
    models.load("modeles.la", kModels);
    const auto entries = parseNameEntries(kLemmas, models);
    // Teucrus is declined as an adjective, abavus is no name.
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[3].lemma, "Haedui");
    EXPECT_TRUE(entries[3].plural);
    EXPECT_EQ(entries[3].gender, 'm');
    EXPECT_EQ(entries[4].gender, 'f');
    EXPECT_EQ(models.declension("roma"), 1);
    EXPECT_EQ(models.declension("liberi"), 2);
    EXPECT_EQ(models.declension("doctus"), 0);
    EXPECT_THROW(models.load("modeles.la", "modele:x\npere:unknown\n"), FileError);
}

}  // namespace
}  // namespace orbalis::data_build
