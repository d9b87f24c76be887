// Where an installed program finds its data: under its own prefix, never in the sources it was
// built from, even when they are still on the machine.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "temp_dir.h"

namespace orbalis {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::writeBytes;

TEST(InstallLayout, AnInstalledProgramReadsTheDataOfItsOwnPrefix) {
    TempDir prefix;
    fs::create_directories(prefix.root() / "bin");
    fs::create_directories(prefix.root() / "share/orbalis");
    const fs::path installed = prefix.root() / "bin/orbalis-cli";
    fs::copy_file(ORBALIS_CLI, installed);
    // A built-in thesaurus that knows one form the repository's data does not.
    writeBytes(prefix.path("donnees.tsv"),
               "form\tlemma\ttranslation\tcategory\tcase_gender_number\tmood_tense_voice\n"
               "xyzzy\txyzzy\tparola magica\tinterj\t_\t_\n");
    const std::string compile = installed.string() + " compile-thesaurus " + prefix.path("donnees.tsv") +
                                " " + (prefix.root() / "share/orbalis/donnees.dat").string();
    ASSERT_EQ(std::system(compile.c_str()), 0);
    writeBytes(prefix.path("testo.txt"), "xyzzy");

    const std::string analyse =
        "env -u ORBALIS_DATA_DIR " + installed.string() + " analyse " + prefix.path("testo.txt");
    FILE *out = ::popen(analyse.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string printed;
    for (int c; (c = std::fgetc(out)) != EOF;) printed += static_cast<char>(c);
    EXPECT_EQ(WEXITSTATUS(::pclose(out)), 0);
    EXPECT_EQ(printed.substr(0, printed.find('\n')), "xyzzy\txyzzy\tparola magica\tinterj\t_\t_\t");
}

}  // namespace
}  // namespace orbalis
