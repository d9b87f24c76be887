// Turns the report of the Latin morphological analyser (the `whitakers-words` program: per form,
// its stem.ending lines, dictionary lines and English meanings) into thesaurus analyses in the
// coding system: category code, lemma, case-gender-number and mood-tense-voice descriptors.
// Used to build the built-in thesaurus and to suggest analyses for forms a thesaurus lacks.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orbalis {

// One analysis proposed for a form. Text is Windows-1252 (the analyser writes ASCII); an empty
// descriptor is the empty text.
struct ProposedAnalysis {
    std::string form;
    std::string lemma;  // dictionary headword, j written as i
    std::string category;
    std::string caseGenderNumber;
    std::string moodTenseVoice;
    // Put before the translation: "(comp.) ", "(superl.) ", "[e] " for -que, "[?] " for -ne,
    // "[o] " for -ve, "(+ cum) " for an appended cum.
    std::string marker;
    // A fixed Italian translation for the few analyses whose lemma alone does not say which
    // meaning is meant (relative, interrogative and indefinite qui/quis); empty otherwise.
    std::string translation;
    std::string meaning;  // the entry's first English meaning line
    // A noun's genitive singular from its dictionary line (frondis of "frons, frondis"), which
    // tells homographs of one gender apart; empty for other words.
    std::string genitive;
    // For a plural form of a word with a sense of its own in the plural (castra "camp" of
    // castrum, arma, liberi): that plural, the lemma a dictionary may give instead; else empty.
    std::string pluralLemma;
    // The entry's frequency letter: A (very frequent) … F (very rare), I, M, N (single sources);
    // X when the analyser gives none.
    char frequency = 'X';
    // True for analyses that the analyser reaches only through a spelling trick, a prefix or
    // suffix, or two words run together (guesses); a syncopated perfect is no guess.
    bool guess = false;
    // True for archaic, early, late or medieval entries or endings.
    bool unusualAge = false;
    bool deponent = false;
    bool participle = false;  // a participle, gerundive or gerund of a verb
    bool adjective = false;   // an adjective entry (category A1 or A2)
    bool noun = false;        // a noun entry (N1 to N6)
    bool operator==(const ProposedAnalysis &) const = default;
};

// The marker word written after form number n of the analyser's input: "qqq" and nine letters of
// x, z, k, w (n in base 4). The analyser reports it unknown, which delimits the report of every
// form, whether the input is the frequency list or a text's unknown forms.
std::string analyserMarkerWord(std::size_t n);

// Every analysis the analyser's report `output` holds for `form` (the lower-case word that was
// analysed), in report order, without repeats. Readings the coding system has no place for
// (locatives, abbreviations, unknown irregular forms) are left out; nothing is filtered by
// frequency or age here. Never throws on malformed text: lines it does not recognise are skipped.
std::vector<ProposedAnalysis> convertAnalyserOutput(std::string_view form, std::string_view output);

// Rules that remove analyses a reader does not need, so that a limited thesaurus holds more
// forms. Each can be switched off to measure what it gains.
enum class EconomyRule : unsigned {
    VocativeLikeNominative = 1,    // a vocative beside the same nominative
    ParticipialAdjective = 2,      // a rarer adjective entry repeating a participle's reading
    DeponentActiveTwin = 4,        // a non-deponent twin (arbitro) beside the deponent (arbitror)
    UncommonBesideCommon = 8,      // an uncommon or rare entry beside a common one
    SubstantivisedAdjective = 16,  // a noun entry repeating an adjective (omnis "all men")
};
inline constexpr unsigned kAllEconomyRules = 31;

// Keeps real analyses: drops guesses when the form has an analysis that is not one, and
// entries of unusual age when the form has one of ordinary age.
void keepPlausibleAnalyses(std::vector<ProposedAnalysis> &analyses);

// Applies the rules whose bits are set in `rules` to the analyses of one form.
void applyEconomyRules(std::vector<ProposedAnalysis> &analyses, unsigned rules);

}  // namespace orbalis
