// The analyser's reports turned into analyses of the coding system, on real reports of the
// analyser for forms that are easy to get wrong (tests/data/analyser/FORM.txt, one per form).
#include "thesaurus/analyser_conversion.h"

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

#define EXPECT_READING(form, ...)                                                         \
    do {                                                                                  \
        const auto analyses_ = analyse(form);                                             \
        EXPECT_TRUE(has(analyses_, __VA_ARGS__)) << form << " lacks a reading; it has:\n" \
                                                 << describe(analyses_);                  \
    } while (false)

TEST(AnalyserConversion, DeponentsTakeTheDeponentVoiceAndLoseTheirActiveTwin) {
    EXPECT_READING("sequitur", "sequor", "V3", "3 sg.", "ind. prés. dép.");
    EXPECT_READING("patiuntur", "patior", "V5", "3 pl.", "ind. prés. dép.");
    EXPECT_READING("hortatus", "hortor", "V1", "nom. m. sg.", "part. parf. dép.");
    EXPECT_READING("secutus", "sequor", "V3", "nom. m. sg.", "part. parf. dép.");

    const auto arbitrabantur = analyse("arbitrabantur");
    EXPECT_TRUE(has(arbitrabantur, "arbitror", "V1", "3 pl.", "ind. impf. dép.")) << describe(arbitrabantur);
    EXPECT_FALSE(hasLemma(arbitrabantur, "arbitro")) << describe(arbitrabantur);
    const auto withTwin =
        analyse("arbitrabantur", kAllEconomyRules & ~unsigned(EconomyRule::DeponentActiveTwin));
    EXPECT_TRUE(has(withTwin, "arbitro", "V1", "3 pl.", "ind. impf. pas.")) << describe(withTwin);
}

TEST(AnalyserConversion, SemiDeponentsAreDeponentInThePerfectSystemOnly) {
    EXPECT_READING("audet", "audeo", "V2", "3 sg.", "ind. prés. act.");
    EXPECT_READING("ausus", "audeo", "V2", "nom. m. sg.", "part. parf. dép.");
}

TEST(AnalyserConversion, CapioTypeVerbsAreFourthBis) {
    EXPECT_READING("capit", "capio", "V5", "3 sg.", "ind. prés. act.");
    EXPECT_READING("accipere", "accipio", "V5", "", "inf. prés. act.");
    EXPECT_READING("capiendum", "capio", "V5", "acc. m. sg.", "adj. verb.");
    EXPECT_READING("capiendum", "capio", "V5", "acc. nt. sg.", "gér.");
}

TEST(AnalyserConversion, IrregularVerbs) {
    EXPECT_READING("it", "eo", "V6", "3 sg.", "ind. prés. act.");
    EXPECT_READING("fert", "fero", "V6", "3 sg.", "ind. prés. act.");
    const auto est = analyse("est");
    EXPECT_TRUE(has(est, "sum", "V6", "3 sg.", "ind. prés. act.")) << describe(est);
    // edo "eat" has an early form est too: of no use beside sum.
    EXPECT_FALSE(hasLemma(est, "edo")) << describe(est);
}

TEST(AnalyserConversion, ParticiplesGerundivesAndGerunds) {
    EXPECT_READING("amatus", "amo", "V1", "nom. m. sg.", "part. parf. pas.");
    const auto amandi = analyse("amandi");
    EXPECT_TRUE(has(amandi, "amo", "V1", "gén. nt. sg.", "adj. verb.")) << describe(amandi);
    EXPECT_TRUE(has(amandi, "amo", "V1", "nom. m. pl.", "adj. verb.")) << describe(amandi);
    EXPECT_TRUE(has(amandi, "amo", "V1", "gén. nt. sg.", "gér.")) << describe(amandi);
    // Only the oblique neuter singular is a gerund.
    EXPECT_FALSE(has(amandi, "amo", "V1", "nom. m. pl.", "gér.")) << describe(amandi);
    EXPECT_READING("sequendi", "sequor", "V3", "gén. nt. sg.", "gér.");
    // A rare adjective entry that only repeats the participle goes.
    const auto amatus = analyse("amatus");
    EXPECT_FALSE(std::any_of(amatus.begin(), amatus.end(), [](const auto &a) { return a.category == "A1"; }))
        << describe(amatus);
    EXPECT_READING("casus", "cado", "V3", "nom. m. sg.", "part. parf. pas.");
}

TEST(AnalyserConversion, ReadingsNoTeacherAccepts) {
    // factum is the passive participle of facio, not a deponent participle of fio.
    const auto factum = analyse("factum");
    EXPECT_TRUE(has(factum, "facio", "V5", "acc. nt. sg.", "part. parf. pas.")) << describe(factum);
    EXPECT_FALSE(hasLemma(factum, "fio")) << describe(factum);
    // The ablative of acer is acri: acre is no ablative.
    const auto acre = analyse("acre");
    EXPECT_TRUE(has(acre, "acer", "A2", "acc. nt. sg.", "")) << describe(acre);
    EXPECT_FALSE(has(acre, "acer", "A2", "abl. sg.", "")) << describe(acre);
    // sublimus is an old spelling printed beside sublimis, which alone is kept.
    const auto sublimis = analyse("sublimis");
    EXPECT_TRUE(has(sublimis, "sublimis", "A2", "gén. sg.", "")) << describe(sublimis);
    EXPECT_FALSE(hasLemma(sublimis, "sublimus")) << describe(sublimis);
}

TEST(AnalyserConversion, GuessesAndRarerSpellingsAreLeftOut) {
    // Built from a suffix on a medieval word: nothing is better than this.
    EXPECT_TRUE(analyse("ligario").empty()) << describe(analyse("ligario"));
    const auto viscera = analyse("viscera");
    EXPECT_TRUE(has(viscera, "viscus", "N3", "acc. nt. pl.", "")) << describe(viscera);
    EXPECT_FALSE(hasLemma(viscera, "viscer")) << describe(viscera);
    EXPECT_READING("rhetorum", "rhetor", "N3", "gén. m. pl.", "");
    EXPECT_READING("duarum", "duo", "num", "gén. f. pl.", "");
    EXPECT_FALSE(hasLemma(analyse("nonam"), "Nonae")) << "Nonae has no singular";
}

TEST(AnalyserConversion, NounsOfThePluralOnlyAndNounsRepeatingAnAdjective) {
    EXPECT_READING("athenas", "Athenae", "N1", "acc. f. pl.", "");
    const auto omnis = analyse("omnis");
    EXPECT_TRUE(has(omnis, "omnis", "A2", "gén. sg.", "")) << describe(omnis);
    EXPECT_FALSE(has(omnis, "omnis", "N3", "gén. sg.", "")) << describe(omnis);
    EXPECT_TRUE(has(omnis, "omne", "N3", "gén. nt. sg.", "")) << "a lemma of its own stays:\n"
                                                              << describe(omnis);
    const auto all = analyse("omnis", kAllEconomyRules & ~unsigned(EconomyRule::SubstantivisedAdjective));
    EXPECT_TRUE(has(all, "omnis", "N3", "gén. sg.", "")) << describe(all);
}

TEST(AnalyserConversion, ComparativesKeepThePositiveAndMarkTheDegree) {
    EXPECT_READING("potiore", "potior", "A2", "abl. sg.", "", "(comp.) ");
    EXPECT_READING("melior", "bonus", "A1", "nom. sg.", "", "(comp.) ");
    EXPECT_READING("facillime", "facile", "ADV", "", "", "(superl.) ");
}

TEST(AnalyserConversion, PronounsGetTheirLemmaAndEverySense) {
    const auto qui = analyse("qui");
    EXPECT_TRUE(has(qui, "qui", "DP", "nom. m. sg.", "")) << describe(qui);
    EXPECT_TRUE(has(qui, "qui", "DP", "nom. m. pl.", "")) << describe(qui);
    // The indefinite after si, nisi, ne, num, told apart by its translation.
    EXPECT_TRUE(std::any_of(qui.begin(), qui.end(), [](const ProposedAnalysis &a) {
        return a.lemma == "quis" && a.caseGenderNumber == "nom. m. sg." &&
               a.translation.find("dopo si") != std::string::npos;
    })) << describe(qui);
    const auto quid = analyse("quid");
    EXPECT_TRUE(has(quid, "quis", "DP", "acc. nt. sg.", "")) << describe(quid);
    EXPECT_FALSE(hasLemma(quid, "qui")) << "quid is no form of the relative:\n" << describe(quid);
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
    const auto itaque = analyse("itaque");
    EXPECT_TRUE(has(itaque, "itaque", "CC", "", "")) << describe(itaque);
    EXPECT_FALSE(hasLemma(itaque, "ita")) << describe(itaque);
    EXPECT_FALSE(hasLemma(itaque, "eo")) << describe(itaque);
    // cum after a personal pronoun governs the ablative alone.
    const auto tecum = analyse("tecum");
    EXPECT_TRUE(has(tecum, "tu", "DP", "abl. sg.", "", "(+ cum) ")) << describe(tecum);
    EXPECT_FALSE(has(tecum, "tu", "DP", "acc. sg.", "", "(+ cum) ")) << describe(tecum);
}

TEST(AnalyserConversion, PrepositionsCarryTheirCaseAndParticlesTheirCategory) {
    const auto in = analyse("in");
    EXPECT_TRUE(has(in, "in", "PRE", "acc. ", "")) << describe(in);
    EXPECT_TRUE(has(in, "in", "PRE", "abl. ", "")) << describe(in);
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
    const auto alto = analyse("alto");
    EXPECT_TRUE(has(alto, "altum", "N2", "abl. nt. sg.", "")) << describe(alto);
    EXPECT_TRUE(has(alto, "altus", "A1", "dat. m. sg.", "")) << describe(alto);
    EXPECT_TRUE(has(alto, "alo", "V3", "abl. m. sg.", "part. parf. pas.")) << describe(alto);
    EXPECT_FALSE(hasLemma(alto, "alto")) << "a late, very rare verb:\n" << describe(alto);
    const auto vi = analyse("vi");
    EXPECT_TRUE(has(vi, "vis", "N3", "abl. f. sg.", "")) << describe(vi);
    EXPECT_TRUE(has(vi, "vis", "N3", "dat. f. sg.", "")) << describe(vi);
    EXPECT_FALSE(hasLemma(vi, "VI")) << "the Roman numeral is no reading beside vis:\n" << describe(vi);
    EXPECT_READING("tot", "tot", "num", "", "");
    EXPECT_READING("solis", "sol", "N3", "gén. m. sg.", "");
    EXPECT_READING("solis", "solus", "A1", "dat. pl.", "");
}

TEST(AnalyserConversion, VocativesLikeTheNominativeGoOnlyWithTheirRule) {
    const auto casus = analyse("casus");
    EXPECT_TRUE(has(casus, "casus", "N4", "nom. m. sg.", "")) << describe(casus);
    EXPECT_FALSE(has(casus, "casus", "N4", "voc. m. sg.", "")) << describe(casus);
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

}  // namespace
}  // namespace orbalis
