#include "thesaurus/thesaurus_browser.h"

#include "analysis/analysis_file.h"
#include "text/encoding.h"

namespace orbalis {

namespace {

std::vector<ResultsColumn> browserColumns(BrowserKind kind) {
    return {{"Forme", 1500},
            {"Lemma", 1500},
            {"Traduzione", 1750},
            {"Cat. gramm.", kind == BrowserKind::BuiltIn ? 1500 : 0},
            {"Caso, genere, numero", 1750},
            {"Modo, tempi, voce", 1750}};
}

}  // namespace

ThesaurusBrowser::ThesaurusBrowser(BrowserKind kind) : m_kind(kind), m_listing(browserColumns(kind)) {}

std::size_t ThesaurusBrowser::load(const std::string &path, WhenMissing whenMissing) {
    m_listing.setUpResultsGrid();
    m_path = path;
    m_table = loadThesaurusTable(path, EntryTrim::FormOnly, whenMissing);
    return m_table.size();
}

void ThesaurusBrowser::openBuiltIn(const std::string &builtInPath, Prompter &prompter) {
    if (load(builtInPath, WhenMissing::CreateOrReadEmpty) == 0)
        prompter.inform("", "Il file 'donnees.dat' non esiste!", Icon::None);
}

void ThesaurusBrowser::openOther(Prompter &prompter) {
    const auto path = prompter.chooseFile(FileRole::Open, std::string(kDatFilter));
    if (!path || path->empty()) return;
    if (load(*path) == 0) prompter.inform("", "Il Thesaurus e' vuoto!", Icon::None);
}

void ThesaurusBrowser::beginListing(std::string_view noHitMessage) {
    m_listing.begin(noHitMessage);
    m_resultIndex.clear();
    m_hits.clear();
}

void ThesaurusBrowser::addHit(std::size_t i) {
    const ThesaurusEntry &entry = m_table[i];
    m_listing.addHit({entry.form(), entry.lemma(), entry.translation(), entry.category(),
                      entry.caseGenderNumber(), entry.moodTenseVoice()});
    m_hits.push_back(i);
    if (m_kind == BrowserKind::Other) m_resultIndex.push_back(recordNoText(entry));
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

}  // namespace orbalis
