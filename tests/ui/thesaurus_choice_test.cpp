// The thesaurus choice window's roads to the workspace: cancelled, refused, built-in, and a new
// thesaurus imported from the built-in one; the choice window hidden while the workspace lives
// and unloaded with it.
#include <QCheckBox>
#include <QPushButton>

#include "records/thesaurus_record.h"
#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/frmanalyse.h"
#include "ui/grid_model.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::frmanalyse;
using ui::ThesaurusChoix;

class ThesaurusChoiceTest : public UiTest {
protected:
    void SetUp() override {
        // A small built-in thesaurus, sorted by form, with a trailing partial record.
        m_builtIn = thesaurus("donnees.dat", {{"est", "sum", "e'", "V", "", "ind. pres. 3 sg."},
                                              {"roma", "Roma", "Roma", "N1", "nom. f. sg.", ""}});
        m_builtInBytes = readBytes(m_builtIn);
        writeBytes(m_builtIn, m_builtInBytes + std::string(100, 'x'));

        const std::string text = m_dir.path("roma.txt");
        writeBytes(text, "Roma est aeterna");
        desktop().showMainWindow().loadTextFrom(text);
        m_choice = &openChoice();
    }

    // The workspace's grid as lines "form|lemma|indicator".
    static std::vector<std::string> rows(const frmanalyse &workspace) {
        std::vector<std::string> result;
        const Grid &grid = workspace.workspace().grid;
        for (std::size_t r = 1; r < grid.rowCount(); ++r) {
            std::string lemma = grid.text(r, 1);
            lemma.erase(lemma.find_last_not_of(' ') + 1);
            result.push_back(grid.text(r, 0) + "|" + lemma + "|" + grid.text(r, 6));
        }
        return result;
    }

    std::string m_builtIn, m_builtInBytes;
    ThesaurusChoix *m_choice = nullptr;
};

TEST_F(ThesaurusChoiceTest, CancelAndRefusalLeaveTheWindowAsItWas) {
    m_prompter.expectFile(FileRole::Open, std::nullopt);
    QTest::mouseClick(m_choice->Command2, Qt::LeftButton);

    const std::string existing = m_dir.path("mio.dat");
    writeBytes(existing, "keep me");
    m_prompter.expectFile(FileRole::Save, existing)
        .expectYesNo("File esiste", existing + " esiste.\r\nVuoi cancellare?", false);
    QTest::mouseClick(m_choice->Command3, Qt::LeftButton);
    EXPECT_EQ(readBytes(existing), "keep me");

    m_prompter.expectFile(FileRole::Save, std::nullopt);
    QTest::mouseClick(m_choice->Command3, Qt::LeftButton);

    EXPECT_TRUE(m_choice->isVisible());
    EXPECT_EQ(m_choice->thesaurusKind(), ThesaurusKind::None);
    EXPECT_EQ(find<frmanalyse>(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ThesaurusChoiceTest, BuiltInThesaurusIsLookedUpSortedAndNeverAddedTo) {
    QTest::mouseClick(m_choice->Command1, Qt::LeftButton);
    frmanalyse *workspace = find<frmanalyse>();
    ASSERT_NE(workspace, nullptr);
    EXPECT_FALSE(m_choice->isVisible());
    EXPECT_EQ(m_choice->thesaurusKind(), ThesaurusKind::BuiltIn);
    EXPECT_EQ(rows(*workspace), (std::vector<std::string>{"Roma|Roma|", "est|sum|", "aeterna|_|*"}));
    EXPECT_TRUE(workspace->Frame2->isVisible());
    EXPECT_FALSE(workspace->Check1->isChecked());
    EXPECT_FALSE(workspace->Check1->isEnabled());
    EXPECT_FALSE(workspace->accetta->isEnabled()) << "proposals are not confirmed into it either";
    // The built-in file was only read.
    EXPECT_EQ(readBytes(m_builtIn).size(), m_builtInBytes.size() + 100);

    // A second "&Analisi testuale" brings back the hidden choice with its values.
    openChoice();
    EXPECT_TRUE(m_choice->isVisible());
    EXPECT_EQ(m_choice->thesaurusPath(), m_builtIn);

    // Closing the workspace unloads the choice window: the next analysis starts afresh.
    workspace->close();
    settle();
    EXPECT_EQ(find<frmanalyse>(), nullptr);
    EXPECT_EQ(find<ThesaurusChoix>(), nullptr);
}

TEST_F(ThesaurusChoiceTest, NewThesaurusImportsTheWholeRecordsOfTheBuiltInOne) {
    const std::string created = m_dir.path("nuovo.dat");
    writeBytes(created, "old contents");
    m_prompter.expectFile(FileRole::Save, created)
        .expectYesNo("File esiste", created + " esiste.\r\nVuoi cancellare?", true)
        .expectYesNo("Crea un nuovo Thesaurus", "Con importazione delle forme del Thesaurus ORBALIS?\n\r",
                     true);
    QTest::mouseClick(m_choice->Command3, Qt::LeftButton);

    EXPECT_EQ(readBytes(created), m_builtInBytes);
    frmanalyse *workspace = find<frmanalyse>();
    ASSERT_NE(workspace, nullptr);
    EXPECT_EQ(m_choice->thesaurusKind(), ThesaurusKind::User);
    EXPECT_EQ(m_choice->thesaurusPath(), created);
    EXPECT_FALSE(m_choice->isVisible());
    EXPECT_TRUE(workspace->Check1->isEnabled());
    EXPECT_EQ(rows(*workspace), (std::vector<std::string>{"Roma|Roma|", "est|sum|", "aeterna|_|*"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ThesaurusChoiceTest, UnreadableThesaurusKeepsTheChoiceOpen) {
    // A folder where a thesaurus file is expected cannot be read as one.
    const std::string folder = m_dir.path("cartella.dat");
    std::filesystem::create_directory(folder);
    m_prompter.expectFile(FileRole::Open, folder).expectInformStartingWith("", folder + ":\r\n");
    QTest::mouseClick(m_choice->Command2, Qt::LeftButton);
    EXPECT_EQ(find<frmanalyse>(), nullptr);
    EXPECT_TRUE(m_choice->isVisible());
}

}  // namespace
}  // namespace orbalis::testing
