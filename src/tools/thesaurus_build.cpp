#include "tools/thesaurus_build.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <set>

#include "analyser/analyser_conversion.h"
#include "records/file_error.h"
#include "records/file_system.h"
#include "records/fixed_text.h"
#include "records/lexicon_record.h"
#include "records/thesaurus_record.h"
#include "records/thesaurus_table.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "text/tokenizer.h"

namespace orbalis::data_build {

namespace {

// The gender of a noun's reading ('m', 'f', 'n'), or ' ' for other words.
char nounGender(const ProposedAnalysis &a) {
    if (a.category.empty() || a.category[0] != 'N') return ' ';
    const std::string &cgn = a.caseGenderNumber;
    if (cgn.find(" m. ") != std::string::npos) return 'm';
    if (cgn.find(" f. ") != std::string::npos) return 'f';
    if (cgn.find(" nt. ") != std::string::npos) return 'n';
    return ' ';
}

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

bool upperInitial(std::string_view text) {
    return !text.empty() && text.front() >= 'A' && text.front() <= 'Z';
}

}  // namespace

HandRecords::HandRecords(std::vector<Record> records) : m_records(std::move(records)) {
    for (std::size_t i = 0; i < m_records.size(); ++i)
        m_byForm[lowerCp1252(m_records[i].fields.form)].push_back(i);
}

std::vector<const Record *> HandRecords::of(const std::string &lowerForm) const {
    std::vector<const Record *> out;
    const auto it = m_byForm.find(lowerForm);
    if (it != m_byForm.end())
        for (std::size_t i : it->second) out.push_back(&m_records[i]);
    return out;
}

std::map<std::string, std::vector<NameReading>> nameReadings(const std::vector<NameEntry> &names,
                                                             const DeclensionModels &models,
                                                             const GlossList &glosses,
                                                             bool latinWhenUntranslated) {
    static constexpr const char *kCases[] = {"nom.", "voc.", "acc.", "g\xE9n.", "dat.", "abl."};
    std::map<std::string, std::vector<NameReading>> out;
    for (const NameEntry &name : names) {
        const std::string category = "N" + std::to_string(models.declension(name.model));
        std::string italian = glosses.findName(name.lemma, category);
        if (italian.empty() && latinWhenUntranslated) italian = name.lemma;
        if (italian.empty()) continue;
        const std::string gender = name.gender == ' '   ? std::string()
                                   : name.gender == 'n' ? std::string("nt. ")
                                                        : std::string(1, name.gender) + ". ";
        for (const std::string &spelling : name.canonical) {
            const auto forms = models.decline(spelling, name.model, name.radical);
            const bool plural =
                name.plural || std::none_of(forms.begin(), forms.end(),
                                            [](const DeclinedForm &f) { return f.caseNumber <= 6; });
            for (const DeclinedForm &f : forms) {
                if ((f.caseNumber > 6) != plural) continue;
                const int c = (f.caseNumber - 1) % 6;
                const int nominative = plural ? 7 : 1;
                // A vocative equal to the nominative adds nothing.
                if (c == 1 && std::any_of(forms.begin(), forms.end(), [&](const DeclinedForm &g) {
                        return g.caseNumber == nominative && g.form == f.form;
                    }))
                    continue;
                NameReading r{name.lemma, category,
                              std::string(kCases[c]) + " " + gender + (plural ? "pl." : "sg."), italian};
                auto &readings = out[lowerCp1252(f.form)];
                const bool known = std::any_of(readings.begin(), readings.end(), [&](const NameReading &o) {
                    return o.lemma == r.lemma && o.category == r.category &&
                           o.caseGenderNumber == r.caseGenderNumber;
                });
                if (!known) readings.push_back(std::move(r));
            }
        }
    }
    return out;
}

std::string namesSource(const std::map<std::string, std::vector<NameReading>> &readings,
                        const std::vector<Record> &thesaurus, std::size_t &written) {
    const auto key = [](std::string_view lowerForm, std::string_view lemma, std::string_view category,
                        std::string_view cgn) {
        return std::string(lowerForm) + "|" + foldLemma(trimRight(lemma)) + "|" +
               std::string(trimRight(category)) + "|" + std::string(trimRight(cgn));
    };
    std::set<std::string> known;
    for (const Record &r : thesaurus)
        known.insert(
            key(lowerCp1252(r.fields.form), r.fields.lemma, r.fields.category, r.fields.caseGenderNumber));
    std::vector<Record> records;
    for (const auto &[lower, forms] : readings) {
        std::string form = lower;
        if (form[0] >= 'a' && form[0] <= 'z') form[0] = static_cast<char>(form[0] - 'a' + 'A');
        for (const NameReading &n : forms) {
            if (known.count(key(lower, n.lemma, n.category, n.caseGenderNumber))) continue;
            Record r;
            r.fields = {form,
                        n.lemma,
                        fitSenses(n.translation, thesaurus_format::kTranslationWidth),
                        n.category,
                        n.caseGenderNumber,
                        "_"};
            records.push_back(std::move(r));
        }
    }
    written = records.size();
    return thesaurusSource(records);
}

std::size_t proposeRecords(const FrequentForm &f, const std::string &report, const GlossList &glosses,
                           const HandRecords &hand, const ProposalOptions &options, Candidate &out,
                           const std::vector<NameReading> *names) {
    std::vector<ProposedAnalysis> analyses = convertAnalyserOutput(f.form, report);
    keepPlausibleAnalyses(analyses);
    const bool capitalised = f.capitalised * 2 > f.count;
    // A capitalised form is a name: guesses at it are dropped.
    if (capitalised) std::erase_if(analyses, [](const ProposedAnalysis &a) { return a.guess; });
    // A plural with a sense of its own is filed under the plural when the glosses know it as a
    // lemma (castra "l'accampamento", arma, liberi), as a school dictionary gives it; before the
    // economy rules, so that liberi "i figli" is not taken for the adjective liber.
    for (auto &a : analyses)
        if (!a.pluralLemma.empty() && !glosses.find(a.pluralLemma, a.category).empty())
            a.lemma = a.pluralLemma;
    applyEconomyRules(analyses, options.rules);
    if (names && capitalised) {
        std::set<std::string> known;  // names the analyser knows already
        for (const auto &a : analyses)
            if (upperInitial(a.lemma)) known.insert(foldLemma(a.lemma));
        for (const NameReading &n : *names) {
            if (known.count(foldLemma(n.lemma))) continue;
            ProposedAnalysis a;
            a.form = f.form;
            a.lemma = n.lemma;
            a.category = n.category;
            a.caseGenderNumber = n.caseGenderNumber;
            a.translation = n.translation;
            a.noun = true;
            analyses.push_back(std::move(a));
        }
    }
    // Italian for every record: a reading the glosses do not translate is left out.
    const auto italianOf = [&](const ProposedAnalysis &a) {
        if (!a.translation.empty()) return a.translation;
        // A name has its Italian name, never a French rendering.
        if (upperInitial(a.lemma) && a.category.starts_with("N"))
            if (std::string name = glosses.findName(a.lemma, a.category); !name.empty()) return name;
        return glosses.find(a.lemma, a.category, nounGender(a), a.genitive);
    };
    std::vector<ProposedAnalysis> kept;
    std::set<std::string> seen;
    for (const auto &a : analyses)
        if (!italianOf(a).empty() &&
            seen.insert(readingKey(a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice, a.translation) +
                        "|" + a.marker)
                .second)
            kept.push_back(a);
    // A mostly capitalised form of a name is written with its capital; a capitalised form
    // whose readings are all common words (Cato read as catus) stays in lower case.
    std::string form = f.form;
    const bool name = std::any_of(kept.begin(), kept.end(),
                                  [](const ProposedAnalysis &a) { return upperInitial(a.lemma); });
    if (capitalised && name) form[0] = static_cast<char>(form[0] - 'a' + 'A');
    std::string upper = f.form;
    for (char &ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
    if (!kept.empty() &&
        std::all_of(kept.begin(), kept.end(), [&](const auto &a) { return a.lemma == upper; }))
        form = upper;  // a Roman numeral

    out = Candidate{};
    std::set<std::string> handKeys;
    const auto handRecords = hand.of(f.form);
    for (const Record *h : handRecords) {
        const auto &fields = h->fields;
        out.records.push_back(*h);
        handKeys.insert(readingKey(fields.lemma, fields.category, fields.caseGenderNumber,
                                   fields.moodTenseVoice, fields.translation));
        // An undeclined hand-made reading (a preposition with "_") stands for every case.
        if (fields.caseGenderNumber == "_" && fields.moodTenseVoice == "_")
            handKeys.insert(foldLemma(fields.lemma) + "|" + fields.category + "|*");
    }
    if (!handRecords.empty()) form = handRecords.front()->fields.form;
    for (const auto &a : kept) {
        if (handKeys.count(
                readingKey(a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice, a.translation)) ||
            handKeys.count(foldLemma(a.lemma) + "|" + a.category + "|*"))
            continue;
        Record r;
        const std::string text = a.marker + italianOf(a);
        r.fields = {form,
                    a.lemma,
                    fitSenses(text, thesaurus_format::kTranslationWidth),
                    a.category,
                    a.caseGenderNumber.empty() ? "_" : std::string(trimRight(a.caseGenderNumber)),
                    a.moodTenseVoice.empty() ? "_" : a.moodTenseVoice};
        out.records.push_back(std::move(r));
    }
    const bool handForm = !handRecords.empty();
    out.score = handForm ? 1e18
                         : (options.byFrequency || out.records.empty()
                                ? static_cast<double>(f.count)
                                : static_cast<double>(f.count) / static_cast<double>(out.records.size()));
    return kept.size();
}

std::vector<Record> chooseRecords(std::vector<Candidate> candidates, std::size_t budget) {
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.score > b.score; });
    std::vector<Record> chosen;
    for (const Candidate &c : candidates) {
        if (c.records.empty() || chosen.size() + c.records.size() > budget) continue;
        chosen.insert(chosen.end(), c.records.begin(), c.records.end());
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const Record &a, const Record &b) {
        return lowerCp1252(a.fields.form) < lowerCp1252(b.fields.form);
    });
    return chosen;
}

std::string thesaurusSource(const std::vector<Record> &records) {
    std::string out = "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n";
    for (const Record &r : records)
        out += tsvLine({r.fields.form, r.fields.lemma, r.fields.translation, r.fields.category,
                        r.fields.caseGenderNumber, r.fields.moodTenseVoice});
    return out;
}

std::string lexiconSource(const std::string &handPath, std::string_view handLexicon,
                          const std::vector<Record> &records, const GlossList &glosses,
                          std::size_t &generated, std::size_t &italian) {
    // Hand-made entries first; then one entry per lemma and category of the thesaurus.
    const auto lines = splitLines(handLexicon);
    std::map<std::string, std::string> entries;  // sort key -> line
    std::set<std::string> known;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto f = splitFields(lines[i], '\t');
        if (f.size() != 5)
            throw FileError(handPath, FileFailure::SourceData)
                .withDetail("line " + std::to_string(i + 1) + ": five fields expected");
        const std::string lemma = utf8ToCp1252(f[0], '?');
        known.insert(foldLemma(lemma) + "|" + f[1]);
        entries.emplace(lowerCp1252(lemma) + "\t0\t" + f[1], std::string(lines[i]) + "\n");
    }
    generated = italian = 0;
    for (const Record &r : records) {
        if (r.hand) continue;
        const std::string key = foldLemma(r.fields.lemma) + "|" + r.fields.category;
        if (!known.insert(key).second) continue;
        std::string gloss = glosses.find(r.fields.lemma, r.fields.category);
        if (r.fields.lemma == "quis" || r.fields.lemma == "qui")
            gloss = r.fields.lemma == "qui" ? "che, il quale; chi?, quale?"
                                            : "chi?, che cosa?; qualcuno, qualcosa";
        if (gloss.empty()) {
            // The record's own translation (a Roman numeral's value), without its markers.
            gloss = r.fields.translation;
            for (bool again = true; again;) {
                again = false;
                for (std::string_view marker : {"(comp.) ", "(superl.) ", "[e] ", "[?] ", "[o] ", "(+ cum) "})
                    if (gloss.starts_with(marker)) {
                        gloss.erase(0, marker.size());
                        again = true;
                    }
            }
        }
        ++generated;
        italian += !gloss.empty();
        if (gloss.empty()) gloss = "_";
        entries.emplace(lowerCp1252(r.fields.lemma) + "\t1\t" + r.fields.category,
                        tsvLine({r.fields.lemma, r.fields.category,
                                 fitSenses(gloss, lexicon_format::kTranslationWidth), "_", "_"}));
    }
    if (entries.size() > static_cast<std::size_t>(thesaurus_format::kMaxRecords))
        throw FileError(handPath, FileFailure::SourceData)
            .withDetail("the lexicon would hold more than 32767 entries");
    std::string out = "lemma\tcategory\ttranslation\tfrench_derivatives\tlatin_derivatives\n";
    for (const auto &[key, line] : entries) out += line;
    return out;
}

std::string sampleSource(const std::vector<Record> &records, std::uint32_t seed) {
    std::vector<const Record *> pool;
    for (const Record &r : records)
        if (!r.hand) pool.push_back(&r);
    // Each record draws a number from its own text and a fixed seed; the 100 lowest are the
    // sample, so that a change elsewhere in the data leaves the rest of the sample as it was.
    const auto draw = [seed](const AnalysisFields &f) {
        std::uint64_t h = 1469598103934665603ull ^ seed;
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
    return out;
}

Coverage measureCoverage(const std::string &textPath, const std::function<bool(const std::string &)> &known) {
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
    std::snprintf(buffer, sizeof buffer, "%.1f %%",
                  whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0);
    return buffer;
}

namespace {

void printCoverage(std::ostream &report, const std::string &path, const Coverage &c) {
    report << path << "\ttokens " << c.coveredTokens << "/" << c.tokens << " ("
           << percent(c.coveredTokens, c.tokens) << ")\tforms " << c.coveredForms << "/" << c.forms << " ("
           << percent(c.coveredForms, c.forms) << ")\n";
}

}  // namespace

void buildSources(const BuildOptions &o, std::ostream &report) {
    const auto forms = parseFrequencyList(o.frequencies, readWholeFile(o.frequencies));
    std::string allReports;
    for (const auto &path : o.analyses) allReports += readWholeFile(path);
    const auto reports = splitReports(allReports, forms.size(), o.analyses.front());
    GlossList glosses;
    glosses.loadOpenList(o.glosses, o.lemmas);
    if (!o.handGlosses.empty()) glosses.loadHandTable(o.handGlosses, readWholeFile(o.handGlosses));
    const HandRecords hand(parseHandThesaurus(o.handThesaurus, readWholeFile(o.handThesaurus)));
    std::map<std::string, std::vector<NameReading>> names;
    if (!o.models.empty()) {
        DeclensionModels models;
        models.load(o.models, readWholeFile(o.models));
        std::vector<NameEntry> entries;
        for (const auto &path : o.names) {
            const auto more = parseNameEntries(readWholeFile(path), models);
            entries.insert(entries.end(), more.begin(), more.end());
        }
        names = nameReadings(entries, models, glosses);
    }

    std::vector<Candidate> candidates;
    std::size_t proposed = 0;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        Candidate c;
        const auto named = names.find(forms[i].form);
        proposed += proposeRecords(forms[i], reports[i], glosses, hand, o.proposal, c,
                                   named == names.end() ? nullptr : &named->second);
        c.rank = i;
        if (!c.records.empty()) candidates.push_back(std::move(c));
    }
    // Hand-made forms missing from the frequency list are kept too.
    std::set<std::string> listed;
    for (const FrequentForm &f : forms) listed.insert(f.form);
    for (const auto &[lower, indexes] : hand.byForm()) {
        if (listed.count(lower)) continue;
        Candidate c{forms.size(), {}, 1e18};
        for (std::size_t h : indexes) c.records.push_back(hand.all()[h]);
        candidates.push_back(std::move(c));
    }
    const std::vector<Record> chosen =
        chooseRecords(std::move(candidates), static_cast<std::size_t>(thesaurus_format::kMaxRecords));
    std::set<std::string> chosenForms;
    std::size_t generated = 0;
    for (const Record &r : chosen) {
        chosenForms.insert(lowerCp1252(r.fields.form));
        generated += !r.hand;
    }
    report << "proposed analyses: " << proposed << "\nchosen records: " << chosen.size() << " (" << generated
           << " generated, " << chosen.size() - generated << " hand-checked) for " << chosenForms.size()
           << " forms\n";
    for (const auto &text : o.measure)
        printCoverage(report, text, measureCoverage(text, [&](const std::string &lower) {
                          return chosenForms.count(lower) > 0;
                      }));
    if (!o.thesaurusOut.empty()) saveText(o.thesaurusOut, thesaurusSource(chosen));
    if (!o.lexiconOut.empty()) {
        std::size_t entries = 0, italian = 0;
        const std::string lexicon =
            lexiconSource(o.handLexicon, readWholeFile(o.handLexicon), chosen, glosses, entries, italian);
        saveText(o.lexiconOut, lexicon);
        report << "generated lexicon entries: " << entries << ", " << italian
               << " of them with an Italian gloss\n";
    }
    if (!o.sample.empty()) saveText(o.sample, sampleSource(chosen, o.sampleSeed));
}

void buildNamesSource(const NamesOptions &o, std::ostream &report) {
    GlossList glosses;
    glosses.loadOpenList(o.glosses, o.lemmas);
    if (!o.handGlosses.empty()) glosses.loadHandTable(o.handGlosses, readWholeFile(o.handGlosses));
    DeclensionModels models;
    models.load(o.models, readWholeFile(o.models));
    std::vector<NameEntry> entries;
    for (const auto &path : o.names) {
        const auto more = parseNameEntries(readWholeFile(path), models);
        entries.insert(entries.end(), more.begin(), more.end());
    }
    const auto readings = nameReadings(entries, models, glosses, true);
    std::size_t written = 0;
    const std::string source =
        namesSource(readings, parseHandThesaurus(o.thesaurus, readWholeFile(o.thesaurus)), written);
    report << "name readings outside the thesaurus: " << written << "\n";
    if (!o.out.empty()) saveText(o.out, source);
}

void prepareAnalyserInput(const std::string &frequencies, const std::string &out) {
    saveText(out, analyserInput(parseFrequencyList(frequencies, readWholeFile(frequencies))));
}

void reportCoverage(const std::string &thesaurus, const std::vector<std::string> &texts,
                    std::ostream &report) {
    const ThesaurusTable table = loadThesaurusTable(thesaurus);
    std::set<std::string> known;
    for (const auto &entry : table) known.insert(lowerCp1252(entry.form()));
    for (const auto &text : texts)
        printCoverage(report, text, measureCoverage(text, [&](const std::string &lower) {
                          return known.count(lower) > 0;
                      }));
}

}  // namespace orbalis::data_build
