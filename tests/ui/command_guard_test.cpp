// What a window shows when its command fails: every kind of file failure in Italian, naming the
// file; a text too large in the system's French box; a text too long for the workspace, memory
// running out and any other failure in Italian too, never in the failure's own words.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "records/thesaurus_table.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "text/text_file.h"
#include "text/text_intake.h"
#include "thesaurus/thesaurus_choice.h"
#include "ui/command_guard.h"

namespace orbalis::testing {
namespace {

namespace fs = std::filesystem;

struct Failure {
    const char *name;
    // Prepares the failure at `path` and runs the command that meets it.
    std::function<void(const std::string &path)> command;
    std::string text;  // after "<path>:" CRLF when namesFile
    bool namesFile = true;
    std::string title = "";
    Icon icon = Icon::None;
};

void PrintTo(const Failure &failure, std::ostream *out) {
    *out << failure.name;
}

class CommandGuard : public ::testing::TestWithParam<Failure> {};

TEST_P(CommandGuard, ShowsTheFailureInTheUsersLanguage) {
    TempDir dir;
    const std::string path = dir.path("archivio.dat");
    const Failure &failure = GetParam();
    ScriptedPrompter prompter;
    prompter.expectInform(failure.title, failure.namesFile ? path + ":\r\n" + failure.text : failure.text,
                          failure.icon);
    EXPECT_FALSE(ui::runCommand(prompter, [&] { failure.command(path); }));
}

void noQuestions(const std::string &path) {
    ScriptedPrompter none;
    readTextWithConsent(path, none);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, CommandGuard,
    ::testing::Values(
        Failure{"NotFound",
                [](const std::string &p) { loadThesaurusTable(p, EntryTrim::FormOnly, WhenMissing::Fail); },
                "il file non esiste."},
        Failure{"Folder",
                [](const std::string &p) {
                    fs::create_directory(p);
                    loadThesaurusTable(p);
                },
                "e' una cartella, non un file."},
        Failure{"ReadOnly",
                [](const std::string &p) { throw FileError(p, FileFailure::WriteReadOnlyFile, EACCES); },
                "il file e' di sola lettura: non si puo' scrivere."},
        Failure{
            "DiskFull",
            [](const std::string &p) { throw FileError(p, FileFailure::WriteRecord, ENOSPC).withNumber(3); },
            "il disco e' pieno."},
        Failure{"ThesaurusFull",
                [](const std::string &p) {
                    writeBytes(p, "");
                    fs::resize_file(p, 32767 * 216);
                    appendThesaurusRecord(p, {"a", "", "", "", "", ""});
                },
                "il Thesaurus e' pieno: contiene gia' 32767 analisi, il massimo che un Thesaurus possa "
                "contenere."},
        Failure{"Damaged",
                [](const std::string &p) {
                    writeBytes(p, std::string(217, 'x'));
                    Grid grid = makeAnalysisGrid();
                    loadAnalysisFile(p, grid);
                },
                "il file non e' un'analisi salvata, oppure e' danneggiato: non e' stato aperto."},
        Failure{"Exists",
                [](const std::string &p) {
                    writeBytes(p, "");
                    createThesaurus(p, false, "");
                },
                "il file esiste gia': non e' stato sostituito."},
        Failure{"Other", [](const std::string &p) { throw FileError(p, FileFailure::Read, EIO); },
                "errore del sistema (Input/output error)."},
        Failure{"TextAboveTheLimit",
                [](const std::string &p) {
                    writeBytes(p, "");
                    fs::resize_file(p, kMaxTextBytes + 1);  // sparse
                    noQuestions(p);
                },
                "Le fichier est trop volumineux.\r\nLe fichier ne peut d\xE9passer la taille de 60 KO", false,
                "Fichier trop volumineux", Icon::Information},
        Failure{
            "TextTooLongForTheWorkspace",
            [](const std::string &p) {
                openAnalysisWorkspace(std::string(kWorkspaceTextLimitBytes + 1, 'a'), p, LookupMode::Full,
                                      WhenMissing::Fail);
            },
            "Il testo e' troppo lungo per l'analisi (16777217 byte): l'area di lavoro accetta testi fino a "
            "16 MB (16777216 byte).\r\nDividere il testo in parti piu' brevi.",
            false},
        Failure{"OutOfMemory", [](const std::string &) { throw std::bad_alloc(); },
                "Memoria insufficiente per completare il comando.", false},
        Failure{"Unexpected",
                [](const std::string &) { throw std::runtime_error("vector::_M_realloc_insert"); },
                "Il comando non e' stato completato a causa di un errore imprevisto.", false}),
    [](const ::testing::TestParamInfo<Failure> &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orbalis::testing
