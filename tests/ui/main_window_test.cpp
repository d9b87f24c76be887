// The application shell: the splash's single hand-over, the main window's text commands and menu
// states, the end of the application, and the about box.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "text/text_intake.h"
#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/frmAbout.h"
#include "ui/frmSplash.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::Morphologique;

class MainWindowTest : public UiTest {
protected:
    Morphologique &main() { return desktop().showMainWindow(); }

    // The enabled states of "&Aprire un testo...", "&Chiudi" and "&Analisi testuale".
    static std::string menuState(Morphologique &window) {
        return std::string(window.ouvrir->isEnabled() ? "ouvrir " : "") +
               (window.fermer->isEnabled() ? "fermer " : "") + (window.analyse->isEnabled() ? "analyse" : "");
    }
};

TEST_F(MainWindowTest, TextCommandsSwapTheMenuStates) {
    Morphologique &window = main();
    EXPECT_EQ(menuState(window), "ouvrir ");
    const QString prompt = window.lblFichier->text();

    // CRLF line breaks and a Windows-1252 letter come through to the workspace unchanged.
    const std::string path = m_dir.path("caesar.txt");
    writeBytes(path, "Gallia est omnis\r\ndivisa in partes tres, qu\xE6 ");
    m_prompter.expectFile(FileRole::Open, path, std::string(kTextFilter));
    window.ouvrir->trigger();
    EXPECT_EQ(menuState(window), "fermer analyse");
    EXPECT_EQ(window.text(), "Gallia est omnis\r\ndivisa in partes tres, qu\xE6 ");
    EXPECT_EQ(window.lblFichier->text(), QString::fromStdString(path));
    EXPECT_EQ(window.txtfichier->toPlainText(),
              QString::fromUtf8("Gallia est omnis\ndivisa in partes tres, quæ "));

    // A macronised UTF-8 text is shown as written and analysed as its base letters.
    const std::string macrons = m_dir.path("macrons.txt");
    writeBytes(macrons, "pr\u012bmus ab \u014dr\u012bs\n");
    window.loadTextFrom(macrons);
    EXPECT_EQ(window.text(), "primus ab oris\n");
    EXPECT_EQ(window.txtfichier->toPlainText(), QString::fromUtf8("pr\u012bmus ab \u014dr\u012bs\n"));

    window.fermer->trigger();
    EXPECT_EQ(menuState(window), "ouvrir ");
    EXPECT_TRUE(window.text().empty());
    EXPECT_TRUE(window.txtfichier->toPlainText().isEmpty());
    EXPECT_EQ(window.lblFichier->text(), prompt);

    // A cancelled dialog changes nothing.
    m_prompter.expectFile(FileRole::Open, std::nullopt, std::string(kTextFilter));
    window.ouvrir->trigger();
    EXPECT_EQ(menuState(window), "ouvrir ");
}

TEST_F(MainWindowTest, SizeQuestionGuardsTextsAboveTheLimit) {
    Morphologique &window = main();
    const std::string atLimit = m_dir.path("limit.txt"), above = m_dir.path("above.txt");
    writeBytes(atLimit, std::string(64000, 'a'));
    writeBytes(above, std::string(64001, 'a'));

    // No: nothing loaded, the menus as they were.
    m_prompter.expectFile(FileRole::Open, above, std::string(kTextFilter))
        .expectYesNo(std::string(kTextSizeTitle), std::string(kTextSizeQuestion), false);
    window.ouvrir->trigger();
    EXPECT_EQ(menuState(window), "ouvrir ");
    EXPECT_TRUE(window.text().empty());
    EXPECT_TRUE(window.txtfichier->toPlainText().isEmpty());

    // Exactly the limit loads without a question.
    m_prompter.expectFile(FileRole::Open, atLimit, std::string(kTextFilter));
    window.ouvrir->trigger();
    EXPECT_EQ(window.text().size(), 64000u);
    window.fermer->trigger();

    // Yes takes the whole text.
    m_prompter.expectFile(FileRole::Open, above, std::string(kTextFilter))
        .expectYesNo(std::string(kTextSizeTitle), std::string(kTextSizeQuestion), true);
    window.ouvrir->trigger();
    EXPECT_EQ(menuState(window), "fermer analyse");
    EXPECT_EQ(window.text().size(), 64001u);
}

TEST_F(MainWindowTest, UnreadableTextIsReportedWithItsPathAndLeavesNoText) {
    Morphologique &window = main();
    const std::string missing = m_dir.path("gone.txt");
    m_prompter.expectFile(FileRole::Open, missing, std::string(kTextFilter))
        .expectInformStartingWith("", missing + ":\r\n");
    window.ouvrir->trigger();
    EXPECT_EQ(menuState(window), "ouvrir ");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, SplashHandsOverOnceWhateverStartsIt) {
    // A click on the date does nothing; a click on the version hands over.
    ui::frmSplash *splash = &desktop().showSplash();
    EXPECT_TRUE(splash->Timer1.isActive());
    QTest::mouseClick(splash->Label9, Qt::LeftButton);
    EXPECT_EQ(find<Morphologique>(), nullptr);
    QSignalSpy created(&desktop(), &ui::Desktop::mainWindowCreated);
    ASSERT_TRUE(created.isValid());
    QTest::mouseClick(splash->Label2, Qt::LeftButton);
    ASSERT_NE(find<Morphologique>(), nullptr);
    EXPECT_EQ(find<ui::frmSplash>(), nullptr);
    EXPECT_EQ(created.count(), 1);
    // The timer went with the splash: nothing hands over a second time.
    EXPECT_FALSE(splash->Timer1.isActive());
    settle();
    EXPECT_EQ(created.count(), 1);

    // A key that types a character hands over too; a bare Shift does not.
    desktop().unload(QStringLiteral("Morphologique"));
    settle();
    splash = &desktop().showSplash();
    QTest::keyClick(splash, Qt::Key_Shift);
    EXPECT_EQ(find<Morphologique>(), nullptr);
    QTest::keyClick(splash, Qt::Key_X);
    EXPECT_NE(find<Morphologique>(), nullptr);
    EXPECT_EQ(created.count(), 2);

    // Without any input the timer hands over.
    desktop().unload(QStringLiteral("Morphologique"));
    settle();
    splash = &desktop().showSplash();
    splash->Timer1.setInterval(10);
    splash->Timer1.start();
    EXPECT_TRUE(QTest::qWaitFor([this] { return find<Morphologique>() != nullptr; }, 2000));
    EXPECT_EQ(created.count(), 3);
}

// The registry behind every window: one instance per name, a load step that may refuse, modal
// or not per opening, and typed state that outlives the windows.
TEST_F(MainWindowTest, RegistryOpensSingleInstancesModalOrNotAndKeepsState) {
    ui::ThesaurusChoix *choice = desktop().open<ui::ThesaurusChoix>();
    EXPECT_EQ(choice->windowModality(), Qt::NonModal);
    EXPECT_EQ(desktop().open<ui::ThesaurusChoix>(ui::Showing::Modal), choice) << "brought back, made modal";
    EXPECT_TRUE(choice->isVisible());
    EXPECT_EQ(choice->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(desktop().open<ui::ThesaurusChoix>(), choice);
    EXPECT_EQ(choice->windowModality(), Qt::NonModal);

    bool loaded = false;
    EXPECT_EQ(desktop().open<ui::frmAbout>(ui::Showing::Modeless, [&](ui::frmAbout &) { return loaded; }),
              nullptr);
    settle();
    EXPECT_EQ(find<ui::frmAbout>(), nullptr) << "a refused load leaves nothing behind";

    desktop().state<int>(QStringLiteral("pave02_a")) = 3;
    desktop().state<std::string>(QStringLiteral("pave02_a")) = "N1";
    desktop().unload(QStringLiteral("ThesaurusChoix"));
    settle();
    EXPECT_EQ(desktop().state<int>(QStringLiteral("pave02_a")), 3);
    EXPECT_EQ(desktop().state<int>(QStringLiteral("pave02_a1")), 0) << "each name keeps its own";
    EXPECT_EQ(desktop().state<std::string>(QStringLiteral("pave02_a")), "N1");
}

TEST_F(MainWindowTest, EsciEndsEveryWindowAtOnce) {
    Morphologique &window = main();
    window.analyse->setEnabled(true);
    window.analyse->trigger();
    ASSERT_NE(desktop().window(QStringLiteral("ThesaurusChoix")), nullptr);
    QSignalSpy quit(&desktop(), &ui::Desktop::quitRequested);
    ASSERT_TRUE(quit.isValid());
    window.quitter->trigger();
    settle();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(find<Morphologique>(), nullptr);
    EXPECT_EQ(desktop().window(QStringLiteral("ThesaurusChoix")), nullptr);

    // Closing the main window does the same.
    Morphologique &again = main();
    again.close();
    settle();
    EXPECT_EQ(quit.count(), 2);
    EXPECT_EQ(find<Morphologique>(), nullptr);
}

TEST_F(MainWindowTest, AboutBoxClosesOnEnterAndEscapeAndStartsTheSystemInformationTool) {
    Morphologique &window = main();
    window.about->trigger();
    ui::frmAbout *about = find<ui::frmAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isModal());

    // Where a system information program is installed it is started, and nothing is said.
    about->setSystemInformationTools({QStringLiteral("orbalis-no-such-program"), QStringLiteral("true")});
    QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(about->informationBox(), nullptr);

    QTest::keyClick(about, Qt::Key_Escape);
    settle();
    EXPECT_EQ(find<ui::frmAbout>(), nullptr);

    window.about->trigger();
    about = find<ui::frmAbout>();
    ASSERT_NE(about, nullptr);
    QTest::keyClick(about, Qt::Key_Return);
    settle();
    EXPECT_EQ(find<ui::frmAbout>(), nullptr);
}

}  // namespace
}  // namespace orbalis::testing
