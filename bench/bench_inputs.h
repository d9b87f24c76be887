// The inputs the benchmarks measure: a thesaurus holding the most records a thesaurus can hold,
// made of the forms of a Latin text plus generated Latin-like forms (several analyses for some
// forms, mixed case), and texts of a fixed size made of that Latin text repeated. Everything is
// derived from a fixed seed with a generator of our own, so every run and every standard library
// gives the same inputs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "records/thesaurus_record.h"

namespace orbalis::bench {

// The sizes of the two texts: the size above which the workspace asks before loading a text,
// and a text of some 2 MB.
inline constexpr std::size_t kSmallTextBytes = 64000;
inline constexpr std::size_t kLargeTextBytes = 2000000;

// Lines of Latin as a UTF-8 text file holds them.
struct LatinSource {
    std::string text;
    std::string description;  // where the lines came from
};

// The texts caesar_bg1.txt and vergil_aen1.txt of the directory named by $ORBALIS_BENCH_CORPUS,
// when it is set and both can be read; otherwise generated Latin-like prose.
LatinSource latinSource();

// Exactly `bytes` bytes: whole lines of `source`, over and over; the last line is cut at a space
// (so no form and no UTF-8 character is split), padded with spaces and ended by a newline.
std::string repeatToSize(std::string_view source, std::size_t bytes);

struct ThesaurusSummary {
    std::size_t records = 0;
    std::size_t distinctForms = 0;     // ignoring case
    std::size_t homographForms = 0;    // forms with two or more analyses
    std::size_t textForms = 0;         // distinct forms of the Latin text, ignoring case
    std::size_t unknownTextForms = 0;  // of those, forms the thesaurus does not hold
};

// `count` analyses in no particular order: about 90% of the distinct forms of `cp1252Text` (the
// 200 most frequent always among them) and then generated Latin-like forms, one to four analyses
// per form, some of a form's analyses spelled with another initial case.
std::vector<AnalysisFields> thesaurusAnalyses(std::string_view cp1252Text, std::size_t count,
                                              ThesaurusSummary *summary = nullptr);

// The built-in thesaurus's kind of file: the analyses as a readable TSV source at `tsvPath`,
// compiled (sorted by lower-cased form) into `datPath`.
void writeSortedThesaurus(const std::vector<AnalysisFields> &analyses, const std::string &tsvPath,
                          const std::string &datPath);
// A user thesaurus: the same analyses in a shuffled order, each record numbered by its position.
void writeUserThesaurus(const std::vector<AnalysisFields> &analyses, const std::string &datPath);

// Every input file in `directory` (which must exist): donnees.dat (sorted), donnees.tsv (its
// source), user.dat (shuffled), text-64000.txt and text-2000000.txt.
struct InputFiles {
    std::string sortedThesaurus;
    std::string userThesaurus;
    std::string smallText;
    std::string largeText;
    std::string sourceDescription;
    ThesaurusSummary thesaurus;
};
InputFiles writeInputFiles(const std::string &directory);

}  // namespace orbalis::bench
