// orbalis_bench: the cost of each step of the analysis workspace's load, on a thesaurus of the
// most records a thesaurus can hold (32,767) and texts of 64,000 bytes and 2 MB:
//   - reading the thesaurus into a table (loadWorkspaceTable), next to merely reading its bytes;
//   - cutting a text into forms;
//   - the indexed lookup that fills the analysis grid, in sorted and in full mode, and the
//     literal entry-by-entry scan on the same inputs, which the index is meant to beat;
//   - the whole load (openAnalysisWorkspace) in both modes.
// Sorted mode reads the sorted thesaurus (donnees.dat, as the built-in one); full mode reads the
// same records shuffled (user.dat, as a user thesaurus). All times are with the files in the page
// cache.
//
// `orbalis_bench --write-inputs DIR` only writes the inputs into DIR (for timing orbalis-cli on
// them) and prints what they hold; any other arguments go to Google Benchmark.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "analysis/analysis_grid.h"
#include "bench_inputs.h"
#include "literal_lookup.h"
#include "records/thesaurus_table.h"
#include "text/text_file.h"
#include "text/tokenizer.h"

namespace {

using namespace orbalis;

enum class TextSize { Small, Large };

// The inputs, made once in a fresh temporary directory that is removed at exit.
class Inputs {
public:
    Inputs() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orbalis-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
        m_directory = pattern;
        files = bench::writeInputFiles(m_directory);
        sortedTable = loadWorkspaceTable(files.sortedThesaurus);
        userTable = loadWorkspaceTable(files.userThesaurus);
        smallText = loadTextFile(files.smallText);
        largeText = loadTextFile(files.largeText);
        smallForms = tokenizeText(smallText);
        largeForms = tokenizeText(largeText);
    }
    ~Inputs() {
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }
    Inputs(const Inputs &) = delete;
    Inputs &operator=(const Inputs &) = delete;

    const std::string &text(TextSize size) const { return size == TextSize::Small ? smallText : largeText; }
    const FormList &forms(TextSize size) const { return size == TextSize::Small ? smallForms : largeForms; }
    // Sorted mode looks forms up in the sorted thesaurus, full mode in the shuffled one.
    const ThesaurusTable &table(LookupMode mode) const {
        return mode == LookupMode::Sorted ? sortedTable : userTable;
    }
    const std::string &thesaurusPath(LookupMode mode) const {
        return mode == LookupMode::Sorted ? files.sortedThesaurus : files.userThesaurus;
    }

    bench::InputFiles files;
    ThesaurusTable sortedTable, userTable;
    std::string smallText, largeText;  // Windows-1252, as the workspace holds them
    FormList smallForms, largeForms;

private:
    std::string m_directory;
};

const Inputs &inputs() {
    static const Inputs instance;
    return instance;
}

// The file's bytes into a string and nothing more: the floor for reading a thesaurus.
std::string readBytes(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    struct stat info {};
    ::fstat(fd, &info);
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

void BM_ReadThesaurusBytes(benchmark::State &state) {
    const std::string &path = inputs().files.sortedThesaurus;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = readBytes(path);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ReadThesaurusBytes)->Unit(benchmark::kMillisecond);

void BM_LoadWorkspaceTable(benchmark::State &state) {
    const std::string &path = inputs().files.sortedThesaurus;
    std::size_t entries = 0;
    for (auto _ : state) {
        const ThesaurusTable table = loadWorkspaceTable(path);
        entries = table.size();
        benchmark::DoNotOptimize(&table[0]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * entries));
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * entries * thesaurus_format::kRecordLength));
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_LoadWorkspaceTable)->Unit(benchmark::kMillisecond);

void BM_Tokenize(benchmark::State &state, TextSize size) {
    const std::string &text = inputs().text(size);
    std::size_t forms = 0;
    for (auto _ : state) {
        const FormList list = tokenizeText(text);
        forms = list.size();
        benchmark::DoNotOptimize(list.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * forms));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["forms"] = static_cast<double>(forms);
}
BENCHMARK_CAPTURE(BM_Tokenize, text_64000, TextSize::Small)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Tokenize, text_2000000, TextSize::Large)->Unit(benchmark::kMillisecond);

// One fill of a fresh grid (header set up, as the workspace has it) per iteration; the grid's
// making and freeing are timed with it. `rows` is the number of grid rows written, the same for
// the indexed and the literal lookup when both agree.
template <typename Fill>
void measureFill(benchmark::State &state, TextSize size, LookupMode mode, Fill fill) {
    const Inputs &in = inputs();
    const FormList &forms = in.forms(size);
    const ThesaurusTable &table = in.table(mode);
    std::size_t nextRow = 1;
    for (auto _ : state) {
        Grid grid = makeAnalysisGrid();
        setUpGridHeader(grid);
        nextRow = fill(grid, forms, table, mode);
        benchmark::DoNotOptimize(nextRow);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * forms.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.text(size).size()));
    state.counters["forms"] = static_cast<double>(forms.size());
    state.counters["rows"] = static_cast<double>(nextRow - 1);
}

void BM_FillAnalysisGrid(benchmark::State &state, TextSize size, LookupMode mode) {
    measureFill(state, size, mode, fillAnalysisGrid);
}
BENCHMARK_CAPTURE(BM_FillAnalysisGrid, sorted_64000, TextSize::Small, LookupMode::Sorted)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillAnalysisGrid, full_64000, TextSize::Small, LookupMode::Full)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillAnalysisGrid, sorted_2000000, TextSize::Large, LookupMode::Sorted)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillAnalysisGrid, full_2000000, TextSize::Large, LookupMode::Full)
    ->Unit(benchmark::kMillisecond);

// The literal scan walks the whole table (full mode) or up to the form's place (sorted mode) for
// every form: seconds for the 64,000-byte text, so one iteration each.
void BM_LiteralFillAnalysisGrid(benchmark::State &state, TextSize size, LookupMode mode) {
    measureFill(state, size, mode, reference::literalFillAnalysisGrid);
}
BENCHMARK_CAPTURE(BM_LiteralFillAnalysisGrid, sorted_64000, TextSize::Small, LookupMode::Sorted)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LiteralFillAnalysisGrid, full_64000, TextSize::Small, LookupMode::Full)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The whole load of the analysis workspace in one process: header, forms, the thesaurus file
// read whole, the lookup. The text is already in memory.
void BM_OpenAnalysisWorkspace(benchmark::State &state, TextSize size, LookupMode mode) {
    const Inputs &in = inputs();
    const std::string &text = in.text(size);
    const std::string &path = in.thesaurusPath(mode);
    std::size_t nextRow = 1;
    for (auto _ : state) {
        const AnalysisWorkspace workspace = openAnalysisWorkspace(text, path, mode);
        nextRow = workspace.nextRow;
        benchmark::DoNotOptimize(nextRow);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["rows"] = static_cast<double>(nextRow - 1);
}
BENCHMARK_CAPTURE(BM_OpenAnalysisWorkspace, sorted_64000, TextSize::Small, LookupMode::Sorted)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAnalysisWorkspace, full_64000, TextSize::Small, LookupMode::Full)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAnalysisWorkspace, sorted_2000000, TextSize::Large, LookupMode::Sorted)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAnalysisWorkspace, full_2000000, TextSize::Large, LookupMode::Full)
    ->Unit(benchmark::kMillisecond);

void printInputs(const bench::InputFiles &files, const std::string &directory) {
    const auto &t = files.thesaurus;
    std::printf("inputs in %s\n", directory.c_str());
    std::printf("  latin source: %s\n", files.sourceDescription.c_str());
    std::printf("  thesaurus: %zu records, %zu distinct forms (ignoring case), %zu with 2-4 analyses\n",
                t.records, t.distinctForms, t.homographForms);
    std::printf("  source forms: %zu distinct, %zu of them not in the thesaurus\n", t.textForms,
                t.unknownTextForms);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "--write-inputs") {
        if (argc != 3) {
            std::fprintf(stderr, "usage: orbalis_bench --write-inputs DIR\n");
            return 2;
        }
        try {
            const auto files = orbalis::bench::writeInputFiles(argv[2]);
            printInputs(files, argv[2]);
        } catch (const std::exception &error) {
            std::fprintf(stderr, "orbalis_bench: %s\n", error.what());
            return 1;
        }
        return 0;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const Inputs &in = inputs();
    const auto &t = in.files.thesaurus;
    benchmark::AddCustomContext("latin_source", in.files.sourceDescription);
    benchmark::AddCustomContext("thesaurus", std::to_string(t.records) + " records, " +
                                                 std::to_string(t.distinctForms) + " distinct forms, " +
                                                 std::to_string(t.homographForms) + " with 2-4 analyses");
    benchmark::AddCustomContext("text_64000", std::to_string(in.smallText.size()) + " bytes decoded, " +
                                                  std::to_string(in.smallForms.size()) + " forms");
    benchmark::AddCustomContext("text_2000000", std::to_string(in.largeText.size()) + " bytes decoded, " +
                                                    std::to_string(in.largeForms.size()) + " forms");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
