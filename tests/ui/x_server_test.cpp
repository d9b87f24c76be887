// What depends on a real window system (focus, activation, the screen's size): run on an X
// server by ctest under xvfb-run, on a 1366 x 768 screen, once at scale 1 and once at 1.5.
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/frmanalyse.h"
#include "ui/frmanalyse02.h"
#include "ui/grid_view.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::frmanalyse;

const AnalysisFields kRoma{"roma", "Roma", "Roma", "N1", "nom. f. sg.", "_"};

class XServerTest : public UiTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server (ctest runs these under xvfb-run)";
    }

    // frmanalyse on "Roma est" against a user thesaurus, on screen and active as a user finds it.
    frmanalyse &openWorkspace() {
        const std::string text = m_dir.path("roma.txt");
        writeBytes(text, "Roma est");
        desktop().showMainWindow().loadTextFrom(text);
        m_prompter.expectFile(FileRole::Open, thesaurus("utente.dat", {kRoma}));
        QTest::mouseClick(openChoice().Command2, Qt::LeftButton);
        frmanalyse *workspace = find<frmanalyse>();
        EXPECT_NE(workspace, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(workspace));
        return *workspace;
    }

    static bool onScreen(QWidget &window) {
        return window.screen()->availableGeometry().contains(window.frameGeometry());
    }
};

TEST_F(XServerTest, NoRowIsChosenUntilTheUserChoosesOne) {
    frmanalyse &workspace = openWorkspace();
    workspace.grille01->setFocus();
    QTest::qWait(50);
    ASSERT_TRUE(workspace.grille01->hasFocus());
    EXPECT_EQ(workspace.workspace().selectedRow, 0u);
    EXPECT_TRUE(workspace.Text1->text().isEmpty());
    EXPECT_FALSE(workspace.grille01->selectionModel()->hasSelection());
    // Nothing chosen: the duplicate command only says so.
    m_prompter.expectInform("", "Seleziona una forma.");
    QTest::keyClick(&workspace, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(workspace.workspace().grid.rowCount(), 3u);

    // The first arrow key chooses the first row.
    QTest::keyClick(workspace.grille01, Qt::Key_Down);
    EXPECT_EQ(workspace.workspace().selectedRow, 1u);
    EXPECT_EQ(workspace.Text1->text(), "Roma");
}

TEST_F(XServerTest, KeyboardCommandsRunTheSameCommandsAsTheirButtons) {
    frmanalyse &workspace = openWorkspace();
    workspace.grille01->setFocus();
    QTest::keyClick(workspace.grille01, Qt::Key_Down);
    QTest::keyClick(&workspace, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(workspace.workspace().grid.text(2, 0), "Roma") << "Ctrl+D duplicated the chosen row";

    // Delete on the grid deletes the chosen row, as the bin button does.
    workspace.grille01->setFocus();
    QTest::keyClick(workspace.grille01, Qt::Key_Delete);
    EXPECT_EQ(workspace.workspace().grid.text(2, 0), "est");

    // Enter in an edit field applies the fields to the row.
    workspace.Text3->setText(QStringLiteral("Roma, la citta'"));
    workspace.Check1->setChecked(false);
    QTest::keyClick(workspace.Text3, Qt::Key_Return);
    EXPECT_EQ(workspace.workspace().grid.text(1, 2), "Roma, la citta'");

    // Escape closes the choice window, as its close box does.
    ui::ThesaurusChoix &choice = openChoice();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&choice));
    QTest::keyClick(&choice, Qt::Key_Escape);
    settle();
    EXPECT_EQ(find<ui::ThesaurusChoix>(), nullptr);
}

TEST_F(XServerTest, EveryWindowOpensWhollyOnTheScreen) {
    frmanalyse &workspace = openWorkspace();
    EXPECT_TRUE(onScreen(workspace)) << "workspace at " << workspace.frameGeometry().x() << ","
                                     << workspace.frameGeometry().y() << " size " << workspace.width() << "x"
                                     << workspace.height();
    EXPECT_TRUE(onScreen(*find<ui::Morphologique>()));
    // The edit panel and its last control are within the window.
    const QPoint check = workspace.Check1->mapTo(&workspace, QPoint(0, 0));
    EXPECT_TRUE(workspace.rect().contains(check));
    if (workspace.devicePixelRatioF() == 1.0) {
        // At its default size on a screen 1366 pixels wide the whole row is in view.
        const QTableView *grid = workspace.grille01;
        EXPECT_LE(grid->columnViewportPosition(6) + grid->columnWidth(6), grid->viewport()->width());
    }
    m_prompter.expectFile(FileRole::Open, std::nullopt);
    find<ui::Morphologique>()->ouvriranalyse->trigger();
    EXPECT_TRUE(onScreen(openChoice()));
}

}  // namespace
}  // namespace orbalis::testing
