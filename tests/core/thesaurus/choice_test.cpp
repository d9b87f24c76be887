// Creating a new thesaurus: the two questions in their order, an empty file without the import,
// and refusals. The import copy is driven through the choice window in tests/ui.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/file_error.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "thesaurus/thesaurus_choice.h"

namespace orbalis {
namespace {

using testing::readBytes;
using testing::ScriptedPrompter;
using testing::TempDir;
using testing::writeBytes;

constexpr const char *kImportTitle = "Crea un nuovo Thesaurus";
constexpr const char *kImportQuestion = "Con importazione delle forme del Thesaurus ORBALIS?\n\r";

class NewThesaurus : public ::testing::Test {
protected:
    void SetUp() override { writeBytes(builtIn, std::string(216, 'b')); }

    TempDir dir;
    std::string builtIn = dir.path("donnees.dat");
    std::string path = dir.path("nuovo.dat");
};

TEST_F(NewThesaurus, ExistingFileIsAskedAboutFirstAndWithoutTheImportLeftEmpty) {
    writeBytes(path, "old");
    ScriptedPrompter refuse;
    refuse.expectFile(FileRole::Save, path)
        .expectYesNo("File esiste", path + " esiste.\r\nVuoi cancellare?", false);
    EXPECT_FALSE(createNewThesaurus(refuse, builtIn));
    EXPECT_EQ(readBytes(path), "old");

    ScriptedPrompter replace;
    replace.expectFile(FileRole::Save, path)
        .expectYesNo("File esiste", path + " esiste.\r\nVuoi cancellare?", true)
        .expectYesNo(kImportTitle, kImportQuestion, false);
    EXPECT_TRUE(createNewThesaurus(replace, builtIn));
    EXPECT_EQ(readBytes(path), "");
}

TEST_F(NewThesaurus, ACreationThatFailsLeavesTheFileItWasToReplace) {
    writeBytes(path, "old");
    // The copy fails after Yes to "Vuoi cancellare?": a folder stands at the built-in's name.
    std::filesystem::remove(builtIn);
    std::filesystem::create_directory(builtIn);
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, path)
        .expectYesNo("File esiste", path + " esiste.\r\nVuoi cancellare?", true)
        .expectYesNo(kImportTitle, kImportQuestion, true);
    EXPECT_THROW(createNewThesaurus(prompter, builtIn), FileError);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()), {}), 2)
        << "nothing left beside it";
}

TEST_F(NewThesaurus, CancelledDialogCreatesNothing) {
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, std::nullopt);
    EXPECT_FALSE(createNewThesaurus(prompter, builtIn));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace orbalis
