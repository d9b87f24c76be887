// The steps that turn the analyser's reports on the forms of a frequency list into the sources
// of the built-in thesaurus and lexicon: the records of each form, the choice of forms within
// the thesaurus' size, the lexicon entries, the sample for judging, and the coverage of a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "tools/data_sources.h"
#include "tools/gloss_list.h"
#include "tools/name_forms.h"

namespace orbalis::data_build {

// The records of one form of the frequency list, with the score that orders the choice.
struct Candidate {
    std::size_t rank = 0;  // position in the frequency list
    std::vector<Record> records;
    double score = 0;
};

// The hand-checked records, by lower-cased form.
class HandRecords {
public:
    explicit HandRecords(std::vector<Record> records);
    const std::vector<Record> &all() const { return m_records; }
    // The hand-checked records of a lower-cased form (empty when none).
    std::vector<const Record *> of(const std::string &lowerForm) const;
    const std::map<std::string, std::vector<std::size_t>> &byForm() const { return m_byForm; }

private:
    std::vector<Record> m_records;
    std::map<std::string, std::vector<std::size_t>> m_byForm;
};

// The forms of the proper names that have an Italian name, by lower-cased form: each a reading
// (lemma, category, case-gender-number, Italian name) in the coding system. A vocative equal to
// the nominative is left out; a name of one person or place has its singular only, a people or
// a place named in the plural its plural only. With `latinWhenUntranslated`, a name without an
// Italian name is kept too, translated by its Latin name.
struct NameReading {
    std::string lemma, category, caseGenderNumber, translation;
};
std::map<std::string, std::vector<NameReading>> nameReadings(const std::vector<NameEntry> &names,
                                                             const DeclensionModels &models,
                                                             const GlossList &glosses,
                                                             bool latinWhenUntranslated = false);

// The source of the names file (the thesaurus columns, sorted by lower-cased form): every reading
// of `readings` that `thesaurus` lacks (same form, lemma, category and case-gender-number), its
// form written with a capital.
std::string namesSource(const std::map<std::string, std::vector<NameReading>> &readings,
                        const std::vector<Record> &thesaurus, std::size_t &written);

struct ProposalOptions {
    unsigned rules = 31;  // the converter's economy rules
    bool byFrequency = false;
};

// The records of form `f` from the analyser's `report` on it: the hand-checked records first,
// then the generated readings they lack, each with its Italian translation. Readings without an
// Italian gloss are left out. `meanings` collects the English meaning of each lemma|category
// seen. The readings of a name in `names` come in for a form the list says is mostly capitalised,
// unless the analyser knows that name already. Returns the number of analyses proposed before
// the hand-checked records are merged.
std::size_t proposeRecords(const FrequentForm &f, const std::string &report, const GlossList &glosses,
                           const HandRecords &hand, const ProposalOptions &options, Candidate &out,
                           const std::vector<NameReading> *names = nullptr);

// The records of the best candidates, whole forms only, until `budget` records; sorted by
// lower-cased form (stably).
std::vector<Record> chooseRecords(std::vector<Candidate> candidates, std::size_t budget);

// The thesaurus source of `records`.
std::string thesaurusSource(const std::vector<Record> &records);

// The lexicon source: the hand-made entries of `handLexicon` (UTF-8, five columns after a
// header), then one entry per lemma and category of the generated records with its gloss.
// `italian` and `generated` receive the counts of generated entries.
std::string lexiconSource(const std::string &handPath, std::string_view handLexicon,
                          const std::vector<Record> &records, const GlossList &glosses,
                          std::size_t &generated, std::size_t &italian);

// The seed of the sample for judging unless another is asked for.
inline constexpr std::uint32_t kSampleSeed = 20261207u;

// 100 generated records drawn with the fixed seed `seed`, with empty verdict and reason columns.
std::string sampleSource(const std::vector<Record> &records, std::uint32_t seed = kSampleSeed);

struct Coverage {
    std::size_t tokens = 0, coveredTokens = 0, forms = 0, coveredForms = 0;
};

// How many word tokens and distinct forms (ignoring case) of the text at `textPath` `known`
// accepts (it receives the lower-cased form).
Coverage measureCoverage(const std::string &textPath, const std::function<bool(const std::string &)> &known);

std::string percent(std::size_t part, std::size_t whole);

// The whole generation, as `orbalis-data build` runs it.
struct BuildOptions {
    std::string frequencies, glosses, lemmas, models, handGlosses, handThesaurus, handLexicon, thesaurusOut,
        lexiconOut, sample;
    std::uint32_t sampleSeed = kSampleSeed;
    std::vector<std::string> analyses, measure, names;  // names: lemma lists read for proper names
    ProposalOptions proposal;
};

// Reads the inputs, chooses the records, writes the outputs asked for (each by the atomic
// save) and reports figures on `report`. Throws FileError for a fault of any file.
void buildSources(const BuildOptions &options, std::ostream &report);

// The names file's source, as `orbalis-data names` writes it: the names of the lemma lists
// `names` declined on `models`, with their Italian names from the glosses, less the readings of
// the thesaurus source `thesaurus`.
struct NamesOptions {
    std::string glosses, lemmas, handGlosses, models, thesaurus, out;
    std::vector<std::string> names;
};
void buildNamesSource(const NamesOptions &options, std::ostream &report);

// Writes the analyser's input for the forms of the frequency list at `frequencies`.
void prepareAnalyserInput(const std::string &frequencies, const std::string &out);

// Reports on `report` the coverage of each text by the thesaurus data file `thesaurus`.
void reportCoverage(const std::string &thesaurus, const std::vector<std::string> &texts,
                    std::ostream &report);

}  // namespace orbalis::data_build
