// The keypads and reference cards through their windows, opened from the workspaces: parts kept
// across openings, instances independent, OK against the clear option and the Cancella button.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "records/descriptor_keypads.h"
#include "ui/cards.h"
#include "ui/coding_rows.h"
#include "ui/frmanalyse.h"
#include "ui/frmanalyse02.h"
#include "ui/grid_view.h"
#include "ui/keypads.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::Keypad;

class KeypadTest : public UiTest {
protected:
    // frmanalyse on "Roma est" against an empty user thesaurus, row 1 chosen.
    ui::frmanalyse &analysis() {
        const std::string text = m_dir.path("roma.txt");
        writeBytes(text, "Roma est");
        desktop().showMainWindow().loadTextFrom(text);
        m_prompter.expectFile(FileRole::Open, thesaurus("utente.dat", {}));
        QTest::mouseClick(openChoice().Command2, Qt::LeftButton);
        return *find<ui::frmanalyse>();
    }
    // frmanalyse02 on a saved analysis of one row.
    ui::frmanalyse02 &reopened() {
        Grid grid = makeAnalysisGrid();
        grid.setRowCount(2);
        grid.setText(1, 0, "amat");
        const std::string path = m_dir.path("amat.dat");
        writeAnalysisFile(path, grid);
        return *desktop().open<ui::frmanalyse02>(ui::Showing::Modeless, [&](ui::frmanalyse02 &window) {
            window.load(path);
            return true;
        });
    }
    template <class Window>
    Window *keypad(const char *name) {
        return desktop().find<Window>(QString::fromLatin1(name));
    }
    static void choose(Keypad *keypad, const char *option) {
        auto *button = keypad->findChild<QRadioButton *>(QString::fromLatin1(option));
        ASSERT_NE(button, nullptr) << option;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static bool nothingChosen(const Keypad *keypad) {
        for (QRadioButton *option : keypad->findChildren<QRadioButton *>())
            if (option->isChecked()) return false;
        return true;
    }
};

TEST_F(KeypadTest, CategoryKeypadKeepsItsCodeAcrossOpeningsAndWritesItOnOK) {
    ui::frmanalyse &workspace = analysis();
    m_prompter.expectInform("", "Seleziona una forma.");
    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    EXPECT_EQ(keypad<ui::pave02_a>("pave02_a"), nullptr);

    clickRow(workspace.grille01, 1);
    workspace.Text4->setText(QStringLiteral("old"));
    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    ui::pave02_a *pad = keypad<ui::pave02_a>("pave02_a");
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->windowTitle(), QStringLiteral("Orbalis - Pav\u00e9 2"));
    EXPECT_FALSE(pad->isModal());
    EXPECT_EQ(pad->options(0).size(), 23);
    EXPECT_EQ(pad->options(0).front()->accessibleName(), QStringLiteral("N1 Sostantivo 1er declinazione"));
    EXPECT_EQ(pad->options(0).back()->accessibleName(), QStringLiteral("Cancella categoria"));
    QTest::mouseClick(pad->Command1, Qt::LeftButton);  // a fresh run writes the empty text
    settle();
    EXPECT_EQ(workspace.Text4->text(), QString());

    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    choose(keypad<ui::pave02_a>("pave02_a"), "Option10");     // V1
    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);  // already open: not reset
    pad = keypad<ui::pave02_a>("pave02_a");
    EXPECT_TRUE(pad->findChild<QRadioButton *>(QStringLiteral("Option10"))->isChecked());
    QTest::mouseClick(pad->Command2, Qt::LeftButton);  // the button Cancella writes nothing
    settle();
    EXPECT_EQ(workspace.Text4->text(), QString());
    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    pad = keypad<ui::pave02_a>("pave02_a");
    EXPECT_TRUE(nothingChosen(pad));
    QTest::mouseClick(pad->Command1, Qt::LeftButton);
    settle();
    EXPECT_EQ(workspace.Text4->text(), QStringLiteral("V1"))
        << "the kept part, though nothing was shown chosen";

    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    choose(keypad<ui::pave02_a>("pave02_a"), "Option23");  // the clear option
    QTest::mouseClick(keypad<ui::pave02_a>("pave02_a")->Command1, Qt::LeftButton);
    settle();
    EXPECT_EQ(workspace.Text4->text(), QString());

    // The workspace unloads its keypads; their parts stay, and another instance has its own.
    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    choose(keypad<ui::pave02_a>("pave02_a"), "Option18");  // ADV
    workspace.close();
    settle();
    EXPECT_EQ(desktop().window(QStringLiteral("pave02_a")), nullptr);
    EXPECT_EQ(desktop().state<coding::KeypadParts>(QStringLiteral("pave02_a")).part(0), "ADV");
    EXPECT_EQ(desktop().state<coding::KeypadParts>(QStringLiteral("pave02_a1")).part(0), "");
}

TEST_F(KeypadTest, CaseKeypadReplacesOnlyTheChosenGroupsPart) {
    ui::frmanalyse02 &workspace = reopened();
    clickRow(workspace.grille01, 1);
    QTest::mouseClick(workspace.Command1_a, Qt::LeftButton);
    ui::pave03_a *pad = keypad<ui::pave03_a>("pave03_a1");
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->findChildren<QGroupBox *>().size(), 3) << "person and number share a frame";
    EXPECT_EQ(pad->options(0).back()->accessibleName(), QStringLiteral("Cancella caso"));
    for (const char *option : {"Option1", "Option26", "Option28"}) choose(pad, option);  // nom. m. sg.
    QTest::mouseClick(pad->Command1, Qt::LeftButton);
    settle();
    EXPECT_EQ(workspace.Text5->text(), QStringLiteral("nom. m. sg."));
    QTest::mouseClick(workspace.Command1_a, Qt::LeftButton);
    pad = keypad<ui::pave03_a>("pave03_a1");
    for (const char *option : {"Option27", "Option7"}) choose(pad, option);  // pl., clear the case
    QTest::mouseClick(pad->Command1, Qt::LeftButton);
    settle();
    EXPECT_EQ(workspace.Text5->text(), QStringLiteral("m. pl."));
}

TEST_F(KeypadTest, MoodKeypadOfTheReopenedWorkspaceHasFrenchFramesAndKeepsItsBlanks) {
    ui::frmanalyse02 &workspace = reopened();
    clickRow(workspace.grille01, 1);
    QTest::mouseClick(workspace.Command1_c, Qt::LeftButton);
    ui::pave03_b *pad = keypad<ui::pave03_b>("pave03_b1");
    ASSERT_NE(pad, nullptr);
    QStringList frames;
    for (const QGroupBox *frame : pad->findChildren<QGroupBox *>()) frames << frame->title();
    EXPECT_EQ(frames, (QStringList{"Mode", "Temps", "Voix"}));
    choose(pad, "Option23");  // act.
    QTest::mouseClick(pad->Command1, Qt::LeftButton);
    settle();
    EXPECT_EQ(workspace.Text6->text(), QStringLiteral("  act."));
}

TEST_F(KeypadTest, CardsOpenWithoutAFormOnceEachAndOutliveTheWorkspace) {
    ui::frmanalyse02 &workspace = reopened();
    QTest::mouseClick(workspace.Command4, Qt::LeftButton);  // no "Seleziona una forma."
    QTest::mouseClick(workspace.Command5, Qt::LeftButton);
    QTest::mouseClick(workspace.Command5, Qt::LeftButton);
    auto *categories = find<ui::pave02>();
    auto *descriptors = find<ui::pave03>();
    ASSERT_NE(categories, nullptr);
    ASSERT_NE(descriptors, nullptr);
    EXPECT_EQ(categories->findChildren<ui::CodingRow *>().size(), 22);
    // The keypads' rows, entry for entry, without the clear rows.
    int keypadRows = 0;
    for (const auto design : {coding::KeypadDesign::CaseGenderNumber, coding::KeypadDesign::MoodTenseVoice})
        for (const auto &group : coding::keypadGroups(design)) keypadRows += int(group.codes.size());
    EXPECT_EQ(descriptors->findChildren<ui::CodingRow *>().size(), keypadRows);
    EXPECT_TRUE(descriptors->findChildren<QRadioButton *>().isEmpty());
    int cards = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) cards += window->objectName() == "pave03";
    EXPECT_EQ(cards, 1);
    workspace.close();
    settle();
    EXPECT_TRUE(find<ui::pave02>() && find<ui::pave02>()->isVisible());
}

}  // namespace
}  // namespace orbalis::testing
