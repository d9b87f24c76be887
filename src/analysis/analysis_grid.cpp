#include "analysis/analysis_grid.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

#include "analysis/proposals.h"
#include "records/fixed_text.h"
#include "text/encoding.h"

namespace orbalis {

using namespace analysis_columns;

namespace {

constexpr std::array<std::string_view, kCount> kHeaders = {
    "Forme", "Lemma", "Traduzione", "Cat. gramm.", "Caso, genere, numero", "Modo, tempi, voce", "Indic."};

// Column widths in 1/1440 inch: at the default size of a workspace on a screen 1366 pixels wide
// the whole row, indicator included, is in view beside the edit panel.
constexpr std::array<int, kCount> kWidths = {1950, 1800, 2850, 1275, 2100, 2100, 750};

constexpr std::uint32_t kNoEntry = std::numeric_limits<std::uint32_t>::max();

// Answers, for a lower-cased form, which entries are its analyses and whether the lookup finds
// them, without scanning the table per form.
//
// Full mode finds every entry whose lower-cased form equals the form. Sorted mode walks the table
// from the start and stops at the first entry that is equal to the form or sorts after it; the
// form is found only when that entry is equal, and then every equal entry (all of which lie at
// or after it) is an analysis. "The first entry not below x" is found by binary search over the
// running maximum of the entries' forms, which never decreases whatever the table's order.
class FormIndex {
public:
    // The analyses of one lower-cased form: a chain through next(), in table order.
    struct Analyses {
        std::uint32_t first = kNoEntry;
        std::uint32_t last = kNoEntry;
        std::uint32_t count = 0;
    };

    explicit FormIndex(const ThesaurusTable &table) : m_table(table), m_next(table.size(), kNoEntry) {
        std::size_t bytes = 0;
        for (const ThesaurusEntry &entry : table) bytes += entry.form().size();
        m_loweredBytes = std::make_unique_for_overwrite<char[]>(bytes);
        m_lowered.reserve(table.size());
        char *out = m_loweredBytes.get();
        for (const ThesaurusEntry &entry : table) {
            const std::string_view form = entry.form();
            for (std::size_t k = 0; k < form.size(); ++k) out[k] = lowerCp1252(form[k]);
            m_lowered.emplace_back(out, form.size());
            out += form.size();
        }
        m_analyses.reserve(table.size());
        m_runningMax.reserve(table.size());
        for (std::uint32_t i = 0; i < table.size(); ++i) {
            if (!table[i].sentinel()) {
                Analyses &analyses = m_analyses[m_lowered[i]];
                (analyses.count == 0 ? analyses.first : m_next[analyses.last]) = i;
                analyses.last = i;
                ++analyses.count;
            }
            m_runningMax.push_back(i == 0 || sortsAfter(i, m_runningMax.back()) ? i : m_runningMax.back());
        }
    }

    // The analyses of `lowered`, or nullptr when the lookup does not find it.
    const Analyses *find(std::string_view lowered, LookupMode mode) const {
        const auto found = m_analyses.find(lowered);
        if (found == m_analyses.end()) return nullptr;
        if (mode == LookupMode::Full) return &found->second;
        const auto stop = std::partition_point(m_runningMax.begin(), m_runningMax.end(),
                                               [&](std::uint32_t i) { return !stopsScanOf(i, lowered); });
        if (stop == m_runningMax.end() || *stop != found->second.first) return nullptr;
        return &found->second;
    }

    std::uint32_t next(std::uint32_t entry) const { return m_next[entry]; }

private:
    // Whether entry i ends the sorted scan of a form not yet found: it equals the form or sorts
    // after it. A sentinel never equals a form, so it ends only the scans of forms below it.
    bool stopsScanOf(std::uint32_t i, std::string_view lowered) const {
        const int order = m_lowered[i].compare(lowered);
        return order > 0 || (order == 0 && !m_table[i].sentinel());
    }

    // Entry a sorts after entry b in scan-stopping order (a sentinel just below its own text).
    bool sortsAfter(std::size_t a, std::size_t b) const {
        const int order = m_lowered[a].compare(m_lowered[b]);
        if (order != 0) return order > 0;
        return !m_table[a].sentinel() && m_table[b].sentinel();
    }

    const ThesaurusTable &m_table;
    std::unique_ptr<char[]> m_loweredBytes;
    std::vector<std::string_view> m_lowered;
    std::unordered_map<std::string_view, Analyses> m_analyses;
    std::vector<std::uint32_t> m_next;
    std::vector<std::uint32_t> m_runningMax;
};

}  // namespace

Grid makeAnalysisGrid() {
    return Grid(20, kCount);
}

void setUpGridHeader(Grid &grid, GridHeader header) {
    for (std::size_t column = 0; column < kCount; ++column) {
        grid.setText(0, column, kHeaders[column]);
        grid.setAlignment(0, column, Alignment::Centre);
        grid.setColumnWidth(column, kWidths[column]);
    }
    if (header == GridHeader::Reopened) grid.setText(0, kTranslation, "Trazione");
}

AnalysisFields rowTexts(const Grid &grid, std::size_t row) {
    return {grid.text(row, kForm),
            grid.text(row, kLemma),
            grid.text(row, kTranslation),
            grid.text(row, kCategory),
            grid.text(row, kCaseGenderNumber),
            grid.text(row, kMoodTenseVoice)};
}

void setRowTexts(Grid &grid, std::size_t row, const AnalysisFields &fields) {
    grid.setText(row, kForm, fields.form);
    grid.setText(row, kLemma, fields.lemma);
    grid.setText(row, kTranslation, fields.translation);
    grid.setText(row, kCategory, fields.category);
    grid.setText(row, kCaseGenderNumber, fields.caseGenderNumber);
    grid.setText(row, kMoodTenseVoice, fields.moodTenseVoice);
}

std::size_t fillAnalysisGrid(Grid &grid, const FormList &forms, const ThesaurusTable &table,
                             LookupMode mode) {
    const FormIndex index(table);

    struct FormLookup {
        Grid::TextId formText;
        const FormIndex::Analyses *analyses;
    };
    std::unordered_map<std::string_view, FormLookup> lookups;
    std::vector<const FormLookup *> perForm;
    perForm.reserve(forms.size());
    std::size_t rowsNeeded = 0;
    for (const std::string &form : forms) {
        auto [it, added] = lookups.try_emplace(form);
        if (added) it->second = {grid.intern(form), index.find(lowerCp1252(form), mode)};
        perForm.push_back(&it->second);
        rowsNeeded += it->second.analyses ? it->second.analyses->count : 1;
    }

    // The grid grows by one row whenever the lookup moves on while the next row to fill is one
    // past the end. Every write is preceded by such a step; a found form is followed by further
    // steps (the rest of the table), so the grid then ends with one empty row.
    const bool lastFound = !perForm.empty() && perForm.back()->analyses;
    grid.setRowCount(std::max(grid.rowCount(), 1 + rowsNeeded + (lastFound ? 1 : 0)));

    constexpr auto kUnset = std::numeric_limits<Grid::TextId>::max();
    std::vector<std::array<Grid::TextId, 5>> entryTexts(table.size(), {kUnset});
    const Grid::TextId emptyValue = grid.intern(kEmptyValue);
    const Grid::TextId notFound = grid.intern(kNotFoundMark);

    std::size_t row = 1;
    auto writeForm = [&](const FormLookup &lookup) {
        grid.setTextId(row, kForm, lookup.formText);
        grid.setBold(row, kForm, true);
        grid.setColour(row, kForm, TextColour::DarkBlue);
    };
    for (const FormLookup *lookup : perForm) {
        if (!lookup->analyses) {
            writeForm(*lookup);
            for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column)
                grid.setTextId(row, column, emptyValue);
            grid.setTextId(row, kIndicator, notFound);
            grid.setCurrentCell(row, kIndicator);
            ++row;
            continue;
        }
        const bool homograph = lookup->analyses->count > 1;
        for (std::uint32_t i = lookup->analyses->first; i != kNoEntry; i = index.next(i)) {
            auto &texts = entryTexts[i];
            if (texts[0] == kUnset) {
                const ThesaurusEntry &entry = table[i];
                texts = {grid.intern(entry.lemma()), grid.intern(entry.translation()),
                         grid.intern(entry.category()), grid.intern(entry.caseGenderNumber()),
                         grid.intern(entry.moodTenseVoice())};
            }
            writeForm(*lookup);
            for (std::size_t column = kLemma; column <= kMoodTenseVoice; ++column) {
                grid.setTextId(row, column, texts[column - kLemma]);
                if (homograph) grid.setColour(row, column, TextColour::Orange);
            }
            grid.setCurrentCell(row, kMoodTenseVoice);
            ++row;
        }
    }
    return row;
}

AnalysisWorkspace openAnalysisWorkspace(std::string_view text, const std::string &thesaurusPath,
                                        LookupMode mode, WhenMissing whenMissing) {
    if (text.size() > kWorkspaceTextLimitBytes)
        throw TextTooLongForWorkspace(text.size(), kWorkspaceTextLimitBytes);
    AnalysisWorkspace workspace;
    setUpGridHeader(workspace.grid);
    workspace.forms = tokenizeText(text);
    workspace.grid.setRowCount(1 + workspace.forms.size());
    workspace.table = loadWorkspaceTable(thesaurusPath, whenMissing);
    workspace.nextRow = fillAnalysisGrid(workspace.grid, workspace.forms, workspace.table, mode);
    return workspace;
}

GridSummary summariseGrid(const Grid &grid) {
    GridSummary summary;
    enum class State { Known, Proposed, Unknown };
    const std::string *previousForm = nullptr;
    State previous = State::Known;
    auto count = [&](State state, bool add) {
        std::size_t *counter = state == State::Unknown    ? &summary.unknown
                               : state == State::Proposed ? &summary.proposed
                                                          : nullptr;
        if (counter) add ? ++*counter : --*counter;
    };
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        const std::string &form = grid.text(row, kForm);
        if (trimRight(form).empty() && trimRight(grid.text(row, kLemma)).empty()) {
            previousForm = nullptr;
            continue;
        }
        ++summary.rows;
        const std::string_view lemma = trimRight(grid.text(row, kLemma));
        const std::string_view indicator = trimRight(grid.text(row, kIndicator));
        const State state = indicator == kProposalMark ? State::Proposed
                            : indicator == kNotFoundMark && (lemma.empty() || lemma == kEmptyValue)
                                ? State::Unknown
                                : State::Known;
        if (previousForm && *previousForm == form) {
            // A further row of the same form: known once any of its rows is, proposed once any
            // of its rows is a proposal and none is known.
            const State merged = std::min(previous, state);
            if (merged != previous) {
                count(previous, false);
                count(merged, true);
                previous = merged;
            }
            continue;
        }
        ++summary.forms;
        count(state, true);
        previousForm = &form;
        previous = state;
    }
    return summary;
}

}  // namespace orbalis
