// Proposals for every form a thesaurus does not know, from four sources in this order: the
// thesaurus under another spelling, the host of an enclitic, the names file of the forms of
// proper names (beside the analyser, for capitalised forms), and the morphological analyser of
// the `whitakers-words` package run as a child process over all the remaining forms at once. The
// analyser's report is turned into analyses by the converter the built-in data is made with.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "analysis/proposals.h"
#include "lexicon/lexicon.h"
#include "records/thesaurus_table.h"

namespace orbalis {

struct AnalyserSettings {
    std::string program = "whitakers-words";  // a path, or a name looked up on PATH
    // A process is stopped after timeLimit and timePerForm for each form it was given (the
    // analyser needs about 1.3 ms of processor time a form here: a whole book stays within it).
    std::chrono::milliseconds timeLimit{20000};
    std::chrono::milliseconds timePerForm{20};
};

// The settings of the running program: the analyser named by $ORBALIS_ANALYSER when it is set.
AnalyserSettings analyserSettingsFromEnvironment();

enum class AnalyserFailure {
    None,
    NotInstalled,  // the program is not there
    CannotStart,   // it is there but does not start
    Crashed,       // it ended by a signal or with an error status
    TimedOut,      // it did not finish within the time limit and was stopped
    Unreadable,    // its report is not one the converter can cut into forms
    NoFolder,      // no temporary folder could be made for it
};

struct AnalyserProposals {
    Proposals proposals;
    AnalyserFailure failure = AnalyserFailure::None;
    std::string detail;  // the signal, status or reason, for the message
};

// Runs the analyser over `forms` (lower-cased forms of the letters a-z; others are left out)
// and converts its report. Guesses are dropped where a form has a real analysis, and always for a
// capitalised form; translations come from the lexicon by lemma and category (else the analyser's
// English meaning in square brackets). Never throws for the analyser's failures: they are
// returned, with no proposals.
AnalyserProposals proposeWithAnalyser(const std::vector<UnknownForm> &forms, const LexiconTable &lexicon,
                                      const AnalyserSettings &settings);

// Proposals for every not-found form of `grid`: the thesaurus's variants and enclitic hosts
// first, then the analyser for the forms still without any. A capitalised form the names file
// `names` knows (empty when there is none) has the name's readings first, then the analyser's
// others. The failure of the analyser is returned beside the proposals of the other sources.
AnalyserProposals proposeForGrid(const Grid &grid, const ThesaurusTable &table, const ThesaurusTable &names,
                                 const LexiconTable &lexicon, const AnalyserSettings &settings);

// The one message, in Italian, that tells the user what went wrong with the analyser; empty for
// AnalyserFailure::None.
std::string analyserFailureMessage(const AnalyserProposals &outcome, const AnalyserSettings &settings);
inline constexpr std::string_view kAnalyserTitle = "Analizzatore morfologico";

// The analyser's report cut at the marker word that follows each form (see the input written for
// it): report i is the text before marker i. nullopt when the markers are not all there in order.
std::optional<std::vector<std::string>> splitAnalyserReport(std::string_view report, std::size_t forms);

}  // namespace orbalis
