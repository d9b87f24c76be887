#include "analyser/analyser_proposals.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <map>
#include <thread>
#include <utility>

#include "analyser/analyser_conversion.h"
#include "analyser/child_process.h"
#include "records/fixed_text.h"
#include "records/thesaurus_record.h"
#include "text/encoding.h"

namespace orbalis {

namespace {

// Fewer forms than this are not worth a second process.
constexpr std::size_t kFormsPerSlice = 100;

bool plainLetters(std::string_view form) {
    return !form.empty() &&
           std::all_of(form.begin(), form.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// Lower case, i for j, u for v, without homograph digits: how the analyser's lemmas meet the
// lexicon's.
std::string foldLemma(std::string_view lemma) {
    std::string out;
    for (char ch : lemma) {
        char c = lowerCp1252(ch);
        if (c >= '0' && c <= '9') continue;
        if (c == 'j') c = 'i';
        if (c == 'v') c = 'u';
        out += c;
    }
    return out;
}

// The lexicon's Italian translations by folded lemma and category, and by folded lemma alone.
class Glosses {
public:
    explicit Glosses(const LexiconTable &lexicon) {
        for (const LexiconEntry &entry : lexicon) {
            if (entry.translation.empty() || entry.translation == kEmptyValue ||
                entry.translation.front() == '[')
                continue;
            const std::string lemma = foldLemma(entry.lemma);
            m_byCategory.emplace(lemma + "|" + entry.category, entry.translation);
            m_byLemma.emplace(lemma, entry.translation);
        }
    }
    std::string find(std::string_view lemma, std::string_view category) const {
        const std::string folded = foldLemma(lemma);
        if (auto it = m_byCategory.find(folded + "|" + std::string(category)); it != m_byCategory.end())
            return it->second;
        if (auto it = m_byLemma.find(folded); it != m_byLemma.end()) return it->second;
        return {};
    }

private:
    std::map<std::string, std::string> m_byCategory, m_byLemma;
};

// The analyser's English meaning in square brackets, in at most `width` characters (cut at a
// word where it is too long).
std::string englishMeaning(std::string_view meaning, std::size_t width) {
    std::string m(meaning);
    auto trim = [&] {
        while (!m.empty() && (m.back() == ';' || m.back() == ' ' || m.back() == ',')) m.pop_back();
    };
    trim();
    if (m.empty() || width < 3) return {};
    if (m.size() > width - 2) {
        m.resize(width - 2);
        if (const std::size_t space = m.rfind(' '); space != std::string::npos && space > 0) m.resize(space);
        trim();
    }
    return "[" + m + "]";
}

AnalysisFields fieldsOf(const ProposedAnalysis &a, const Glosses &glosses) {
    std::string translation = a.translation.empty() ? glosses.find(a.lemma, a.category) : a.translation;
    if (translation.empty())
        translation = englishMeaning(a.meaning, thesaurus_format::kTranslationWidth - a.marker.size());
    translation = a.marker + translation;
    translation.resize(std::min(translation.size(), thesaurus_format::kTranslationWidth));
    auto value = [](std::string_view text) {
        const std::string_view trimmed = trimRight(text);
        return trimmed.empty() ? std::string(kEmptyValue) : std::string(trimmed);
    };
    return {"",
            value(a.lemma),
            value(translation),
            value(a.category),
            value(a.caseGenderNumber),
            value(a.moodTenseVoice)};
}

// A folder of its own for one run, removed with everything in it.
class RunFolder {
public:
    RunFolder() {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/orbalis-analyser-XXXXXX";
        if (mkdtemp(pattern.data())) m_path = pattern;
    }
    ~RunFolder() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    RunFolder(const RunFolder &) = delete;
    RunFolder &operator=(const RunFolder &) = delete;
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

bool writeFile(const std::string &path, std::string_view text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

}  // namespace

AnalyserSettings analyserSettingsFromEnvironment() {
    AnalyserSettings settings;
    if (const char *program = std::getenv("ORBALIS_ANALYSER"); program && *program)
        settings.program = program;
    return settings;
}

std::optional<std::vector<std::string>> splitAnalyserReport(std::string_view report, std::size_t forms) {
    std::vector<std::string> reports(forms);
    std::size_t next = 0;
    std::string current;
    std::string marker = analyserMarkerWord(0);
    while (!report.empty() && next < forms) {
        const std::size_t end = report.find('\n');
        std::string_view line = report.substr(0, end);
        report.remove_prefix(end == std::string_view::npos ? report.size() : end + 1);
        std::string_view probe = line;
        if (probe.starts_with("=>")) probe.remove_prefix(2);
        if (probe.starts_with(marker)) {
            reports[next++] = std::move(current);
            current.clear();
            marker = analyserMarkerWord(next);
            continue;
        }
        current.append(line);
        current += '\n';
    }
    if (next != forms) return std::nullopt;
    return reports;
}

AnalyserProposals proposeWithAnalyser(const std::vector<UnknownForm> &forms, const LexiconTable &lexicon,
                                      const AnalyserSettings &settings) {
    AnalyserProposals outcome;
    std::vector<const UnknownForm *> asked;
    for (const UnknownForm &form : forms)
        if (plainLetters(form.lowered)) asked.push_back(&form);
    if (asked.empty()) return outcome;

    const RunFolder folder;
    if (folder.path().empty()) {
        outcome.failure = AnalyserFailure::NoFolder;
        return outcome;
    }
    // The forms are cut into slices analysed side by side, one child process each: the analyser
    // spends most of its time reading its dictionary files, form after form. In each slice every
    // form stands on its own line, followed by a marker word: the analyser drops a one-letter word
    // that ends a line, and the marker's UNKNOWN line cuts the report into forms.
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t slices =
        std::clamp<std::size_t>(asked.size() / kFormsPerSlice, 1, std::min<std::size_t>(cores, 4));
    std::vector<std::size_t> starts;
    for (std::size_t k = 0; k <= slices; ++k) starts.push_back(asked.size() * k / slices);
    // The analyser runs with its default options: it looks for its WORD.MOD in its data folder
    // only, not in the working folder.
    bool written = true;
    for (std::size_t k = 0; k < slices && written; ++k) {
        std::string input;
        for (std::size_t i = starts[k]; i < starts[k + 1]; ++i)
            input += asked[i]->lowered + " " + analyserMarkerWord(i - starts[k]) + "\n";
        input += "\n\n";
        written = writeFile(folder.path() + "/input" + std::to_string(k) + ".txt", input);
    }
    if (!written) {
        outcome.failure = AnalyserFailure::NoFolder;
        return outcome;
    }
    auto limitFor = [&](std::size_t slice) {
        const auto forms = static_cast<std::chrono::milliseconds::rep>(starts[slice + 1] - starts[slice]);
        return settings.timeLimit + settings.timePerForm * forms;
    };
    std::vector<std::future<ChildOutcome>> runs;
    for (std::size_t k = 0; k < slices; ++k)
        runs.push_back(std::async(std::launch::async, [&, k] {
            return runChildProcess(
                settings.program,
                {"input" + std::to_string(k) + ".txt", "output" + std::to_string(k) + ".txt"}, folder.path(),
                limitFor(k));
        }));
    std::vector<ChildOutcome> results;
    for (auto &run : runs) results.push_back(run.get());
    for (const ChildOutcome &run : results) {
        switch (run.status) {
            case ChildOutcome::Status::NotFound:
                outcome.failure = AnalyserFailure::NotInstalled;
                return outcome;
            case ChildOutcome::Status::CannotStart:
                outcome.failure = AnalyserFailure::CannotStart;
                outcome.detail = std::to_string(run.error);
                return outcome;
            case ChildOutcome::Status::Crashed:
                outcome.failure = AnalyserFailure::Crashed;
                outcome.detail = "segnale " + std::to_string(run.signal);
                return outcome;
            case ChildOutcome::Status::TimedOut:
                outcome.failure = AnalyserFailure::TimedOut;
                outcome.detail = std::to_string((limitFor(0).count() + 999) / 1000);
                return outcome;
            case ChildOutcome::Status::Finished:
                if (run.exitCode != 0) {
                    outcome.failure = AnalyserFailure::Crashed;
                    outcome.detail = "codice di uscita " + std::to_string(run.exitCode);
                    return outcome;
                }
                break;
        }
    }
    std::vector<std::string> reports;
    for (std::size_t k = 0; k < slices; ++k) {
        std::ifstream in(folder.path() + "/output" + std::to_string(k) + ".txt", std::ios::binary);
        const std::string report{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        auto slice = splitAnalyserReport(report, starts[k + 1] - starts[k]);
        if (!slice) {
            outcome.failure = AnalyserFailure::Unreadable;
            return outcome;
        }
        for (std::string &one : *slice) reports.push_back(std::move(one));
    }
    const Glosses glosses(lexicon);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        std::vector<ProposedAnalysis> analyses = convertAnalyserOutput(asked[i]->lowered, reports[i]);
        keepPlausibleAnalyses(analyses);
        // A capitalised form is a name: guesses at it are dropped.
        if (asked[i]->capitalised) std::erase_if(analyses, [](const ProposedAnalysis &a) { return a.guess; });
        std::vector<AnalysisFields> rows;
        for (const ProposedAnalysis &a : analyses) {
            AnalysisFields fields = fieldsOf(a, glosses);
            if (std::find(rows.begin(), rows.end(), fields) == rows.end()) rows.push_back(std::move(fields));
        }
        if (!rows.empty()) outcome.proposals.emplace(asked[i]->lowered, std::move(rows));
    }
    return outcome;
}

AnalyserProposals proposeForGrid(const Grid &grid, const ThesaurusTable &table, const ThesaurusTable &names,
                                 const LexiconTable &lexicon, const AnalyserSettings &settings) {
    const std::vector<UnknownForm> forms = unknownForms(grid);
    Proposals fromThesaurus = proposeFromThesaurus(forms, table);
    std::vector<UnknownForm> remaining;
    for (const UnknownForm &form : forms)
        if (!fromThesaurus.count(form.lowered)) remaining.push_back(form);
    // The forms the names file knows are asked of the analyser too: a capitalised word that begins
    // a sentence may be a common word (Olli, the old form of illi), whose readings then follow
    // the name's.
    const Proposals named = proposeNames(remaining, names);
    // The analyser knows only plain letters: an accented form is asked without its marks.
    for (UnknownForm &form : remaining) form.lowered = plainSpelling(form.lowered);
    AnalyserProposals outcome = proposeWithAnalyser(remaining, lexicon, settings);
    // The answers for a form asked without its marks go back to the form as written.
    for (const UnknownForm &form : forms) {
        if (fromThesaurus.count(form.lowered)) continue;
        const std::string plain = plainSpelling(form.lowered);
        if (plain == form.lowered) continue;
        if (auto it = outcome.proposals.find(plain); it != outcome.proposals.end())
            fromThesaurus.emplace(form.lowered, it->second);
    }
    outcome.proposals.merge(fromThesaurus);
    for (const auto &[form, readings] : named) {
        std::vector<AnalysisFields> rows = readings;
        if (const auto it = outcome.proposals.find(form); it != outcome.proposals.end())
            for (const AnalysisFields &fields : it->second)
                if (std::find(rows.begin(), rows.end(), fields) == rows.end()) rows.push_back(fields);
        outcome.proposals[form] = std::move(rows);
    }
    return outcome;
}

std::string analyserFailureMessage(const AnalyserProposals &outcome, const AnalyserSettings &settings) {
    const std::string rest = " Sono mostrate solo le proposte ricavate dal Thesaurus e dai nomi propri.";
    switch (outcome.failure) {
        case AnalyserFailure::None:
            return {};
        case AnalyserFailure::NotInstalled:
            return "L'analizzatore morfologico (" + settings.program +
                   ") non e' installato. Per installarlo: sudo apt-get install whitakers-words." + rest;
        case AnalyserFailure::CannotStart:
            return "L'analizzatore morfologico (" + settings.program + ") non si avvia (errore " +
                   outcome.detail + ")." + rest;
        case AnalyserFailure::Crashed:
            return "L'analizzatore morfologico si e' interrotto (" + outcome.detail + ")." + rest;
        case AnalyserFailure::TimedOut:
            return "L'analizzatore morfologico non ha risposto entro " + outcome.detail +
                   (outcome.detail == "1" ? " secondo" : " secondi") + " ed e' stato fermato." + rest;
        case AnalyserFailure::Unreadable:
            return "La risposta dell'analizzatore morfologico non e' leggibile." + rest;
        case AnalyserFailure::NoFolder:
            return "Non e' stato possibile preparare i file per l'analizzatore morfologico." + rest;
    }
    return {};
}

}  // namespace orbalis
