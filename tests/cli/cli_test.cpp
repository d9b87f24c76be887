// The batch tool run as a user runs it: its output lines, exit codes and error lines, and the
// files it writes or leaves alone.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "temp_dir.h"

namespace orbalis {
namespace {

using testing::readBytes;
using testing::writeBytes;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string quoted(const std::string &arg) {
    std::string q = "'";
    for (const char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::vector<std::string> lines(const std::string &text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(dir.path("donnees.tsv"),
                   "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n"
                   "sum\tsum\tsono\tV6\t1 sg.\tind. pr\xc3\xa9s. act.\n"
                   "est\tsum\t\xc3\xa8\tV6\t3 sg.\tind. pr\xc3\xa9s. act.\n"
                   "est\tedo\tmangia\tV6\t3 sg.\tind. pr\xc3\xa9s. act.\n"
                   "Gallia\tGallia\tla Gallia\tN1\tnom. f. sg.\t_\n"
                   "arma\tarma\tle armi\tN2\tacc. nt. pl.\t_\n");
        ASSERT_EQ(cli({"compile-thesaurus", dir.path("donnees.tsv"), dir.path("donnees.dat")}).status, 0);
        writeBytes(dir.path("lexique.tsv"),
                   "lemma\tcategory\ttranslation\tfrench_derivatives\tlatin_derivatives\n"
                   "amo\tV1\tamare\taimer\tamor, amicus\n"
                   "arma\tN2\tarmi\tarme, armée\tarmo\n"
                   "bellum\tN2\tguerra\tbelliqueux\tbellicus\n");
        ASSERT_EQ(cli({"compile-lexicon", dir.path("lexique.tsv"), dir.path("lexique.dat")}).status, 0);
    }

    // A run that has not ended after 20 s is stopped, and fails its test.
    CliRun cli(const std::vector<std::string> &args, const std::string &input = "/dev/null") {
        std::string command = "ORBALIS_DATA_DIR=" + quoted(dir.root().string()) + " " + environment +
                              " timeout 20 " + ORBALIS_CLI;
        for (const auto &arg : args) command += " " + quoted(arg);
        command += " <" + quoted(input) + " 2>" + quoted(dir.path("stderr"));
        CliRun run{};
        FILE *pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, got);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = readBytes(dir.path("stderr"));
        return run;
    }

    std::string text(const std::string &name, const std::string &content) {
        writeBytes(dir.path(name), content);
        return dir.path(name);
    }

    testing::TempDir dir;
    std::string environment;  // NAME=value words put before the command
};

TEST_F(Cli, AnalyseAgainstTheBuiltInThesaurusPrintsEveryRowInUtf8) {
    const CliRun run = cli({"analyse", text("t.txt", "Gallia EST nix\r\n")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out),
              (std::vector<std::string>{"Gallia\tGallia\tla Gallia\tN1\tnom. f. sg.\t_\t",
                                        "EST\tsum\t\xc3\xa8\tV6\t3 sg.\tind. pr\xc3\xa9s. act.\t",
                                        "EST\tedo\tmangia\tV6\t3 sg.\tind. pr\xc3\xa9s. act.\t",
                                        "nix\t_\t_\t_\t_\t_\t*"}));
}

TEST_F(Cli, SuggestProposesFromTheThesaurusAndSaysOnceWhyTheAnalyserGaveNothing) {
    environment = "ORBALIS_ANALYSER=/nonexistent/whitakers-words";
    // A macronised text: ā is read as a, the form stays one.
    const CliRun run = cli({"analyse", text("s.txt", "\xc4\x81rmaque nix\n"), "--suggest"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{"armaque\tarma\t[e] le armi\tN2\tacc. nt. pl.\t_\t?",
                                                        "nix\t_\t_\t_\t_\t_\t*"}));
    EXPECT_EQ(lines(run.err).size(), 1u);
    EXPECT_NE(run.err.find("sudo apt-get install whitakers-words"), std::string::npos) << run.err;

    const CliRun vocabulary = cli({"vocabulary", text("w.txt", "arma est armaque est\n"), "--suggest"});
    ASSERT_EQ(vocabulary.status, 0) << vocabulary.err;
    EXPECT_EQ(lines(vocabulary.out), (std::vector<std::string>{"arma\tN2\tle armi\t2", "edo\tV6\tmangia\t2",
                                                               "sum\tV6\t\xc3\xa8\t2"}));
}

TEST_F(Cli, SuggestWithTheRealAnalyser) {
    if (std::system("command -v whitakers-words >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "whitakers-words is not installed (scripts/setup installs it)";
    const CliRun run = cli({"analyse", text("r.txt", "amabant\n"), "--suggest"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(lines(run.out),
              (std::vector<std::string>{"amabant\tamo\tamare\tV1\t3 pl.\tind. impf. act.\t?"}));
}

TEST_F(Cli, SortedOptionStopsTheScanAndUtf8TextIsRead) {
    // The compiled thesaurus with its first record, arma, moved to the end: full mode finds arma,
    // sorted mode stops at est.
    const std::string source = readBytes(dir.path("donnees.dat"));
    writeBytes(dir.path("user.dat"), source.substr(216) + source.substr(0, 216));
    const std::string textPath = text("v.txt", "C\xc3\xa6sar arma\n");
    const CliRun full = cli({"analyse", textPath, "--thesaurus", dir.path("user.dat")});
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_EQ(lines(full.out),
              (std::vector<std::string>{"C\xc3\xa6sar\t_\t_\t_\t_\t_\t*",
                                        "arma\tarma\tle armi\tN2\tacc. nt. pl.\t_\t", "\t\t\t\t\t\t"}));
    const CliRun sorted = cli({"analyse", textPath, "--thesaurus", dir.path("user.dat"), "--sorted"});
    EXPECT_EQ(lines(sorted.out).back(), "arma\t_\t_\t_\t_\t_\t*");
}

TEST_F(Cli, SaveReplacesTheFileAndReportReadsItBack) {
    writeBytes(dir.path("out.dat"), "old");
    const CliRun run = cli({"analyse", text("m.txt", "arma"), "--save", dir.path("out.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::filesystem::file_size(dir.path("out.dat")), 2u * 218)
        << "the row and the trailing empty one";
    const CliRun report = cli({"report", dir.path("out.dat")});
    ASSERT_EQ(report.status, 0) << report.err;
    const auto printed = lines(report.out);
    ASSERT_EQ(printed.size(), 2u * 7);
    EXPECT_EQ(printed[0], "Forme: arma");
    EXPECT_EQ(printed[4], "Caso, genere, numero : acc. nt. pl.");
    EXPECT_EQ(printed[7], "Forme: ") << "the empty row is an entry of its own";
}

TEST_F(Cli, ThesaurusListingsPrintRecordNumbers) {
    const CliRun search = cli({"search", dir.path("donnees.dat"), "EST"});
    ASSERT_EQ(search.status, 0) << search.err;
    EXPECT_EQ(lines(search.out),
              (std::vector<std::string>{"2\test\tsum\t\xc3\xa8\tV6\t3 sg.\tind. pr\xc3\xa9s. act.",
                                        "3\test\tedo\tmangia\tV6\t3 sg.\tind. pr\xc3\xa9s. act."}));
    // Record numbers print as signed decimals.
    std::string bytes = readBytes(dir.path("donnees.dat"));
    bytes[0] = bytes[1] = '\xFF';
    writeBytes(dir.path("odd.dat"), bytes);
    EXPECT_EQ(lines(cli({"letter", dir.path("odd.dat"), "A"}).out).front(),
              "-1\tarma\tarma\tle armi\tN2\tacc. nt. pl.\t_");
}

TEST_F(Cli, CsvOptionWritesTheExportOfTheWindows) {
    const std::string bom = "\xEF\xBB\xBF";
    const CliRun analysed = cli({"analyse", text("g.txt", "Gallia nix"), "--csv"});
    ASSERT_EQ(analysed.status, 0) << analysed.err;
    EXPECT_EQ(analysed.out,
              bom +
                  "Forme,Lemma,Traduzione,Cat. gramm.,\"Caso, genere, numero\",\"Modo, tempi, voce\"\r\n"
                  "Gallia,Gallia,la Gallia,N1,nom. f. sg.,_\r\n"
                  "nix,_,_,_,_,_\r\n");
    const CliRun search = cli({"search", dir.path("donnees.dat"), "est", "--csv"});
    ASSERT_EQ(search.status, 0) << search.err;
    EXPECT_TRUE(
        search.out.ends_with("\r\nest,sum,\xc3\xa8,V6,3 sg.,ind. pr\xc3\xa9s. act.\r\n"
                             "est,edo,mangia,V6,3 sg.,ind. pr\xc3\xa9s. act.\r\n"))
        << search.out;
    const CliRun lexicon = cli({"lexicon-search", "ar", "--csv"});
    EXPECT_TRUE(lexicon.out.starts_with(bom));
    EXPECT_TRUE(
        lexicon.out.ends_with("\r\narma,armi,N2,\"arme, arm\xc3\xa9"
                              "e\",armo\r\n"))
        << lexicon.out;
    EXPECT_EQ(cli({"vocabulary", text("v.txt", "Gallia Galliae nix"), "--csv"}).out,
              bom + "Lemma,Cat. gramm.,Traduzione,Occorrenze\r\nGallia,N1,la Gallia,1\r\n");
}

TEST_F(Cli, CreateMakesANewThesaurusButNeverReplacesOne) {
    ASSERT_EQ(cli({"create", dir.path("nuovo.dat")}).status, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.path("nuovo.dat")), 0u);
    ASSERT_EQ(cli({"create", dir.path("copia.dat"), "--import"}).status, 0);
    EXPECT_EQ(readBytes(dir.path("copia.dat")), readBytes(dir.path("donnees.dat")));
    writeBytes(dir.path("old.dat"), "old");
    const CliRun refused = cli({"create", dir.path("old.dat")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("old.dat"), std::string::npos);
    EXPECT_EQ(readBytes(dir.path("old.dat")), "old");
}

TEST_F(Cli, ErrorsAreOneLineWithTheirExitCode) {
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::string missing = dir.path("missing.txt");
    const std::string empty = text("empty.dat", "");
    for (const Case &c :
         std::vector<Case>{{{}, 2},
                           {{"analyse", text("x.txt", "a"), "--save", ""}, 2},
                           {{"create", ""}, 2},
                           {{"report", ""}, 2},
                           {{"letter", dir.path("donnees.dat"), "\xce\xb1"}, 2},
                           {{"search", dir.path("donnees.dat"), "arma\xe2\x84\xa2\xce\xb1"}, 2},
                           {{"lexicon-search", "a", "--lexicon", empty}, 1},
                           {{"lexicon-search", "a", "--lexicon", missing}, 1},
                           {{"frobnicate"}, 2},
                           {{"analyse"}, 2},
                           {{"analyse", missing, "--colour"}, 2},
                           {{"letter", dir.path("donnees.dat"), "ab"}, 2},
                           {{"analyse", missing}, 1},
                           {{"analyse", text("x.txt", "a"), "--thesaurus", missing}, 1},
                           {{"search", missing, "a"}, 1},
                           {{"report", missing}, 1},
                           {{"report", dir.root().string()}, 1}}) {
        const CliRun run = cli(c.args);
        std::string shown;
        for (const auto &arg : c.args) shown += arg + " ";
        EXPECT_EQ(run.status, c.status) << shown;
        EXPECT_EQ(lines(run.err).size(), 1u) << shown << run.err;
        EXPECT_EQ(run.out, "") << shown;
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a missing input is never created";
    EXPECT_NE(cli({"letter", dir.path("donnees.dat"), "\xce\xb1"}).err.find("'\xce\xb1'"), std::string::npos);
    EXPECT_NE(cli({"lexicon-search", "a", "--lexicon", empty}).err.find(empty), std::string::npos);
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *command :
         {"analyse", "search", "letter", "lemma", "lexicon-search", "lexicon-letter", "report", "create"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
}

TEST_F(Cli, AnyBytesAreReadAsRecordsWithoutHarm) {
    std::mt19937 random(11);
    for (const std::size_t size : {1u, 217u, 218u * 3 + 5, 323u * 2 + 1, 4000u}) {
        std::string junk(size, '\0');
        for (char &c : junk) c = static_cast<char>(random());
        const std::string path = text("junk.dat", junk);
        // None of the sizes is a whole number of analysis records: the report refuses the file.
        const CliRun report = cli({"report", path});
        EXPECT_EQ(report.status, 1) << size << " bytes";
        EXPECT_EQ(lines(report.err),
                  (std::vector<std::string>{"orbalis-cli: " + path + ": not an analysis file: its " +
                                            std::to_string(size) +
                                            " bytes are not a whole number of 218-byte records"}));
        for (const auto &args :
             std::vector<std::vector<std::string>>{{"search", path, "a"},
                                                   {"letter", path, "a", "--sorted"},
                                                   {"lexicon-search", "", "--lexicon", path},
                                                   {"analyse", path, "--thesaurus", path}}) {
            const CliRun run = cli(args);
            EXPECT_EQ(run.status, 0) << args[0] << " on " << size << " bytes: " << run.err;
        }
        EXPECT_EQ(readBytes(path), junk);
    }
}

TEST_F(Cli, TextsAreReadOnlyFromRegularFilesOrStandardInputUnderTheLimit) {
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0666), 0);
    std::filesystem::resize_file(text("huge.txt", ""), (std::uintmax_t{256} << 20) + 1);  // sparse
    for (const std::string &path : {dir.path("pipe"), std::string("/dev/zero"), dir.path("huge.txt")}) {
        const CliRun run = cli({"analyse", path});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_NE(cli({"analyse", dir.path("huge.txt")}).err.find("268435456"), std::string::npos);
    const CliRun piped = cli({"analyse", "-"}, text("in.txt",
                                                    "\xef\xbb\xbf"
                                                    "caf\xe9"));
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(lines(piped.out), (std::vector<std::string>{"caf\xc3\xa9\t_\t_\t_\t_\t_\t*"}))
        << "the byte-order mark is dropped before bytes that are not UTF-8";
}

TEST_F(Cli, LongTextIsAnalysedInPartsGivingTheRowsOfOneGrid) {
    // A form across the 4 MiB mark where the text is cut into parts, and a found form at the end.
    std::string longText;
    for (int i = 0; i < 102300; ++i) longText += std::string(40, 'x') + " ";
    longText += " Gallia est";
    ASSERT_LT(longText.find("Gallia"), std::size_t{4} << 20);
    ASSERT_GT(longText.find("Gallia") + 6, std::size_t{4} << 20);
    const CliRun run = cli({"analyse", text("long.txt", longText), "--save", dir.path("long.dat")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 102300u + 1 + 2 + 1);
    EXPECT_EQ(rows[102299], std::string(40, 'x') + "\t_\t_\t_\t_\t_\t*");
    EXPECT_EQ(rows[102300], "Gallia\tGallia\tla Gallia\tN1\tnom. f. sg.\t_\t");
    EXPECT_EQ(rows[102302].substr(0, 8), "est\tedo\t");
    EXPECT_EQ(rows.back(), "\t\t\t\t\t\t");
    EXPECT_EQ(std::filesystem::file_size(dir.path("long.dat")), rows.size() * 218);
}

TEST_F(Cli, BadSourceNamesTheLine) {
    writeBytes(dir.path("bad.tsv"),
               "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n"
               "a\tb\tc\td\te\n");
    const CliRun run = cli({"compile-thesaurus", dir.path("bad.tsv"), dir.path("bad.dat")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path("bad.dat")));
}

}  // namespace
}  // namespace orbalis
