#include "analyser/analyser_conversion.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace orbalis {
namespace {

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}
bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Lower case with i for j and u for v: the analyser and the texts spell these apart freely.
std::string foldSpelling(std::string_view text) {
    std::string folded;
    for (char c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == 'j') c = 'i';
        if (c == 'v') c = 'u';
        folded += c;
    }
    return folded;
}

std::string withIForJ(std::string_view text) {
    std::string out(text);
    for (char &c : out) {
        if (c == 'j') c = 'i';
        if (c == 'J') c = 'I';
    }
    return out;
}

constexpr std::array kPartsOfSpeech = {"N",   "ADJ",    "V",      "VPAR",   "ADV",    "PRON",
                                       "NUM", "CONJ",   "PREP",   "INTERJ", "SUPINE", "PACK",
                                       "X",   "TACKON", "PREFIX", "SUFFIX"};

bool isPartOfSpeech(std::string_view word) {
    return std::find(kPartsOfSpeech.begin(), kPartsOfSpeech.end(), word) != kPartsOfSpeech.end();
}

// "[XXXAO]": age, area, region, frequency, source.
std::optional<std::size_t> entryCodePosition(std::string_view line) {
    for (std::size_t i = 0; i + 6 < line.size(); ++i) {
        if (line[i] != '[' || line[i + 6] != ']') continue;
        bool letters = true;
        for (std::size_t k = 1; k <= 5; ++k)
            letters = letters && std::isupper(static_cast<unsigned char>(line[i + k]));
        if (letters) return i;
    }
    return std::nullopt;
}

bool isInflectionLine(std::string_view line) {
    if (line.empty() || line.front() == ' ' || entryCodePosition(line)) return false;
    const auto words = splitWords(line);
    if (words.size() < 2 || !isPartOfSpeech(words[1])) return false;
    return std::all_of(words[0].begin(), words[0].end(),
                       [](char c) { return std::islower(static_cast<unsigned char>(c)) || c == '.'; });
}

bool isTrickLine(std::string_view line) {
    static constexpr std::array kStarts = {"Syncope",     "Syncopated", "Word mod",  "Slur",     "An initial",
                                           "An internal", "A doubled",  "Two words", "May be 2", "Bad Roman",
                                           "A Terminal",  "It is very", "TRICK",     "SLURY"};
    return std::any_of(kStarts.begin(), kStarts.end(), [&](const char *s) { return startsWith(line, s); });
}

bool isSyncopeLine(std::string_view line) {
    return startsWith(line, "Syncope");
}

struct Inflection {
    std::string word;  // stem and ending without the dot
    std::string partOfSpeech;
    std::vector<std::string> codes;  // the words after the part of speech
    bool unusualAge = false;
    std::string tackon;  // the enclitic or particle in force when the line was read
    bool trick = false, syncope = false;
    bool derived = false;  // built from a prefix or suffix, or from two words run together
};

struct Entry {
    std::string headword;            // the whole text before the part of speech; empty when none is printed
    std::vector<std::string> codes;  // part of speech and its details ("V", "(3rd)", "DEP")
    char age = 'X';
    char frequency = 'X';
    std::vector<std::string> meanings;
    // The frequency of the entry whose meanings this one shares: the two are spellings of one
    // word (sublimus beside sublimis); ' ' when the entry has meanings of its own.
    char sharedWith = ' ';
    bool rarerSpelling = false;
};

struct Group {
    std::vector<Inflection> inflections;
    std::vector<Entry> entries;
};

// The first word of the headword's part `index`: "duo" of "duo -ae o, secundus -a -um, ...".
// A part the word lacks ("-" of "-, -, deterior -or -us") gives way to the next one.
std::string headwordPart(std::string_view headword, std::size_t index = 0) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index && start != std::string_view::npos; ++i) {
        start = headword.find(',', start);
        if (start != std::string_view::npos) ++start;
    }
    while (start != std::string_view::npos && start <= headword.size()) {
        const std::size_t comma = headword.find(',', start);
        const std::string_view part =
            trim(headword.substr(start, comma == std::string_view::npos ? comma : comma - start));
        const std::string_view word = part.substr(0, part.find(' '));
        if (!word.empty() && word != "-") return std::string(word);
        start = comma == std::string_view::npos ? comma : comma + 1;
    }
    return {};
}

std::string firstHeadwordPart(std::string_view headword) {
    return headwordPart(headword, 0);
}

// The nominative plural of a noun entry of declension `declension` and gender `gender` (M, F,
// N), from its nominative and genitive singular: castrum, castri -> castra; liber, liberi ->
// liberi; moene, moenis -> moenia. Empty when the parts do not say.
std::string nominativePlural(const std::vector<std::string> &parts, int declension, std::string_view gender) {
    if (parts.size() < 2) return {};
    const std::string nominative(parts[0].substr(0, parts[0].find(' ')));
    const std::string genitive(parts[1].substr(0, parts[1].find(' ')));
    const auto stem = [&](std::size_t ending) {
        return genitive.size() > ending ? genitive.substr(0, genitive.size() - ending) : std::string();
    };
    const bool neuter = gender == "N";
    switch (declension) {
        case 1:
            return genitive.ends_with("ae") ? genitive : std::string();
        case 2:
            return !genitive.ends_with("i") ? std::string() : neuter ? stem(1) + "a" : genitive;
        case 3:
            if (!genitive.ends_with("is")) return {};
            if (!neuter) return stem(2) + "es";
            return stem(2) +
                   (nominative.ends_with("e") || nominative.ends_with("al") || nominative.ends_with("ar")
                        ? "ia"
                        : "a");
        case 4:
            return !genitive.ends_with("us") ? std::string() : stem(2) + (neuter ? "ua" : "us");
        case 5:
            return genitive.ends_with("ei") ? stem(2) + "es" : std::string();
        default:
            return {};
    }
}

// The principal parts of an entry, by commas.
std::vector<std::string> headwordParts(std::string_view headword) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= headword.size()) {
        const std::size_t comma = headword.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? headword.size() : comma;
        parts.emplace_back(trim(headword.substr(start, end - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

bool hasCode(const Entry &entry, std::string_view code) {
    return std::find(entry.codes.begin(), entry.codes.end(), code) != entry.codes.end();
}

std::string caseToken(std::string_view c) {
    if (c == "NOM") return "nom. ";
    if (c == "VOC") return "voc. ";
    if (c == "ACC") return "acc. ";
    if (c == "GEN") return "g\xE9n. ";
    if (c == "DAT") return "dat. ";
    if (c == "ABL") return "abl. ";
    return "";
}

std::string genderToken(std::string_view g) {
    if (g == "M") return "m. ";
    if (g == "F") return "f. ";
    if (g == "N") return "nt. ";
    return "";  // common or unknown gender: the coding system has no token for it
}

std::string numberToken(std::string_view n) {
    if (n == "S") return "sg.";
    if (n == "P") return "pl.";
    return "";
}

std::string personToken(std::string_view p) {
    if (p == "1" || p == "2" || p == "3") return std::string(p) + " ";
    return "";
}

std::string tenseToken(std::string_view t) {
    if (t == "PRES") return "pr\xE9s.";
    if (t == "IMPF") return "impf.";
    if (t == "FUT") return "fut.";
    if (t == "PERF") return "parf.";
    if (t == "PLUP") return "pqp.";
    if (t == "FUTP") return "fut. ant.";
    return "";
}

std::string moodToken(std::string_view m) {
    if (m == "IND") return "ind.";
    if (m == "SUB") return "subj.";
    if (m == "IMP") return "imp.";
    if (m == "INF") return "inf.";
    return "";
}

std::string joinMoodTenseVoice(std::initializer_list<std::string> parts) {
    std::string out;
    for (const auto &part : parts) {
        if (part.empty()) continue;
        if (!out.empty()) out += ' ';
        out += part;
    }
    return out;
}

// Case, gender, number as the analyser prints them: "NOM S M".
struct Declined {
    std::string caseName, number, gender;
};

std::optional<Declined> declinedAt(const std::vector<std::string> &codes, std::size_t at) {
    if (codes.size() < at + 3) return std::nullopt;
    return Declined{codes[at], codes[at + 1], codes[at + 2]};
}

std::string caseGenderNumber(const Declined &d) {
    return caseToken(d.caseName) + genderToken(d.gender) + numberToken(d.number);
}

bool isCoordinating(std::string_view conjunction) {
    static constexpr std::array kCoordinating = {
        "et",   "que",    "atque", "ac",    "sed",    "aut",  "vel",    "nec", "neque", "nam",   "namque",
        "enim", "etenim", "autem", "tamen", "igitur", "ergo", "itaque", "at",  "ast",   "verum", "vero",
        "sive", "seu",    "an",    "immo",  "atqui",  "ve",   "neve",   "neu", "quin",  "ideo",  "proinde"};
    return std::find(kCoordinating.begin(), kCoordinating.end(), conjunction) != kCoordinating.end();
}

// Possessives and pronominal adjectives are filed with the pronouns.
bool isDeterminer(std::string_view lemma) {
    static constexpr std::array kDeterminers = {"meus",  "tuus", "suus",   "noster",  "vester", "alius",
                                                "alter", "uter", "neuter", "uterque", "ullus",  "nullus"};
    return std::find(kDeterminers.begin(), kDeterminers.end(), lemma) != kDeterminers.end();
}

// Verb category from the analyser's conjugation and variant and the lemma.
std::optional<std::string> verbCategory(int conjugation, int variant, std::string_view lemma,
                                        const Entry &entry) {
    static constexpr std::array kIrregular = {"sum",  "possum", "fero", "fio",    "volo", "nolo",
                                              "malo", "eo",     "aio",  "inquam", "edo"};
    const bool irregular = std::find(kIrregular.begin(), kIrregular.end(), lemma) != kIrregular.end();
    // volo "fly" (volare) is of the first conjugation, unlike volo "want".
    if (irregular && conjugation != 1) return "V6";
    switch (conjugation) {
        case 1:
            return "V1";
        case 2:
            return "V2";
        case 3:
            if (variant == 2 || variant == 3) return "V6";  // compounds of fero and fio
            if (variant == 4) return "V4";
            if (endsWith(lemma, "io") || endsWith(lemma, "ior")) return "V5";  // capio, patior
            return "V3";
        case 4:
            return "V4";
        case 5:
            return "V6";  // compounds of sum
        case 6: {
            // Conjugation 6 variant 1 holds eo and its compounds, but also scio and cio.
            const auto parts = headwordParts(entry.headword);
            const bool likeEo = endsWith(lemma, "eo") && parts.size() > 1 && endsWith(parts[1], "ire");
            if (variant == 1) return likeEo ? "V6" : "V4";
            return "V6";  // volo, nolo, malo
        }
        case 7:
            return "V6";  // aio, inquam, edo "eat"
        default:
            return std::nullopt;  // conjugation 8 (archaic irregular forms) and others
    }
}

// Lemma of an irregular form that the analyser prints without a headword of its own.
std::optional<std::string> uniqueLemma(std::string_view form, std::string_view partOfSpeech) {
    if (partOfSpeech == "V") {
        if (startsWith(form, "mav") || startsWith(form, "mal")) return "malo";
        if (startsWith(form, "nol") || startsWith(form, "nev") || startsWith(form, "non")) return "nolo";
        if (startsWith(form, "vi") || startsWith(form, "vu") || startsWith(form, "vo")) return "volo";
        if (startsWith(form, "memento")) return "memini";
        return std::nullopt;
    }
    static constexpr std::array<std::pair<const char *, const char *>, 12> kPronouns = {{
        {"quicquam", "quisquam"},
        {"quicquid", "quisquis"},
        {"quidquid", "quisquis"},
        {"quippiam", "quispiam"},
        {"quisquis", "quisquis"},
        {"quoquo", "quisquis"},
        {"unicuique", "unusquisque"},
        {"uniuscuiusque", "unusquisque"},
        {"unumquodque", "unusquisque"},
        {"unusquisque", "unusquisque"},
        {"eadem", "idem"},
        {"eodem", "idem"},
    }};
    for (const auto &[unique, lemma] : kPronouns)
        if (form == unique) return std::string(lemma);
    if (form == "eundem") return "idem";
    return std::nullopt;
}

// The pronoun compounds the analyser builds from qui/quis and a particle (quidam = qui + dam).
std::optional<std::string> packLemma(std::string_view particle) {
    static constexpr std::array<std::pair<const char *, const char *>, 10> kPacks = {{
        {"dam", "quidam"},
        {"que", "quisque"},
        {"quam", "quisquam"},
        {"piam", "quispiam"},
        {"vis", "quivis"},
        {"libet", "quilibet"},
        {"cumque", "quicumque"},
        {"cunque", "quicumque"},
        {"nam", "quisnam"},
        {"cum", "qui"},
    }};
    for (const auto &[p, lemma] : kPacks)
        if (particle == p) return std::string(lemma);
    return std::nullopt;
}

// The senses of the qui/quis pronouns, told apart by the meaning lines the analyser prints.
struct QuSense {
    const char *signature;
    const char *lemma;
    const char *translation;
};
constexpr std::array<QuSense, 5> kQuSenses = {{
    {"who; that; which, what;", "qui", "che, il quale"},
    {"who/what/which?", "quis", "chi?, che cosa?, quale?"},
    {"who?, which?, what?", "quis", "chi?, che cosa?, quale?"},
    {"(after si/sin/sive/ne)", "quis", "qualcuno, qualcosa, qualche (dopo si, nisi, ne, num)"},
    {"anyone/anybody/anything; whoever you pick", "quis",
     "qualcuno, qualcosa, qualche (dopo si, nisi, ne, num)"},
}};

std::string markerForParticle(std::string_view particle) {
    if (particle == "que") return "[e] ";
    if (particle == "ne") return "[?] ";
    if (particle == "ve") return "[o] ";
    if (particle == "cum") return "(+ cum) ";
    return "";
}

int frequencyRank(char letter) {
    switch (letter) {
        case 'A':
            return 1;
        case 'B':
            return 2;
        case 'C':
            return 3;
        case 'D':
            return 4;
        case 'E':
            return 5;
        case 'F':
            return 6;
        case 'X':
            return 3;
        default:
            return 7;  // I, M, N: single inscriptions, graffiti, one author
    }
}

class Converter {
public:
    explicit Converter(std::string_view form) : m_form(form), m_foldedForm(foldSpelling(form)) {}

    void read(std::string_view output) {
        std::string tackon;
        bool trick = false, syncope = false, derived = false;
        enum class Last { Nothing, Inflection, Entry, Meaning, Tackon, Trick } last = Last::Nothing;
        std::size_t pos = 0;
        while (pos <= output.size()) {
            std::size_t end = output.find('\n', pos);
            if (end == std::string_view::npos) end = output.size();
            const std::string_view raw = output.substr(pos, end - pos);
            pos = end + 1;
            const std::string_view line = trim(raw);
            if (line.empty() || line == "*" || line.find("========") != std::string_view::npos) {
                continue;
            }
            if (isInflectionLine(raw)) {
                const auto words = splitWords(raw);
                if (words[1] == "TACKON" || words[1] == "PREFIX" || words[1] == "SUFFIX") {
                    if (words[1] == "TACKON") {
                        tackon = std::string(words[0]);
                        derived = false;
                    } else {
                        derived = true;  // a word the analyser builds from a prefix or suffix
                    }
                    last = Last::Tackon;
                    continue;
                }
                if (last != Last::Inflection) m_groups.emplace_back();
                Inflection inflection;
                for (char c : words[0])
                    if (c != '.') inflection.word += c;
                inflection.partOfSpeech = std::string(words[1]);
                for (std::size_t i = 2; i < words.size(); ++i) {
                    const std::string_view w = words[i];
                    if (w == "Early" || w == "Late" || w == "Archaic" || w == "Medieval" || w == "Later" ||
                        w == "Scholar" || w == "Modern" || w == "NeoLatin")
                        inflection.unusualAge = true;
                    else
                        inflection.codes.emplace_back(w);
                }
                inflection.tackon = tackon;
                inflection.trick = trick;
                inflection.syncope = syncope;
                inflection.derived = derived;
                m_groups.back().inflections.push_back(std::move(inflection));
                last = Last::Inflection;
                continue;
            }
            if (const auto code = entryCodePosition(raw)) {
                Entry entry;
                const std::string_view before = raw.substr(0, *code);
                const std::size_t gap = before.find("  ");
                if (gap != std::string_view::npos && gap > 0 && before.front() != ' ') {
                    entry.headword = std::string(trim(before.substr(0, gap)));
                    for (auto w : splitWords(before.substr(gap))) entry.codes.emplace_back(w);
                }
                entry.age = raw[*code + 1];
                entry.frequency = raw[*code + 4];
                if (m_groups.empty()) m_groups.emplace_back();
                m_groups.back().entries.push_back(std::move(entry));
                last = Last::Entry;
                continue;
            }
            if (isTrickLine(line)) {
                trick = true;
                syncope = isSyncopeLine(line) || (syncope && startsWith(line, "Syncopated"));
                derived = startsWith(line, "Two words") || startsWith(line, "May be 2");
                last = Last::Trick;
                continue;
            }
            if (last == Last::Tackon || last == Last::Trick) continue;  // explanation of a particle or trick
            if (last == Last::Inflection && m_groups.size() > 1 &&
                !m_groups[m_groups.size() - 2].entries.empty() &&
                m_groups[m_groups.size() - 2].entries.back().meanings.empty()) {
                // Endings printed between an entry and its meanings (a supine after its verb)
                // belong to that entry.
                Group tail = std::move(m_groups.back());
                m_groups.pop_back();
                for (auto &inflection : tail.inflections)
                    m_groups.back().inflections.push_back(std::move(inflection));
            } else if (last == Last::Inflection) {
                // Meanings straight after the endings: the entry is the one printed before
                // (the pronouns share one entry over several groups).
                const bool sameKind = m_groups.size() > 1 && !m_groups[m_groups.size() - 2].entries.empty() &&
                                      !m_groups[m_groups.size() - 2].inflections.empty() &&
                                      m_groups[m_groups.size() - 2].inflections.front().partOfSpeech ==
                                          m_groups.back().inflections.front().partOfSpeech;
                if (sameKind) {
                    Entry shared = m_groups[m_groups.size() - 2].entries.back();
                    shared.meanings.clear();
                    m_groups.back().entries.push_back(std::move(shared));
                } else {
                    m_groups.back().entries.emplace_back();
                }
            }
            if (!m_groups.empty() && !m_groups.back().entries.empty())
                m_groups.back().entries.back().meanings.emplace_back(line);
            last = Last::Meaning;
        }
    }

    std::vector<ProposedAnalysis> convert() {
        // An entry printed without meanings shares those of the next entry (aevus and aevum,
        // two spellings of one word, print one list of meanings after the second).
        std::vector<Entry *> entries;
        for (Group &group : m_groups)
            for (Entry &entry : group.entries) entries.push_back(&entry);
        // Of two entries of one group with the same genitive (viscer and viscus, visceris) the
        // rarer is another spelling of the same word.
        for (Group &group : m_groups)
            for (Entry &entry : group.entries)
                for (const Entry &other : group.entries) {
                    const auto a = headwordParts(entry.headword), b = headwordParts(other.headword);
                    if (&entry != &other && a.size() > 1 && b.size() > 1 && !a[1].empty() && a[1] == b[1] &&
                        frequencyRank(entry.frequency) > frequencyRank(other.frequency))
                        entry.rarerSpelling = true;
                }
        for (std::size_t i = entries.size(); i-- > 1;)
            if (entries[i - 1]->meanings.empty()) {
                entries[i - 1]->meanings = entries[i]->meanings;
                entries[i - 1]->sharedWith = entries[i]->frequency;
            }
        for (const Group &group : m_groups)
            for (const Entry &entry : group.entries)
                for (const Inflection &inflection : group.inflections) convertOne(inflection, entry);
        // No split of an enclitic when the whole form is a word of its own (itaque, neque).
        const bool whole = std::find(m_whole.begin(), m_whole.end(), true) != m_whole.end();
        // quisque is not quis with -que.
        const bool quisque =
            std::any_of(m_out.begin(), m_out.end(), [](const auto &a) { return a.lemma == "quisque"; });
        std::vector<ProposedAnalysis> kept;
        for (std::size_t i = 0; i < m_out.size(); ++i)
            if (!(whole && m_split[i]) && !(quisque && m_split[i] && m_out[i].lemma == "quis"))
                kept.push_back(std::move(m_out[i]));
        // A reading of one gender beside the same reading for every gender (an ordinal's
        // "dat. m. pl." beside the adjective's "dat. pl.") adds nothing.
        const auto withoutGender = [](const std::string &cgn) {
            for (std::string_view g : {" m.", " f.", " nt."})
                if (const std::size_t at = cgn.find(g); at != std::string::npos)
                    return cgn.substr(0, at) + cgn.substr(at + g.size());
            return cgn;
        };
        std::vector<ProposedAnalysis> out;
        for (const auto &a : kept) {
            const std::string general = withoutGender(a.caseGenderNumber);
            const bool covered = general != a.caseGenderNumber &&
                                 std::any_of(kept.begin(), kept.end(), [&](const ProposedAnalysis &b) {
                                     return b.lemma == a.lemma && b.category == a.category &&
                                            b.marker == a.marker && b.caseGenderNumber == general &&
                                            b.moodTenseVoice == a.moodTenseVoice;
                                 });
            if (!covered) out.push_back(a);
        }
        return out;
    }

private:
    // How the inflection's word stands to the form: the form itself, the form less an
    // enclitic, or neither (a spelling trick).
    void convertOne(const Inflection &inflection, const Entry &entry) {
        // A rarer spelling of a word printed beside its usual one is left out.
        if (entry.rarerSpelling ||
            (entry.sharedWith != ' ' && frequencyRank(entry.frequency) > frequencyRank(entry.sharedWith)))
            return;
        // Words the analyser builds from a prefix or suffix or from two words (ligario from
        // liga, a medieval league) are guesses no reader can trust: left out.
        if (inflection.derived) return;
        ProposedAnalysis a;
        a.form = m_form;
        const std::string word = foldSpelling(inflection.word);
        std::string particle;
        if (word == m_foldedForm) {
            // the whole form
        } else if (!inflection.tackon.empty() && word + foldSpelling(inflection.tackon) == m_foldedForm) {
            particle = inflection.tackon;
        } else if (inflection.trick) {
            a.guess = !inflection.syncope;
        } else {
            a.guess = true;
        }
        a.unusualAge = inflection.unusualAge || (entry.age != 'X' && entry.age != 'C');
        a.frequency = entry.frequency;
        a.meaning = entry.meanings.empty() ? std::string() : entry.meanings.front();
        const bool pack = !entry.codes.empty() && entry.codes.front() == "PACK";
        if (pack) {
            const auto lemma = packLemma(particle);
            if (!lemma) return;
            a.lemma = *lemma;
            if (particle == "cum") a.marker = "(+ cum) ";
            particle.clear();
        } else if (!particle.empty()) {
            a.marker = markerForParticle(particle);
        }
        m_enclitic = !particle.empty();
        m_wholeWord = particle.empty() && !pack && !a.guess;
        if (particle == "cum" && (inflection.codes.size() < 3 || inflection.codes[2] != "ABL")) return;
        const std::string &pos = inflection.partOfSpeech;
        const auto &c = inflection.codes;
        const auto number = [&](std::size_t i) { return i < c.size() ? std::atoi(c[i].c_str()) : 0; };
        std::string headLemma = withIForJ(firstHeadwordPart(entry.headword));
        const bool unique = !entry.codes.empty() && entry.codes.front() == "X";
        if (unique) {
            const auto lemma = uniqueLemma(m_foldedForm, pos);
            if (!lemma) return;
            headLemma = *lemma;
        }
        if (a.lemma.empty()) a.lemma = headLemma;
        // coepi has only the perfect system: the dictionary gives it under its perfect.
        if (a.lemma == "coepio") a.lemma = "coepi";
        // uterque and plerique are words of their own, not uter or plerus with -que.
        if (particle == "que" && (a.lemma == "uter" || a.lemma == "plerus")) {
            a.lemma = a.lemma == "uter" ? "uterque" : "plerique";
            a.marker.clear();
            m_enclitic = false;
            m_wholeWord = true;
        }

        if (pos == "N") {
            const int declension = number(0);
            if (declension == 9 && number(1) == 8) return;  // abbreviation
            const auto d = declinedAt(c, 2);
            if (!d || d->caseName == "LOC" || a.lemma.empty()) return;
            if ((declension < 1 || declension > 5) && declension != 9) return;
            a.category = declension == 9 ? "N6" : "N" + std::to_string(declension);
            a.noun = true;
            a.genitive = withIForJ(headwordPart(entry.headword, 1));
            // The analyser names a name used in the plural only by its singular (Athena for
            // Athenae, "Athens (pl.)"): the lemma is the plural. (A common noun marked so, omne
            // "all things (pl.); everything", has a singular too.)
            const std::string firstSense = a.meaning.substr(0, a.meaning.find_first_of(";,"));
            const bool name = std::isupper(static_cast<unsigned char>(a.lemma.front()));
            // A common noun with a sense of its own in the plural (castra "camp", arma, liberi,
            // moenia, insidiae): its plural forms may go under the plural.
            if (!name && d->number == "P" && a.meaning.find("(pl.)") != std::string::npos) {
                const std::string plural =
                    withIForJ(nominativePlural(headwordParts(entry.headword), declension, d->gender));
                if (!plural.empty() && plural != a.lemma) a.pluralLemma = plural;
            }
            if (endsWith(firstSense, "(pl.)") && name) {
                if (d->number == "S") return;  // Nonae has no singular: nonam is nonus
                if (declension == 1 && endsWith(a.lemma, "a")) a.lemma += "e";
                if (declension == 2 && endsWith(a.lemma, "us"))
                    a.lemma = a.lemma.substr(0, a.lemma.size() - 2) + "i";
                if (declension == 2 && endsWith(a.lemma, "um"))
                    a.lemma = a.lemma.substr(0, a.lemma.size() - 2) + "a";
            }
            a.caseGenderNumber = caseGenderNumber(*d);
            // The analyser's Greek genitive singular in -um (rhetorum) is the genitive plural.
            if (declension == 3 && d->caseName == "GEN" && d->number == "S" &&
                endsWith(inflection.word, "um"))
                a.caseGenderNumber = caseToken("GEN") + genderToken(d->gender) + numberToken("P");
        } else if (pos == "ADJ") {
            const auto d = declinedAt(c, 2);
            if (!d || d->caseName == "LOC" || a.lemma.empty()) return;
            // Adjectives of two and three endings (fortis, acer) have their ablative in -i; the
            // analyser's -e reading of them is no classical form.
            if (number(0) == 3 && (number(1) == 2 || number(1) == 3) && d->caseName == "ABL" &&
                d->number == "S" && endsWith(inflection.word, "e") && (c.size() < 6 || c[5] == "POS"))
                return;
            const bool comparative = c.size() > 5 && c[5] == "COMP";
            if (isDeterminer(a.lemma))
                a.category = "DP";
            else if (number(0) == 3 || (number(0) == 0 && comparative))
                a.category = "A2";  // potior
            else
                a.category = "A1";
            a.caseGenderNumber = caseGenderNumber(*d);
            a.adjective = true;
            // An adjective with a sense of its own in the plural (singuli "one each", ceteri).
            if (a.meaning.find("(pl.)") != std::string::npos && d->number == "P" && number(0) == 1) {
                const auto parts = headwordParts(entry.headword);
                if (endsWith(a.lemma, "us"))
                    a.pluralLemma = a.lemma.substr(0, a.lemma.size() - 2) + "i";
                else if (parts.size() > 1 && endsWith(parts[1], "a"))
                    a.pluralLemma = withIForJ(parts[1].substr(0, parts[1].size() - 1)) + "i";
            }
            if (c.size() > 5 && c[5] == "COMP") a.marker = "(comp.) " + a.marker;
            if (c.size() > 5 && c[5] == "SUPER") a.marker = "(superl.) " + a.marker;
        } else if (pos == "NUM" && a.meaning.find("as a ROMAN NUMERAL") != std::string::npos) {
            // A Roman numeral is kept only when the form has no other reading (vi is vis).
            a.lemma.clear();
            for (char ch : m_form) a.lemma += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            a.category = "num";
            a.translation = std::string(trim(a.meaning.substr(0, a.meaning.find(' '))));
            a.unusualAge = true;
        } else if (pos == "NUM") {
            // Ordinals, distributives and numeral adverbs are words of their own: primus,
            // singuli, semel under "unus -a -um, primus -a -um, singuli -ae -a, semel".
            const std::string_view kind = c.empty() ? std::string_view() : std::string_view(c.back());
            const std::size_t part = kind == "ORD" ? 1 : kind == "DIST" ? 2 : kind == "ADVERB" ? 3 : 0;
            if (part != 0) {
                const std::string own = withIForJ(headwordPart(entry.headword, part));
                if (own.empty()) return;
                a.lemma = own;
            }
            if (kind == "ADVERB") {
                a.category = "ADV";
            } else {
                const auto d = declinedAt(c, 2);
                if (!d || d->caseName == "LOC" || a.lemma.empty()) return;
                a.category = part == 0 ? "num" : "A1";
                a.adjective = part != 0;
                a.caseGenderNumber = caseGenderNumber(*d);
            }
        } else if (pos == "PRON") {
            convertPronoun(a, inflection, entry, pack);
            return;
        } else if (pos == "V" || pos == "VPAR" || pos == "SUPINE") {
            if (!convertVerb(a, inflection, entry)) return;
            const auto perfectSystem = [](const std::string &mtv) {
                return mtv.find("parf.") != std::string::npos || mtv.find("pqp.") != std::string::npos ||
                       mtv.find("ant.") != std::string::npos;
            };
            if (a.lemma == "coepi" && !perfectSystem(a.moodTenseVoice)) return;
            if (a.participle && a.moodTenseVoice == "adj. verb.") addGerund(a);
        } else if (pos == "ADV") {
            if (a.lemma.empty()) a.lemma = std::string(inflection.word);
            a.category = "ADV";
            if (m_foldedForm == "cum") a.category = "CS";
            if (a.lemma == "num" || a.lemma == "nonne") a.category = "partic";
            if (!c.empty() && c[0] == "COMP") a.marker = "(comp.) " + a.marker;
            if (!c.empty() && c[0] == "SUPER") a.marker = "(superl.) " + a.marker;
        } else if (pos == "PREP") {
            if (a.lemma.empty()) a.lemma = std::string(inflection.word);
            a.category = "PRE";
            if (!c.empty()) a.caseGenderNumber = caseToken(c[0]);
        } else if (pos == "CONJ") {
            if (a.lemma.empty()) a.lemma = std::string(inflection.word);
            a.category = isCoordinating(a.lemma) ? "CC" : "CS";
        } else if (pos == "INTERJ") {
            if (a.lemma.empty()) a.lemma = std::string(inflection.word);
            a.category = "interj";
        } else {
            return;
        }
        add(std::move(a));
    }

    bool convertVerb(ProposedAnalysis &a, const Inflection &inflection, const Entry &entry) {
        const auto &c = inflection.codes;
        if (c.size() < 2 || a.lemma.empty()) return false;
        const auto category = verbCategory(std::atoi(c[0].c_str()), std::atoi(c[1].c_str()), a.lemma, entry);
        if (!category) return false;
        a.category = *category;
        // The participles and supine printed under fio (factus, factum) are those of facio.
        if (endsWith(a.lemma, "fio") &&
            (inflection.partOfSpeech == "VPAR" || inflection.partOfSpeech == "SUPINE")) {
            a.lemma = a.lemma.substr(0, a.lemma.size() - 3) + "facio";
            Entry passive = entry;
            passive.codes.clear();
            if (!convertVerb(a, inflection, passive)) return false;
            a.category = "V5";
            return true;
        }
        const bool deponent = hasCode(entry, "DEP");
        const bool semiDeponent = hasCode(entry, "SEMIDEP");
        a.deponent = deponent;
        const std::string &pos = inflection.partOfSpeech;
        if (pos == "SUPINE") {
            const auto d = declinedAt(c, 2);
            if (!d) return false;
            a.caseGenderNumber = caseToken(d->caseName);
            a.moodTenseVoice = "sup.";
            a.participle = true;
            return true;
        }
        if (pos == "VPAR") {
            const auto d = declinedAt(c, 2);
            if (!d || c.size() < 6 || d->caseName == "LOC") return false;
            a.caseGenderNumber = caseGenderNumber(*d);
            a.participle = true;
            const std::string &tense = c[5];
            const std::string voice = c.size() > 6 && c[6] != "PPL" ? c[6] : "";
            const bool gerundive =
                tense == "FUT" && (voice == "PASSIVE" || (voice.empty() && deponent &&
                                                          inflection.word.find("nd") != std::string::npos));
            if (gerundive) {
                a.moodTenseVoice = "adj. verb.";
                return true;
            }
            std::string voiceToken = voice == "PASSIVE" ? "pas." : "act.";
            if (deponent || (semiDeponent && tense == "PERF")) voiceToken = "d\xE9p.";
            a.moodTenseVoice = joinMoodTenseVoice({"part.", tenseToken(tense), voiceToken});
            return true;
        }
        // Finite verb or infinitive: TENSE [VOICE] MOOD PERSON NUMBER.
        std::size_t i = 2;
        const std::string tense = i < c.size() ? c[i++] : "";
        std::string voice;
        if (i < c.size() && (c[i] == "ACTIVE" || c[i] == "PASSIVE")) voice = c[i++];
        const std::string mood = i < c.size() ? c[i++] : "";
        const std::string person = i < c.size() ? c[i++] : "";
        const std::string num = i < c.size() ? c[i++] : "";
        if (moodToken(mood).empty()) return false;
        std::string voiceToken = voice == "PASSIVE" ? "pas." : "act.";
        const bool perfectSystem = tense == "PERF" || tense == "PLUP" || tense == "FUTP";
        if (deponent || (semiDeponent && perfectSystem)) voiceToken = "d\xE9p.";
        a.caseGenderNumber = personToken(person) + numberToken(num);
        a.moodTenseVoice = joinMoodTenseVoice({moodToken(mood), tenseToken(tense), voiceToken});
        return true;
    }

    // An -nd- form in the genitive, dative, ablative or accusative neuter singular is also a gerund.
    void addGerund(const ProposedAnalysis &gerundive) {
        const std::string &cgn = gerundive.caseGenderNumber;
        if (cgn != "g\xE9n. nt. sg." && cgn != "dat. nt. sg." && cgn != "abl. nt. sg." &&
            cgn != "acc. nt. sg.")
            return;
        ProposedAnalysis gerund = gerundive;
        gerund.moodTenseVoice = "g\xE9r.";
        add(std::move(gerund));
    }

    bool convertPronoun(ProposedAnalysis a, const Inflection &inflection, const Entry &entry, bool pack) {
        const auto &c = inflection.codes;
        const auto d = declinedAt(c, 2);
        if (!d || c.size() < 2 || d->caseName == "LOC") return false;
        a.category = "DP";
        a.caseGenderNumber = caseGenderNumber(*d);
        const int declension = std::atoi(c[0].c_str());
        const int variant = std::atoi(c[1].c_str());
        if (pack || !entry.headword.empty()) {
            if (a.lemma.empty()) return false;
            add(std::move(a));
            return true;
        }
        if (declension == 5) {
            const std::string folded = foldSpelling(inflection.word);
            if (variant == 1)
                a.lemma = "ego";
            else if (variant == 2)
                a.lemma = "tu";
            else if (variant == 3)
                a.lemma = startsWith(folded, "n") ? "nos" : "uos";
            else if (variant == 4)
                a.lemma = "sui";
            else
                return false;
            if (a.lemma == "uos") a.lemma = "vos";
            add(std::move(a));
            return true;
        }
        if (declension != 1 || variant != 0) return false;
        const std::string folded = foldSpelling(inflection.word);
        if (startsWith(folded, "aliqu") || startsWith(folded, "alicu")) {
            a.lemma = "aliquis";
            add(std::move(a));
            return true;
        }
        if (!startsWith(folded, "qu") && !startsWith(folded, "cu")) return false;
        // One reading per sense that the analyser names for this group.
        bool any = false;
        std::string done;
        for (const QuSense &sense : kQuSenses) {
            const bool named = std::any_of(
                entry.meanings.begin(), entry.meanings.end(),
                [&](const std::string &m) { return m.find(sense.signature) != std::string::npos; });
            if (!named || done.find(sense.translation) != std::string::npos) continue;
            done += sense.translation;
            ProposedAnalysis reading = a;
            reading.lemma = sense.lemma;
            reading.translation = sense.translation;
            add(std::move(reading));
            any = true;
        }
        return any;
    }

    void add(ProposedAnalysis a) {
        const bool known = std::any_of(m_out.begin(), m_out.end(), [&](const ProposedAnalysis &b) {
            return b.lemma == a.lemma && b.category == a.category &&
                   b.caseGenderNumber == a.caseGenderNumber && b.moodTenseVoice == a.moodTenseVoice &&
                   b.marker == a.marker && b.translation == a.translation;
        });
        if (known) return;
        m_out.push_back(std::move(a));
        m_split.push_back(m_enclitic);
        m_whole.push_back(m_wholeWord);
    }

    std::string m_form;
    std::string m_foldedForm;
    std::vector<Group> m_groups;
    std::vector<ProposedAnalysis> m_out;
    std::vector<bool> m_split, m_whole;  // per analysis: an enclitic split off; the whole form
    bool m_enclitic = false, m_wholeWord = false;
};

template <typename Pred>
void removeIf(std::vector<ProposedAnalysis> &analyses, Pred pred) {
    std::vector<bool> drop(analyses.size());
    for (std::size_t i = 0; i < analyses.size(); ++i) drop[i] = pred(analyses[i]);
    std::size_t k = 0;
    for (std::size_t i = 0; i < analyses.size(); ++i)
        if (!drop[i]) {
            if (k != i) analyses[k] = std::move(analyses[i]);
            ++k;
        }
    analyses.resize(k);
}

}  // namespace

std::vector<ProposedAnalysis> convertAnalyserOutput(std::string_view form, std::string_view output) {
    Converter converter(form);
    converter.read(output);
    return converter.convert();
}

void keepPlausibleAnalyses(std::vector<ProposedAnalysis> &analyses) {
    if (std::any_of(analyses.begin(), analyses.end(), [](const auto &a) { return !a.guess; }))
        removeIf(analyses, [](const ProposedAnalysis &a) { return a.guess; });
    if (std::any_of(analyses.begin(), analyses.end(), [](const auto &a) { return !a.unusualAge; }))
        removeIf(analyses, [](const ProposedAnalysis &a) { return a.unusualAge; });
}

void applyEconomyRules(std::vector<ProposedAnalysis> &analyses, unsigned rules) {
    const auto has = [&](EconomyRule rule) { return (rules & static_cast<unsigned>(rule)) != 0; };
    if (has(EconomyRule::UncommonBesideCommon)) {
        const bool common = std::any_of(analyses.begin(), analyses.end(),
                                        [](const auto &a) { return frequencyRank(a.frequency) <= 3; });
        if (common)
            removeIf(analyses, [](const ProposedAnalysis &a) { return frequencyRank(a.frequency) >= 5; });
    }
    if (has(EconomyRule::DeponentActiveTwin)) {
        const std::vector<ProposedAnalysis> all = analyses;
        removeIf(analyses, [&](const ProposedAnalysis &a) {
            if (a.deponent || a.category.empty() || a.category[0] != 'V') return false;
            return std::any_of(all.begin(), all.end(), [&](const ProposedAnalysis &b) {
                return b.deponent && b.lemma == a.lemma + "r";
            });
        });
    }
    if (has(EconomyRule::ParticipialAdjective)) {
        const std::vector<ProposedAnalysis> all = analyses;
        removeIf(analyses, [&](const ProposedAnalysis &a) {
            if (!a.adjective || !a.marker.empty()) return false;
            return std::any_of(all.begin(), all.end(), [&](const ProposedAnalysis &b) {
                return b.participle && b.caseGenderNumber == a.caseGenderNumber &&
                       frequencyRank(b.frequency) < frequencyRank(a.frequency);
            });
        });
    }
    if (has(EconomyRule::SubstantivisedAdjective)) {
        const std::vector<ProposedAnalysis> all = analyses;
        removeIf(analyses, [&](const ProposedAnalysis &a) {
            return a.noun && std::any_of(all.begin(), all.end(), [&](const ProposedAnalysis &b) {
                       return b.adjective && b.lemma == a.lemma;
                   });
        });
    }
    if (has(EconomyRule::VocativeLikeNominative)) {
        const std::vector<ProposedAnalysis> all = analyses;
        removeIf(analyses, [&](const ProposedAnalysis &a) {
            if (!startsWith(a.caseGenderNumber, "voc. ")) return false;
            const std::string nominative = "nom. " + a.caseGenderNumber.substr(5);
            return std::any_of(all.begin(), all.end(), [&](const ProposedAnalysis &b) {
                return b.lemma == a.lemma && b.category == a.category &&
                       b.moodTenseVoice == a.moodTenseVoice && b.marker == a.marker &&
                       b.caseGenderNumber == nominative;
            });
        });
    }
}

std::string analyserMarkerWord(std::size_t n) {
    static constexpr char kLetters[] = {'x', 'z', 'k', 'w'};
    std::string marker = "qqq";
    for (int i = 0; i < 9; ++i) {
        marker += kLetters[n % 4];
        n /= 4;
    }
    return marker;
}

}  // namespace orbalis
