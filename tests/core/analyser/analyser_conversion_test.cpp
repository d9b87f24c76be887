// The analyser's reports turned into analyses of the coding system, on real reports of the
// analyser for forms that are easy to get wrong (tests/data/analyser/FORM.txt, one per form).
#include "analyser/analyser_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "text/encoding.h"

namespace orbalis {
namespace {

std::string report(const std::string &form) {
    return testing::readBytes(std::string(ORBALIS_SOURCE_DIR) + "/tests/data/analyser/" + form + ".txt");
}

// Expected descriptors are written in UTF-8 here and compared as Windows-1252.

// The analyses of `form` as a reader would get them: converted, implausible ones dropped, the
// economy rules applied.
std::vector<ProposedAnalysis> analyse(const std::string &form, unsigned rules = kAllEconomyRules) {
    const std::string text = report(form);
    EXPECT_FALSE(text.empty()) << form;
    auto analyses = convertAnalyserOutput(form, text);
    keepPlausibleAnalyses(analyses);
    applyEconomyRules(analyses, rules);
    return analyses;
}

std::string describe(const std::vector<ProposedAnalysis> &analyses) {
    std::string out;
    for (const auto &a : analyses)
        out += a.lemma + " | " + a.category + " | " + a.caseGenderNumber + " | " + a.moodTenseVoice + " | " +
               a.marker + a.translation + "\n";
    return out;
}

bool has(const std::vector<ProposedAnalysis> &analyses, const std::string &lemma, const std::string &category,
         const std::string &cgn, const std::string &mtv, const std::string &marker = "") {
    return std::any_of(analyses.begin(), analyses.end(), [&](const ProposedAnalysis &a) {
        return a.lemma == lemma && a.category == category && a.caseGenderNumber == utf8ToCp1252(cgn, '?') &&
               a.moodTenseVoice == utf8ToCp1252(mtv, '?') && a.marker == marker;
    });
}

bool hasLemma(const std::vector<ProposedAnalysis> &analyses, const std::string &lemma) {
    return std::any_of(analyses.begin(), analyses.end(), [&](const auto &a) { return a.lemma == lemma; });
}

// A reading `form` must have (EXPECT_READING) or must not have (EXPECT_NO_READING), and a lemma
// none of its readings may have; the analyses are listed when the check fails.
#define EXPECT_ANALYSES(expected, form, test)                                                   \
    do {                                                                                        \
        const auto analyses_ = analyse(form);                                                   \
        EXPECT_EQ(test, expected) << form << (expected ? " lacks" : " has") << " it; it has:\n" \
                                  << describe(analyses_);                                       \
    } while (false)
#define EXPECT_READING(form, ...) EXPECT_ANALYSES(true, form, has(analyses_, __VA_ARGS__))
#define EXPECT_NO_READING(form, ...) EXPECT_ANALYSES(false, form, has(analyses_, __VA_ARGS__))
#define EXPECT_NO_LEMMA(form, lemma) EXPECT_ANALYSES(false, form, hasLemma(analyses_, lemma))

TEST(AnalyserConversion, DeponentsTakeTheDeponentVoiceAndLoseTheirActiveTwin) {
    EXPECT_READING("sequitur", "sequor", "V3", "3 sg.", "ind. prés. dép.");
    EXPECT_READING("patiuntur", "patior", "V5", "3 pl.", "ind. prés. dép.");
    EXPECT_READING("hortatus", "hortor", "V1", "nom. m. sg.", "part. parf. dép.");
    EXPECT_READING("secutus", "sequor", "V3", "nom. m. sg.", "part. parf. dép.");
    EXPECT_READING("arbitrabantur", "arbitror", "V1", "3 pl.", "ind. impf. dép.");
    EXPECT_NO_LEMMA("arbitrabantur", "arbitro");
    const auto withTwin =
        analyse("arbitrabantur", kAllEconomyRules & ~unsigned(EconomyRule::DeponentActiveTwin));
    EXPECT_TRUE(has(withTwin, "arbitro", "V1", "3 pl.", "ind. impf. pas.")) << describe(withTwin);
    // Semi-deponents are deponent in the perfect system only.
    EXPECT_READING("audet", "audeo", "V2", "3 sg.", "ind. prés. act.");
    EXPECT_READING("ausus", "audeo", "V2", "nom. m. sg.", "part. parf. dép.");
}

TEST(AnalyserConversion, CapioTypeVerbsAreFourthBisAndIrregularVerbsKeepTheirLemma) {
    EXPECT_READING("capit", "capio", "V5", "3 sg.", "ind. prés. act.");
    EXPECT_READING("accipere", "accipio", "V5", "", "inf. prés. act.");
    EXPECT_READING("capiendum", "capio", "V5", "acc. m. sg.", "adj. verb.");
    EXPECT_READING("capiendum", "capio", "V5", "acc. nt. sg.", "gér.");
    EXPECT_READING("it", "eo", "V6", "3 sg.", "ind. prés. act.");
    EXPECT_READING("fert", "fero", "V6", "3 sg.", "ind. prés. act.");
    EXPECT_READING("est", "sum", "V6", "3 sg.", "ind. prés. act.");
    EXPECT_NO_LEMMA("est", "edo");  // edo "eat" has an early form est too: of no use beside sum
}

TEST(AnalyserConversion, ParticiplesGerundivesAndGerunds) {
    EXPECT_READING("amatus", "amo", "V1", "nom. m. sg.", "part. parf. pas.");
    EXPECT_READING("amandi", "amo", "V1", "gén. nt. sg.", "adj. verb.");
    EXPECT_READING("amandi", "amo", "V1", "nom. m. pl.", "adj. verb.");
    EXPECT_READING("amandi", "amo", "V1", "gén. nt. sg.", "gér.");
    EXPECT_NO_READING("amandi", "amo", "V1", "nom. m. pl.", "gér.");  // only the oblique neuter singular
    EXPECT_READING("sequendi", "sequor", "V3", "gén. nt. sg.", "gér.");
    // A rare adjective entry that only repeats the participle goes.
    const auto amatus = analyse("amatus");
    EXPECT_FALSE(std::any_of(amatus.begin(), amatus.end(), [](const auto &a) { return a.category == "A1"; }))
        << describe(amatus);
    EXPECT_READING("casus", "cado", "V3", "nom. m. sg.", "part. parf. pas.");
}

TEST(AnalyserConversion, ReadingsNoTeacherAcceptsGuessesAndRarerSpellingsAreLeftOut) {
    // factum is the passive participle of facio, not a deponent participle of fio.
    EXPECT_READING("factum", "facio", "V5", "acc. nt. sg.", "part. parf. pas.");
    EXPECT_NO_LEMMA("factum", "fio");
    // The ablative of acer is acri: acre is no ablative.
    EXPECT_READING("acre", "acer", "A2", "acc. nt. sg.", "");
    EXPECT_NO_READING("acre", "acer", "A2", "abl. sg.", "");
    // sublimus is an old spelling printed beside sublimis, which alone is kept.
    EXPECT_READING("sublimis", "sublimis", "A2", "gén. sg.", "");
    EXPECT_NO_LEMMA("sublimis", "sublimus");
    // Built from a suffix on a medieval word: nothing is better than this.
    EXPECT_TRUE(analyse("ligario").empty()) << describe(analyse("ligario"));
    EXPECT_READING("viscera", "viscus", "N3", "acc. nt. pl.", "");
    EXPECT_NO_LEMMA("viscera", "viscer");
    EXPECT_READING("rhetorum", "rhetor", "N3", "gén. m. pl.", "");
    EXPECT_READING("duarum", "duo", "num", "gén. f. pl.", "");
    EXPECT_NO_LEMMA("nonam", "Nonae");  // Nonae has no singular
}

TEST(AnalyserConversion, NounsOfThePluralOnlyAndNounsRepeatingAnAdjective) {
    EXPECT_READING("athenas", "Athenae", "N1", "acc. f. pl.", "");
    EXPECT_READING("omnis", "omnis", "A2", "gén. sg.", "");
    EXPECT_NO_READING("omnis", "omnis", "N3", "gén. sg.", "");
    EXPECT_READING("omnis", "omne", "N3", "gén. nt. sg.", "");  // a lemma of its own stays
    const auto all = analyse("omnis", kAllEconomyRules & ~unsigned(EconomyRule::SubstantivisedAdjective));
    EXPECT_TRUE(has(all, "omnis", "N3", "gén. sg.", "")) << describe(all);
}

TEST(AnalyserConversion, ComparativesKeepThePositiveAndMarkTheDegree) {
    EXPECT_READING("potiore", "potior", "A2", "abl. sg.", "", "(comp.) ");
    EXPECT_READING("melior", "bonus", "A1", "nom. sg.", "", "(comp.) ");
    EXPECT_READING("facillime", "facile", "ADV", "", "", "(superl.) ");
}

TEST(AnalyserConversion, PronounsGetTheirLemmaAndEverySense) {
    EXPECT_READING("qui", "qui", "DP", "nom. m. sg.", "");
    EXPECT_READING("qui", "qui", "DP", "nom. m. pl.", "");
    // The indefinite after si, nisi, ne, num, told apart by its translation.
    const auto qui = analyse("qui");
    EXPECT_TRUE(std::any_of(qui.begin(), qui.end(), [](const ProposedAnalysis &a) {
        return a.lemma == "quis" && a.caseGenderNumber == "nom. m. sg." &&
               a.translation.find("dopo si") != std::string::npos;
    })) << describe(qui);
    EXPECT_READING("quid", "quis", "DP", "acc. nt. sg.", "");
    EXPECT_NO_LEMMA("quid", "qui");  // quid is no form of the relative
    EXPECT_READING("quae", "quis", "DP", "nom. nt. pl.", "");
    // The interrogative adjective quod (which?), one reading per sense only.
    const auto quod = analyse("quod");
    EXPECT_EQ(std::count_if(quod.begin(), quod.end(),
                            [](const ProposedAnalysis &a) {
                                return a.lemma == "quis" && a.caseGenderNumber == "acc. nt. sg." &&
                                       a.translation.find("chi?") != std::string::npos;
                            }),
              1)
        << describe(quod);
    EXPECT_READING("nobis", "nos", "DP", "dat. pl.", "");
    EXPECT_READING("quidam", "quidam", "DP", "nom. m. sg.", "");
}

TEST(AnalyserConversion, EncliticsAreMarkedAndNeverSplitAWholeWord) {
    EXPECT_READING("virumque", "vir", "N2", "acc. m. sg.", "", "[e] ");
    EXPECT_READING("mene", "ego", "DP", "acc. sg.", "", "[?] ");
    EXPECT_READING("quidve", "quis", "DP", "nom. nt. sg.", "", "[o] ");
    EXPECT_READING("itaque", "itaque", "CC", "", "");
    EXPECT_NO_LEMMA("itaque", "ita");
    EXPECT_NO_LEMMA("itaque", "eo");
    // cum after a personal pronoun governs the ablative alone.
    EXPECT_READING("tecum", "tu", "DP", "abl. sg.", "", "(+ cum) ");
    EXPECT_NO_READING("tecum", "tu", "DP", "acc. sg.", "", "(+ cum) ");
}

TEST(AnalyserConversion, PrepositionsCarryTheirCaseAndParticlesTheirCategory) {
    EXPECT_READING("in", "in", "PRE", "acc. ", "");
    EXPECT_READING("in", "in", "PRE", "abl. ", "");
    EXPECT_READING("usque", "usque", "PRE", "acc. ", "");
    EXPECT_READING("nonne", "nonne", "partic", "", "");
    EXPECT_READING("cum", "cum", "CS", "", "");
}

TEST(AnalyserConversion, SyncopatedPerfectsAreNoGuesses) {
    const auto amarunt = analyse("amarunt");
    ASSERT_TRUE(has(amarunt, "amo", "V1", "3 pl.", "ind. parf. act.")) << describe(amarunt);
    EXPECT_TRUE(std::none_of(amarunt.begin(), amarunt.end(), [](const auto &a) { return a.guess; }));
    EXPECT_READING("audisse", "audio", "V4", "", "inf. parf. act.");
}

TEST(AnalyserConversion, HomographsOfTheSamplesAreAllThere) {
    EXPECT_READING("alto", "altum", "N2", "abl. nt. sg.", "");
    EXPECT_READING("alto", "altus", "A1", "dat. m. sg.", "");
    EXPECT_READING("alto", "alo", "V3", "abl. m. sg.", "part. parf. pas.");
    EXPECT_NO_LEMMA("alto", "alto");  // a late, very rare verb
    EXPECT_READING("vi", "vis", "N3", "abl. f. sg.", "");
    EXPECT_READING("vi", "vis", "N3", "dat. f. sg.", "");
    EXPECT_NO_LEMMA("vi", "VI");  // the Roman numeral is no reading beside vis
    EXPECT_READING("tot", "tot", "num", "", "");
    EXPECT_READING("solis", "sol", "N3", "gén. m. sg.", "");
    EXPECT_READING("solis", "solus", "A1", "dat. pl.", "");
}

TEST(AnalyserConversion, VocativesLikeTheNominativeGoOnlyWithTheirRule) {
    EXPECT_READING("casus", "casus", "N4", "nom. m. sg.", "");
    EXPECT_NO_READING("casus", "casus", "N4", "voc. m. sg.", "");
    const auto all = analyse("casus", kAllEconomyRules & ~unsigned(EconomyRule::VocativeLikeNominative));
    EXPECT_TRUE(has(all, "casus", "N4", "voc. m. sg.", "")) << describe(all);
    EXPECT_TRUE(has(all, "casus", "N4", "voc. m. pl.", "")) << describe(all);
}

TEST(AnalyserConversion, UnknownOrMalformedReportsGiveNothingAndNeverThrow) {
    EXPECT_TRUE(
        convertAnalyserOutput("zethi", "zethi                          ========   UNKNOWN    \n").empty());
    EXPECT_TRUE(convertAnalyserOutput("x", "").empty());
    const std::string garbage = "am.abat V\n[XXXAO]\n V 1 1\nqu.i PRON 1 0 NOM\n\n*\nam.abat  V  1\n";
    EXPECT_NO_THROW(convertAnalyserOutput("amabat", garbage));
    // A report cut after its endings gives no analysis without a lemma.
    for (const auto &a :
         convertAnalyserOutput("amabat", "am.abat              V      1 1 IMPF ACTIVE  IND 3 S\n"))
        EXPECT_FALSE(a.lemma.empty());
}

// Lemmas as an Italian school dictionary gives them: ordinals, distributives and numeral adverbs
// under their own lemma, plural senses offered under the plural, uterque and quisque as words of
// their own, coepi under its perfect, never the analyser's "-" for a missing principal part.
TEST(AnalyserConversion, LemmasAreTheDictionaryHeadwords) {
    EXPECT_READING("primis", "primus", "A1", "dat. pl.", "");
    EXPECT_NO_LEMMA("primis", "unus");
    EXPECT_READING("singulis", "singuli", "A1", "abl. pl.", "");
    EXPECT_READING("semel", "semel", "ADV", "", "");
    for (const auto &[form, plural] :
         {std::pair{"castra", "castra"}, {"liberi", "liberi"}, {"singulis", "singuli"}})
        for (const auto &a : analyse(form))
            if (a.category[0] == 'N' || a.lemma == "singulus") {
                EXPECT_EQ(a.pluralLemma, plural) << form;
            }
    EXPECT_READING("uterque", "uterque", "DP", "nom. m. sg.", "");
    EXPECT_NO_LEMMA("uterque", "uter");
    EXPECT_NO_LEMMA("quisque", "quis");
    EXPECT_READING("coepit", "coepi", "V3", "3 sg.", "ind. parf. act.");
    EXPECT_NO_READING("coepit", "coepi", "V3", "3 sg.", "ind. prés. act.");
    EXPECT_READING("deterior", "deterior", "A1", "nom. sg.", "", "(comp.) ");
    // volo "fly" is a verb of the first conjugation, not the irregular volo "want".
    EXPECT_READING("volat", "volo", "V1", "3 sg.", "ind. prés. act.");
}

}  // namespace
}  // namespace orbalis
