// A whole editing session through the workspaces' controls, checked against the files' bytes:
// select, apply with and without Check1, duplicate, delete, save, re-open, apply into a thesaurus
// chosen late; and the failures that must leave the grid and the user's edits intact.
#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "records/analysis_record.h"
#include "records/thesaurus_record.h"
#include "ui/LessicoTesto.h"
#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/frmanalyse.h"
#include "ui/frmanalyse02.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::AnalysisWindow;
using ui::frmanalyse;
using ui::frmanalyse02;

const AnalysisFields kRoma{"roma", "Roma", "Roma", "N1", "nom. f. sg.", "_"};

class EditSessionTest : public UiTest {
protected:
    // frmanalyse on `words` against the user thesaurus at `thesaurusPath`.
    frmanalyse &openWorkspace(const std::string &thesaurusPath, const char *words = "Roma est") {
        const std::string text = m_dir.path("roma.txt");
        writeBytes(text, words);
        desktop().showMainWindow().loadTextFrom(text);
        m_prompter.expectFile(FileRole::Open, thesaurusPath);
        QTest::mouseClick(openChoice().Command2, Qt::LeftButton);
        frmanalyse *workspace = find<frmanalyse>();
        EXPECT_NE(workspace, nullptr);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            workspace->gridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        return *workspace;
    }

    // Types `text` into `field` as the user would; QTest types ASCII only, the rest is inserted.
    static void type(QLineEdit *field, const char *text) {
        field->clear();
        const QString typed = QString::fromUtf8(text);
        for (const QChar c : typed) {
            if (c.unicode() < 0x80)
                QTest::keyClick(field, c.toLatin1());
            else
                field->insert(QString(c));
        }
    }

    static std::string cell(const AnalysisWindow &window, std::size_t row, std::size_t column) {
        return window.workspace().grid.text(row, column);
    }

    static std::string lastRecord(const std::string &path, std::size_t length) {
        const std::string bytes = readBytes(path);
        return bytes.size() < length ? std::string() : bytes.substr(bytes.size() - length);
    }

    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

TEST_F(EditSessionTest, EditSaveReopenAndAddToAThesaurusChosenLate) {
    const std::string user = thesaurus("utente.dat", {kRoma});
    frmanalyse &workspace = openWorkspace(user);
    ASSERT_EQ(cell(workspace, 2, 0), "est");
    EXPECT_TRUE(workspace.Check1->isChecked());

    // Nothing selected yet: applying and the keypads say so and change nothing.
    m_prompter.expectInform("", "Seleziona una forma.").expectInform("", "Seleziona una forma.");
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    QTest::mouseClick(workspace.Command1_b, Qt::LeftButton);
    EXPECT_EQ(cell(workspace, 0, 0), "Forme");

    // Selecting the unknown form fills the fields; applying with Check1 adds it to the thesaurus.
    clickRow(workspace.grille01, 2);
    EXPECT_EQ(workspace.Text1->text(), "est");
    EXPECT_EQ(workspace.Text2->text(), "_");
    type(workspace.Text2, "sum");
    type(workspace.Text3, "essere");
    type(workspace.Text4, "V");
    type(workspace.Text6, "ind. prés. 3 sg.");
    QSignalSpy changed(workspace.gridModel(), &QAbstractItemModel::dataChanged);
    ASSERT_TRUE(changed.isValid());
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    ThesaurusRecord added;
    added.recordNo = 2;
    added.fields = {"est", "sum", "essere", "V", "_", "ind. pr\xE9s. 3 sg."};
    EXPECT_EQ(readBytes(user).size(), 2 * 216u);
    EXPECT_EQ(lastRecord(user, 216), encodeThesaurusRecord(added));
    EXPECT_EQ(cell(workspace, 2, 1), "sum");
    EXPECT_EQ(cell(workspace, 2, 6), "*");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 1);  // only grid row 2

    // The same analysis again: already there, not appended twice.
    m_prompter.expectInform("Analisi esistente", "Forma (+Analisi) presenta in Thesaurus", Icon::Information);
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    EXPECT_EQ(readBytes(user).size(), 2 * 216u);

    // Without Check1 only the grid changes.
    workspace.Check1->setChecked(false);
    type(workspace.Text3, "to be");
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    EXPECT_EQ(readBytes(user).size(), 2 * 216u);
    EXPECT_EQ(cell(workspace, 2, 2), "to be");

    // Duplicating inserts one row below the selected one, announced as an insertion.
    const std::size_t rowsBefore = workspace.workspace().grid.rowCount();
    QSignalSpy inserted(workspace.gridModel(), &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(inserted.isValid());
    workspace.dupliquer->trigger();
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 2);  // model row 2 = grid row 3
    EXPECT_EQ(workspace.workspace().grid.rowCount(), rowsBefore + 1);
    EXPECT_EQ(cell(workspace, 3, 0), "est");
    EXPECT_EQ(cell(workspace, 3, 1), "_");
    EXPECT_EQ(cell(workspace, 3, 6), "*");
    EXPECT_EQ(workspace.workspace().selectedRow, 2u);

    // Deleting row 1 moves the rows up; the fields show the row now in its place.
    clickRow(workspace.grille01, 1);
    EXPECT_EQ(workspace.Text1->text(), "Roma");
    QSignalSpy removed(workspace.gridModel(), &QAbstractItemModel::rowsRemoved);
    QTest::mouseClick(workspace.Command3, Qt::LeftButton);
    EXPECT_EQ(removed.count(), 0);
    EXPECT_EQ(cell(workspace, 1, 0), "est");
    EXPECT_EQ(cell(workspace, 1, 2), "to be");
    EXPECT_EQ(workspace.Text1->text(), "est");
    EXPECT_EQ(workspace.Text3->text(), "to be");
    const std::size_t rows = workspace.workspace().grid.rowCount();
    EXPECT_EQ(cell(workspace, rows - 1, 0), "");

    // "&Salva": one 218-byte record per data row, empty rows included.
    const std::string saved = m_dir.path("analisi.dat");
    m_prompter.expectFile(FileRole::Save, saved).expectInform("", "Il salvataggio e' concluso.");
    workspace.enregistrer->trigger();
    const std::string bytes = readBytes(saved);
    ASSERT_EQ(bytes.size(), (rows - 1) * 218);
    const AnalysisRecord first = decodeAnalysisRecord(std::string_view(bytes).substr(0, 218));
    EXPECT_EQ(first.fields.form.substr(0, 4), "est ");
    EXPECT_EQ(first.fields.translation.substr(0, 6), "to be ");
    EXPECT_EQ(first.indicator, "* ");

    // Closing the workspace; "&Aprire un'analisi..." re-opens the file with its rows.
    workspace.close();
    m_tester.reset();
    settle();
    m_prompter.expectFile(FileRole::Open, saved);
    find<ui::Morphologique>()->ouvriranalyse->trigger();
    frmanalyse02 *reopened = find<frmanalyse02>();
    ASSERT_NE(reopened, nullptr);
    QAbstractItemModelTester tester(reopened->gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(reopened->Frame2->isVisible());
    EXPECT_EQ(reopened->workspace().grid.rowCount(), rows);
    EXPECT_EQ(reopened->gridModel()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Trazione");

    // The first tick of Check1 asks for the thesaurus, once: here an empty one.
    const std::string later = m_dir.path("vuoto.dat");
    writeBytes(later, "");
    m_prompter.expectFile(FileRole::Open, later).expectInform("", "Il Thesaurus e' vuoto!");
    reopened->Check1->setChecked(true);
    reopened->Check1->setChecked(false);
    reopened->Check1->setChecked(true);

    clickRow(reopened->grille01, 1);
    type(reopened->Text4, "V3");
    QTest::mouseClick(reopened->Command2, Qt::LeftButton);
    ThesaurusRecord first_added;
    first_added.recordNo = 1;
    first_added.fields = {"est", "sum", "to be", "V3", "_", "ind. pr\xE9s. 3 sg."};
    EXPECT_EQ(readBytes(later), encodeThesaurusRecord(first_added));
    EXPECT_EQ(reopened->workspace().grid.text(1, 3), "V3");

    m_prompter.expectInform("Analisi esistente", "Forma (+Analisi) presenta in Thesaurus.",
                            Icon::Information);
    QTest::mouseClick(reopened->Command2, Qt::LeftButton);
    EXPECT_EQ(readBytes(later).size(), 216u);
}

TEST_F(EditSessionTest, VanishedThesaurusIsReportedAndTheEditSurvives) {
    // The thesaurus is deleted after the load; then its folder is replaced by a plain file. Either
    // way the addition is refused, and no thesaurus holding only the new record appears.
    std::filesystem::create_directory(m_dir.path("cartella"));
    const std::string user = m_dir.path("cartella/utente.dat");
    writeBytes(user, "");
    appendThesaurusRecord(user, kRoma);
    frmanalyse &workspace = openWorkspace(user);
    clickRow(workspace.grille01, 2);
    const std::string gone = user + ":\r\nil file non esiste.";

    std::filesystem::remove(user);
    type(workspace.Text2, "esse");
    m_prompter.expectInform("", gone);
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(user));
    EXPECT_EQ(cell(workspace, 2, 1), "esse");

    std::filesystem::remove_all(m_dir.path("cartella"));
    writeBytes(m_dir.path("cartella"), "not a folder");
    type(workspace.Text2, "sum");
    m_prompter.expectInform("", gone);
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);

    EXPECT_EQ(find<frmanalyse>(), &workspace);
    EXPECT_EQ(cell(workspace, 2, 1), "sum");
    EXPECT_EQ(cell(workspace, 1, 0), "Roma");
    EXPECT_EQ(workspace.Text2->text(), "sum");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The choice window can be used again while the workspace lives; choosing the built-in thesaurus
// there must not make the workspace's additions go into it.
TEST_F(EditSessionTest, AdditionsGoToTheThesaurusTheWorkspaceWasOpenedOn) {
    const std::string user = thesaurus("utente.dat", {kRoma});
    const std::string builtIn = thesaurus("donnees.dat", {kRoma});
    frmanalyse &workspace = openWorkspace(user);
    QTest::mouseClick(openChoice().Command1, Qt::LeftButton);
    ASSERT_EQ(find<frmanalyse>(), &workspace) << "the open workspace is only brought to the front";

    clickRow(workspace.grille01, 2);
    type(workspace.Text2, "sum");
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    EXPECT_EQ(readBytes(builtIn).size(), 216u);
    EXPECT_EQ(readBytes(user).size(), 2 * 216u);
}

// Makes a file read-only for everyone, the superuser included (the immutable flag), as long as
// the guard lives. ok() is false where the file system or the user's rights do not allow it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path) : m_path(std::move(path)) {
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_read);
        m_immutable = setImmutable(true);
        m_ok = m_immutable || ::access(m_path.c_str(), W_OK) != 0;
    }
    ~ReadOnlyFile() {
        if (m_immutable) setImmutable(false);
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
    }
    bool ok() const { return m_ok; }

private:
    bool setImmutable(bool on) {
        const int fd = ::open(m_path.c_str(), O_RDONLY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    std::string m_path;
    bool m_immutable = false;
    bool m_ok = false;
};

TEST_F(EditSessionTest, ReadOnlyThesaurusIsLookedUpButRefusesAdditionsWithTheEditKept) {
    const std::string user = thesaurus("utente.dat", {kRoma});
    const ReadOnlyFile readOnly(user);
    if (!readOnly.ok()) GTEST_SKIP() << "no way to make a file read-only here";
    frmanalyse &workspace = openWorkspace(user);
    EXPECT_EQ(cell(workspace, 1, 1).substr(0, 5), "Roma ");

    clickRow(workspace.grille01, 2);
    type(workspace.Text2, "sum");
    m_prompter.expectInformStartingWith("", user + ":\r\n");
    QTest::mouseClick(workspace.Command2, Qt::LeftButton);
    EXPECT_EQ(cell(workspace, 2, 1), "sum");
    EXPECT_EQ(workspace.Text2->text(), "sum");
    EXPECT_EQ(readBytes(user).size(), 216u);
}

TEST_F(EditSessionTest, ReopenedWorkspaceWithoutAThesaurusStillAppliesToTheGrid) {
    const std::string saved = m_dir.path("analisi.dat");
    AnalysisRecord record;
    record.fields = {"est", "_", "_", "_", "_", "_"};
    record.indicator = "*";
    writeBytes(saved, encodeAnalysisRecord(record));
    desktop().showMainWindow();
    // A thesaurus chosen by mistake is refused, and no workspace opens.
    const std::string notAnAnalysis = thesaurus("utente.dat", {kRoma});
    m_prompter.expectFile(FileRole::Open, notAnAnalysis)
        .expectInform("", notAnAnalysis +
                              ":\r\nil file non e' un'analisi salvata, oppure e' danneggiato: non e' "
                              "stato aperto.");
    find<ui::Morphologique>()->ouvriranalyse->trigger();
    EXPECT_EQ(find<frmanalyse02>(), nullptr);
    m_prompter.expectFile(FileRole::Open, saved);
    find<ui::Morphologique>()->ouvriranalyse->trigger();
    frmanalyse02 *reopened = find<frmanalyse02>();
    ASSERT_NE(reopened, nullptr);

    // The choice is cancelled; applying then changes the grid and says nothing was added.
    m_prompter.expectFile(FileRole::Open, std::nullopt);
    reopened->Check1->setChecked(true);
    clickRow(reopened->grille01, 1);
    type(reopened->Text2, "sum");
    m_prompter.expectInform(
        "",
        "Nessun Thesaurus scelto: la modifica e' stata applicata alla griglia, ma l'analisi "
        "non e' stata aggiunta a un Thesaurus.",
        Icon::Information);
    QTest::mouseClick(reopened->Command2, Qt::LeftButton);
    EXPECT_EQ(reopened->workspace().grid.text(1, 1), "sum");
    // The choice is not offered again: ticking Check1 once more asks nothing.
    reopened->Check1->setChecked(false);
    reopened->Check1->setChecked(true);

    // A second "&Aprire un'analisi..." only brings the open workspace to the front.
    m_prompter.expectFile(FileRole::Open, m_dir.path("altro.dat"));
    find<ui::Morphologique>()->ouvriranalyse->trigger();
    EXPECT_EQ(find<frmanalyse02>(), reopened);
    EXPECT_EQ(reopened->workspace().grid.text(1, 1), "sum");
}

// After a new text is loaded, "&Analisi testuale" brings the open workspace back: its status bar
// says which text and thesaurus it works on, and counts what is still unknown as rows change.
TEST_F(EditSessionTest, StatusBarNamesTextAndThesaurusAndCountsUnknownForms) {
    frmanalyse &workspace = openWorkspace(thesaurus("utente.dat", {kRoma}), "Roma est sum");
    EXPECT_EQ(workspace.statusSource->text(), "Testo: roma.txt");
    EXPECT_EQ(workspace.statusThesaurus->text(), "Thesaurus: utente.dat");
    EXPECT_EQ(workspace.statusRows->text(), "3 righe");
    EXPECT_EQ(workspace.statusUnknown->text(), "2 forme sconosciute (66,7 %)");

    clickRow(workspace.grille01, 2);
    type(workspace.Text2, "sum");
    workspace.Check1->setChecked(false);
    QTest::keyClick(workspace.Text2, Qt::Key_Return);  // Enter applies, as the tick button
    EXPECT_EQ(workspace.statusUnknown->text(), "1 forma sconosciuta (33,3 %)");
    workspace.dupliquer->trigger();
    EXPECT_EQ(workspace.statusRows->text(), "4 righe");
    EXPECT_EQ(workspace.statusUnknown->text(), "1 forma sconosciuta (33,3 %)") << "a further row, not a form";
    EXPECT_EQ(workspace.dupliquer->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(workspace.dupliquer->text(), "&Duplicare una linea");
}

TEST_F(EditSessionTest, ArrowKeysSelectRowsAsClicksDo) {
    // The last form is known, so an empty row follows it.
    frmanalyse &workspace = openWorkspace(thesaurus("utente.dat", {kRoma}), "est Roma");
    ASSERT_EQ(workspace.workspace().grid.rowCount(), 4u);
    clickRow(workspace.grille01, 1);
    EXPECT_EQ(workspace.Text1->text(), "est");
    QTest::keyClick(workspace.grille01, Qt::Key_Down);
    EXPECT_EQ(workspace.workspace().selectedRow, 2u);
    EXPECT_EQ(workspace.Text1->text(), "Roma");
    // The empty row cannot be selected: the selection stays on "Roma".
    QTest::keyClick(workspace.grille01, Qt::Key_Down);
    EXPECT_EQ(workspace.workspace().selectedRow, 2u);
    EXPECT_EQ(workspace.Text1->text(), "Roma");
    EXPECT_EQ(workspace.grille01->selectionModel()->selectedRows().value(0).row(), 1);
}

TEST_F(EditSessionTest, FormColumnStaysInViewWhenTheGridScrollsSideways) {
    frmanalyse &workspace = openWorkspace(thesaurus("utente.dat", {kRoma}));
    workspace.resize(700, 500);
    settle();
    ui::GridView *grid = workspace.grille01;
    QTableView *frozen = grid->frozenView();
    EXPECT_TRUE(frozen->isVisible());
    EXPECT_FALSE(frozen->isColumnHidden(0));
    EXPECT_TRUE(frozen->isColumnHidden(1));
    grid->scrollTo(grid->model()->index(0, 6));
    EXPECT_GT(grid->horizontalScrollBar()->value(), 0);
    // The overlay still shows the forms at the grid's left edge.
    EXPECT_EQ(frozen->columnViewportPosition(0), 0);
    EXPECT_EQ(frozen->width(), grid->columnWidth(0));
    EXPECT_EQ(frozen->model()->index(0, 0).data().toString(), "Roma");
}

TEST_F(EditSessionTest, ProposalsAreShownFoundConfirmedAndListedInTheVocabulary) {
    // No analyser here: its message comes once, the thesaurus's own proposals are shown.
    setenv("ORBALIS_ANALYSER", m_dir.path("absent").c_str(), 1);
    const std::string user = thesaurus("utente.dat", {{"arma", "arma", "armi", "N2", "acc. nt. pl.", "_"}});
    frmanalyse &workspace = openWorkspace(user, "armaque nix arma");
    EXPECT_EQ(workspace.suggerisci->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_EQ(workspace.sconosciuta->shortcut(), QKeySequence(Qt::Key_F3));
    m_prompter.expectInformStartingWith("Analizzatore morfologico", "L'analizzatore morfologico (",
                                        Icon::Information);
    workspace.suggerisci->trigger();
    unsetenv("ORBALIS_ANALYSER");
    EXPECT_EQ(cell(workspace, 1, 2), "[e] armi");
    EXPECT_EQ(cell(workspace, 1, 6), "?");
    EXPECT_EQ(
        workspace.gridModel()->data(workspace.gridModel()->index(0, 1), Qt::ForegroundRole).value<QColor>(),
        QColor(0, 128, 0));
    EXPECT_EQ(workspace.statusKnown->text(), "1 forma nota");
    EXPECT_EQ(workspace.statusProposed->text(), "1 forma proposta");
    EXPECT_EQ(workspace.statusUnknown->text(), "1 forma sconosciuta (33,3 %)");

    workspace.sconosciuta->trigger();
    EXPECT_EQ(workspace.Text1->text(), "armaque");
    workspace.sconosciuta->trigger();
    EXPECT_EQ(workspace.Text1->text(), "nix");

    const auto before = readBytes(user).size();
    m_prompter.expectYesNo("Accetta i suggerimenti",
                           "1 analisi proposta sara' aggiunta al Thesaurus. Continuare?", true);
    workspace.accetta->trigger();
    EXPECT_EQ(readBytes(user).size(), before + 216);
    EXPECT_EQ(cell(workspace, 1, 6), "");
    EXPECT_EQ(workspace.statusKnown->text(), "2 forme note");

    workspace.lessico->trigger();
    auto *vocabulary = find<ui::LessicoTesto>();
    ASSERT_NE(vocabulary, nullptr);
    EXPECT_TRUE(vocabulary->isVisible());
    ASSERT_EQ(vocabulary->grid().rowCount(), 2u);
    EXPECT_EQ(vocabulary->grid().text(1, 0), "arma");
    EXPECT_EQ(vocabulary->grid().text(1, 3), "2");
    EXPECT_EQ(vocabulary->statusLemmas->text(), "1 lemma");
}

}  // namespace
}  // namespace orbalis::testing
