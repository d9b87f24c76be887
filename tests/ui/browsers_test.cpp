// The browsers through their real windows: the listings of both thesaurus browsers and of the
// lexicon, the forms of a lemma, and a deletion and an edit through the buttons of the other
// thesaurus's browser, checked against the file's bytes.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>

#include "records/lexicon_record.h"
#include "ui/Thesaurusmodification.h"
#include "ui/cards.h"
#include "ui/frmanalyse.h"
#include "ui/frmlexique.h"
#include "ui/frmrecherche01.h"
#include "ui/frmrecherche02.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/keypads.h"
#include "ui/text_codec.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::frmrecherche01;
using ui::frmrecherche02;
using Texts = std::vector<std::string>;

AnalysisFields entry(const char *form) {
    return {form, "lemma", "tr", "N1", "nom. f. sg.", "_"};
}

class BrowsersTest : public UiTest {
protected:
    // The texts of column 0 of every listed row, and whether the grid ends with one empty row.
    static Texts listed(ui::ResultsWindow &window) {
        const QAbstractItemModel *model = window.gridModel();
        Texts texts;
        const int rows = model->rowCount();
        for (int row = 0; row + 1 < rows; ++row)
            texts.push_back(ui::toCp1252(model->index(row, 0).data().toString()));
        EXPECT_TRUE(rows == 0 || model->index(rows - 1, 0).data().toString().isEmpty())
            << "the empty last row";
        return texts;
    }
    static void search(ui::ResultsWindow &window, const char *text) {
        window.Text1->setText(QString::fromLatin1(text));
        QTest::mouseClick(window.Command1, Qt::LeftButton);
    }
    frmrecherche01 &openBuiltIn() {
        desktop().showMainWindow().thesaurusorbalis->trigger();
        return *find<frmrecherche01>();
    }
    frmrecherche02 &openOther(const std::string &path) {
        m_prompter.expectFile(FileRole::Open, path);
        desktop().showMainWindow().thesaurusautre->trigger();
        return *find<frmrecherche02>();
    }
};

TEST_F(BrowsersTest, BuiltInBrowserSearchesExactlyAndStopsItsLetterListingEarly) {
    thesaurus("donnees.dat", {entry("amo"), entry("Amo"), entry("amor"), entry("$$$"), entry("arma"),
                              entry("bellum"), entry("arx")});
    frmrecherche01 &window = openBuiltIn();
    EXPECT_EQ(window.windowTitle(), "Orbalis - Thesaurus di base");
    EXPECT_EQ(window.Frame2->title(), "Risulti della ricerca :");
    EXPECT_EQ(window.Text1->accessibleName(), "Ricerca di una forma :");
    EXPECT_EQ(window.Command1->toolTip(), "Cerca");
    EXPECT_EQ(window.findChild<QMenu *>("alphabet")->actions().size(), 26);

    search(window, "AMO");
    EXPECT_EQ(listed(window), (Texts{"amo", "Amo"}));
    const QModelIndex form = window.gridModel()->index(0, 0);
    EXPECT_TRUE(form.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(form.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 192));
    EXPECT_FALSE(window.gridModel()->index(0, 1).data(Qt::FontRole).isValid());
    search(window, "$$$");
    EXPECT_EQ(listed(window), (Texts{"$$$"}));

    // A trailing space finds nothing: the grid makes way for the message, in dark red.
    search(window, "amo ");
    EXPECT_TRUE(window.grille02->isHidden());
    EXPECT_FALSE(window.Labelgrille->isHidden());
    EXPECT_EQ(window.Labelgrille->text(), "Non e' disponibile alcuna informazione per la forma richiesta");
    EXPECT_EQ(window.Labelgrille->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    // Enter in the search field starts nothing.
    window.Text1->setText(QStringLiteral("arma"));
    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_TRUE(window.grille02->isHidden());

    window.letterEntry('a')->trigger();
    EXPECT_FALSE(window.grille02->isHidden());
    EXPECT_TRUE(window.Labelgrille->isHidden());
    EXPECT_EQ(listed(window), (Texts{"amo", "Amo", "amor", "arma"})) << "the scan stops at bellum";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // A second opening only brings the window back: the file is not read again.
    thesaurus("donnees.dat", {entry("zelus")});
    EXPECT_EQ(&openBuiltIn(), &window);
    EXPECT_EQ(window.browser().table().size(), 7u);
}

TEST_F(BrowsersTest, MissingBuiltInFilesAreReportedAndNeverCreated) {
    m_prompter.expectInform("", "Il file 'donnees.dat' non esiste!")
        .expectInform("", "Il file 'lexique.dat' non esiste!");
    frmrecherche01 &browser = openBuiltIn();
    EXPECT_TRUE(browser.isVisible());
    browser.letterEntry('a')->trigger();
    EXPECT_EQ(browser.Labelgrille->text(), "Non e' disponibile alcuna informazione per la lettera richiesta");
    desktop().showMainWindow().lexique->trigger();
    ASSERT_NE(find<ui::frmlexique>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_dir.path("donnees.dat")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.path("lexique.dat")));
}

TEST_F(BrowsersTest, OtherBrowserDeletesAndEditsTheChosenEntryThroughItsButtons) {
    // A cancelled choice opens nothing.
    m_prompter.expectFile(FileRole::Open, std::nullopt);
    desktop().showMainWindow().thesaurusautre->trigger();
    EXPECT_EQ(find<frmrecherche02>(), nullptr);

    const std::string path = thesaurus("mio.dat", {entry("xa"), entry("f"), entry("xb"), entry("xc")});
    frmrecherche02 &window = openOther(path);
    EXPECT_EQ(window.Frame1->title(), "Ricerca di una forma : ");
    EXPECT_EQ(window.Command2->accessibleName(), "Cancella l'analisi del Thesaurus");
    window.letterEntry('x')->trigger();
    ASSERT_EQ(listed(window), (Texts{"xa", "xb", "xc"}));

    // Nothing chosen yet: the listing's own current row does not count.
    m_prompter.expectInform("", "Non e' stato selezionato alcun elemento della griglia d'analisi!");
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    EXPECT_EQ(find<ui::Thesaurusmodification>(), nullptr);

    clickRow(window.grille02, 2);
    m_prompter.expectYesNo("Cancellazione di una forma", "Vuoi veramente cancellare questa forma?\r\n", true);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_EQ(listed(window), (Texts{"xa", "xc"}));
    EXPECT_EQ(readBytes(path).substr(2 * 216, 8), std::string("\x03\x00$$$   ", 8));

    clickRow(window.grille02, 2);
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    auto *editor = find<ui::Thesaurusmodification>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isModal());
    EXPECT_EQ(editor->Text1->text(), "xc");
    EXPECT_FALSE(editor->Text1->isEnabled());
    EXPECT_EQ(editor->Text2->toPlainText(), "lemma") << "without its padding";
    EXPECT_EQ(editor->Text7->text(), "4");
    // "Cancella" writes nothing.
    const std::string before = readBytes(path);
    editor->Text2->setPlainText(QStringLiteral("altro"));
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    settle();
    EXPECT_EQ(find<ui::Thesaurusmodification>(), nullptr);
    EXPECT_EQ(readBytes(path), before);

    QTest::mouseClick(window.Command3, Qt::LeftButton);
    editor = find<ui::Thesaurusmodification>();
    ASSERT_NE(editor, nullptr);
    editor->Text2->setPlainText(QStringLiteral("nuovo"));
    editor->Text3->clear();
    QTest::mouseClick(editor->Command2, Qt::LeftButton);
    settle();
    EXPECT_EQ(find<ui::Thesaurusmodification>(), nullptr);
    EXPECT_EQ(window.gridModel()->index(1, 1).data().toString(), "nuovo");
    EXPECT_EQ(window.gridModel()->index(1, 0).data().toString(), "xc");
    const ThesaurusRecord saved = decodeThesaurusRecord(readBytes(path).substr(3 * 216, 216));
    EXPECT_EQ(saved.fields.lemma, "nuovo" + std::string(45, ' '));
    EXPECT_EQ(saved.fields.translation, std::string(80, ' '));
    EXPECT_EQ(readBytes(path).substr(0, 3 * 216), before.substr(0, 3 * 216));
}

// The editor's keypads and cards are modal over it; a keypad writes into its multi-line field, and
// the editor unloads its keypads when it closes.
TEST_F(BrowsersTest, EditorKeypadsAreModalWriteItsFieldsAndGoWithIt) {
    const std::string path = thesaurus("mio.dat", {entry("xa")});
    frmrecherche02 &window = openOther(path);
    search(window, "xa");
    clickRow(window.grille02, 1);
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    auto *editor = find<ui::Thesaurusmodification>();
    ASSERT_NE(editor, nullptr);

    QTest::mouseClick(editor->Command1_b, Qt::LeftButton);
    auto *category = desktop().find<ui::pave02_a>(QStringLiteral("pave02_a2"));
    ASSERT_NE(category, nullptr);
    EXPECT_TRUE(category->isModal());
    QTest::mouseClick(category->findChild<QRadioButton *>(QStringLiteral("Option10")), Qt::LeftButton);  // V1
    QTest::mouseClick(category->Command1, Qt::LeftButton);
    EXPECT_EQ(editor->Text4->toPlainText(), QStringLiteral("V1"));
    QTest::mouseClick(editor->Command4, Qt::LeftButton);
    ASSERT_NE(desktop().find<ui::pave03_b>(QStringLiteral("pave03_b2")), nullptr);
    QTest::mouseClick(editor->Command5, Qt::LeftButton);
    ASSERT_NE(find<ui::pave02>(), nullptr);
    EXPECT_TRUE(find<ui::pave02>()->isModal());

    editor->quitter->trigger();
    settle();
    EXPECT_EQ(desktop().window(QStringLiteral("pave03_b2")), nullptr);
    EXPECT_NE(find<ui::pave02>(), nullptr) << "the card is shared: it stays";
    find<ui::pave02>()->close();
}

TEST_F(BrowsersTest, LexiconBrowserSearchesBeginningsAndListsLetters) {
    std::string bytes;
    for (const char *lemma : {"amo", "Amor", "amicus", "bellum", "arx"}) {
        LexiconRecord record;
        record.lemma = lemma;
        record.translation = std::string("tr ") + lemma;
        bytes += encodeLexiconRecord(record);
    }
    writeBytes(m_dir.path("lexique.dat"), bytes);
    desktop().showMainWindow().lexique->trigger();
    ui::frmlexique &window = *find<ui::frmlexique>();
    EXPECT_EQ(window.windowTitle(), "Orbalis - Dizionario  (Lemme)");
    EXPECT_EQ(window.gridModel()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Voc. francesi derivati");
    search(window, "AM");
    EXPECT_EQ(listed(window), (Texts{"amo", "Amor", "amicus"}));
    EXPECT_EQ(window.gridModel()->index(2, 1).data().toString(), "tr amicus");
    search(window, "");
    EXPECT_EQ(listed(window).size(), 5u);
    search(window, "amor ");
    EXPECT_EQ(window.Labelgrille->text(), "Non e' disponibile alcuna informazione per il lemma richiesto");
    window.letterEntry('a')->trigger();
    EXPECT_EQ(listed(window), (Texts{"amo", "Amor", "amicus"})) << "the scan stops at bellum";
}

TEST_F(BrowsersTest, WorkspaceMenusOpenTheBrowsers) {
    thesaurus("donnees.dat", {entry("est")});
    const std::string text = m_dir.path("t.txt");
    writeBytes(text, "est");
    desktop().showMainWindow().loadTextFrom(text);
    QTest::mouseClick(openChoice().Command1, Qt::LeftButton);
    ui::frmanalyse *workspace = find<ui::frmanalyse>();
    ASSERT_NE(workspace, nullptr);
    workspace->thesaurusorbalis->trigger();
    EXPECT_NE(find<frmrecherche01>(), nullptr);
    m_prompter.expectFile(FileRole::Open, m_dir.path("donnees.dat"))
        .expectInform("", "Il file 'lexique.dat' non esiste!");
    workspace->thesaurusautre->trigger();
    EXPECT_NE(find<frmrecherche02>(), nullptr);
    workspace->lexique->trigger();
    EXPECT_NE(find<ui::frmlexique>(), nullptr);
}

}  // namespace
}  // namespace orbalis::testing
