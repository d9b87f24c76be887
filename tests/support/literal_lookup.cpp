#include "literal_lookup.h"

#include "text/encoding.h"

namespace orbalis::reference {

using namespace analysis_columns;

std::size_t literalFillAnalysisGrid(Grid &grid, const FormList &forms, const ThesaurusTable &table,
                                    LookupMode mode) {
    std::size_t nextRow = 1;
    for (const std::string &form : forms) {
        const std::string wanted = lowerCp1252(form);
        bool pending = true;
        auto writeNotFound = [&] {
            grid.setCurrentCell(nextRow, kForm);
            grid.setText(nextRow, kForm, form);
            grid.setBold(nextRow, kForm, true);
            grid.setColour(nextRow, kForm, TextColour::DarkBlue);
            for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
                grid.setText(nextRow, column, "_");
            grid.setText(nextRow, kIndicator, "*");
            grid.setCurrentCell(nextRow, kIndicator);
            ++nextRow;
            pending = false;
        };
        bool stopped = false;
        // Steps 0 .. size()-1 examine the entries; step size() is the final empty step.
        for (std::size_t j = 0; j <= table.size() && !stopped; ++j) {
            if (nextRow == grid.rowCount()) grid.appendRow();
            const bool isFinalStep = j == table.size();
            const std::string entryForm = isFinalStep ? std::string() : lowerCp1252(table[j].form());
            // A sentinel entry of an empty thesaurus stands in no analysis.
            const bool equal = !isFinalStep && !table[j].sentinel() && entryForm == wanted;
            if (equal) {
                if (!pending) {
                    const std::size_t current = grid.currentRow();
                    for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
                        grid.setColour(current, column, TextColour::Orange);
                }
                grid.setCurrentCell(nextRow, kForm);
                if (!pending)
                    for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
                        grid.setColour(nextRow, column, TextColour::Orange);
                const ThesaurusEntry &entry = table[j];
                grid.setText(nextRow, kForm, form);
                grid.setBold(nextRow, kForm, true);
                grid.setColour(nextRow, kForm, TextColour::DarkBlue);
                grid.setText(nextRow, kLemma, entry.lemma());
                grid.setText(nextRow, kTranslation, entry.translation());
                grid.setText(nextRow, kCategory, entry.category());
                grid.setText(nextRow, kCaseGenderNumber, entry.caseGenderNumber());
                grid.setText(nextRow, kMoodTenseVoice, entry.moodTenseVoice());
                grid.setCurrentCell(nextRow, kMoodTenseVoice);
                ++nextRow;
                pending = false;
            } else if (mode == LookupMode::Sorted && pending && entryForm > wanted) {
                writeNotFound();
                stopped = true;
            }
        }
        if (pending) writeNotFound();
    }
    return nextRow;
}

}  // namespace orbalis::reference
