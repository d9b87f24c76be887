#include "bench_inputs.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "records/file_system.h"
#include "text/encoding.h"
#include "text/tokenizer.h"
#include "tools/data_compiler.h"

namespace orbalis::bench {

namespace {

// splitmix64: its output is fully specified (unlike the standard distributions and std::shuffle),
// so the same seed gives the same inputs everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    template <typename T, std::size_t N>
    const T &pick(const T (&items)[N]) {
        return items[below(N)];
    }

private:
    std::uint64_t m_state;
};

// The literals below are UTF-8 in this file; the system's texts are Windows-1252.
std::string cp(std::string_view utf8) {
    return utf8ToCp1252(utf8, '?');
}

struct Ending {
    std::string_view text;
    std::string_view caseGenderNumber;
    std::string_view moodTenseVoice;
};

struct Paradigm {
    std::string_view category;
    std::string_view lemmaEnding;  // appended to the stem to give the lemma
    std::vector<Ending> endings;
};

const std::vector<Paradigm> &paradigms() {
    static const std::vector<Paradigm> all = {
        {"N1",
         "a",
         {{"a", "nom. f. sg.", "_"},
          {"ae", "gén. f. sg.", "_"},
          {"ae", "dat. f. sg.", "_"},
          {"am", "acc. f. sg.", "_"},
          {"a", "abl. f. sg.", "_"},
          {"ae", "nom. f. pl.", "_"},
          {"arum", "gén. f. pl.", "_"},
          {"is", "dat. f. pl.", "_"},
          {"as", "acc. f. pl.", "_"},
          {"is", "abl. f. pl.", "_"}}},
        {"N2",
         "us",
         {{"us", "nom. m. sg.", "_"},
          {"i", "gén. m. sg.", "_"},
          {"o", "dat. m. sg.", "_"},
          {"um", "acc. m. sg.", "_"},
          {"o", "abl. m. sg.", "_"},
          {"i", "nom. m. pl.", "_"},
          {"orum", "gén. m. pl.", "_"},
          {"is", "dat. m. pl.", "_"},
          {"os", "acc. m. pl.", "_"},
          {"is", "abl. m. pl.", "_"}}},
        {"N3",
         "or",
         {{"or", "nom. m. sg.", "_"},
          {"oris", "gén. m. sg.", "_"},
          {"ori", "dat. m. sg.", "_"},
          {"orem", "acc. m. sg.", "_"},
          {"ore", "abl. m. sg.", "_"},
          {"ores", "nom. m. pl.", "_"},
          {"orum", "gén. m. pl.", "_"},
          {"oribus", "dat. m. pl.", "_"},
          {"ores", "acc. m. pl.", "_"},
          {"oribus", "abl. m. pl.", "_"}}},
        {"N4",
         "us",
         {{"us", "nom. m. sg.", "_"},
          {"us", "gén. m. sg.", "_"},
          {"ui", "dat. m. sg.", "_"},
          {"um", "acc. m. sg.", "_"},
          {"u", "abl. m. sg.", "_"},
          {"us", "nom. m. pl.", "_"},
          {"uum", "gén. m. pl.", "_"},
          {"ibus", "dat. m. pl.", "_"}}},
        {"V1",
         "o",
         {{"o", "1 sg.", "ind. prés. act."},
          {"as", "2 sg.", "ind. prés. act."},
          {"at", "3 sg.", "ind. prés. act."},
          {"amus", "1 pl.", "ind. prés. act."},
          {"atis", "2 pl.", "ind. prés. act."},
          {"ant", "3 pl.", "ind. prés. act."},
          {"abat", "3 sg.", "ind. impf. act."},
          {"abant", "3 pl.", "ind. impf. act."},
          {"avit", "3 sg.", "ind. parf. act."},
          {"averunt", "3 pl.", "ind. parf. act."},
          {"are", "_", "inf. prés. act."},
          {"atur", "3 sg.", "ind. prés. pas."},
          {"aret", "3 sg.", "subj. impf. act."},
          {"atus", "nom. m. sg.", "part. parf. pas."}}},
        {"V3",
         "o",
         {{"o", "1 sg.", "ind. prés. act."},
          {"is", "2 sg.", "ind. prés. act."},
          {"it", "3 sg.", "ind. prés. act."},
          {"imus", "1 pl.", "ind. prés. act."},
          {"unt", "3 pl.", "ind. prés. act."},
          {"ebat", "3 sg.", "ind. impf. act."},
          {"ebant", "3 pl.", "ind. impf. act."},
          {"ere", "_", "inf. prés. act."},
          {"itur", "3 sg.", "ind. prés. pas."},
          {"eret", "3 sg.", "subj. impf. act."},
          {"erent", "3 pl.", "subj. impf. act."},
          {"at", "3 sg.", "subj. prés. act."}}},
        {"A1",
         "us",
         {{"us", "nom. m. sg.", "_"},
          {"a", "nom. f. sg.", "_"},
          {"um", "acc. nt. sg.", "_"},
          {"i", "gén. m. sg.", "_"},
          {"ae", "gén. f. sg.", "_"},
          {"o", "abl. m. sg.", "_"},
          {"am", "acc. f. sg.", "_"},
          {"os", "acc. m. pl.", "_"},
          {"as", "acc. f. pl.", "_"},
          {"is", "abl. m. pl.", "_"},
          {"orum", "gén. m. pl.", "_"},
          {"arum", "gén. f. pl.", "_"}}},
        {"A2",
         "is",
         {{"is", "nom. m. sg.", "_"},
          {"e", "nom. nt. sg.", "_"},
          {"em", "acc. m. sg.", "_"},
          {"i", "abl. m. sg.", "_"},
          {"es", "nom. m. pl.", "_"},
          {"ium", "gén. m. pl.", "_"},
          {"ibus", "abl. f. pl.", "_"},
          {"ia", "nom. nt. pl.", "_"}}},
        {"ADV", "e", {{"e", "_", "_"}, {"iter", "_", "_"}}},
    };
    return all;
}

// Categories of forms that no paradigm above explains (et, in, ad, quod...).
constexpr std::string_view kInvariableCategories[] = {"CC", "PRE", "ADV", "CS", "DP", "num", "interj"};
constexpr std::string_view kPronounCases[] = {"nom. m. sg.", "acc. f. sg.", "abl. nt. pl.", "dat. 3 pl.",
                                              "gén. m. pl."};

constexpr std::string_view kNouns[] = {
    "fiume",   "riva",         "popolo",   "guerra",   "campo",  "città",   "nave",      "mare",
    "cielo",   "terra",        "dio",      "re",       "regina", "legione", "soldato",   "cavallo",
    "fuoco",   "vento",        "arma",     "scudo",    "monte",  "bosco",   "porta",     "muro",
    "signore", "padre",        "madre",    "figlio",   "amico",  "nemico",  "fortuna",   "gloria",
    "fama",    "forza",        "legge",    "costume",  "lingua", "confine", "provincia", "mercante",
    "ponte",   "accampamento", "ostaggio", "frumento", "valore"};
constexpr std::string_view kVerbs[] = {"guardare", "combattere", "vincere", "portare",  "dire",
                                       "fare",     "vedere",     "venire",  "andare",   "chiedere",
                                       "temere",   "sperare",    "mandare", "condurre", "difendere",
                                       "occupare", "passare",    "fuggire"};
constexpr std::string_view kAdjectives[] = {"grande", "piccolo", "forte", "nuovo",      "antico", "lontano",
                                            "vicino", "alto",    "largo", "più facile", "stesso", "altro"};

// The preposition or article an Italian gloss of a case starts with.
std::string_view caseArticle(std::string_view caseGenderNumber) {
    if (caseGenderNumber.starts_with("gén")) return "del";
    if (caseGenderNumber.starts_with("dat")) return "al";
    if (caseGenderNumber.starts_with("abl")) return "dal";
    return "il";
}

std::string gloss(Random &rng, std::string_view category, std::string_view caseGenderNumber) {
    const std::size_t words = 1 + rng.below(3);
    std::string text;
    for (std::size_t i = 0; i < words; ++i) {
        if (i > 0) text += ", ";
        if (category.starts_with("V")) {
            text += rng.pick(kVerbs);
        } else if (category.starts_with("A")) {
            text += rng.pick(kAdjectives);
        } else if (category.starts_with("N")) {
            text += caseArticle(caseGenderNumber);
            text += ' ';
            text += rng.pick(kNouns);
        } else {
            text += rng.pick(kNouns);
        }
    }
    return cp(text);
}

bool endsWithIgnoringCase(std::string_view form, std::string_view ending) {
    return form.size() >= ending.size() && lowerCp1252(form.substr(form.size() - ending.size())) == ending;
}

// One plausible analysis of `form`: a paradigm slot whose ending the form has, or (for one form
// in ten, and for forms no paradigm explains) an invariable word.
AnalysisFields analysisOf(std::string_view form, Random &rng) {
    struct Slot {
        const Paradigm *paradigm;
        const Ending *ending;
    };
    std::vector<Slot> slots;
    for (const Paradigm &paradigm : paradigms())
        for (const Ending &ending : paradigm.endings)
            if (form.size() >= ending.text.size() + 2 && endsWithIgnoringCase(form, ending.text))
                slots.push_back({&paradigm, &ending});
    AnalysisFields fields;
    fields.form = std::string(form);
    if (!slots.empty() && rng.below(10) != 0) {
        const Slot slot = slots[rng.below(slots.size())];
        fields.lemma = std::string(form.substr(0, form.size() - slot.ending->text.size()));
        fields.lemma += slot.paradigm->lemmaEnding;
        fields.category = slot.paradigm->category;
        fields.caseGenderNumber = cp(slot.ending->caseGenderNumber);
        fields.moodTenseVoice = cp(slot.ending->moodTenseVoice);
    } else {
        fields.lemma = lowerCp1252(form);
        fields.category = rng.pick(kInvariableCategories);
        fields.caseGenderNumber = fields.category == "DP" ? cp(rng.pick(kPronounCases)) : "_";
        fields.moodTenseVoice = "_";
    }
    fields.translation = gloss(rng, fields.category, fields.caseGenderNumber);
    return fields;
}

constexpr std::string_view kOnsets[] = {"",  "b", "c", "d", "f",  "g",  "h",  "l",  "m",  "n",  "p",  "qu",
                                        "r", "s", "t", "v", "st", "tr", "pr", "cr", "gr", "fl", "pl", "sc"};
constexpr std::string_view kVowels[] = {"a", "e", "i", "o", "u", "ae", "au", "a", "e", "i"};
constexpr std::string_view kCodas[] = {"", "", "", "", "n", "r", "s", "t", "l", "m", "x", "c", "nt", "st"};

// A Latin-like stem of one to three syllables; now and then with an ë (a Latin-1 letter).
std::string latinStem(Random &rng) {
    const double r = rng.unit();
    const std::size_t syllables = r < 0.2 ? 1 : r < 0.75 ? 2 : 3;
    std::string stem;
    for (std::size_t i = 0; i < syllables; ++i) {
        const std::string_view onset = rng.pick(kOnsets);
        const std::string_view vowel = rng.pick(kVowels);
        stem += onset;
        stem += onset == "qu" && vowel.starts_with('u') ? std::string_view("a") : vowel;  // no "quu"
        if (rng.chance(i + 1 < syllables ? 0.4 : 0.5)) stem += rng.pick(kCodas);
    }
    if (rng.chance(0.02))
        if (const auto e = stem.find('e'); e != std::string::npos && e > 0) stem[e] = '\xEB';
    return stem;
}

// A generated form with the analysis its making implies: a stem and one paradigm ending.
AnalysisFields generatedAnalysis(Random &rng) {
    const auto &all = paradigms();
    const Paradigm &paradigm = all[rng.below(all.size())];
    const Ending &ending = paradigm.endings[rng.below(paradigm.endings.size())];
    const std::string stem = latinStem(rng);
    AnalysisFields fields;
    fields.form = stem + std::string(ending.text);
    fields.lemma = stem + std::string(paradigm.lemmaEnding);
    fields.category = paradigm.category;
    fields.caseGenderNumber = cp(ending.caseGenderNumber);
    fields.moodTenseVoice = cp(ending.moodTenseVoice);
    fields.translation = gloss(rng, fields.category, fields.caseGenderNumber);
    return fields;
}

// Upper-cases a lower-case initial and lower-cases a capital one (ASCII and Latin-1 letters).
std::string flipInitialCase(std::string form) {
    if (form.empty()) return form;
    const auto c = static_cast<unsigned char>(form[0]);
    if (c >= 'a' && c <= 'z')
        form[0] = static_cast<char>(c - 32);
    else if (c >= 224 && c <= 254 && c != 247)
        form[0] = static_cast<char>(c - 32);
    else
        form[0] = lowerCp1252(form[0]);
    return form;
}

// How many analyses a form gets: one for most, up to four for a few.
std::size_t analysisCount(Random &rng) {
    const double r = rng.unit();
    return r < 0.65 ? 1 : r < 0.87 ? 2 : r < 0.96 ? 3 : 4;
}

constexpr std::string_view kFunctionWords[] = {
    "et",     "in",    "ad",    "non",   "cum",   "est",   "ut",    "qui",    "quae",   "quod", "se",
    "sed",    "ab",    "a",     "ex",    "de",    "esse",  "erat",  "sunt",   "atque",  "ac",   "per",
    "sibi",   "eius",  "eum",   "hoc",   "his",   "neque", "nec",   "etiam",  "iam",    "tum",  "ne",
    "si",     "ubi",   "ita",   "enim",  "autem", "omnis", "omnes", "quam",   "post",   "ante", "inter",
    "contra", "sub",   "pro",   "ille",  "illa",  "ipse",  "suis",  "suos",   "quibus", "quo",  "qua",
    "eo",     "ea",    "id",    "is",    "hic",   "haec",  "tamen", "itaque", "nam",    "dum",  "nunc",
    "tam",    "magna", "magno", "multa", "fuit",  "esset"};

// Prose of Latin-like sentences: the function words above and generated forms, drawn with
// Zipf-like frequencies (the n-th most frequent word about 1/n as often as the first).
std::string generatedLatin(std::size_t approximateBytes) {
    Random rng(0x4c6174696eULL);
    std::vector<std::string> vocabulary(std::begin(kFunctionWords), std::end(kFunctionWords));
    std::unordered_set<std::string> seen(vocabulary.begin(), vocabulary.end());
    while (vocabulary.size() < 5000) {
        std::string form = generatedAnalysis(rng).form;
        if (!seen.insert(lowerCp1252(form)).second) continue;
        if (rng.chance(0.03)) form = flipInitialCase(form);  // a proper name
        vocabulary.push_back(std::move(form));
    }
    std::vector<double> cumulative;
    double total = 0;
    for (std::size_t rank = 0; rank < vocabulary.size(); ++rank)
        cumulative.push_back(total += 1.0 / (rank + 1));

    std::string text;
    while (text.size() < approximateBytes) {
        const std::size_t sentences = 1 + rng.below(3);
        for (std::size_t s = 0; s < sentences; ++s) {
            if (s > 0) text += ' ';
            const std::size_t words = 5 + rng.below(14);
            for (std::size_t w = 0; w < words; ++w) {
                const auto at = std::upper_bound(cumulative.begin(), cumulative.end(), rng.unit() * total);
                std::string word =
                    vocabulary[std::min<std::size_t>(at - cumulative.begin(), vocabulary.size() - 1)];
                if (w == 0 && !word.empty() && word[0] >= 'a' && word[0] <= 'z') word = flipInitialCase(word);
                if (w > 0) text += ' ';
                text += word;
                if (w + 1 < words && rng.chance(0.1)) text += ',';
            }
            text += rng.chance(0.05) ? '?' : '.';
        }
        text += '\n';
    }
    return text;
}

void writeFile(const std::string &path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

LatinSource latinSource() {
    if (const char *directory = std::getenv("ORBALIS_BENCH_CORPUS"); directory && *directory) {
        const std::string caesar = std::string(directory) + "/caesar_bg1.txt";
        const std::string vergil = std::string(directory) + "/vergil_aen1.txt";
        if (fileExists(caesar) && fileExists(vergil)) {
            LatinSource source;
            source.text = readWholeFile(caesar);
            if (!source.text.empty() && source.text.back() != '\n') source.text += '\n';
            source.text += readWholeFile(vergil);
            source.description = "caesar_bg1.txt + vergil_aen1.txt from " + std::string(directory) + " (" +
                                 std::to_string(source.text.size()) + " bytes)";
            return source;
        }
    }
    LatinSource source;
    source.text = generatedLatin(90000);
    source.description = "generated Latin-like prose (" + std::to_string(source.text.size()) +
                         " bytes; set ORBALIS_BENCH_CORPUS to a directory holding caesar_bg1.txt and "
                         "vergil_aen1.txt to use real texts)";
    return source;
}

std::string repeatToSize(std::string_view source, std::size_t bytes) {
    std::string out;
    out.reserve(bytes);
    std::size_t pos = 0;
    while (out.size() < bytes) {
        if (source.empty()) {
            out.append(bytes - out.size(), ' ');
            break;
        }
        if (pos >= source.size()) pos = 0;
        const std::size_t newline = source.find('\n', pos);
        std::string line(source.substr(pos, newline == std::string_view::npos ? source.npos : newline - pos));
        line += '\n';
        pos = newline == std::string_view::npos ? source.size() : newline + 1;
        if (out.size() + line.size() <= bytes) {
            out += line;
            continue;
        }
        // The last line: keep its words that fit whole, then pad up to the size.
        std::string_view head = std::string_view(line).substr(0, bytes - out.size() - 1);
        const std::size_t space = head.rfind(' ');
        head = head.substr(0, space == std::string_view::npos ? 0 : space);
        out += head;
        out.append(bytes - 1 - out.size(), ' ');
        out += '\n';
    }
    return out;
}

std::vector<AnalysisFields> thesaurusAnalyses(std::string_view cp1252Text, std::size_t count,
                                              ThesaurusSummary *summary) {
    // The distinct forms of the text, ignoring case, spelled as first seen, most frequent first.
    struct TextForm {
        std::string spelling;
        std::size_t occurrences = 0;
        std::size_t firstSeen = 0;
    };
    std::vector<TextForm> textForms;
    std::unordered_map<std::string, std::size_t> indexOf;
    for (const std::string &form : tokenizeText(cp1252Text)) {
        const auto [it, added] = indexOf.try_emplace(lowerCp1252(form), textForms.size());
        if (added) textForms.push_back({form, 0, textForms.size()});
        ++textForms[it->second].occurrences;
    }
    std::sort(textForms.begin(), textForms.end(), [](const TextForm &a, const TextForm &b) {
        return a.occurrences != b.occurrences ? a.occurrences > b.occurrences : a.firstSeen < b.firstSeen;
    });

    Random rng(0x5468657361757275ULL);
    std::vector<AnalysisFields> analyses;
    analyses.reserve(count);
    ThesaurusSummary counts;
    // Generated forms never take the place of a text form, so the unknown text forms stay unknown.
    std::unordered_set<std::string> taken;
    for (const TextForm &form : textForms) taken.insert(lowerCp1252(form.spelling));

    auto addForm = [&](const std::string &spelling, const AnalysisFields *first) {
        const std::size_t wanted = analysisCount(rng);
        std::size_t added = 0;
        for (; added < wanted && analyses.size() < count; ++added) {
            AnalysisFields fields = added == 0 && first ? *first : analysisOf(spelling, rng);
            fields.form = added > 0 && rng.chance(0.25) ? flipInitialCase(spelling) : spelling;
            analyses.push_back(std::move(fields));
        }
        if (added > 0) ++counts.distinctForms;
        if (added > 1) ++counts.homographForms;
    };

    counts.textForms = textForms.size();
    for (std::size_t rank = 0; rank < textForms.size() && analyses.size() < count; ++rank) {
        const std::string &spelling = textForms[rank].spelling;
        if (spelling.size() > thesaurus_format::kFormWidth || (rank >= 200 && rng.below(10) == 0)) {
            ++counts.unknownTextForms;
            continue;
        }
        addForm(spelling, nullptr);
    }
    while (analyses.size() < count) {
        AnalysisFields fields = generatedAnalysis(rng);
        if (!taken.insert(lowerCp1252(fields.form)).second) continue;
        if (rng.chance(0.04)) fields.form = flipInitialCase(fields.form);
        addForm(fields.form, &fields);
    }
    counts.records = analyses.size();
    if (summary) *summary = counts;
    return analyses;
}

void writeSortedThesaurus(const std::vector<AnalysisFields> &analyses, const std::string &tsvPath,
                          const std::string &datPath) {
    std::string tsv = "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n";
    for (const AnalysisFields &a : analyses) {
        for (const std::string *field :
             {&a.form, &a.lemma, &a.translation, &a.category, &a.caseGenderNumber, &a.moodTenseVoice}) {
            if (field != &a.form) tsv += '\t';
            tsv += cp1252ToUtf8(*field);
        }
        tsv += '\n';
    }
    writeFile(tsvPath, tsv);
    compileThesaurus(tsvPath, datPath);
}

void writeUserThesaurus(const std::vector<AnalysisFields> &analyses, const std::string &datPath) {
    std::vector<std::size_t> order(analyses.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    Random rng(0x55736572ULL);
    for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[rng.below(i)]);
    std::string bytes;
    bytes.reserve(analyses.size() * thesaurus_format::kRecordLength);
    for (std::size_t i = 0; i < order.size(); ++i) {
        ThesaurusRecord record;
        record.recordNo = static_cast<std::int16_t>(i + 1);
        record.fields = analyses[order[i]];
        bytes += encodeThesaurusRecord(record);
    }
    writeFile(datPath, bytes);
}

InputFiles writeInputFiles(const std::string &directory) {
    const LatinSource source = latinSource();
    InputFiles files;
    files.sourceDescription = source.description;
    files.sortedThesaurus = directory + "/donnees.dat";
    files.userThesaurus = directory + "/user.dat";
    files.smallText = directory + "/text-" + std::to_string(kSmallTextBytes) + ".txt";
    files.largeText = directory + "/text-" + std::to_string(kLargeTextBytes) + ".txt";

    const auto analyses =
        thesaurusAnalyses(decodeInputText(source.text),
                          static_cast<std::size_t>(thesaurus_format::kMaxRecords), &files.thesaurus);
    writeSortedThesaurus(analyses, directory + "/donnees.tsv", files.sortedThesaurus);
    writeUserThesaurus(analyses, files.userThesaurus);
    writeFile(files.smallText, repeatToSize(source.text, kSmallTextBytes));
    writeFile(files.largeText, repeatToSize(source.text, kLargeTextBytes));
    return files;
}

}  // namespace orbalis::bench
