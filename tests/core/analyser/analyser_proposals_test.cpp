// The analyser run as a child process: fake analysers for every way it can fail, one that answers
// in its report's format (cut into forms, converted, translated from the lexicon), and the real
// analyser where it is installed.
#include "analyser/analyser_proposals.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "temp_dir.h"

namespace orbalis {
namespace {

using testing::TempDir;
using testing::writeBytes;
using namespace std::chrono_literals;

// Answers every form of the input ($1) with a report of amo's first person, then the marker.
constexpr const char *kAnswering = R"(#!/bin/sh
while read form marker; do
  [ -n "$form" ] || continue
  printf 'am.o   V  1 1 PRES ACTIVE  IND 1 S\namo, amare, amavi, amatus  V (1st) TRANS   [XXXAO]\nlove;\n\n%s    ========   UNKNOWN\n\n' "$marker"
done < "$1" > "$2"
)";

std::string writeScript(const TempDir &dir, const std::string &body, bool executable = true) {
    const std::string path = dir.path("analyser.sh");
    writeBytes(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
}

std::vector<UnknownForm> formsNamed(std::initializer_list<const char *> names) {
    std::vector<UnknownForm> forms;
    for (const char *name : names) forms.push_back({name, false});
    return forms;
}

struct FailureCase {
    const char *name;
    const char *script;  // nullptr: no program at all
    bool executable;
    AnalyserFailure failure;
    const char *message;  // the beginning of the user's message
};

class AnalyserFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(AnalyserFailures, GiveNoProposalsAndOneMessage) {
    TempDir dir;
    const FailureCase &c = GetParam();
    const AnalyserSettings settings{c.script ? writeScript(dir, c.script, c.executable) : dir.path("absent"),
                                    400ms};
    const auto started = std::chrono::steady_clock::now();
    const AnalyserProposals outcome = proposeWithAnalyser(formsNamed({"amo", "amas"}), {}, settings);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s) << "the time limit holds";
    EXPECT_EQ(outcome.failure, c.failure);
    EXPECT_TRUE(outcome.proposals.empty());
    EXPECT_TRUE(analyserFailureMessage(outcome, settings).starts_with(c.message))
        << analyserFailureMessage(outcome, settings);
}

INSTANTIATE_TEST_SUITE_P(
    Analyser, AnalyserFailures,
    ::testing::Values(FailureCase{"Absent", nullptr, true, AnalyserFailure::NotInstalled,
                                  "L'analizzatore morfologico ("},
                      FailureCase{"NotExecutable", "exit 0", false, AnalyserFailure::CannotStart,
                                  "L'analizzatore morfologico ("},
                      FailureCase{"Crashing", "kill -SEGV $$", true, AnalyserFailure::Crashed,
                                  "L'analizzatore morfologico si e' interrotto (segnale 11)"},
                      FailureCase{"FailingStatus", "exit 3", true, AnalyserFailure::Crashed,
                                  "L'analizzatore morfologico si e' interrotto (codice di uscita 3)"},
                      FailureCase{"Hanging", "sleep 30", true, AnalyserFailure::TimedOut,
                                  "L'analizzatore morfologico non ha risposto entro 1 secondo"},
                      FailureCase{"Garbage", "printf 'qqq\\377\\n\\n\\0 ========' > \"$2\"", true,
                                  AnalyserFailure::Unreadable,
                                  "La risposta dell'analizzatore morfologico non e' leggibile."},
                      FailureCase{"NoOutput", "exit 0", true, AnalyserFailure::Unreadable,
                                  "La risposta dell'analizzatore morfologico"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Analyser, ReportsAreCutPerFormConvertedAndTranslated) {
    TempDir dir;
    const std::string program = dir.path("answering.sh");
    writeBytes(program, kAnswering);
    chmod(program.c_str(), 0755);
    // Enough forms for slices side by side; a form of other letters is not asked.
    std::vector<UnknownForm> forms;
    for (int i = 0; i < 250; ++i)
        forms.push_back({std::string{'f', char('a' + i / 26), char('a' + i % 26)}, false});
    forms.push_back({"po\xebta", false});
    const LexiconTable lexicon{{"amo", "amare", "V1", "_", "_", 1}};
    const auto outcome = proposeWithAnalyser(forms, lexicon, {program, 10s});
    ASSERT_EQ(outcome.failure, AnalyserFailure::None);
    EXPECT_EQ(outcome.proposals.size(), 250u);
    ASSERT_TRUE(outcome.proposals.count(forms.front().lowered));
    EXPECT_EQ(outcome.proposals.at(forms.front().lowered),
              (std::vector<AnalysisFields>{{"", "amo", "amare", "V1", "1 sg.", "ind. pr\xe9s. act."}}));
}

TEST(Analyser, RealAnalyserProposesForUnknownForms) {
    if (system("command -v whitakers-words >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "whitakers-words is not installed (scripts/setup installs it)";
    const auto outcome = proposeWithAnalyser({{"amabantur", false}, {"faciundi", false}, {"qqqq", false}}, {},
                                             AnalyserSettings{});
    ASSERT_EQ(outcome.failure, AnalyserFailure::None);
    ASSERT_TRUE(outcome.proposals.count("amabantur"));
    EXPECT_EQ(outcome.proposals.at("amabantur").front().lemma, "amo");
    EXPECT_EQ(outcome.proposals.at("amabantur").front().moodTenseVoice, "ind. impf. pas.");
    ASSERT_TRUE(outcome.proposals.count("faciundi"));
    EXPECT_EQ(outcome.proposals.at("faciundi").front().lemma, "facio");
    EXPECT_FALSE(outcome.proposals.count("qqqq"));
}

}  // namespace
}  // namespace orbalis
