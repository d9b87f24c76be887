#include "lexicon/lexicon.h"

#include "records/fixed_text.h"
#include "records/lexicon_record.h"
#include "records/record_file.h"
#include "text/encoding.h"

namespace orbalis {

std::optional<LexiconTable> loadLexicon(const std::string &path, WhenMissing whenMissing) {
    const RecordFile file(path, lexicon_format::kRecordLength, Access::Read, whenMissing);
    if (file.sizeInBytes() == 0) return std::nullopt;
    const std::string bytes = file.readWholeRecords();
    LexiconTable table;
    table.reserve(static_cast<std::size_t>(file.count()));
    for (std::size_t offset = 0; offset < bytes.size(); offset += lexicon_format::kRecordLength) {
        const auto record =
            decodeLexiconRecord(std::string_view(bytes).substr(offset, lexicon_format::kRecordLength));
        table.push_back({std::string(trimRight(record.lemma)), std::string(trimRight(record.translation)),
                         std::string(trimRight(record.category)),
                         std::string(trimLeft(record.frenchDerivatives)),
                         std::string(trimRight(record.latinDerivatives)), record.recordNo});
    }
    return table;
}

LexiconBrowser::LexiconBrowser()
    : m_listing({{"Lemma", 2000},
                 {"Traduzione", 2500},
                 {"Categoria", 1000},
                 {"Voc. francesi derivati", 2000},
                 {"Voc. latini derivati", 2000}}) {}

void LexiconBrowser::open(const std::string &path, Prompter &prompter) {
    m_listing.setUpResultsGrid();
    // The lexicon is only ever read: a missing one is not created.
    auto table = loadLexicon(path, WhenMissing::ReadEmpty);
    if (!table) {
        m_table.clear();
        prompter.inform("", "Il file 'lexique.dat' non esiste!", Icon::None);
        return;
    }
    m_table = std::move(*table);
}

void LexiconBrowser::addHit(const LexiconEntry &entry) {
    m_listing.addHit(
        {entry.lemma, entry.translation, entry.category, entry.frenchDerivatives, entry.latinDerivatives});
}

void LexiconBrowser::searchLemma(std::string_view query) {
    const std::string wanted = lowerCp1252(query);
    m_listing.begin(kNoLemmaMessage);
    for (const LexiconEntry &entry : m_table) {
        const std::string_view prefix = std::string_view(entry.lemma).substr(0, wanted.size());
        if (prefix.size() == wanted.size() && lowerCp1252(prefix) == wanted) addHit(entry);
    }
    m_listing.end();
}

void LexiconBrowser::filterByLetter(char letter) {
    const auto wanted = static_cast<unsigned char>(lowerCp1252(letter));
    m_listing.begin("Non e' disponibile alcuna informazione per la lettera richiesta");
    for (const LexiconEntry &entry : m_table) {
        if (entry.lemma.empty()) continue;
        const auto initial = static_cast<unsigned char>(lowerInitial(entry.lemma));
        if (initial == wanted) addHit(entry);
        if (initial > wanted) break;
    }
    m_listing.end();
}

}  // namespace orbalis
