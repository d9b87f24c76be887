#include "analysis/vocabulary.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>

#include "analysis/analysis_grid.h"
#include "records/fixed_text.h"
#include "text/encoding.h"

namespace orbalis {

namespace {

constexpr std::array<std::string_view, 6> kMarkers = {"(comp.) ", "(superl.) ", "[e] ",
                                                      "[?] ",     "[o] ",       "(+ cum) "};

std::string_view withoutMarkers(std::string_view translation) {
    for (bool again = true; again;) {
        again = false;
        for (std::string_view marker : kMarkers)
            if (translation.starts_with(marker)) {
                translation.remove_prefix(marker.size());
                again = true;
            }
    }
    return translation;
}

}  // namespace

std::vector<VocabularyEntry> textVocabulary(const Grid &grid) {
    using namespace analysis_columns;
    // Keyed by lower-cased lemma, then category, then the lemma as written.
    std::map<std::tuple<std::string, std::string, std::string>, VocabularyEntry> entries;
    const std::string *runForm = nullptr;
    std::set<std::array<Grid::TextId, 5>> tokenRows;  // the analyses of the current token
    std::set<std::tuple<std::string, std::string, std::string>> tokenLemmas;
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        const std::string &form = grid.text(row, kForm);
        const std::array<Grid::TextId, 5> analysis = {
            grid.textId(row, kLemma), grid.textId(row, kTranslation), grid.textId(row, kCategory),
            grid.textId(row, kCaseGenderNumber), grid.textId(row, kMoodTenseVoice)};
        if (!runForm || *runForm != form || !tokenRows.insert(analysis).second) {
            runForm = &form;
            tokenRows = {analysis};
            tokenLemmas.clear();
        }
        const std::string_view lemma = trimRight(grid.text(row, kLemma));
        if (lemma.empty() || lemma == kEmptyValue) continue;
        const std::string category(trimRight(grid.text(row, kCategory)));
        auto key = std::make_tuple(lowerCp1252(lemma), category, std::string(lemma));
        VocabularyEntry &entry = entries[key];
        if (entry.lemma.empty()) entry = {std::string(lemma), category == kEmptyValue ? "" : category, "", 0};
        if (entry.translation.empty() || entry.translation == kEmptyValue)
            entry.translation = std::string(withoutMarkers(trimRight(grid.text(row, kTranslation))));
        if (tokenLemmas.insert(std::move(key)).second) ++entry.occurrences;
    }
    std::vector<VocabularyEntry> list;
    list.reserve(entries.size());
    for (auto &[key, entry] : entries) list.push_back(std::move(entry));
    return list;
}

Grid vocabularyGrid(const std::vector<VocabularyEntry> &entries) {
    using namespace vocabulary_columns;
    Grid grid(1 + entries.size(), kCount);
    const std::array<std::string_view, kCount> headers = {"Lemma", "Cat. gramm.", "Traduzione", "Occorrenze"};
    const std::array<int, kCount> widths = {2200, 1275, 6600, 1200};
    for (std::size_t column = 0; column < kCount; ++column) {
        grid.setText(0, column, headers[column]);
        grid.setAlignment(0, column, Alignment::Centre);
        grid.setColumnWidth(column, widths[column]);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t row = i + 1;
        grid.setText(row, kLemma, entries[i].lemma);
        grid.setBold(row, kLemma, true);
        grid.setColour(row, kLemma, TextColour::DarkBlue);
        grid.setText(row, kCategory, entries[i].category);
        grid.setText(row, kTranslation, entries[i].translation);
        grid.setText(row, kOccurrences, std::to_string(entries[i].occurrences));
    }
    return grid;
}

}  // namespace orbalis
