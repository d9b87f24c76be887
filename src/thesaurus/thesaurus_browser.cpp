#include "thesaurus/thesaurus_browser.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <span>
#include <tuple>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "records/coding_system.h"
#include "records/file_error.h"
#include "records/fixed_text.h"
#include "text/encoding.h"

namespace orbalis {

using namespace thesaurus_format;

namespace {

std::vector<ResultsColumn> browserColumns(BrowserKind kind) {
    return {{"Forme", 1500},
            {"Lemma", 1500},
            {"Traduzione", 1750},
            {"Cat. gramm.", kind == BrowserKind::BuiltIn ? 1500 : 0},
            {"Caso, genere, numero", 1750},
            {"Modo, tempi, voce", 1750}};
}

std::string_view trimBoth(std::string_view text) {
    return trimLeft(trimRight(text));
}

// Where a descriptor stands in a paradigm: the rank (from 1, 0 when the part is not given) of
// each of its parts in the order the parts are compared, then whatever the coding system does
// not know, which sorts after everything it knows.
struct DescriptorKey {
    std::array<int, 4> ranks{};
    bool unknown = false;
    std::string rest;

    auto tie() const { return std::tie(unknown, ranks, rest); }
    bool operator<(const DescriptorKey &other) const { return tie() < other.tie(); }
};

// `groups` in the order their ranks are compared.
DescriptorKey descriptorKey(std::string_view descriptor,
                            std::initializer_list<std::span<const coding::Code>> groups) {
    DescriptorKey key;
    std::string_view text = trimBoth(descriptor);
    if (text == "_") return key;
    while (!text.empty()) {
        std::size_t bestLength = 0, slot = 0;
        int rank = 0;
        std::size_t groupIndex = 0;
        for (const auto group : groups) {
            for (std::size_t i = 0; i < group.size(); ++i) {
                const std::string_view token = trimRight(group[i].token);
                const bool whole =
                    text.size() == token.size() || (text.size() > token.size() && text[token.size()] == ' ');
                if (token.size() > bestLength && text.starts_with(token) && whole)
                    bestLength = token.size(), slot = groupIndex, rank = static_cast<int>(i) + 1;
            }
            ++groupIndex;
        }
        if (bestLength == 0) {
            key.unknown = true;
            key.rest = lowerCp1252(text);
            break;
        }
        key.ranks[slot] = rank;
        text = trimLeft(text.substr(bestLength));
    }
    return key;
}

int categoryRank(std::string_view category) {
    const auto codes = coding::categories();
    const std::string_view code = trimBoth(category);
    const auto found =
        std::find_if(codes.begin(), codes.end(), [&](const coding::Code &c) { return c.token == code; });
    return static_cast<int>(found - codes.begin());
}

}  // namespace

ThesaurusBrowser::ThesaurusBrowser(BrowserKind kind) : m_kind(kind), m_listing(browserColumns(kind)) {}

std::size_t ThesaurusBrowser::load(const std::string &path, WhenMissing whenMissing) {
    const RecordFile file(path, kRecordLength, Access::Read, whenMissing);
    ThesaurusTable table = ThesaurusTable::fromFile(file, EntryTrim::FormOnly);
    m_listing.setUpResultsGrid();
    m_path = path;
    m_readSize = file.sizeInBytes();
    m_table = std::move(table);
    return m_table.size();
}

void ThesaurusBrowser::openBuiltIn(const std::string &builtInPath, Prompter &prompter) {
    // The built-in thesaurus is only ever read: a missing one is not created.
    if (load(builtInPath, WhenMissing::ReadEmpty) == 0)
        prompter.inform("", "Il file 'donnees.dat' non esiste!", Icon::None);
}

void ThesaurusBrowser::openOther(Prompter &prompter) {
    const auto path = prompter.chooseFile(FileRole::Open, std::string(kDatFilter));
    if (!path || path->empty()) return;
    if (load(*path) == 0) prompter.inform("", std::string(kEmptyThesaurusMessage), Icon::None);
}

void ThesaurusBrowser::beginListing(std::string_view noHitMessage) {
    m_listing.begin(noHitMessage);
    m_resultIndex.clear();
    m_hits.clear();
    m_chosenRow = 0;
}

void ThesaurusBrowser::addHit(std::size_t i) {
    const ThesaurusEntry &entry = m_table[i];
    m_listing.addHit({entry.form(), entry.lemma(), entry.translation(), entry.category(),
                      entry.caseGenderNumber(), entry.moodTenseVoice()});
    m_hits.push_back(i);
    if (m_kind == BrowserKind::Other) m_resultIndex.push_back(std::to_string(i + 1));
}

void ThesaurusBrowser::searchForm(std::string_view query) {
    const std::string wanted = lowerCp1252(query);
    beginListing(kNoFormMessage);
    for (std::size_t i = 0; i < m_table.size(); ++i)
        if (m_table[i].form().size() == wanted.size() && lowerCp1252(m_table[i].form()) == wanted) addHit(i);
    m_listing.end();
}

void ThesaurusBrowser::filterByLetter(char letter) {
    const auto wanted = static_cast<unsigned char>(lowerCp1252(letter));
    beginListing(kNoLetterMessage);
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const auto initial = static_cast<unsigned char>(lowerInitial(m_table[i].form()));
        if (m_table[i].form().empty()) continue;
        if (initial == wanted) addHit(i);
        if (m_kind == BrowserKind::BuiltIn && initial > wanted) break;
    }
    m_listing.end();
}

void ThesaurusBrowser::listLemma(std::string_view lemma) {
    const std::string wanted = lowerCp1252(trimBoth(lemma));
    beginListing(kNoLemmaFormsMessage);
    std::vector<std::size_t> found;
    if (!wanted.empty()) {
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            const std::string_view entryLemma = trimBoth(m_table[i].lemma());
            if (entryLemma.size() == wanted.size() && lowerCp1252(entryLemma) == wanted) found.push_back(i);
        }
    }
    struct Key {
        int category;
        std::string categoryText;
        DescriptorKey caseGenderNumber, moodTenseVoice;
    };
    std::vector<Key> keys;
    keys.reserve(found.size());
    for (const std::size_t i : found) {
        const ThesaurusEntry &entry = m_table[i];
        // A paradigm is read number by number, each person, case and gender in turn.
        keys.push_back(
            {categoryRank(entry.category()), std::string(trimBoth(entry.category())),
             descriptorKey(entry.caseGenderNumber(),
                           {coding::numbers(), coding::persons(), coding::cases(), coding::genders()}),
             descriptorKey(entry.moodTenseVoice(), {coding::moods(), coding::tenses(), coding::voices()})});
    }
    std::vector<std::size_t> order(found.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Key &x = keys[a], &y = keys[b];
        return std::tie(x.category, x.categoryText, x.caseGenderNumber, x.moodTenseVoice) <
               std::tie(y.category, y.categoryText, y.caseGenderNumber, y.moodTenseVoice);
    });
    for (const std::size_t k : order) addHit(found[k]);
    m_listing.end();
}

bool ThesaurusBrowser::chooseRow(std::size_t gridRow) {
    if (!m_listing.grid().visible() || gridRow < 1 || gridRow > m_listing.hitCount()) return false;
    m_chosenRow = gridRow;
    return true;
}

void ThesaurusBrowser::rewrite(std::size_t entry, ThesaurusRecord record) const {
    const auto recordNo = static_cast<std::int64_t>(entry) + 1;
    // The record number is stored in 16 bits: a record it cannot count is not written wrapped.
    if (recordNo > kMaxRecords)
        throw FileError(m_path, FileFailure::RecordBeyondLimit)
            .withNumber(static_cast<std::uint64_t>(recordNo))
            .withLimit(kMaxRecords);
    record.recordNo = static_cast<std::int16_t>(recordNo);
    record.reserved = std::string(kReservedWidth, ' ');
    RecordFile file(m_path, kRecordLength, Access::ReadWrite, WhenMissing::Fail);
    // Another program (or another window) changed the file: its records may no longer be
    // where this browser listed them.
    if (file.sizeInBytes() != m_readSize || entry >= m_table.size())
        throw FileError(m_path, FileFailure::ChangedSinceRead);
    file.write(recordNo, encodeThesaurusRecord(record));
}

void ThesaurusBrowser::reread(Prompter &prompter) {
    const RecordFile file(m_path, kRecordLength, Access::Read, WhenMissing::Fail);
    ThesaurusTable table = ThesaurusTable::fromFile(file, EntryTrim::FormOnly);
    m_readSize = file.sizeInBytes();
    m_table = std::move(table);
    if (m_table.empty()) prompter.inform("", std::string(kEmptyThesaurusMessage), Icon::None);
}

GridChange ThesaurusBrowser::deleteEntry(Prompter &prompter) {
    if (!m_listing.grid().visible()) return GridChange::none();
    const std::size_t row = m_chosenRow;
    if (row == 0 || m_listing.grid().text(row, 0).empty()) {
        prompter.inform("", std::string(kNoRowChosenMessage), Icon::None);
        return GridChange::none();
    }
    if (!prompter.askYesNo(std::string(kDeleteEntryTitle), std::string(kDeleteEntryQuestion)))
        return GridChange::none();
    ThesaurusRecord deleted;
    const std::string none(kEmptyValue);
    deleted.fields = {std::string(kDeletedForm), none, none, none, none, none};
    rewrite(m_hits[row - 1], deleted);
    reread(prompter);
    m_listing.removeHit(row);
    m_hits.erase(m_hits.begin() + static_cast<std::ptrdiff_t>(row - 1));
    m_resultIndex.erase(m_resultIndex.begin() + static_cast<std::ptrdiff_t>(row - 1));
    m_chosenRow = 0;
    return GridChange::removed(row, 1);
}

std::optional<EntryEdit> ThesaurusBrowser::entryToEdit() const {
    const Grid &grid = m_listing.grid();
    const std::size_t row = m_chosenRow;
    if (!grid.visible() || row == 0 || grid.text(row, 0).empty()) return std::nullopt;
    auto cell = [&](std::size_t column) { return std::string(trimRight(grid.text(row, column))); };
    return EntryEdit{row,
                     static_cast<std::int64_t>(m_hits[row - 1]) + 1,
                     {cell(0), cell(1), cell(2), cell(3), cell(4), cell(5)}};
}

GridChange ThesaurusBrowser::saveEntry(const EntryEdit &edit, const AnalysisFields &fields,
                                       Prompter &prompter) {
    const std::size_t row = edit.gridRow;
    if (row < 1 || row > m_hits.size() || static_cast<std::int64_t>(m_hits[row - 1]) + 1 != edit.recordNo)
        throw FileError(m_path, FileFailure::ChangedSinceRead);
    ThesaurusRecord record;
    // The form is the entry's own: the editor does not change it.
    record.fields = fields;
    record.fields.form = edit.fields.form;
    rewrite(m_hits[row - 1], record);
    reread(prompter);
    m_listing.setHitTexts(row, {record.fields.form, fields.lemma, fields.translation, fields.category,
                                fields.caseGenderNumber, fields.moodTenseVoice});
    return GridChange::changed(row, row);
}

}  // namespace orbalis
