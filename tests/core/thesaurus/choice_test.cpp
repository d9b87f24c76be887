// Creating a new thesaurus: the two questions in their order, the import copy, and refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/thesaurus_record.h"
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
    void SetUp() override {
        for (std::int16_t n = 1; n <= 3; ++n) {
            ThesaurusRecord record;
            record.recordNo = n;
            record.fields.form = "form" + std::to_string(n);
            builtInBytes += encodeThesaurusRecord(record);
        }
        writeBytes(builtIn, builtInBytes + "partial");
    }

    TempDir dir;
    std::string builtIn = dir.path("donnees.dat");
    std::string builtInBytes;
    std::string path = dir.path("nuovo.dat");
};

TEST_F(NewThesaurus, ImportCopiesTheWholeRecordsOfTheBuiltInThesaurus) {
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, path).expectYesNo(kImportTitle, kImportQuestion, true);
    const auto choice = createNewThesaurus(prompter, builtIn);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, path);
    EXPECT_EQ(choice->kind, ThesaurusKind::User);
    EXPECT_EQ(readBytes(path), builtInBytes);
}

TEST_F(NewThesaurus, AnsweringNoToImportStillCreatesAnEmptyFile) {
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, path).expectYesNo(kImportTitle, kImportQuestion, false);
    ASSERT_TRUE(createNewThesaurus(prompter, builtIn));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(NewThesaurus, ExistingFileIsAskedAboutFirstAndKeptOnNo) {
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

TEST_F(NewThesaurus, CancelledDialogCreatesNothing) {
    ScriptedPrompter prompter;
    prompter.expectFile(FileRole::Save, std::nullopt);
    EXPECT_FALSE(createNewThesaurus(prompter, builtIn));
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace orbalis
