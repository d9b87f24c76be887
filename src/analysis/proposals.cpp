#include "analysis/proposals.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <set>
#include <unordered_map>
#include <utility>

#include "records/fixed_text.h"
#include "text/encoding.h"

namespace orbalis {

using namespace analysis_columns;

namespace {

// Prefixes that Latin writes assimilated or not: each pair both ways.
constexpr std::array<std::pair<std::string_view, std::string_view>, 26> kPrefixes = {{
    {"adf", "aff"},   {"adl", "all"},   {"adp", "app"}, {"adc", "acc"},   {"adg", "agg"},   {"ads", "ass"},
    {"adt", "att"},   {"adr", "arr"},   {"adq", "acq"}, {"conl", "coll"}, {"conm", "comm"}, {"conr", "corr"},
    {"conp", "comp"}, {"conb", "comb"}, {"inm", "imm"}, {"inl", "ill"},   {"inr", "irr"},   {"inp", "imp"},
    {"inb", "imb"},   {"obp", "opp"},   {"obf", "off"}, {"obc", "occ"},   {"subp", "supp"}, {"subf", "suff"},
    {"subc", "succ"}, {"subg", "sugg"},
}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kEnclitics = {{
    {"que", "[e] "},
    {"ne", "[?] "},
    {"ve", "[o] "},
}};

bool isVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

// Every place where `from` stands in `text`, each written `to` on its own and all at once.
void replaceEach(std::vector<std::string> &out, const std::string &text, std::string_view from,
                 std::string_view to) {
    std::string all = text;
    bool any = false;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1)) {
        std::string one = text;
        one.replace(at, from.size(), to);
        out.push_back(std::move(one));
        any = true;
    }
    if (!any) return;
    for (std::size_t at = all.find(from); at != std::string::npos; at = all.find(from, at + to.size()))
        all.replace(at, from.size(), to);
    out.push_back(std::move(all));
}

// u written v where it stands before a vowel at the start of the form or after a vowel, r or l
// (uirum, nouus, seruus, uoluit); of two u before a vowel, the second (iuuat). One spelling with
// all of them.
std::string consonantalV(const std::string &text) {
    std::string out = text;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] != 'u' || !isVowel(out[i + 1])) continue;
        if (out[i + 1] == 'u' && i + 2 < out.size() && isVowel(out[i + 2])) continue;
        const bool start = i == 0;
        const bool after = i > 0 && (isVowel(text[i - 1]) || text[i - 1] == 'r' || text[i - 1] == 'l');
        if (start || after) out[i] = 'v';
    }
    return out;
}

AnalysisFields fieldsOf(const ThesaurusEntry &entry) {
    auto value = [](std::string_view text) {
        const std::string_view trimmed = trimRight(text);
        return trimmed.empty() ? std::string(kEmptyValue) : std::string(trimmed);
    };
    return {"",
            value(entry.lemma()),
            value(entry.translation()),
            value(entry.category()),
            value(entry.caseGenderNumber()),
            value(entry.moodTenseVoice())};
}

// The thesaurus's analyses by lower-cased form.
class TableIndex {
public:
    explicit TableIndex(const ThesaurusTable &table) : m_table(table) {
        for (std::size_t i = 0; i < table.size(); ++i)
            if (!table[i].sentinel()) m_entries[lowerCp1252(table[i].form())].push_back(i);
    }
    // The analyses of the first spellings in `spellings` the thesaurus holds, without repeats.
    std::vector<AnalysisFields> analyses(const std::vector<std::string> &spellings) const {
        std::vector<AnalysisFields> found;
        for (const std::string &spelling : spellings) {
            const auto it = m_entries.find(spelling);
            if (it == m_entries.end()) continue;
            for (std::size_t i : it->second) {
                AnalysisFields fields = fieldsOf(m_table[i]);
                if (std::find(found.begin(), found.end(), fields) == found.end()) found.push_back(fields);
            }
        }
        return found;
    }

private:
    const ThesaurusTable &m_table;
    std::unordered_map<std::string, std::vector<std::size_t>> m_entries;
};

}  // namespace

bool isNotFoundRow(const Grid &grid, std::size_t row) {
    const std::string_view lemma = trimRight(grid.text(row, kLemma));
    return trimRight(grid.text(row, kIndicator)) == kNotFoundMark && (lemma.empty() || lemma == kEmptyValue);
}

bool isProposalRow(const Grid &grid, std::size_t row) {
    return trimRight(grid.text(row, kIndicator)) == kProposalMark;
}

std::vector<UnknownForm> unknownForms(const Grid &grid) {
    std::vector<UnknownForm> forms;
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        if (!isNotFoundRow(grid, row)) continue;
        const std::string_view form = trimRight(grid.text(row, kForm));
        if (form.empty()) continue;
        const bool capital = lowerCp1252(form.front()) != form.front();
        const auto [it, added] = seen.try_emplace(lowerCp1252(form), forms.size());
        if (added)
            forms.push_back({it->first, capital});
        else
            forms[it->second].capitalised = forms[it->second].capitalised && capital;
    }
    return forms;
}

std::string plainSpelling(std::string_view lowered) {
    // Windows-1252 small letters 224-255 without their accents; "" for those that are no vowel
    // with a mark (ð, ÷, þ) and for æ, written apart.
    static constexpr std::string_view kPlain = "aaaaaa-ceeeeiiii-nooooo-ouuuuy-y";
    std::string out;
    out.reserve(lowered.size());
    for (const char c : lowered) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0xE6) {
            out += "ae";
        } else if (code == 0x9C) {
            out += "oe";
        } else if (code >= 0xE0 && kPlain[code - 0xE0] != '-') {
            out += kPlain[code - 0xE0];
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> spellingVariants(std::string_view lowered) {
    std::vector<std::string> spellings{std::string(lowered), plainSpelling(lowered)};
    // Each rule applies to every spelling found so far, so that rules combine (adiuuandi).
    auto apply = [&](auto rule) {
        const std::size_t count = spellings.size();
        for (std::size_t i = 0; i < count && spellings.size() < 64; ++i) rule(std::string(spellings[i]));
    };
    apply([&](const std::string &s) {
        replaceEach(spellings, s, "j", "i");
        replaceEach(spellings, s, "v", "u");
        spellings.push_back(consonantalV(s));
    });
    apply([&](const std::string &s) {
        for (const auto &[plain, assimilated] : kPrefixes) {
            if (s.starts_with(plain)) spellings.push_back(std::string(assimilated) + s.substr(plain.size()));
            if (s.starts_with(assimilated))
                spellings.push_back(std::string(plain) + s.substr(assimilated.size()));
        }
    });
    apply([&](const std::string &s) {
        replaceEach(spellings, s, "und", "end");
        replaceEach(spellings, s, "end", "und");
    });
    std::vector<std::string> variants;
    for (std::string &s : spellings)
        if (s != lowered && std::find(variants.begin(), variants.end(), s) == variants.end())
            variants.push_back(std::move(s));
    return variants;
}

std::optional<EncliticSplit> splitEnclitic(std::string_view lowered) {
    for (const auto &[enclitic, marker] : kEnclitics) {
        if (lowered.size() >= enclitic.size() + 2 && lowered.ends_with(enclitic))
            return EncliticSplit{std::string(lowered.substr(0, lowered.size() - enclitic.size())), marker};
    }
    return std::nullopt;
}

namespace {

// The form itself is asked first: a thesaurus has already said it lacks it, the names file has not.
Proposals proposeFrom(const std::vector<UnknownForm> &forms, const TableIndex &index) {
    Proposals proposals;
    for (const UnknownForm &form : forms) {
        std::vector<std::string> spellings = spellingVariants(form.lowered);
        spellings.insert(spellings.begin(), form.lowered);
        std::vector<AnalysisFields> found = index.analyses(spellings);
        if (found.empty()) {
            if (const auto split = splitEnclitic(form.lowered)) {
                std::vector<std::string> hosts = spellingVariants(split->host);
                hosts.insert(hosts.begin(), split->host);
                found = index.analyses(hosts);
                for (AnalysisFields &fields : found) {
                    fields.translation = std::string(split->marker) + fields.translation;
                    fields.translation.resize(
                        std::min(fields.translation.size(), thesaurus_format::kTranslationWidth));
                }
            }
        }
        if (!found.empty()) proposals.emplace(form.lowered, std::move(found));
    }
    return proposals;
}

}  // namespace

Proposals proposeFromThesaurus(const std::vector<UnknownForm> &forms, const ThesaurusTable &table) {
    return proposeFrom(forms, TableIndex(table));
}

Proposals proposeNames(const std::vector<UnknownForm> &forms, const ThesaurusTable &names) {
    std::vector<UnknownForm> capitalised;
    std::copy_if(forms.begin(), forms.end(), std::back_inserter(capitalised),
                 [](const UnknownForm &form) { return form.capitalised; });
    if (capitalised.empty() || names.empty()) return {};
    return proposeFrom(capitalised, TableIndex(names));
}

PlacedProposals placeProposals(AnalysisWorkspace &workspace, const Proposals &proposals) {
    Grid &grid = workspace.grid;
    // Which rows give way to how many proposals.
    std::vector<const std::vector<AnalysisFields> *> replaced(grid.rowCount(), nullptr);
    std::size_t added = 0, placed = 0;
    for (std::size_t row = 1; row < grid.rowCount(); ++row) {
        if (!isNotFoundRow(grid, row)) continue;
        const auto it = proposals.find(lowerCp1252(trimRight(grid.text(row, kForm))));
        if (it == proposals.end() || it->second.empty()) continue;
        replaced[row] = &it->second;
        added += it->second.size() - 1;
        placed += it->second.size();
    }
    if (placed == 0) return {};

    const std::size_t oldCount = grid.rowCount();
    const Grid::TextId mark = grid.intern(kProposalMark);
    grid.setRowCount(oldCount + added);
    // From the bottom up, each row moves down by the rows added above it; a row never lands on
    // one that has yet to move.
    std::size_t to = grid.rowCount() - 1;
    std::size_t selected = workspace.selectedRow;
    for (std::size_t row = oldCount - 1; row >= 1; --row) {
        if (!replaced[row]) {
            for (std::size_t column = 0; column < kCount; ++column) grid.copyCell(row, column, to, column);
            if (row == workspace.selectedRow) selected = to;
            --to;
            continue;
        }
        const auto &analyses = *replaced[row];
        const std::size_t first = to + 1 - analyses.size();
        const Grid::TextId form = grid.textId(row, kForm);
        const TextColour formColour = grid.colour(row, kForm);
        for (std::size_t k = 0; k < analyses.size(); ++k) {
            AnalysisFields fields = analyses[k];
            const std::size_t target = first + k;
            setRowTexts(grid, target, fields);
            grid.setTextId(target, kForm, form);
            grid.setColour(target, kForm, formColour);
            grid.setBold(target, kForm, true);
            grid.setTextId(target, kIndicator, mark);
            for (std::size_t column = kLemma; column < kCount; ++column) {
                grid.setColour(target, column, kProposalColour);
                grid.setBold(target, column, false);
                grid.setAlignment(target, column, Alignment::Default);
            }
        }
        if (row == workspace.selectedRow) selected = first;
        to = first - 1;
    }
    workspace.selectedRow = selected;
    workspace.nextRow += added;
    if (selected != 0) {
        grid.setCurrentCell(selected, kForm);
        grid.setSelection(selected, kIndicator);
    }
    return {placed, GridChange::reset()};
}

std::size_t nextRowNeedingWork(const Grid &grid, std::size_t after) {
    const std::size_t rows = grid.rowCount();
    if (rows < 2) return 0;
    for (std::size_t step = 1; step < rows; ++step) {
        // Data rows 1 .. rows - 1, starting after `after` and wrapping round.
        const std::size_t row = 1 + (std::min(after, rows - 1) + step - 1) % (rows - 1);
        if (isNotFoundRow(grid, row) || isProposalRow(grid, row)) return row;
    }
    return 0;
}

}  // namespace orbalis
