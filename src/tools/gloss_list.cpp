#include "tools/gloss_list.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "records/file_error.h"
#include "records/file_system.h"
#include "text/encoding.h"
#include "tools/data_sources.h"

namespace orbalis::data_build {

std::string foldLemma(std::string_view cp1252) {
    std::string out;
    for (char ch : cp1252) {
        unsigned char c = static_cast<unsigned char>(lowerCp1252(ch));
        if (c >= '0' && c <= '9') continue;
        if (c == 'j') c = 'i';
        if (c == 'v') c = 'u';
        out += static_cast<char>(c);
    }
    return out;
}

std::string stripMarks(std::string_view utf8) {
    static const std::map<std::string, char> kMarked = {
        {"ā", 'a'}, {"ă", 'a'}, {"ē", 'e'}, {"ĕ", 'e'}, {"ī", 'i'}, {"ĭ", 'i'}, {"ō", 'o'},
        {"ŏ", 'o'}, {"ū", 'u'}, {"ŭ", 'u'}, {"ȳ", 'y'}, {"ў", 'y'}, {"Ā", 'A'}, {"Ă", 'A'},
        {"Ē", 'E'}, {"Ĕ", 'E'}, {"Ī", 'I'}, {"Ĭ", 'I'}, {"Ō", 'O'}, {"Ŏ", 'O'}, {"Ū", 'U'},
        {"Ŭ", 'U'}, {"ë", 'e'}, {"ä", 'a'}, {"ï", 'i'}, {"ö", 'o'}, {"ü", 'u'}};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (std::size_t len = 2; len <= 3 && !replaced; ++len) {
            const auto it = kMarked.find(std::string(utf8.substr(i, len)));
            if (it != kMarked.end()) {
                out += it->second;
                i += len;
                replaced = true;
            }
        }
        if (!replaced) out += utf8[i++];
    }
    return out;
}

namespace {

// The hand table's key of a lemma and category: a capitalised lemma (a name) is kept apart from
// the common word of the same spelling (Verres, verres).
std::string handKey(std::string_view lemma, std::string_view category) {
    const bool name = !lemma.empty() && lemma.front() >= 'A' && lemma.front() <= 'Z';
    return (name ? "^" : "") + foldLemma(lemma) + "|" + std::string(category);
}

// French letters, or an accented e inside a word (Italian writes it at the end only).
bool looksFrench(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xEA || c == 0xEB || c == 0xEE || c == 0xEF || c == 0xE7 || c == 0xF4 || c == 0xFB)
            return true;
        const bool atEnd = i + 1 == text.size() || !std::isalpha(static_cast<unsigned char>(text[i + 1]));
        if ((c == 0xE9 || c == 0xE8 || c == 0xC9) && !atEnd) return true;
    }
    return false;
}

// The French abbreviations of the open list, in Italian.
std::string replaceFrench(std::string text) {
    static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"qqch", "qualcosa"}, {"qqn", "qualcuno"}, {"qqf", "talvolta"}, {"qq.", "qualche"}};
    for (const auto &[french, italian] : kWords)
        for (std::size_t at = text.find(french); at != std::string::npos; at = text.find(french, at)) {
            text.replace(at, french.size(), italian);
            at += italian.size();
        }
    return text;
}

bool balanced(std::string_view text) {
    int round = 0, square = 0;
    for (char c : text) {
        round += c == '(' ? 1 : c == ')' ? -1 : 0;
        square += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (round < 0 || square < 0) return false;
    }
    return round == 0 && square == 0;
}

// Words a sense may not end with: an Italian article, preposition or conjunction.
bool functionWord(std::string_view word) {
    static const std::set<std::string, std::less<>> kWords = {
        "a",     "ad",    "al",    "allo",  "alla",  "ai",    "agli", "alle",  "da",    "dal",
        "dallo", "dalla", "dai",   "dagli", "dalle", "di",    "del",  "dello", "della", "dei",
        "degli", "delle", "in",    "nel",   "nello", "nella", "nei",  "negli", "nelle", "con",
        "su",    "sul",   "sulla", "per",   "tra",   "fra",   "e",    "ed",    "o",     "od",
        "il",    "lo",    "la",    "i",     "gli",   "le",    "l'",   "un",    "uno",   "una",
        "un'",   "che",   "come",  "non",   "se",    "si"};
    return kWords.count(word) > 0;
}

// Cuts `text` to at most `width` characters at a word boundary, then drops what cannot end a
// sense: spaces, punctuation, an open bracket and what follows it, function words.
std::string cutAtWord(std::string text, std::size_t width) {
    if (text.size() > width) {
        std::size_t cut = width;
        while (cut > 0 && text[cut] != ' ') --cut;
        text.resize(cut);
    }
    for (bool again = true; again;) {
        again = false;
        while (!text.empty() && (text.back() == ' ' || text.back() == ',' || text.back() == ';' ||
                                 text.back() == ':' || text.back() == '-'))
            text.pop_back();
        if (!balanced(text)) {
            const std::size_t open = text.find_last_of("([");
            if (open == std::string::npos) break;
            text.resize(open);
            again = true;
            continue;
        }
        const std::size_t space = text.rfind(' ');
        if (space != std::string::npos && functionWord(std::string_view(text).substr(space + 1))) {
            text.resize(space);
            again = true;
        }
    }
    return text;
}

// An adjective's senses in the masculine singular: the open list often gives the plural of a
// one-word sense, after the French ("vigorosi, coraggiosi" for fortis).
std::string singularAdjectives(const std::string &gloss) {
    std::string out;
    std::size_t start = 0;
    while (start <= gloss.size()) {
        std::size_t end = gloss.find(", ", start);
        if (end == std::string::npos) end = gloss.size();
        std::string item = gloss.substr(start, end - start);
        if (item.find(' ') == std::string::npos && item.size() > 4)
            for (std::string_view ending : {"osi", "ssi", "ivi"})
                if (item.ends_with(ending)) item.back() = 'o';
        out += (out.empty() ? "" : ", ") + item;
        start = end + 2;
    }
    return out;
}

}  // namespace

std::string tidyGloss(std::string_view cp1252) {
    std::string text = replaceFrench(std::string(cp1252));
    // Square brackets hold a remark ("coperta, [modo di addobbarla] toga"): left out.
    for (std::size_t open = text.find('['); open != std::string::npos; open = text.find('[', open)) {
        const std::size_t close = text.find(']', open);
        if (close == std::string::npos) break;
        std::size_t from = open;
        while (from > 0 && text[from - 1] == ' ') --from;
        text.erase(from, close + 1 - from);
        open = from;
    }
    static constexpr std::string_view kLabels[] = {"1.",      "1 -",    "1-",   "I.",    "-",     "tr.",
                                                   "intr.",   "abs.",   "adj.", "pron.", "sing.", "(poét.)",
                                                   "(poet.)", "subst.", "n.",   ":"};
    for (bool again = true; again;) {
        again = false;
        while (!text.empty() && text.front() == ' ') text.erase(text.begin());
        for (std::string_view label : kLabels) {
            std::string l = utf8ToCp1252(label, '?');
            const bool numbering = l == "1." || l == "I.";  // may run into the word: "1.achever"
            if (text.starts_with(l + " ") || text == l || (numbering && text.starts_with(l))) {
                text.erase(0, l.size());
                again = true;
            }
        }
    }
    // Cut where a further sense, a sub-entry or a remark starts.
    std::size_t cut = text.size();
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9') {
            cut = i;
            break;
        }
    for (std::string_view mark : {" - ", ". ", " II.", "; pl.", " ; "}) cut = std::min(cut, text.find(mark));
    const std::size_t colon = text.find(':');
    if (colon < cut) {
        // The item holding the colon is a sub-entry: keep the items before it.
        const std::size_t item = text.find_last_of(",;(", colon);
        cut = item == std::string::npos ? colon : item;
    }
    text.resize(std::min(cut, text.size()));
    // Comma- or semicolon-separated items outside brackets, without empty, unbalanced and
    // repeated ones.
    std::vector<std::string> items;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size()) {
            depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
            if (!((text[i] == ',' || text[i] == ';') && depth <= 0)) continue;
        }
        std::string item = text.substr(start, i - start);
        start = i + 1;
        depth = 0;
        while (!item.empty() && (item.front() == ' ' || item.front() == '-')) item.erase(item.begin());
        while (!item.empty() &&
               (item.back() == ' ' || item.back() == '.' || item.back() == ':' || item.back() == '-'))
            item.pop_back();
        if (!balanced(item)) item = item.substr(0, item.find_first_of("()[]"));
        // An item the list cut short ("l'azione di fare professione di") ends on its last full word.
        item = cutAtWord(item, item.size());
        // A stray label ("n", "pf"), a note on the construction ("+ Gén"), a French word or an
        // adverb the open list put before a sense (qqf.) is no translation.
        const bool stray = (item.size() <= 2 && !items.empty()) || item.starts_with("+") ||
                           looksFrench(item) || item == "talvolta";
        if (!item.empty() && !stray && std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
    }
    std::string out;
    for (const auto &item : items) out += (out.empty() ? "" : ", ") + item;
    return out;
}

std::string fitSenses(std::string_view gloss, std::size_t width) {
    if (gloss.size() <= width) return std::string(gloss);
    // Whole senses while they fit.
    std::string out;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= gloss.size(); ++i) {
        if (i < gloss.size()) {
            depth += gloss[i] == '(' ? 1 : gloss[i] == ')' ? -1 : 0;
            if (!((gloss[i] == ',' || gloss[i] == ';') && depth <= 0)) continue;
        }
        const std::string_view sense = gloss.substr(start, i - start);
        const std::string candidate = out.empty() ? std::string(sense) : out + std::string(sense);
        if (candidate.size() > width) break;
        out = candidate;
        if (i < gloss.size()) out += gloss[i];
        start = i + 1;
    }
    while (!out.empty() && (out.back() == ',' || out.back() == ';' || out.back() == ' ')) out.pop_back();
    if (!out.empty()) return out;
    return cutAtWord(std::string(gloss), width);
}

char categoryClass(std::string_view category) {
    if (category.empty()) return '?';
    if (category[0] == 'N') return 'n';
    if (category[0] == 'A') return 'a';
    if (category[0] == 'V') return 'v';
    if (category == "DP") return 'p';
    if (category == "ADV" || category == "partic") return 'd';
    if (category == "PRE") return 'r';
    if (category == "CC" || category == "CS") return 'c';
    if (category == "interj") return 'i';
    if (category == "num") return 'u';
    return '?';
}

namespace {

// The coarse part of speech of a lemma of the open list, from its inflection model.
char modelClass(std::string_view model, std::string_view info) {
    static const std::set<std::string, std::less<>> kVerbs = {
        "amo",    "do",     "moneo",  "licet",  "lego",   "fero",   "aio",    "dico", "uolo",  "nolo",
        "malo",   "edo",    "capio",  "facio",  "audio",  "scio",   "fio",    "sum",  "absum", "possum",
        "prosum", "imitor", "uereor", "sequor", "patior", "morior", "potior", "eo"};
    static const std::set<std::string, std::less<>> kPronouns = {
        "is",       "idem",     "hic",    "ipse",  "ille",   "qui",         "quicumque", "quidam",
        "quilibet", "quinam",   "quiuis", "quis",  "siquis", "quisnam",     "quispiam",  "quisquam",
        "quisque",  "quisquis", "ego",    "nos",   "uos",    "se",          "tu",        "uter",
        "uterque",  "nemo",     "nihil",  "alter", "unus",   "unusquisque", "prcum",     "plerique"};
    static const std::set<std::string, std::less<>> kAdjectives = {
        "doctus", "deni", "multus", "nonus",   "deterior", "aureus",       "meus",
        "artios", "duo",  "miser",  "pulcher", "fortis",   "felix",        "facilis",
        "infans", "acer", "diues",  "plus",    "uetus",    "qualiscumque", "quantuscumque"};
    static const std::set<std::string, std::less<>> kAdverbs = {"adv",     "adve",   "advr",      "fortiter",
                                                                "acriter", "misere", "humiliter", "facile"};
    if (kVerbs.count(model)) return 'v';
    if (kPronouns.count(model)) return 'p';
    if (kAdjectives.count(model)) return 'a';
    if (kAdverbs.count(model)) return 'd';
    if (model == "inv") {
        if (info.find("pr\xE9p.") != std::string_view::npos) return 'r';
        if (info.find("conj.") != std::string_view::npos) return 'c';
        if (info.find("interj.") != std::string_view::npos) return 'i';
        if (info.find("num.") != std::string_view::npos) return 'u';
        return 'd';
    }
    return 'n';
}

// The lemma and its spellings with and without assimilated prefixes (adfero, affero).
std::vector<std::string> variants(const std::string &folded) {
    static constexpr std::pair<const char *, const char *> kPrefixes[] = {
        {"adf", "aff"},   {"adc", "acc"},   {"adp", "app"},   {"adl", "all"},   {"adr", "arr"},
        {"ads", "ass"},   {"adg", "agg"},   {"adt", "att"},   {"inm", "imm"},   {"inp", "imp"},
        {"inl", "ill"},   {"inr", "irr"},   {"inb", "imb"},   {"conl", "coll"}, {"conm", "comm"},
        {"conp", "comp"}, {"conr", "corr"}, {"conb", "comb"}, {"obp", "opp"},   {"obf", "off"},
        {"obc", "occ"},   {"subf", "suff"}, {"subc", "succ"}, {"subp", "supp"}, {"subg", "sugg"},
        {"subm", "summ"}, {"exs", "ex"},    {"quom", "cum"},  {"uol", "uul"}};
    std::vector<std::string> out{folded};
    for (const auto &[a, b] : kPrefixes) {
        const std::string_view pa(a), pb(b);
        if (folded.starts_with(pa)) out.push_back(std::string(pb) + folded.substr(pa.size()));
        if (folded.starts_with(pb)) out.push_back(std::string(pa) + folded.substr(pb.size()));
    }
    return out;
}

}  // namespace

void GlossList::loadOpenList(const std::string &glossesPath, const std::string &lemmasPath) {
    struct Kind {
        char cls = '?', gender = ' ';
        std::string genitive;
    };
    std::map<std::string, Kind> classes;  // key with homograph digit -> class, gender, genitive
    if (!lemmasPath.empty()) {
        const std::string lemmas = readWholeFile(lemmasPath);
        for (std::string_view line : splitLines(lemmas)) {
            if (line.empty() || line.front() == '!') continue;
            const auto f = splitFields(line, '|');
            if (f.size() < 5) continue;
            std::string key = f[0].substr(0, f[0].find('='));
            key = lowerCp1252(utf8ToCp1252(stripMarks(key), '?'));
            const std::string info = utf8ToCp1252(f[4], '?');
            char gender = ' ';
            if (info.find(", m.") != std::string::npos) gender = 'm';
            if (info.find(", f.") != std::string::npos) gender = 'f';
            if (info.find(", n.") != std::string::npos) gender = 'n';
            const char cls = modelClass(f[1], info);
            // A noun's information starts with its genitive or the genitive's ending: "ontis, f.".
            std::string genitive;
            if (cls == 'n')
                genitive = lowerCp1252(utf8ToCp1252(stripMarks(f[4].substr(0, f[4].find(','))), '?'));
            if (genitive.find_first_of(" ?.") != std::string::npos) genitive.clear();
            classes[key] = {cls, gender, genitive};
        }
    }
    const std::string text = readWholeFile(glossesPath);
    for (std::string_view line : splitLines(text)) {
        if (line.empty() || line.front() == '!') continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string key = utf8ToCp1252(stripMarks(line.substr(0, colon)), '?');
        const auto cls = classes.find(lowerCp1252(key));
        const Kind kind = cls == classes.end() ? Kind{} : cls->second;
        std::string gloss = tidyGloss(utf8ToCp1252(line.substr(colon + 1), '?'));
        if (kind.cls == 'a') gloss = singularAdjectives(gloss);
        if (!gloss.empty())
            m_open[foldLemma(key)].push_back({key, gloss, kind.cls, kind.gender, kind.genitive});
    }
}

void GlossList::addOpenGloss(std::string_view lemmaUtf8, std::string_view glossUtf8, char cls, char gender,
                             std::string_view genitive) {
    const std::string key = utf8ToCp1252(stripMarks(lemmaUtf8), '?');
    std::string gloss = tidyGloss(utf8ToCp1252(glossUtf8, '?'));
    if (cls == 'a') gloss = singularAdjectives(gloss);
    m_open[foldLemma(key)].push_back({key, gloss, cls, gender, std::string(genitive)});
}

void GlossList::loadHandTable(const std::string &path, std::string_view utf8) {
    const auto lines = splitLines(utf8);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto f = splitFields(lines[i], '\t');
        if (f.size() != 4 || f[0].empty() || f[1].empty() || f[2].empty())
            throw FileError(path, FileFailure::SourceData)
                .withDetail("line " + std::to_string(i + 1) +
                            ": lemma, category, gloss and source expected, the first three not empty");
        m_hand[handKey(utf8ToCp1252(f[0], '?'), f[1])] = utf8ToCp1252(f[2], '?');
    }
}

bool GlossList::reviewed(std::string_view lemma, std::string_view category) const {
    return m_hand.count(handKey(lemma, category)) > 0;
}

std::string GlossList::findName(std::string_view lemma, std::string_view category) const {
    const std::string folded = foldLemma(lemma);
    if (const auto hand = m_hand.find(handKey(lemma, category)); hand != m_hand.end()) return hand->second;
    const auto it = m_open.find(folded);
    if (it == m_open.end()) return {};
    for (const auto &g : it->second) {
        if (g.key.empty() || !(g.key.front() >= 'A' && g.key.front() <= 'Z') ||
            (g.cls != 'n' && g.cls != '?'))
            continue;
        std::string name = g.gloss.substr(0, g.gloss.find_first_of(",;("));
        while (!name.empty() && name.back() == ' ') name.pop_back();
        if (name.empty() || looksFrench(name)) return std::string(lemma);
        return name;
    }
    return {};
}

std::string GlossList::find(std::string_view lemma, std::string_view category, char gender,
                            std::string_view genitive) const {
    const std::string folded = foldLemma(lemma);
    if (const auto hand = m_hand.find(handKey(lemma, category)); hand != m_hand.end()) return hand->second;
    const char wanted = categoryClass(category);
    const bool upper = !lemma.empty() && lemma.front() >= 'A' && lemma.front() <= 'Z';
    for (const std::string &candidate : variants(folded)) {
        const auto it = m_open.find(candidate);
        if (it == m_open.end()) continue;
        const std::string ofForm = foldLemma(genitive);
        if (!ofForm.empty() && it->second.size() > 1)
            for (const auto &g : it->second)
                if (g.cls == wanted && !g.genitive.empty() && ofForm.ends_with(foldLemma(g.genitive)))
                    return g.gloss;
        if (gender != ' ')
            for (const auto &g : it->second)
                if (g.cls == wanted && g.gender == gender) return g.gloss;
        for (const auto &g : it->second)
            if (g.cls == wanted || (wanted == 'p' && g.cls == 'a')) return g.gloss;
        for (const auto &g : it->second) {
            const bool keyUpper = !g.key.empty() && g.key.front() >= 'A' && g.key.front() <= 'Z';
            if (keyUpper == upper) return g.gloss;
        }
        // Only names are left: a common word does not take a name's gloss (paulus is not Paulus).
        if (!upper) return {};
        return it->second.front().gloss;
    }
    return {};
}

}  // namespace orbalis::data_build
