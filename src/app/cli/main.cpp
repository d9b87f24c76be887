// orbalis-cli: the batch tool. Runs the analysis, the browsers' listings, the report and the
// creation of a thesaurus on files, and writes the results as UTF-8 lines, one record per line,
// fields separated by one TAB and stripped of trailing spaces.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "analyser/analyser_proposals.h"
#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "analysis/vocabulary.h"
#include "cli/cli_prompter.h"
#include "cli/describe_error.h"
#include "lexicon/lexicon.h"
#include "print/csv_export.h"
#include "print/grid_report.h"
#include "records/data_paths.h"
#include "records/file_error.h"
#include "records/file_system.h"
#include "records/fixed_text.h"
#include "text/encoding.h"
#include "text/text_file.h"
#include "thesaurus/thesaurus_browser.h"
#include "thesaurus/thesaurus_choice.h"
#include "tools/data_compiler.h"

namespace orbalis::cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: orbalis-cli COMMAND [ARGUMENTS] [OPTIONS]

Morphological analysis of Latin texts from the command line. Output is UTF-8, one record per
line, fields separated by one TAB, each field without trailing spaces. Exit status: 0 on
success, 1 for a file or data error, 2 for a usage error.

Commands:
  analyse TEXT [--thesaurus FILE] [--sorted] [--suggest] [--save OUT.DAT] [--csv]
      Cut the text file TEXT (- for standard input; at most 256 MB, 268435456 bytes) into
      word forms and look every form up, as the analysis
      workspace does. Without --thesaurus the built-in thesaurus is used and the lookup
      relies on its order by form (sorted mode); with --thesaurus FILE every form is compared
      with every record of FILE (full mode), or FILE is taken as sorted with --sorted.
      Prints every grid row below the header, the trailing empty row included, as seven
      fields: form, lemma, translation, category, case-gender-number, mood-tense-voice,
      indicator ("*" for a form the thesaurus does not know).
      --save OUT.DAT also writes the grid as an analysis file, replacing OUT.DAT (a symbolic
      link is followed; anything but a regular file is refused).
      --suggest puts proposals in place of the rows of unknown forms, one row per proposed
      analysis with "?" as indicator: the thesaurus under another spelling of the form, the
      host of an enclitic -que, -ne, -ve, and the morphological analyser whitakers-words
      ($ORBALIS_ANALYSER names another program). When the analyser fails, one line on stderr
      says why and the other proposals are printed.
  vocabulary TEXT [--thesaurus FILE] [--sorted] [--suggest] [--csv]
      The distinct lemmas of the analysis of TEXT (as analyse gives it), alphabetically:
      lemma, category, translation, and the number of tokens of the text they analyse.
  search FILE TEXT [--sorted] [--csv]
      List the records of the thesaurus FILE whose form equals TEXT, ignoring case.
  letter FILE LETTER [--sorted] [--csv]
      List the records of the thesaurus FILE whose form begins with LETTER. With --sorted the
      listing stops at the first form with a later initial, as the built-in thesaurus's
      browser does.
  lemma FILE LEMMA
      List the records of the thesaurus FILE whose lemma equals LEMMA, ignoring case and
      surrounding spaces, ordered by category, then case-gender-number, then
      mood-tense-voice, as a paradigm is read (singular before plural, the cases, persons,
      moods, tenses and voices in the order of the coding system).
      The three listings print: record number, form, lemma, translation, category,
      case-gender-number, mood-tense-voice.
  lexicon-search TEXT [--lexicon FILE] [--csv]
      List the lemmas of the lexicon that begin with TEXT, ignoring case (an empty TEXT lists
      them all).
  lexicon-letter LETTER [--lexicon FILE] [--csv]
      List the lemmas that begin with LETTER, stopping at the first lemma with a later initial.
      Both print: lemma, translation, category, French derivatives, Latin derivatives. The
      lexicon is lexique.dat of the data directory unless --lexicon names another file.
  --csv
      With analyse and the four listings: print instead what the windows' "Esporta CSV"
      writes: UTF-8 with a byte-order mark, CR LF line ends, comma-separated fields quoted as
      RFC 4180 asks; the column captions first, then the columns the printed report holds
      (analyse: without the indicator; search and letter: without the record number).
  report ANALYSIS.DAT
      Print the report of a saved analysis, one printed line per line; a line holding only a
      form feed stands where a new page starts.
  create NEW.DAT [--import]
      Create a new, empty user thesaurus, or with --import a copy of the built-in thesaurus.
      An existing NEW.DAT is not replaced.
  compile-thesaurus SOURCE.tsv OUT.DAT
  compile-lexicon SOURCE.tsv OUT.DAT
      Generate a thesaurus or a lexicon file from its readable TAB-separated UTF-8 source,
      sorted by form or lemma.
  --help
      Show this text.

The data directory holds the built-in thesaurus donnees.dat and the lexicon lexique.dat; it is
$ORBALIS_DATA_DIR when set.
)";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure of the tool's own output, or a data file it finds unusable: one line, exit status 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void throwOutputError() {
    throw ToolError(std::string("standard output: ") + std::strerror(errno));
}

// The command line after the command's name: positional arguments and --options.
class Arguments {
public:
    Arguments(int argc, char **argv, std::initializer_list<std::string_view> flags,
              std::initializer_list<std::string_view> valued) {
        for (int i = 2; i < argc; ++i) {
            const std::string_view arg = argv[i];
            if (!arg.starts_with("--") || arg == "--") {
                m_positional.emplace_back(arg);
                continue;
            }
            if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
                m_flags.insert(std::string(arg));
            } else if (std::find(valued.begin(), valued.end(), arg) != valued.end()) {
                if (i + 1 >= argc) throw UsageError(std::string(arg) + " needs a value");
                m_values[std::string(arg)] = argv[++i];
            } else {
                throw UsageError("unknown option " + std::string(arg));
            }
        }
    }

    const std::string &positional(std::size_t count, std::size_t i) const {
        if (m_positional.size() != count)
            throw UsageError("expected " + std::to_string(count) + " argument" + (count == 1 ? "" : "s") +
                             ", got " + std::to_string(m_positional.size()));
        return m_positional[i];
    }
    bool flag(const std::string &name) const { return m_flags.count(name) != 0; }
    std::optional<std::string> value(const std::string &name) const {
        const auto found = m_values.find(name);
        return found == m_values.end() ? std::nullopt : std::optional(found->second);
    }

private:
    std::vector<std::string> m_positional;
    std::set<std::string> m_flags;
    std::map<std::string, std::string> m_values;
};

// Buffered standard output of UTF-8 records.
class Output {
public:
    // What is left is written by flush(); a destructor must not throw, so a failure it meets is
    // caught again when main() flushes standard output.
    ~Output() {
        try {
            flush();
        } catch (const ToolError &) {
        }
    }
    void record(std::initializer_list<std::string_view> fields) {
        bool first = true;
        for (const std::string_view field : fields) {
            if (!first) m_buffer += '\t';
            first = false;
            appendCp1252AsUtf8(m_buffer, trimRight(field));
        }
        endLine();
    }
    // The rows of a grid, seven fields each; every distinct text is converted once.
    void gridRows(const Grid &grid, std::size_t firstRow, std::size_t endRow) {
        std::vector<std::string> converted(grid.distinctTextCount());
        std::vector<bool> done(grid.distinctTextCount());
        for (std::size_t row = firstRow; row < endRow; ++row) {
            for (std::size_t column = 0; column < grid.columnCount(); ++column) {
                const Grid::TextId id = grid.textId(row, column);
                if (!done[id]) converted[id] = cp1252ToUtf8(trimRight(grid.textOf(id))), done[id] = true;
                if (column > 0) m_buffer += '\t';
                m_buffer += converted[id];
            }
            endLine();
        }
    }
    // Bytes written as they are (the CSV export is UTF-8 already).
    void raw(std::string_view bytes) {
        m_buffer += bytes;
        if (m_buffer.size() > (1 << 20)) flush();
    }
    void line(std::string_view cp1252) {
        appendCp1252AsUtf8(m_buffer, cp1252);
        endLine();
    }
    void flush() {
        if (!m_buffer.empty() && std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout) != m_buffer.size())
            throwOutputError();
        m_buffer.clear();
    }

private:
    void endLine() {
        m_buffer += '\n';
        if (m_buffer.size() > (1 << 20)) flush();
    }

    std::string m_buffer;
};

// A file named on the command line: an empty name is a usage error, not a file to skip.
const std::string &fileArgument(const std::string &path, std::string_view what) {
    if (path.empty()) throw UsageError(std::string(what) + " must not be an empty file name");
    return path;
}

// A search text or letter, as the user typed it, made Windows-1252. A character that Windows-1252
// cannot hold could match nothing: it is refused.
std::string argumentText(const std::string &utf8) {
    if (const std::string outside = firstCharacterOutsideCp1252(utf8); !outside.empty())
        throw UsageError("the character '" + outside + "' in '" + utf8 + "' has no Windows-1252 code");
    return decodeInputText(utf8);
}

char letterArgument(const std::string &utf8) {
    const std::string letter = argumentText(utf8);
    if (letter.size() != 1) throw UsageError("LETTER must be one character, got '" + utf8 + "'");
    return letter[0];
}

// The text is analysed in parts of about this many bytes, cut between forms: the rows of each part
// are written out before the next part is looked up, so memory does not grow with the text.
constexpr std::size_t kAnalysisPartBytes = 4 << 20;

// The end of the part that starts at `start`: the first byte after kAnalysisPartBytes that is
// not a letter, so that no form is cut.
std::size_t partEnd(std::string_view text, std::size_t start) {
    std::size_t end = std::min(text.size(), start + kAnalysisPartBytes);
    while (end < text.size() && isLetter(text[end])) ++end;
    return end;
}

void writeRows(Output &out, const Grid &grid, std::size_t firstRow, std::size_t endRow, bool csv) {
    if (!csv) return out.gridRows(grid, firstRow, endRow);
    std::string records;
    appendCsvRows(records, grid, firstRow, endRow, ReportKind::Workspace);
    out.raw(records);
}

// Prints, and saves with --save, the rows the analysis workspace would hold: those of every
// part, then the empty row that ends the grid when the last form was found.
// Proposals in place of the not-found rows of `grid` (rows 1 to endRow - 1); returns the new end.
// The analyser's failure is reported once on standard error.
// What proposals draw on besides the thesaurus: the lexicon's translations and the names file
// (each empty when its file is missing).
struct ProposalSources {
    LexiconTable lexicon;
    ThesaurusTable names;
};

std::size_t suggest(Grid &grid, std::size_t endRow, const ThesaurusTable &table,
                    const ProposalSources &sources, bool &failureReported) {
    const AnalyserSettings settings = analyserSettingsFromEnvironment();
    const AnalyserProposals outcome = proposeForGrid(grid, table, sources.names, sources.lexicon, settings);
    if (outcome.failure != AnalyserFailure::None && !failureReported) {
        std::string message;
        appendCp1252AsUtf8(message, analyserFailureMessage(outcome, settings));
        std::fprintf(stderr, "orbalis-cli: %s\n", message.c_str());
        failureReported = true;
    }
    AnalysisWorkspace workspace;
    workspace.grid = std::move(grid);
    const std::size_t rows = workspace.grid.rowCount();
    placeProposals(workspace, outcome.proposals);
    grid = std::move(workspace.grid);
    return endRow + (grid.rowCount() - rows);
}

ProposalSources proposalSources() {
    auto table = loadLexicon(lexiconPath(), WhenMissing::ReadEmpty);
    return {table ? std::move(*table) : LexiconTable{},
            loadThesaurusTable(namesPath(), EntryTrim::FormOnly, WhenMissing::ReadEmpty)};
}

int analyse(int argc, char **argv) {
    const Arguments args(argc, argv, {"--sorted", "--csv", "--suggest"}, {"--thesaurus", "--save"});
    const bool csv = args.flag("--csv");
    const std::string &textPath = fileArgument(args.positional(1, 0), "TEXT");
    const auto thesaurus = args.value("--thesaurus");
    const auto savePath = args.value("--save");
    if (thesaurus) fileArgument(*thesaurus, "--thesaurus");
    if (savePath) fileArgument(*savePath, "--save");
    const std::string text = textPath == "-" ? loadStandardInputText() : loadTextFile(textPath);
    const LookupMode mode = !thesaurus || args.flag("--sorted") ? LookupMode::Sorted : LookupMode::Full;
    const ThesaurusTable table =
        loadWorkspaceTable(thesaurus ? *thesaurus : builtInThesaurusPath(), WhenMissing::Fail);
    // The existing analysis file is replaced, as the answer Yes to "Schedario esistente" does.
    std::optional<AtomicFileWriter> saved;
    if (savePath) saved.emplace(*savePath);

    std::optional<ProposalSources> sources;
    if (args.flag("--suggest")) sources = proposalSources();
    bool failureReported = false;

    Output out;
    if (csv) {
        Grid header = makeAnalysisGrid();
        setUpGridHeader(header);
        out.raw(csvStart(header, ReportKind::Workspace));
    }
    std::size_t rowsWritten = 0;
    bool lastFound = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = partEnd(text, start);
        const FormList forms = tokenizeText(std::string_view(text).substr(start, end - start));
        start = end;
        if (forms.empty()) continue;
        Grid part = makeAnalysisGrid();
        part.setRowCount(1);
        std::size_t endRow = fillAnalysisGrid(part, forms, table, mode);
        if (sources) endRow = suggest(part, endRow, table, *sources, failureReported);
        writeRows(out, part, 1, endRow, csv);
        if (saved) appendAnalysisRecords(*saved, part, 1, endRow);
        rowsWritten += endRow - 1;
        lastFound = part.rowCount() > endRow;
    }
    const Grid emptyRows(lastFound ? 2 : 1, analysis_columns::kCount);
    writeRows(out, emptyRows, 1, emptyRows.rowCount(), csv);
    if (saved) {
        appendAnalysisRecords(*saved, emptyRows, 1, emptyRows.rowCount());
        saved->commit();
    }
    return 0;
}

// The vocabulary of the text's analysis: lemma, category, translation, occurrences.
int vocabulary(int argc, char **argv) {
    const Arguments args(argc, argv, {"--sorted", "--suggest", "--csv"}, {"--thesaurus"});
    const std::string &textPath = fileArgument(args.positional(1, 0), "TEXT");
    const auto thesaurus = args.value("--thesaurus");
    if (thesaurus) fileArgument(*thesaurus, "--thesaurus");
    const std::string text = textPath == "-" ? loadStandardInputText() : loadTextFile(textPath);
    const LookupMode mode = !thesaurus || args.flag("--sorted") ? LookupMode::Sorted : LookupMode::Full;
    const ThesaurusTable table =
        loadWorkspaceTable(thesaurus ? *thesaurus : builtInThesaurusPath(), WhenMissing::Fail);
    Grid grid = makeAnalysisGrid();
    const std::size_t endRow = fillAnalysisGrid(grid, tokenizeText(text), table, mode);
    if (args.flag("--suggest")) {
        bool failureReported = false;
        suggest(grid, endRow, table, proposalSources(), failureReported);
    }
    const std::vector<VocabularyEntry> entries = textVocabulary(grid);
    Output out;
    if (args.flag("--csv")) {
        out.raw(gridCsv(vocabularyGrid(entries), ReportKind::Vocabulary));
        return 0;
    }
    for (const VocabularyEntry &entry : entries)
        out.record({entry.lemma, entry.category, entry.translation, std::to_string(entry.occurrences)});
    return 0;
}

void printThesaurusHits(const ThesaurusBrowser &browser) {
    Output out;
    for (const std::size_t i : browser.hitEntries()) {
        const ThesaurusEntry &entry = browser.table()[i];
        out.record({recordNoText(entry), entry.form(), entry.lemma(), entry.translation(), entry.category(),
                    entry.caseGenderNumber(), entry.moodTenseVoice()});
    }
}

enum class Listing { Form, Letter, Lemma };

int thesaurusListing(int argc, char **argv, Listing listing) {
    const Arguments args(argc, argv,
                         listing == Listing::Lemma
                             ? std::initializer_list<std::string_view>{"--csv"}
                             : std::initializer_list<std::string_view>{"--sorted", "--csv"},
                         {});
    const std::string &path = fileArgument(args.positional(2, 0), "FILE");
    const std::string &query = args.positional(2, 1);
    ThesaurusBrowser browser(args.flag("--sorted") ? BrowserKind::BuiltIn : BrowserKind::Other);
    browser.load(path, WhenMissing::Fail);
    switch (listing) {
        case Listing::Form:
            browser.searchForm(argumentText(query));
            break;
        case Listing::Letter:
            browser.filterByLetter(letterArgument(query));
            break;
        case Listing::Lemma:
            browser.listLemma(argumentText(query));
            break;
    }
    if (args.flag("--csv"))
        Output().raw(gridCsv(browser.listing().grid(), ReportKind::ThesaurusBrowser));
    else
        printThesaurusHits(browser);
    return 0;
}

int lexiconListing(int argc, char **argv, bool byLetter) {
    const Arguments args(argc, argv, {"--csv"}, {"--lexicon"});
    const std::string &query = args.positional(1, 0);
    const std::string path = fileArgument(args.value("--lexicon").value_or(lexiconPath()), "--lexicon");
    // An empty lexicon is a missing one, as for the lexicon browser: there is nothing to list.
    auto table = loadLexicon(path, WhenMissing::ReadEmpty);
    if (!table) throw ToolError(path + ": the lexicon is missing or empty");
    LexiconBrowser browser;
    browser.setTable(std::move(*table));
    if (byLetter)
        browser.filterByLetter(letterArgument(query));
    else
        browser.searchLemma(argumentText(query));
    Output out;
    const Grid &grid = browser.listing().grid();
    if (args.flag("--csv")) {
        out.raw(gridCsv(grid, ReportKind::Lexicon));
        return 0;
    }
    for (std::size_t row = 1; row <= browser.listing().hitCount(); ++row)
        out.record(
            {grid.text(row, 0), grid.text(row, 1), grid.text(row, 2), grid.text(row, 3), grid.text(row, 4)});
    return 0;
}

int report(int argc, char **argv) {
    const Arguments args(argc, argv, {}, {});
    Grid grid = makeAnalysisGrid();
    loadAnalysisFile(fileArgument(args.positional(1, 0), "ANALYSIS.DAT"), grid, WhenMissing::Fail);
    const PrintedReport printed = printGridReport(grid, analysisReportLabels(), workspaceReportLastRow(grid));
    Output out;
    for (std::size_t page = 0; page < printed.pages.size(); ++page) {
        if (page > 0) out.line("\f");
        for (const std::string &line : printed.pages[page]) out.line(line);
    }
    return 0;
}

int create(int argc, char **argv) {
    const Arguments args(argc, argv, {"--import"}, {});
    const std::string &path = fileArgument(args.positional(1, 0), "NEW.DAT");
    CliPrompter prompter(path);
    // The same refusal as when the name is taken by another process at the last moment.
    prompter.refuseUnanswered("File esiste", describe(FileError(path, FileFailure::NameTaken)));
    prompter.answer("Crea un nuovo Thesaurus", args.flag("--import"));
    const std::string builtIn = builtInThesaurusPath();
    if (args.flag("--import") && fileKind(builtIn) != FileKind::Regular)
        throw FileError(builtIn, FileFailure::NoSuchFile);
    createNewThesaurus(prompter, builtIn);
    return 0;
}

int compile(int argc, char **argv, bool lexicon) {
    const Arguments args(argc, argv, {}, {});
    const std::string &source = fileArgument(args.positional(2, 0), "SOURCE.tsv");
    const std::string &output = fileArgument(args.positional(2, 1), "OUT.DAT");
    const std::size_t count = lexicon ? compileLexicon(source, output) : compileThesaurus(source, output);
    std::fprintf(stderr, "%s: %zu records\n", output.c_str(), count);
    return 0;
}

int run(int argc, char **argv) {
    if (argc < 2) throw UsageError("no command given");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
        return 0;
    }
    if (command == "analyse") return analyse(argc, argv);
    if (command == "vocabulary") return vocabulary(argc, argv);
    if (command == "search") return thesaurusListing(argc, argv, Listing::Form);
    if (command == "letter") return thesaurusListing(argc, argv, Listing::Letter);
    if (command == "lemma") return thesaurusListing(argc, argv, Listing::Lemma);
    if (command == "lexicon-search") return lexiconListing(argc, argv, false);
    if (command == "lexicon-letter") return lexiconListing(argc, argv, true);
    if (command == "report") return report(argc, argv);
    if (command == "create") return create(argc, argv);
    if (command == "compile-thesaurus") return compile(argc, argv, false);
    if (command == "compile-lexicon") return compile(argc, argv, true);
    throw UsageError("unknown command '" + std::string(command) + "'");
}

}  // namespace
}  // namespace orbalis::cli

int main(int argc, char **argv) {
    using namespace orbalis::cli;
    try {
        const int status = run(argc, argv);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) throwOutputError();
        return status;
    } catch (const UsageError &error) {
        std::fprintf(stderr, "orbalis-cli: %s (see orbalis-cli --help)\n", error.what());
        return 2;
    } catch (const orbalis::FileError &error) {
        std::fprintf(stderr, "orbalis-cli: %s\n", describe(error).c_str());
        return 1;
    } catch (const std::exception &error) {  // a data error, or a question left unanswered
        std::fprintf(stderr, "orbalis-cli: %s\n", error.what());
        return 1;
    }
}
