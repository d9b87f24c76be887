// The Italian glosses of the generated records: the reviewed hand table wins over the open list,
// the open list's glosses are tidied into Italian senses, and a gloss too long for its field
// keeps whole senses.
#include "tools/gloss_list.h"

#include <gtest/gtest.h>

#include <string>

#include "records/file_error.h"

namespace orbalis::data_build {
namespace {

TEST(GlossList, TheHandTableWinsForItsLemmaAndCategoryOnly) {
    GlossList glosses;
    glosses.addOpenGloss("lego", "legare, inviare", 'v');
    glosses.addOpenGloss("aestas", "stato", 'n');
    glosses.loadHandTable("glosses.tsv",
                          "lemma\tcategory\tgloss\tsource\n"
                          "lego\tV3\tleggere, raccogliere\treviewed\n"
                          "aestas\tN3\tl'estate\treviewed\n"
                          "Verres\tN3\tVerre\treviewed\n");
    EXPECT_EQ(glosses.find("lego", "V3"), "leggere, raccogliere");
    EXPECT_EQ(glosses.find("lego", "V1"), "legare, inviare");
    EXPECT_EQ(glosses.find("aestas", "N3", 'f'), "l'estate");
    EXPECT_TRUE(glosses.reviewed("lego", "V3"));
    // A name's entry is not the common word's of the same spelling.
    glosses.addOpenGloss("verres", "il verro", 'n');
    EXPECT_EQ(glosses.find("verres", "N3"), "il verro");
    EXPECT_EQ(glosses.findName("Verres", "N3"), "Verre");
    // Homographs of one gender told apart by their genitive.
    glosses.addOpenGloss("frons", "la fronda", 'n', 'f', "frondis");
    glosses.addOpenGloss("frons2", "la fronte", 'n', 'f', "ontis");
    EXPECT_EQ(glosses.find("frons", "N3", 'f', "frontis"), "la fronte");
    EXPECT_EQ(glosses.find("frons", "N3", 'f', "frondis"), "la fronda");
    // An adjective's one-word senses in the singular; a common word never takes a name's gloss.
    glosses.addOpenGloss("fortis", "forte, vigorosi, coraggiosi, pieno di coraggio", 'a');
    EXPECT_EQ(glosses.find("fortis", "A2"), "forte, vigoroso, coraggioso, pieno di coraggio");
    glosses.addOpenGloss("Paulus", "Paolo", 'n');
    EXPECT_EQ(glosses.find("paulus", "A1"), "");
    EXPECT_THROW(glosses.loadHandTable("glosses.tsv", "lemma\tcategory\tgloss\tsource\nlego\tV3\t\tx\n"),
                 FileError);
}

struct Tidied {
    const char *open;
    const char *italian;
};

class TidyGloss : public ::testing::TestWithParam<Tidied> {};

TEST_P(TidyGloss, KeepsItalianSensesOnly) {
    EXPECT_EQ(tidyGloss(GetParam().open), GetParam().italian);
}

INSTANTIATE_TEST_SUITE_P(
    OpenList, TidyGloss,
    ::testing::Values(Tidied{"1. allontanare2. deviare", "allontanare"}, Tidied{"ramo, ramo", "ramo"},
                      Tidied{"dotare, qqn di qqch", "dotare, qualcuno di qualcosa"},
                      Tidied{"il carico (di edile, sono", "il carico"},
                      Tidied{"coperta, [modo di addobbarla] toga", "coperta, toga"},
                      Tidied{"gettare \xE7\xE0 e l\xE0, spargere, + G\xE9n", "spargere"},
                      Tidied{"la manifestazione, l'azione di fare professione di",
                             "la manifestazione, l'azione di fare professione"},
                      Tidied{"porta), uscita, ingresso", "porta, uscita, ingresso"},
                      Tidied{"sopra (in alto, sotto), dopo", "sopra (in alto, sotto), dopo"}));

TEST(FitSenses, KeepsWholeSensesThatFitAndNeverEndsOnAFunctionWord) {
    const std::string senses =
        "spingere, condurre, portare, parlando o scrivendo di qualcosa, trattare, fare, agire, vivere";
    EXPECT_EQ(fitSenses(senses, 80),
              "spingere, condurre, portare, parlando o scrivendo di qualcosa, trattare, fare");
    EXPECT_EQ(fitSenses("condurre", 80), "condurre");
    // One sense longer than the field: cut at a word, without a dangling article or preposition.
    EXPECT_EQ(fitSenses("portare via con la forza della mano", 27), "portare via con la forza");
    EXPECT_EQ(fitSenses("portare (via con la forza) della mano", 24), "portare");
}

}  // namespace
}  // namespace orbalis::data_build
