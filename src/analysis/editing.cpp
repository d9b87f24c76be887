#include "analysis/editing.h"

#include <array>
#include <set>
#include <utility>
#include <vector>

#include "analysis/analysis_file.h"
#include "analysis/proposals.h"
#include "records/file_error.h"
#include "records/fixed_text.h"
#include "records/record_file.h"
#include "records/thesaurus_table.h"
#include "text/encoding.h"

namespace orbalis {

using namespace analysis_columns;

namespace {

constexpr std::string_view kAlreadyPresentTitle = "Analisi esistente";
constexpr std::string_view kAlreadyPresent = "Forma (+Analisi) presenta in Thesaurus";
constexpr std::string_view kNoThesaurusChosen =
    "Nessun Thesaurus scelto: la modifica e' stata applicata alla griglia, ma l'analisi non e' stata "
    "aggiunta a un Thesaurus.";

constexpr std::string_view kBuiltInRefusesProposals =
    "Il Thesaurus Orbalis non accetta aggiunte: per confermare le proposte aprire l'analisi con un "
    "Thesaurus personale.";
constexpr std::string_view kNoThesaurusForProposals =
    "Nessun Thesaurus scelto: le proposte non possono essere confermate.";
constexpr std::string_view kNoProposals = "Non ci sono proposte da confermare.";

bool isDataRow(const Grid &grid, std::size_t row) {
    return row >= 1 && row < grid.rowCount();
}

// A row's texts as the edit fields show them: without trailing spaces.
AnalysisFields rowFields(const Grid &grid, std::size_t row) {
    AnalysisFields fields = rowTexts(grid, row);
    for (std::string *text : {&fields.form, &fields.lemma, &fields.translation, &fields.category,
                              &fields.caseGenderNumber, &fields.moodTenseVoice})
        text->resize(trimRight(*text).size());
    return fields;
}

bool rowIsBlank(const Grid &grid, std::size_t row) {
    for (std::size_t column = 0; column < kCount; ++column)
        if (!trimRight(grid.text(row, column)).empty()) return false;
    return true;
}

void highlightRow(Grid &grid, std::size_t row) {
    grid.setCurrentCell(row, kForm);
    grid.setSelection(row, kIndicator);
}

std::string folded(std::string_view text) {
    return lowerCp1252(trimRight(text));
}

// A confirmed proposal: no indicator, the analysis columns in the ordinary colour.
void makeOrdinary(Grid &grid, std::size_t row) {
    grid.setText(row, kIndicator, "");
    for (std::size_t column = kLemma; column < kCount; ++column)
        grid.setColour(row, column, TextColour::Default);
}

// The identity test's key of an analysis: what holdsAnalysis compares, in one text.
std::string analysisKey(const AnalysisFields &fields, WorkspaceKind kind) {
    auto value = [](std::string_view text) {
        const std::string lowered = folded(text);
        return lowered.empty() ? std::string(kEmptyValue) : lowered;
    };
    std::string key =
        kind == WorkspaceKind::Reopened ? folded(fields.form) : lowerCp1252(std::string_view(fields.form));
    for (const std::string *text : {&fields.lemma, &fields.translation, &fields.category,
                                    &fields.caseGenderNumber, &fields.moodTenseVoice}) {
        key += '\t';
        key += value(*text);
    }
    return key;
}

// An entry holds the analysis that would be appended: every text compared lower-cased with its
// trailing spaces removed, an empty text standing for the "_" it would be stored as. The form's
// trailing spaces count in the workspace filled by a lookup (whose table forms are already
// trimmed), not in the re-opened one.
bool holdsAnalysis(const ThesaurusEntry &entry, const AnalysisFields &stored, WorkspaceKind kind) {
    if (entry.sentinel()) return false;
    auto value = [](std::string_view text) {
        const std::string lowered = folded(text);
        return lowered.empty() ? std::string(kEmptyValue) : lowered;
    };
    const std::string form =
        kind == WorkspaceKind::Reopened ? folded(stored.form) : lowerCp1252(std::string_view(stored.form));
    const std::array<std::pair<std::string_view, std::string_view>, 5> columns = {{
        {entry.lemma(), stored.lemma},
        {entry.translation(), stored.translation},
        {entry.category(), stored.category},
        {entry.caseGenderNumber(), stored.caseGenderNumber},
        {entry.moodTenseVoice(), stored.moodTenseVoice},
    }};
    if (folded(entry.form()) != form) return false;
    for (const auto &[held, typed] : columns)
        if (value(held) != value(typed)) return false;
    return true;
}

// Appends the analysis to the thesaurus file and to the table, unless the table already holds it.
ApplyOutcome addToThesaurus(AnalysisWorkspace &workspace, const AnalysisFields &fields,
                            const std::string &rowForm, const std::string &path, Prompter &prompter) {
    AnalysisFields stored = fields;
    if (rowForm.empty()) stored.form = kEmptyValue;
    for (const ThesaurusEntry &entry : workspace.table) {
        if (!holdsAnalysis(entry, stored, workspace.kind)) continue;
        std::string text(kAlreadyPresent);
        if (workspace.kind == WorkspaceKind::Reopened) text += '.';
        prompter.inform(std::string(kAlreadyPresentTitle), text, Icon::Information);
        return ApplyOutcome::AlreadyPresent;
    }
    const ThesaurusRecord record = appendThesaurusRecord(path, stored);
    workspace.table.append(record, EntryTrim::FormOnly);
    return ApplyOutcome::Added;
}

}  // namespace

std::optional<AnalysisFields> selectRow(AnalysisWorkspace &workspace, std::size_t row) {
    Grid &grid = workspace.grid;
    if (!isDataRow(grid, row) || rowIsBlank(grid, row)) return std::nullopt;
    workspace.selectedRow = row;
    highlightRow(grid, row);
    return rowFields(grid, row);
}

ApplyResult applyEdit(AnalysisWorkspace &workspace, const AnalysisFields &fields,
                      const std::optional<ThesaurusAddition> &addition, Prompter &prompter) {
    Grid &grid = workspace.grid;
    const std::size_t row = workspace.selectedRow;
    if (!isDataRow(grid, row)) {
        prompter.inform("", std::string(kSelectFormMessage), Icon::None);
        return {};
    }
    const std::string rowForm = grid.text(row, kForm);

    ApplyResult result{ApplyOutcome::Applied, GridChange::changed(row, row), std::nullopt};
    if (addition && addition->path.empty()) {
        prompter.inform("", std::string(kNoThesaurusChosen), Icon::Information);
        result.outcome = ApplyOutcome::NoThesaurus;
    } else if (addition) {
        // A thesaurus that cannot take the analysis must not cost the user the edit itself.
        try {
            result.outcome = addToThesaurus(workspace, fields, rowForm, addition->path, prompter);
        } catch (const FileError &error) {
            result.failure = error;
        }
    }

    setRowTexts(grid, row, fields);
    const bool confirmed =
        result.outcome == ApplyOutcome::Added || result.outcome == ApplyOutcome::AlreadyPresent;
    if (confirmed && isProposalRow(grid, row)) makeOrdinary(grid, row);
    highlightRow(grid, row);
    return result;
}

AcceptResult acceptProposals(AnalysisWorkspace &workspace, const std::optional<ThesaurusAddition> &addition,
                             Prompter &prompter) {
    Grid &grid = workspace.grid;
    if (!addition) {
        prompter.inform(std::string(kAcceptTitle), std::string(kBuiltInRefusesProposals), Icon::Information);
        return {};
    }
    if (addition->path.empty()) {
        prompter.inform(std::string(kAcceptTitle), std::string(kNoThesaurusForProposals), Icon::Information);
        return {};
    }
    // What the thesaurus holds, and what the proposals would add (each analysis once).
    std::set<std::string> held;
    for (const ThesaurusEntry &entry : workspace.table)
        if (!entry.sentinel())
            held.insert(
                analysisKey({std::string(entry.form()), std::string(entry.lemma()),
                             std::string(entry.translation()), std::string(entry.category()),
                             std::string(entry.caseGenderNumber()), std::string(entry.moodTenseVoice())},
                            workspace.kind));
    std::vector<std::size_t> rows;
    std::vector<std::pair<std::size_t, AnalysisFields>> additions;
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        if (!isProposalRow(grid, row)) continue;
        rows.push_back(row);
        AnalysisFields fields = rowFields(grid, row);
        if (fields.form.empty()) fields.form = kEmptyValue;
        if (held.insert(analysisKey(fields, workspace.kind)).second)
            additions.emplace_back(row, std::move(fields));
    }
    if (rows.empty()) {
        prompter.inform(std::string(kAcceptTitle), std::string(kNoProposals), Icon::Information);
        return {};
    }
    const std::string question =
        additions.size() == 1 ? std::string("1 analisi proposta sara' aggiunta al Thesaurus. Continuare?")
                              : std::to_string(additions.size()) +
                                    " analisi proposte saranno aggiunte al Thesaurus. Continuare?";
    if (!prompter.askYesNo(std::string(kAcceptTitle), question)) return {};

    AcceptResult result;
    std::size_t next = 0;  // the next addition, in row order
    for (std::size_t row : rows) {
        if (next < additions.size() && additions[next].first == row) {
            try {
                const ThesaurusRecord record = appendThesaurusRecord(addition->path, additions[next].second);
                workspace.table.append(record, EntryTrim::FormOnly);
            } catch (const FileError &error) {
                result.failure = error;
                break;
            }
            ++result.added;
            ++next;
        }
        makeOrdinary(grid, row);
        ++result.confirmed;
    }
    if (result.confirmed > 0) result.change = GridChange::changed(rows.front(), rows[result.confirmed - 1]);
    return result;
}

DeleteResult deleteRow(AnalysisWorkspace &workspace, Prompter &prompter) {
    Grid &grid = workspace.grid;
    const std::size_t selected = workspace.selectedRow;
    if (!isDataRow(grid, selected)) {
        prompter.inform("", std::string(kSelectFormMessage), Icon::None);
        return {};
    }
    const std::size_t last = grid.rowCount() - 1;
    // Each row below moves up one: its texts and the colours of its analysis columns; the form
    // cell keeps the colour and weight it had.
    for (std::size_t row = selected + 1; row <= last; ++row) {
        for (std::size_t column = 0; column < kCount; ++column) {
            grid.setTextId(row - 1, column, grid.textId(row, column));
            if (column != kForm) grid.setColour(row - 1, column, grid.colour(row, column));
        }
    }
    for (std::size_t column = 0; column < kCount; ++column) grid.setText(last, column, "");
    highlightRow(grid, selected);
    return {GridChange::changed(selected, last), rowFields(grid, selected)};
}

GridChange duplicateRow(AnalysisWorkspace &workspace, Prompter &prompter) {
    Grid &grid = workspace.grid;
    const std::size_t selected = workspace.selectedRow;
    if (!isDataRow(grid, selected)) {
        prompter.inform("", std::string(kSelectFormMessage), Icon::None);
        return GridChange::none();
    }
    // The only step that can fail (memory) comes first, before any row has moved.
    const Grid::TextId emptyValue = grid.intern(kEmptyValue);
    grid.appendRow();
    // Rows below the selected one move down one: texts, the form cell's colour (bold), and the
    // colour of column 1 for the analysis columns.
    auto moveStyle = [&](std::size_t from, std::size_t to) {
        grid.setColour(to, kForm, grid.colour(from, kForm));
        grid.setBold(to, kForm, true);
        for (std::size_t column = kLemma; column < kCount; ++column)
            grid.setColour(to, column, grid.colour(from, kLemma));
    };
    for (std::size_t row = grid.rowCount() - 2; row > selected; --row) {
        for (std::size_t column = 0; column < kCount; ++column)
            grid.setTextId(row + 1, column, grid.textId(row, column));
        moveStyle(row, row + 1);
    }
    const std::size_t added = selected + 1;
    grid.setTextId(added, kForm, grid.textId(selected, kForm));
    for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
        grid.setTextId(added, column, emptyValue);
    grid.setTextId(added, kIndicator, grid.textId(selected, kIndicator));
    moveStyle(selected, added);
    return GridChange::inserted(added, 1);
}

AnalysisWorkspace openReopenedWorkspace(const std::string &path) {
    AnalysisWorkspace workspace;
    workspace.kind = WorkspaceKind::Reopened;
    loadAnalysisFile(path, workspace.grid);
    return workspace;
}

bool chooseThesaurusLater(AnalysisWorkspace &workspace, Prompter &prompter) {
    if (workspace.thesaurusChosen) return false;
    workspace.thesaurusChosen = true;  // first, so that the choice is never offered twice
    const auto path = prompter.chooseFile(FileRole::Open, std::string(kDatFilter));
    if (!path || path->empty()) return false;
    const RecordFile file(*path, thesaurus_format::kRecordLength, Access::Read, WhenMissing::Create);
    workspace.table = ThesaurusTable::fromFile(file, EntryTrim::AllColumns);
    // Additions go to the file only once it has been read: a thesaurus that cannot be read gets
    // nothing appended either.
    workspace.additionsPath = *path;
    if (file.sizeInBytes() == 0) prompter.inform("", "Il Thesaurus e' vuoto!", Icon::None);
    return true;
}

}  // namespace orbalis
