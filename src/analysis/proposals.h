// Proposed analyses for the forms a thesaurus does not know: the thesaurus itself under another
// spelling of the form, or the analyses of the form's host when it ends in an enclitic. They take
// the place of the form's not-found row, one row per analysis, marked "?" in the indicator column
// and coloured as proposals, until the user confirms them into a user thesaurus.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_grid.h"
#include "analysis/grid_change.h"
#include "records/thesaurus_record.h"
#include "records/thesaurus_table.h"

namespace orbalis {

inline constexpr std::string_view kProposalMark = "?";                // the indicator of a proposed analysis
inline constexpr TextColour kProposalColour = TextColour::DarkGreen;  // its analysis columns

// Proposed analyses by lower-cased form. The form field of each analysis is left empty: the grid
// keeps the form as the text writes it. Empty texts are "_", as in the rows of the lookup.
using Proposals = std::map<std::string, std::vector<AnalysisFields>>;

// A form of the grid that the thesaurus did not know and that no one has analysed yet.
struct UnknownForm {
    std::string lowered;
    bool capitalised = false;  // every occurrence begins with a capital (a name, most likely)
};

// Whether grid row `row` is a not-found row the user has not touched ("*" and no lemma), a
// proposal ("?"), or neither.
bool isNotFoundRow(const Grid &grid, std::size_t row);
bool isProposalRow(const Grid &grid, std::size_t row);

// The forms of the grid's untouched not-found rows, each once, in grid order.
std::vector<UnknownForm> unknownForms(const Grid &grid);

// `lowered` with its accents and diaeresis dropped and æ, œ written ae, oe (poëta, cætera).
std::string plainSpelling(std::string_view lowered);

// Spellings other than `lowered` under which a thesaurus may hold the form, each once: accents
// and ligatures written plainly, j as i and v as u and back, assimilated prefixes both ways
// (adf-/aff-, conl-/coll-, inm-/imm-, adp-/app- ...), -und-/-end- (faciundi).
std::vector<std::string> spellingVariants(std::string_view lowered);

// A form ending in -que, -ne or -ve: its host and the marker put before the host's translation
// ("[e] ", "[?] ", "[o] "). nullopt for other forms and for a host of fewer than two letters.
struct EncliticSplit {
    std::string host;
    std::string_view marker;
};
std::optional<EncliticSplit> splitEnclitic(std::string_view lowered);

// Proposals from the thesaurus for `forms`: the analyses of every spelling variant it holds;
// failing those, the analyses of the host of an enclitic (under its own spelling or a variant),
// marked before their translation. Forms with neither are left out.
Proposals proposeFromThesaurus(const std::vector<UnknownForm> &forms, const ThesaurusTable &table);

// Proposals from the names file `names` (a thesaurus of the forms of proper names) for the forms
// written with a capital wherever they stand, by the same rules: the form or a spelling variant,
// failing those the host of an enclitic (Xanthumque). Lower-case forms are left out.
Proposals proposeNames(const std::vector<UnknownForm> &forms, const ThesaurusTable &names);

// Replaces every untouched not-found row whose form has proposals by one row per proposal: "?"
// in the indicator, the analysis columns in the proposal colour. Other rows keep their order and
// looks; the selected row follows its row (or goes to the first proposal of a replaced row).
struct PlacedProposals {
    std::size_t rows = 0;  // proposal rows placed
    GridChange change;
};
PlacedProposals placeProposals(AnalysisWorkspace &workspace, const Proposals &proposals);

// The first not-found or proposal row after `after`, wrapping round to the top; 0 when none.
std::size_t nextRowNeedingWork(const Grid &grid, std::size_t after);

}  // namespace orbalis
