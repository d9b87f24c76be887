// orbalis-data run as scripts/build-data runs it, on a small frequency list whose analyser
// reports are the real ones of tests/data/analyser: the hand-checked records win, glosses are
// chosen and shortened soundly, the output does not change from run to run, and a fault of an
// input or an output stops it with a message naming the file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace orbalis {
namespace {

using testing::readBytes;
using testing::writeBytes;

std::vector<std::vector<std::string>> rows(const std::string &tsv) {
    std::vector<std::vector<std::string>> out;
    std::istringstream in(tsv);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
        out.push_back(fields);
    }
    return out;
}

class DataTool : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(dir.path("freq.tsv"),
                   "form\tcount\tcapitalised\nqui\t60\t0\ncasus\t50\t0\nit\t40\t0\narbitrabantur\t20\t0\ncapi"
                   "t\t10\t0\n"
                   "ligario\t5\t5\npo\xc3\xabtae\t4\t0\n");
        // The analyser's input, then its reports: the fixture of each form followed by the line
        // the analyser prints for the marker word it does not know.
        ASSERT_EQ(
            run(std::string(ORBALIS_DATA) + " prepare " + dir.path("freq.tsv") + " " + dir.path("in.txt")),
            0);
        std::istringstream prepared(readBytes(dir.path("in.txt")));
        std::string reports;
        for (std::string form, marker; prepared >> form >> marker;) {
            reports += readBytes(std::string(ORBALIS_SOURCE_DIR) + "/tests/data/analyser/" + form + ".txt");
            reports += marker + "                     ========   UNKNOWN    \n\n";
        }
        writeBytes(dir.path("reports.txt"), reports);
        // A homograph listed first under another part of speech, a numbered gloss, a repeated
        // word and a gloss too long for the translation field.
        writeBytes(
            dir.path("lemmes.it"),
            "! glosses\nItaliano\neo2:a questo punto\neo:andare\ncasus:1. la caduta2. il caso\n"
            "cado:cadere, cadere\ncapio:prendere, afferrare, catturare, occupare, conquistare, sedurre, "
            "ricevere, contenere, comprendere\n");
        writeBytes(dir.path("lemmes.la"),
                   "! lemmas\n\xc4\x95o|eo|\xc4\xad,\xc4\xabv|\xc4\xadt|is, ire, iui, itum|1447\n"
                   "e\xc5\x8d"
                   "2|adv|||adv.|10\n");
        writeBytes(dir.path("hand.tsv"),
                   "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n"
                   "casus\tcasus\til caso\tN4\tnom. m. sg.\t_\n"
                   "qui\tquis\tquale?\tDP\tnom. m. sg.\t_\n");
        writeBytes(dir.path("hand-lexicon.tsv"),
                   "lemma\tcategory\ttranslation\tfrench_derivatives\tlatin_derivatives\n"
                   "casus\tN4\tcaso, caduta\tcas\tcado\n");
    }

    int run(const std::string &command) {
        const int status = std::system((command + " >" + dir.path("out") + " 2>" + dir.path("err")).c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int build(const std::string &suffix) {
        return run(std::string(ORBALIS_DATA) + " build --frequencies " + dir.path("freq.tsv") +
                   " --analyses " + dir.path("reports.txt") + " --glosses " + dir.path("lemmes.it") +
                   " --lemmas " + dir.path("lemmes.la") + " --hand-thesaurus " + dir.path("hand.tsv") +
                   " --hand-lexicon " + dir.path("hand-lexicon.tsv") + " --thesaurus-out " +
                   dir.path("t" + suffix) + " --lexicon-out " + dir.path("l" + suffix) + " --sample " +
                   dir.path("s" + suffix));
    }

    std::vector<std::vector<std::string>> recordsOf(const std::string &form) {
        std::vector<std::vector<std::string>> out;
        for (auto &row : rows(readBytes(dir.path("t1"))))
            if (row[0] == form) out.push_back(row);
        return out;
    }

    testing::TempDir dir;
};

bool hasRow(const std::vector<std::vector<std::string>> &rows, const std::vector<std::string> &row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST_F(DataTool, HandCheckedRecordsWinAndGeneratedOnesAddWhatTheyLack) {
    ASSERT_EQ(build("1"), 0) << readBytes(dir.path("err"));
    const auto casus = recordsOf("casus");
    EXPECT_EQ(casus.front(),
              (std::vector<std::string>{"casus", "casus", "il caso", "N4", "nom. m. sg.", "_"}));
    // The same reading is not added twice; the readings the hand-made record lacks are.
    EXPECT_EQ(std::count_if(casus.begin(), casus.end(),
                            [](const auto &r) { return r[3] == "N4" && r[4] == "nom. m. sg."; }),
              1);
    EXPECT_TRUE(hasRow(casus, {"casus", "cado", "cadere", "V3", "nom. m. sg.", "part. parf. pas."}));
    EXPECT_TRUE(hasRow(casus, {"casus", "casus", "la caduta", "N4", "gén. m. sg.", "_"}));
    // The indefinite quis comes in beside a hand-checked interrogative of the same case; the
    // interrogative is not repeated.
    const auto qui = recordsOf("qui");
    EXPECT_TRUE(hasRow(qui, {"qui", "quis", "qualcuno, qualcosa, qualche (dopo si, nisi, ne, num)", "DP",
                             "nom. m. sg.", "_"}));
    EXPECT_EQ(std::count_if(qui.begin(), qui.end(),
                            [](const auto &r) {
                                return r[1] == "quis" && r[4] == "nom. m. sg." &&
                                       r[2].find('?') != std::string::npos;
                            }),
              1);
    // A form with no trustworthy analysis, and one the analyser cannot read, stay out.
    EXPECT_TRUE(recordsOf("ligario").empty());
    EXPECT_TRUE(recordsOf("po\xc3\xabtae").empty());
}

TEST_F(DataTool, TranslationsComeFromTheRightHomographAndFitTheirField) {
    ASSERT_EQ(build("1"), 0) << readBytes(dir.path("err"));
    EXPECT_TRUE(hasRow(recordsOf("it"), {"it", "eo", "andare", "V6", "3 sg.", "ind. pr\xc3\xa9s. act."}));
    // No Italian gloss: no record, rather than one in English.
    EXPECT_TRUE(recordsOf("arbitrabantur").empty());
    const std::string full =
        "prendere, afferrare, catturare, occupare, conquistare, sedurre, ricevere, contenere, comprendere";
    const auto capit = recordsOf("capit");
    ASSERT_FALSE(capit.empty());
    const std::string &cut = capit.front()[2];
    EXPECT_LE(cut.size(), 80u);
    ASSERT_EQ(full.compare(0, cut.size(), cut), 0) << cut;
    EXPECT_EQ(full[cut.size()], ',') << "cut inside a word: " << cut;
}

TEST_F(DataTool, TheLexiconKeepsHandMadeEntriesAndTheOutputIsTheSameEveryRun) {
    ASSERT_EQ(build("1"), 0) << readBytes(dir.path("err"));
    ASSERT_EQ(build("2"), 0) << readBytes(dir.path("err"));
    EXPECT_EQ(readBytes(dir.path("t1")), readBytes(dir.path("t2")));
    EXPECT_EQ(readBytes(dir.path("l1")), readBytes(dir.path("l2")));
    EXPECT_EQ(readBytes(dir.path("s1")), readBytes(dir.path("s2")));
    const auto lexicon = rows(readBytes(dir.path("l1")));
    EXPECT_TRUE(hasRow(lexicon, {"casus", "N4", "caso, caduta", "cas", "cado"}));
    EXPECT_TRUE(hasRow(lexicon, {"eo", "V6", "andare", "_", "_"}));
    EXPECT_EQ(std::count_if(lexicon.begin(), lexicon.end(), [](const auto &r) { return r[0] == "casus"; }),
              1);
    // The sample holds generated records only, with room for a verdict and its reason.
    std::istringstream sample(readBytes(dir.path("s1")));
    std::string line;
    std::getline(sample, line);
    EXPECT_EQ(line,
              "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\tverdict\treason");
    std::size_t count = 0;
    for (; std::getline(sample, line); ++count) {
        EXPECT_EQ(line.substr(line.size() - 2), "\t\t") << line;
        EXPECT_EQ(line.find("il caso"), std::string::npos) << "a hand-checked record: " << line;
    }
    EXPECT_GT(count, 5u);
}

TEST_F(DataTool, ReportsThatDoNotMatchTheListAreRefused) {
    writeBytes(dir.path("reports.txt"), "cas.us  N  4 1 NOM S M\n");
    EXPECT_EQ(build("1"), 1);
    EXPECT_NE(readBytes(dir.path("err")).find("reports hold 0 of 6 forms"), std::string::npos)
        << readBytes(dir.path("err"));
}

TEST_F(DataTool, AFormListedTwiceIsCountedOnce) {
    ASSERT_EQ(build("1"), 0) << readBytes(dir.path("err"));
    const auto once = recordsOf("casus");
    writeBytes(dir.path("freq.tsv"), readBytes(dir.path("freq.tsv")) + "casus\t50\t0\n");
    ASSERT_EQ(build("1"), 0) << readBytes(dir.path("err"));
    EXPECT_EQ(recordsOf("casus"), once);
}

TEST_F(DataTool, AnOutputThatCannotBeWrittenIsAnError) {
    const std::string missing = dir.path("no-such-folder/t");
    EXPECT_EQ(run(std::string(ORBALIS_DATA) + " prepare " + dir.path("freq.tsv") + " " + missing), 1);
    EXPECT_NE(readBytes(dir.path("err")).find(missing), std::string::npos) << readBytes(dir.path("err"));
}

struct BadList {
    const char *list;
    const char *message;  // expected in the error, after the file's name
};

class DataToolBadList : public DataTool, public ::testing::WithParamInterface<BadList> {};

TEST_P(DataToolBadList, IsRefusedNamingFileAndLine) {
    writeBytes(dir.path("freq.tsv"), GetParam().list);
    EXPECT_EQ(run(std::string(ORBALIS_DATA) + " prepare " + dir.path("freq.tsv") + " " + dir.path("in2.txt")),
              1);
    EXPECT_NE(readBytes(dir.path("err")).find(dir.path("freq.tsv") + ": " + GetParam().message),
              std::string::npos)
        << readBytes(dir.path("err"));
    EXPECT_FALSE(std::ifstream(dir.path("in2.txt")).good()) << "nothing is written";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DataToolBadList,
    ::testing::Values(BadList{"form\tcount\tcapitalised\nqui\t12abc\t0\n", "line 2: the count \"12abc\""},
                      BadList{"form\tcount\tcapitalised\nqui\t6\t0\ncasus\t-5\t0\n",
                              "line 3: the count \"-5\""},
                      BadList{"form\tcount\tcapitalised\nqui\tmany\t0\n", "line 2: the count \"many\""},
                      BadList{"form\tcount\tcapitalised\nqui\n", "line 2: form, count"},
                      BadList{"qui\t60\t0\ncasus\t50\t0\n", "line 1: the header line"}));

}  // namespace
}  // namespace orbalis
