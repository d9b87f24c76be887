// orbalis-data: builds the sources of the built-in thesaurus and of the lexicon from a word
// frequency list, the analyser's reports on its forms and a list of Italian lemma glosses, and
// measures how much of a text a thesaurus covers. Used by scripts/build-data and scripts/coverage.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "analyser/analyser_conversion.h"
#include "cli/describe_error.h"
#include "records/fixed_text.h"
#include "records/lexicon_record.h"
#include "records/thesaurus_record.h"
#include "records/thesaurus_table.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "text/tokenizer.h"

namespace orbalis::data_tool {
namespace {

constexpr std::string_view kHelp = R"(Usage: orbalis-data COMMAND ...

  prepare FREQUENCIES.tsv OUT.txt
      Write the analyser's input: every form of the list made of the letters a-z, one per line,
      each followed by a marker word the analyser does not know (it numbers the form).
  build OPTIONS
      --frequencies FILE   form TAB count TAB capitalised, with a header line
      --analyses FILE...   the analyser's reports on the prepared input, in order
      --glosses FILE       lemma:Italian gloss lines (lines starting with ! are comments)
      --lemmas FILE        the lemmas with their inflection models (tells homographs apart)
      --hand-thesaurus FILE --hand-lexicon FILE   hand-checked sources, kept as they are
      --thesaurus-out FILE --lexicon-out FILE     sources to write (omit to write nothing)
      --rules N            economy rules to apply (bits: 1 vocative, 2 participial adjective,
                           4 deponent twin, 8 uncommon beside common, 16 noun repeating an
                           adjective; default 31)
      --by-frequency       choose forms by frequency alone, not frequency per record
      --sample FILE        write 100 generated records drawn with a fixed seed
      --measure TEXT...    report the share of each text's tokens and forms the choice covers
  coverage THESAURUS TEXT...
      Per text: word tokens and distinct forms (ignoring case) that have at least one record.
)";

struct Failure {
    std::string message;
};

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure{path + ": cannot be read"};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find(separator, start);
        fields.emplace_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return fields;
}

std::vector<std::string> splitTabs(std::string_view line) {
    return splitFields(line, '\t');
}

// The marker word after form number n: "qqq" and nine letters of x, z, k, w (base 4). The
// analyser reports it unknown, which delimits the report of every form.
std::string markerWord(std::size_t n) {
    static constexpr char kLetters[] = {'x', 'z', 'k', 'w'};
    std::string marker = "qqq";
    for (int i = 0; i < 9; ++i) {
        marker += kLetters[n % 4];
        n /= 4;
    }
    return marker;
}

bool plainLetters(std::string_view form) {
    return !form.empty() &&
           std::all_of(form.begin(), form.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

struct FrequentForm {
    std::string form;
    std::int64_t count = 0;
    std::int64_t capitalised = 0;
};

std::vector<FrequentForm> readFrequencies(const std::string &path) {
    const std::string text = readFile(path);
    std::vector<FrequentForm> forms;
    const auto lines = splitLines(text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto f = splitTabs(lines[i]);
        if (f.size() < 2 || !plainLetters(f[0])) continue;
        forms.push_back({f[0], std::stoll(f[1]), f.size() > 2 ? std::stoll(f[2]) : 0});
    }
    return forms;
}

int prepare(const std::vector<std::string> &args) {
    if (args.size() != 2) throw Failure{"prepare needs FREQUENCIES.tsv OUT.txt"};
    const auto forms = readFrequencies(args[0]);
    std::string out;
    for (std::size_t i = 0; i < forms.size(); ++i) out += forms[i].form + " " + markerWord(i) + "\n";
    out += "\n\n";
    std::ofstream(args[1], std::ios::binary) << out;
    return 0;
}

// The analyser's reports, cut at the marker lines: report i is the text before marker i.
std::vector<std::string> readReports(const std::vector<std::string> &paths, std::size_t count) {
    std::string all;
    for (const auto &path : paths) all += readFile(path);
    std::vector<std::string> reports(count);
    std::size_t next = 0;
    std::string current;
    for (std::string_view line : splitLines(all)) {
        std::string_view probe = line;
        if (probe.substr(0, 2) == "=>") probe.remove_prefix(2);
        if (next < count && probe.substr(0, 12) == markerWord(next)) {
            reports[next++] = std::move(current);
            current.clear();
            continue;
        }
        current += line;
        current += '\n';
    }
    if (next != count)
        throw Failure{"the analyser's reports hold " + std::to_string(next) + " of " + std::to_string(count) +
                      " forms; was the input prepared from the same list?"};
    return reports;
}

// Lower case, i for j, u for v, without quantity marks or homograph digits: how lemmas of the
// analyser and of the gloss list are matched.
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

// UTF-8 Latin with quantity marks to plain letters.
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

// Keeps the first sense of a gloss of the list, without numbering, grammatical labels,
// sub-entries ("si habere: trovarsi") or repeated words:
// "1. allontanare2. deviare" -> "allontanare"; "tr. - apprendere" -> "apprendere";
// "ramo, ramo" -> "ramo"; "cattivi. comp. peior" -> "cattivi".
std::string tidyGloss(std::string_view cp1252) {
    std::string text(cp1252);
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
    // A bracket closed but never opened ends a sub-entry: keep the items before it.
    const std::size_t close = text.find(')');
    if (close != std::string::npos && text.rfind('(', close) == std::string::npos) {
        const std::size_t item = text.find_last_of(",;", close);
        text.resize(item == std::string::npos ? close : item);
    }
    // A bracket left open reads as a fault.
    const std::size_t open = text.rfind('(');
    if (open != std::string::npos && text.find(')', open) == std::string::npos) text.resize(open);
    // Comma- or semicolon-separated items, without empty and repeated ones.
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find_first_of(",;", start);
        if (comma == std::string::npos) comma = text.size();
        std::string item = text.substr(start, comma - start);
        while (!item.empty() && (item.front() == ' ' || item.front() == '-')) item.erase(item.begin());
        while (!item.empty() &&
               (item.back() == ' ' || item.back() == '.' || item.back() == ':' || item.back() == '-'))
            item.pop_back();
        // A stray label ("n", "pf") is no translation.
        const bool stray = item.size() <= 2 && !items.empty();
        if (!item.empty() && !stray && std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
        start = comma + 1;
    }
    std::string out;
    for (const auto &item : items) out += (out.empty() ? "" : ", ") + item;
    return out;
}

// The coarse part of speech of a lemma of the gloss list, from its inflection model in the
// list of lemmas: n noun, a adjective, p pronoun, v verb, d adverb, r preposition,
// c conjunction, i interjection, u numeral.
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

class Glosses {
public:
    // `path`: lemma:gloss lines; `lemmasPath`: the list of lemmas with their inflection models,
    // which tells homographs apart (eo "go" and eo "there").
    void load(const std::string &path, const std::string &lemmasPath) {
        std::map<std::string, std::pair<char, char>> classes;  // key with homograph digit -> class, gender
        if (!lemmasPath.empty()) {
            const std::string lemmas = readFile(lemmasPath);
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
                classes[key] = {modelClass(f[1], info), gender};
            }
        }
        const std::string text = readFile(path);
        for (std::string_view line : splitLines(text)) {
            if (line.empty() || line.front() == '!') continue;
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos) continue;
            const std::string key = utf8ToCp1252(stripMarks(line.substr(0, colon)), '?');
            const std::string gloss = tidyGloss(utf8ToCp1252(line.substr(colon + 1), '?'));
            if (gloss.empty()) continue;
            const auto cls = classes.find(lowerCp1252(key));
            const auto kind = cls == classes.end() ? std::pair<char, char>{'?', ' '} : cls->second;
            m_glosses[foldLemma(key)].push_back({key, gloss, kind.first, kind.second});
        }
    }

    // The gloss of `lemma` of category `category`, or empty. Among homographs the one of the
    // same part of speech wins, then one with the same initial case (a common noun does not get
    // the gloss of a proper name).
    std::string find(std::string_view lemma, std::string_view category = {}, char gender = ' ') const {
        const std::string folded = foldLemma(lemma);
        const char wanted = categoryClass(category);
        const bool upper = !lemma.empty() && lemma.front() >= 'A' && lemma.front() <= 'Z';
        for (const std::string &candidate : variants(folded)) {
            const auto it = m_glosses.find(candidate);
            if (it == m_glosses.end()) continue;
            if (gender != ' ')
                for (const auto &g : it->second)
                    if (g.cls == wanted && g.gender == gender) return g.gloss;
            for (const auto &g : it->second)
                if (g.cls == wanted || (wanted == 'p' && g.cls == 'a')) return g.gloss;
            for (const auto &g : it->second) {
                const bool keyUpper = !g.key.empty() && g.key.front() >= 'A' && g.key.front() <= 'Z';
                if (keyUpper == upper) return g.gloss;
            }
            return it->second.front().gloss;
        }
        return {};
    }

private:
    // The lemma and its spellings with and without assimilated prefixes (adfero, affero).
    static std::vector<std::string> variants(const std::string &folded) {
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

    struct Gloss {
        std::string key, gloss;
        char cls, gender;
    };
    std::map<std::string, std::vector<Gloss>> m_glosses;
};

// Cuts `text` to at most `width` characters at a word boundary, never inside a word.
std::string shorten(std::string text, std::size_t width) {
    if (text.size() <= width) return text;
    std::size_t cut = width;
    while (cut > 0 && text[cut] != ' ') --cut;
    text.resize(cut);
    while (!text.empty() && (text.back() == ' ' || text.back() == ',' || text.back() == ';' ||
                             text.back() == '(' || text.back() == ':'))
        text.pop_back();
    // An opening bracket left without its closing one reads as a fault.
    if (std::count(text.begin(), text.end(), '(') > std::count(text.begin(), text.end(), ')')) {
        const std::size_t open = text.rfind('(');
        text.resize(open);
        while (!text.empty() && (text.back() == ' ' || text.back() == ',')) text.pop_back();
    }
    return text;
}

// The English meaning in square brackets, shortened so that the brackets fit `width` too.
std::string englishMark(std::string_view meaning, std::size_t width) {
    std::string m(meaning);
    while (!m.empty() && (m.back() == ';' || m.back() == ' ')) m.pop_back();
    return "[" + shorten(m, width > 2 ? width - 2 : 0) + "]";
}

// The gender of a noun's reading ('m', 'f', 'n'), or ' ' for other words.
char nounGender(const ProposedAnalysis &a) {
    if (a.category.empty() || a.category[0] != 'N') return ' ';
    const std::string &cgn = a.caseGenderNumber;
    if (cgn.find(" m. ") != std::string::npos) return 'm';
    if (cgn.find(" f. ") != std::string::npos) return 'f';
    if (cgn.find(" nt. ") != std::string::npos) return 'n';
    return ' ';
}

struct Record {
    AnalysisFields fields;
    bool hand = false;
    bool italian = true;
};

std::vector<Record> readHandThesaurus(const std::string &path) {
    std::vector<Record> records;
    const std::string text = readFile(path);
    const auto lines = splitLines(text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto f = splitTabs(lines[i]);
        if (f.size() != 6) throw Failure{path + ":" + std::to_string(i + 1) + ": six fields expected"};
        Record r;
        r.hand = true;
        r.fields = {utf8ToCp1252(f[0], '?'), utf8ToCp1252(f[1], '?'), utf8ToCp1252(f[2], '?'),
                    utf8ToCp1252(f[3], '?'), utf8ToCp1252(f[4], '?'), utf8ToCp1252(f[5], '?')};
        records.push_back(std::move(r));
    }
    return records;
}

std::string tsvLine(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (auto f : fields) {
        if (!first) line += '\t';
        appendCp1252AsUtf8(line, f);
        first = false;
    }
    return line + "\n";
}

struct Coverage {
    std::size_t tokens = 0, coveredTokens = 0, forms = 0, coveredForms = 0;
};

template <typename Known>
Coverage measure(const std::string &textPath, Known known) {
    Coverage c;
    std::set<std::string> seen;
    for (const std::string &form : tokenizeText(loadTextFile(textPath))) {
        const std::string lower = lowerCp1252(form);
        const bool hit = known(lower);
        ++c.tokens;
        c.coveredTokens += hit;
        if (seen.insert(lower).second) {
            ++c.forms;
            c.coveredForms += hit;
        }
    }
    return c;
}

std::string percent(std::size_t part, std::size_t whole) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f %%", whole ? 100.0 * static_cast<double>(part) / whole : 0.0);
    return buffer;
}

void printCoverage(const std::string &path, const Coverage &c) {
    std::cout << path << "\ttokens " << c.coveredTokens << "/" << c.tokens << " ("
              << percent(c.coveredTokens, c.tokens) << ")\tforms " << c.coveredForms << "/" << c.forms << " ("
              << percent(c.coveredForms, c.forms) << ")\n";
}

struct BuildOptions {
    std::string frequencies, glosses, lemmas, handThesaurus, handLexicon, thesaurusOut, lexiconOut, sample;
    std::vector<std::string> analyses, measure;
    unsigned rules = kAllEconomyRules;
    bool byFrequency = false;
};

// The key under which two analyses of one form count as the same reading.
// A pronoun's question sense is part of the key, so that the indefinite quis (after si) is not
// taken for the interrogative quis ("quale?") of a hand-checked record.
std::string readingKey(std::string_view lemma, std::string_view category, std::string_view cgn,
                       std::string_view mtv, std::string_view translation) {
    // The sources write an empty descriptor as "_".
    if (trimRight(cgn) == "_") cgn = {};
    if (trimRight(mtv) == "_") mtv = {};
    const bool question = trimRight(category) == "DP" && translation.find('?') != std::string_view::npos;
    return foldLemma(trimRight(lemma)) + "|" + std::string(trimRight(category)) + "|" +
           std::string(trimRight(cgn)) + "|" + std::string(trimRight(mtv)) + (question ? "|?" : "");
}

int build(const BuildOptions &o) {
    const auto forms = readFrequencies(o.frequencies);
    const auto reports = readReports(o.analyses, forms.size());
    Glosses glosses;
    glosses.load(o.glosses, o.lemmas);
    const std::vector<Record> hand = readHandThesaurus(o.handThesaurus);

    std::map<std::string, std::vector<std::size_t>> handByForm;  // lower-cased form -> records
    for (std::size_t i = 0; i < hand.size(); ++i) handByForm[lowerCp1252(hand[i].fields.form)].push_back(i);

    struct Candidate {
        std::size_t rank;  // position in the frequency list
        std::vector<Record> records;
        double score;
    };
    std::vector<Candidate> candidates;
    std::size_t proposed = 0, italianCount = 0;
    std::map<std::string, std::string> englishByLemma;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const FrequentForm &f = forms[i];
        std::vector<ProposedAnalysis> analyses = convertAnalyserOutput(f.form, reports[i]);
        keepPlausibleAnalyses(analyses);
        const bool capitalised = f.capitalised * 2 > f.count;
        if (capitalised) {
            // A capitalised form is a name: guesses at it are dropped.
            std::erase_if(analyses, [](const ProposedAnalysis &a) { return a.guess; });
        }
        applyEconomyRules(analyses, o.rules);
        // Two entries with the same meaning differ in spelling only: keep the one the gloss list knows.
        std::vector<ProposedAnalysis> kept;
        for (const auto &a : analyses) {
            const bool glossed = !glosses.find(a.lemma, a.category).empty();
            const bool twinGlossed =
                std::any_of(analyses.begin(), analyses.end(), [&](const ProposedAnalysis &b) {
                    return b.lemma != a.lemma && b.meaning == a.meaning && !b.meaning.empty() &&
                           b.category == a.category && !glosses.find(b.lemma, b.category).empty();
                });
            if (!glossed && twinGlossed) continue;
            kept.push_back(a);
        }
        proposed += kept.size();
        // A mostly capitalised form of a name is written with its capital; a capitalised form
        // whose readings are all common words (Cato read as catus) stays in lower case.
        std::string form = f.form;
        const bool name = std::any_of(kept.begin(), kept.end(), [](const ProposedAnalysis &a) {
            return !a.lemma.empty() && a.lemma.front() >= 'A' && a.lemma.front() <= 'Z';
        });
        if (capitalised && name) form[0] = static_cast<char>(form[0] - 'a' + 'A');
        std::string upper = f.form;
        for (char &ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
        if (!kept.empty() &&
            std::all_of(kept.begin(), kept.end(), [&](const auto &a) { return a.lemma == upper; }))
            form = upper;  // a Roman numeral

        std::vector<Record> records;
        std::set<std::string> handKeys;
        const auto handIt = handByForm.find(f.form);
        if (handIt != handByForm.end()) {
            for (std::size_t h : handIt->second) {
                const auto &fields = hand[h].fields;
                records.push_back(hand[h]);
                handKeys.insert(readingKey(fields.lemma, fields.category, fields.caseGenderNumber,
                                           fields.moodTenseVoice, fields.translation));
                // An undeclined hand-made reading (a preposition with "_") stands for every case.
                if (fields.caseGenderNumber == "_" && fields.moodTenseVoice == "_")
                    handKeys.insert(foldLemma(fields.lemma) + "|" + fields.category + "|*");
            }
            form = hand[handIt->second.front()].fields.form;
        }
        for (const auto &a : kept) {
            if (handKeys.count(
                    readingKey(a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice, a.translation)) ||
                handKeys.count(foldLemma(a.lemma) + "|" + a.category + "|*"))
                continue;
            Record r;
            std::string italian =
                a.translation.empty() ? glosses.find(a.lemma, a.category, nounGender(a)) : a.translation;
            r.italian = !italian.empty();
            const std::size_t room = thesaurus_format::kTranslationWidth - a.marker.size();
            const std::string text = a.marker + (r.italian ? italian : englishMark(a.meaning, room));
            r.fields = {form,
                        a.lemma,
                        shorten(text, thesaurus_format::kTranslationWidth),
                        a.category,
                        a.caseGenderNumber.empty() ? "_" : std::string(trimRight(a.caseGenderNumber)),
                        a.moodTenseVoice.empty() ? "_" : a.moodTenseVoice};
            if (!a.meaning.empty()) englishByLemma.emplace(a.lemma + "|" + a.category, a.meaning);
            records.push_back(std::move(r));
        }
        if (records.empty()) continue;
        const bool handForm = handIt != handByForm.end();
        const double score = handForm ? 1e18
                                      : (o.byFrequency ? static_cast<double>(f.count)
                                                       : static_cast<double>(f.count) / records.size());
        candidates.push_back({i, std::move(records), score});
    }
    // Hand-made forms missing from the frequency list are kept too.
    std::set<std::string> listed;
    for (const FrequentForm &f : forms) listed.insert(f.form);
    for (const auto &[lower, indexes] : handByForm) {
        if (listed.count(lower)) continue;
        Candidate c{forms.size(), {}, 1e18};
        for (std::size_t h : indexes) c.records.push_back(hand[h]);
        candidates.push_back(std::move(c));
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.score > b.score; });
    std::vector<Record> chosen;
    std::set<std::string> chosenForms;
    for (const Candidate &c : candidates) {
        if (chosen.size() + c.records.size() > static_cast<std::size_t>(thesaurus_format::kMaxRecords))
            continue;
        chosen.insert(chosen.end(), c.records.begin(), c.records.end());
        chosenForms.insert(lowerCp1252(c.records.front().fields.form));
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const Record &a, const Record &b) {
        return lowerCp1252(a.fields.form) < lowerCp1252(b.fields.form);
    });

    std::size_t generated = 0;
    for (const Record &r : chosen) {
        if (r.hand) continue;
        ++generated;
        italianCount += r.italian;
    }
    std::cout << "proposed analyses: " << proposed << "\nchosen records: " << chosen.size() << " ("
              << generated << " generated, " << chosen.size() - generated << " hand-checked) for "
              << chosenForms.size() << " forms\nrecords with an Italian translation: "
              << percent(chosen.size() - generated + italianCount, chosen.size())
              << " (generated alone: " << percent(italianCount, generated) << ")\n";
    for (const auto &text : o.measure)
        printCoverage(text,
                      measure(text, [&](const std::string &lower) { return chosenForms.count(lower) > 0; }));

    if (!o.thesaurusOut.empty()) {
        std::string out = "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n";
        for (const Record &r : chosen)
            out += tsvLine({r.fields.form, r.fields.lemma, r.fields.translation, r.fields.category,
                            r.fields.caseGenderNumber, r.fields.moodTenseVoice});
        std::ofstream(o.thesaurusOut, std::ios::binary) << out;
    }
    if (!o.lexiconOut.empty()) {
        // Hand-made entries first; then one entry per lemma and category of the thesaurus.
        std::string text = readFile(o.handLexicon);
        const auto lines = splitLines(text);
        std::map<std::string, std::string> entries;  // sort key -> line
        std::set<std::string> known;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].empty()) continue;
            const auto f = splitTabs(lines[i]);
            if (f.size() != 5)
                throw Failure{o.handLexicon + ":" + std::to_string(i + 1) + ": five fields expected"};
            const std::string lemma = utf8ToCp1252(f[0], '?');
            known.insert(foldLemma(lemma) + "|" + f[1]);
            entries.emplace(lowerCp1252(lemma) + "\t0\t" + f[1], std::string(lines[i]) + "\n");
        }
        std::size_t italian = 0, total = 0;
        for (const Record &r : chosen) {
            if (r.hand) continue;
            const std::string key = foldLemma(r.fields.lemma) + "|" + r.fields.category;
            if (!known.insert(key).second) continue;
            std::string gloss = glosses.find(r.fields.lemma, r.fields.category);
            if (r.fields.lemma == "quis" || r.fields.lemma == "qui") {
                gloss = r.fields.lemma == "qui" ? "che, il quale; chi?, quale?"
                                                : "chi?, che cosa?; qualcuno, qualcosa";
            }
            ++total;
            italian += !gloss.empty();
            if (gloss.empty()) {
                const auto it = englishByLemma.find(r.fields.lemma + "|" + r.fields.category);
                gloss = englishMark(it == englishByLemma.end() ? std::string() : it->second,
                                    lexicon_format::kTranslationWidth);
            }
            entries.emplace(lowerCp1252(r.fields.lemma) + "\t1\t" + r.fields.category,
                            tsvLine({r.fields.lemma, r.fields.category,
                                     shorten(gloss, lexicon_format::kTranslationWidth), "_", "_"}));
        }
        if (entries.size() > static_cast<std::size_t>(thesaurus_format::kMaxRecords))
            throw Failure{"the lexicon would hold more than 32767 entries"};
        std::string out = "lemma\tcategory\ttranslation\tfrench_derivatives\tlatin_derivatives\n";
        for (const auto &[key, line] : entries) out += line;
        std::ofstream(o.lexiconOut, std::ios::binary) << out;
        std::cout << "lexicon entries: " << entries.size() << " (" << total << " generated, " << italian
                  << " of them with an Italian translation)\n";
    }
    if (!o.sample.empty()) {
        std::vector<const Record *> pool;
        for (const Record &r : chosen)
            if (!r.hand) pool.push_back(&r);
        // Each record draws a number from its own text and a fixed seed; the 100 lowest are the
        // sample, so that a change elsewhere in the data leaves the rest of the sample as it was.
        const auto draw = [](const AnalysisFields &f) {
            std::uint64_t h = 1469598103934665603ull ^ 20261207u;
            for (const std::string *text :
                 {&f.form, &f.lemma, &f.category, &f.caseGenderNumber, &f.moodTenseVoice})
                for (char ch : *text + "\t") h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
            return h;
        };
        std::stable_sort(pool.begin(), pool.end(),
                         [&](const Record *a, const Record *b) { return draw(a->fields) < draw(b->fields); });
        pool.resize(std::min<std::size_t>(100, pool.size()));
        std::stable_sort(pool.begin(), pool.end(), [](const Record *a, const Record *b) {
            return lowerCp1252(a->fields.form) < lowerCp1252(b->fields.form);
        });
        std::string out =
            "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\tverdict\treason\n";
        for (const Record *r : pool) {
            const auto &f = r->fields;
            out += tsvLine(
                {f.form, f.lemma, f.translation, f.category, f.caseGenderNumber, f.moodTenseVoice, "", ""});
        }
        std::ofstream(o.sample, std::ios::binary) << out;
    }
    return 0;
}

int coverage(const std::vector<std::string> &args) {
    if (args.size() < 2) throw Failure{"coverage needs THESAURUS TEXT..."};
    const ThesaurusTable table = loadThesaurusTable(args[0]);
    std::set<std::string> known;
    for (const auto &entry : table) known.insert(lowerCp1252(entry.form()));
    for (std::size_t i = 1; i < args.size(); ++i)
        printCoverage(args[i],
                      measure(args[i], [&](const std::string &lower) { return known.count(lower) > 0; }));
    return 0;
}

int run(int argc, char **argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::cout << kHelp;
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "prepare") return prepare(args);
    if (command == "coverage") return coverage(args);
    if (command != "build") {
        std::cerr << "orbalis-data: unknown command " << command << "\n";
        return 2;
    }
    BuildOptions o;
    std::vector<std::string> *list = nullptr;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw Failure{a + " needs a value"};
            return args[++i];
        };
        if (a == "--frequencies")
            o.frequencies = value(), list = nullptr;
        else if (a == "--glosses")
            o.glosses = value(), list = nullptr;
        else if (a == "--lemmas")
            o.lemmas = value(), list = nullptr;
        else if (a == "--hand-thesaurus")
            o.handThesaurus = value(), list = nullptr;
        else if (a == "--hand-lexicon")
            o.handLexicon = value(), list = nullptr;
        else if (a == "--thesaurus-out")
            o.thesaurusOut = value(), list = nullptr;
        else if (a == "--lexicon-out")
            o.lexiconOut = value(), list = nullptr;
        else if (a == "--sample")
            o.sample = value(), list = nullptr;
        else if (a == "--rules")
            o.rules = static_cast<unsigned>(std::stoul(value())), list = nullptr;
        else if (a == "--by-frequency")
            o.byFrequency = true, list = nullptr;
        else if (a == "--analyses")
            list = &o.analyses;
        else if (a == "--measure")
            list = &o.measure;
        else if (list)
            list->push_back(a);
        else
            throw Failure{"unexpected argument " + a};
    }
    if (o.frequencies.empty() || o.analyses.empty() || o.glosses.empty() || o.handThesaurus.empty() ||
        o.handLexicon.empty())
        throw Failure{
            "build needs --frequencies, --analyses, --glosses, --hand-thesaurus and --hand-lexicon"};
    return build(o);
}

}  // namespace
}  // namespace orbalis::data_tool

int main(int argc, char **argv) {
    try {
        return orbalis::data_tool::run(argc, argv);
    } catch (const orbalis::data_tool::Failure &failure) {
        std::cerr << "orbalis-data: " << failure.message << "\n";
        return 1;
    } catch (const orbalis::FileError &error) {
        std::cerr << "orbalis-data: " << orbalis::cli::describe(error) << "\n";
        return 1;
    } catch (const std::exception &error) {
        std::cerr << "orbalis-data: " << error.what() << "\n";
        return 1;
    }
}
