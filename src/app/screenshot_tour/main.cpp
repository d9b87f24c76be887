// Opens the application's real windows one after the other on the Caesar sample and saves a
// picture of each: the splash, the main window with the text, the thesaurus choice, the analysis
// workspace after the lookup, its three keypads and the two reference cards, the re-opened
// analysis, the two thesaurus browsers, the entry editor, the lexicon browser, a workspace on a
// macronised text with the proposals for its unknown forms and that text's vocabulary, the about
// box and its system information. It also prints how long the browsers take to list the most
// frequent initial of the built-in thesaurus.
// Run under an X server (scripts/screenshots starts one); the tour gives the dialogs' answers.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <memory>
#include <string>

#include "records/data_paths.h"
#include "ui/LessicoTesto.h"
#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/Thesaurusmodification.h"
#include "ui/application_setup.h"
#include "ui/cards.h"
#include "ui/desktop.h"
#include "ui/frmAbout.h"
#include "ui/frmSplash.h"
#include "ui/frmanalyse.h"
#include "ui/frmanalyse02.h"
#include "ui/frmlexique.h"
#include "ui/frmrecherche01.h"
#include "ui/frmrecherche02.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/keypads.h"

namespace {

using namespace orbalis;

// Answers every file dialog from a list and every question with Yes.
class TourPrompter : public Prompter {
public:
    explicit TourPrompter(std::deque<std::string> &files) : files(files) {}
    std::deque<std::string> &files;
    bool askYesNo(const std::string &, const std::string &) override { return true; }
    void inform(const std::string &, const std::string &, Icon) override {}
    std::optional<std::string> chooseFile(FileRole, const std::string &) override { return next(); }
    std::optional<std::string> askText(const std::string &, const std::string &) override { return next(); }

private:
    std::optional<std::string> next() {
        if (files.empty()) return std::nullopt;
        std::string next = files.front();
        files.pop_front();
        return next;
    }
};

void pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool shoot(QWidget *window, const QString &path) {
    window->show();
    window->raise();
    window->activateWindow();
    pause(400);
    const QPixmap picture = window->screen()->grabWindow(window->winId());
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

// Runs `step` and waits until the window has painted what it did; prints the time it took.
template <class Step>
void timed(const char *what, QWidget *window, Step &&step) {
    QElapsedTimer timer;
    timer.start();
    step();
    window->repaint();
    QCoreApplication::processEvents();
    std::printf("%s: %.1f ms\n", what, static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

std::size_t hits(const ui::ResultsWindow &window) {
    return static_cast<std::size_t>(std::max(0, window.gridModel()->rowCount() - 1));
}

}  // namespace

int main(int argc, char *argv[]) {
    const auto app = ui::createApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIR TEXT [MACRONISED-TEXT]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::string text = argv[2];
    const std::string saved = out.filePath(QStringLiteral("tour-analysis.dat")).toStdString();

    std::deque<std::string> files;
    ui::Desktop desktop([&files](QWidget &) { return std::make_unique<TourPrompter>(files); },
                        {dataDirectory(), builtInThesaurusPath(), lexiconPath(), namesPath()});
    bool ok = true;

    ui::frmSplash &splash = desktop.showSplash();
    splash.Timer1.stop();
    ok &= shoot(&splash, out.filePath(QStringLiteral("splash.png")));
    splash.showMainWindow();

    auto *main = desktop.find<ui::Morphologique>();
    main->loadTextFrom(text);
    ok &= shoot(main, out.filePath(QStringLiteral("main-window.png")));

    main->analyse->trigger();
    ui::ThesaurusChoix &choice = *desktop.find<ui::ThesaurusChoix>();
    ok &= shoot(&choice, out.filePath(QStringLiteral("thesaurus-choice.png")));
    choice.Command1->click();
    auto *workspace = desktop.find<ui::frmanalyse>();
    if (!workspace) return 1;
    // Select a row of a form with two analyses, as a user would to edit it.
    const Grid &grid = workspace->workspace().grid;
    int row = 1;
    for (std::size_t r = 1; r < grid.rowCount(); ++r) {
        if (grid.colour(r, 1) == TextColour::Orange) {
            row = static_cast<int>(r);
            break;
        }
    }
    emit workspace->grille01->rowChosen(static_cast<std::size_t>(row));
    ok &= shoot(workspace, out.filePath(QStringLiteral("analysis.png")));

    // The keypads of the workspace, one after the other, and the two cards.
    const std::pair<QPushButton *, const char *> keypads[] = {{workspace->Command1_b, "pave02_a"},
                                                              {workspace->Command1_a, "pave03_a"},
                                                              {workspace->Command6, "pave03_b"}};
    for (const auto &[button, name] : keypads) {
        button->click();
        if (QWidget *keypad = desktop.window(QString::fromLatin1(name))) {
            ok &= shoot(keypad, out.filePath(QStringLiteral("keypad-%1.png").arg(QString::fromLatin1(name))));
            keypad->close();
        } else {
            ok = false;
        }
    }
    workspace->Command4->click();
    workspace->Command5->click();
    for (QWidget *card : {static_cast<QWidget *>(desktop.find<ui::pave02>()),
                          static_cast<QWidget *>(desktop.find<ui::pave03>())}) {
        if (!card) return 1;
        ok &= shoot(card, out.filePath(QStringLiteral("card-%1.png").arg(card->objectName())));
        card->close();
    }

    files = {saved, saved};
    workspace->enregistrer->trigger();
    workspace->close();
    main->ouvriranalyse->trigger();
    if (auto *reopened = desktop.find<ui::frmanalyse02>()) {
        ok &= shoot(reopened, out.filePath(QStringLiteral("reopened-analysis.png")));
        reopened->close();
    }
    QFile::remove(QString::fromStdString(saved));

    // The built-in thesaurus's browser: the letter with the most forms.
    main->thesaurusorbalis->trigger();
    if (auto *builtIn = desktop.find<ui::frmrecherche01>()) {
        builtIn->show();
        pause(400);
        timed("frmrecherche01, letter p", builtIn, [&] { builtIn->letterEntry('p')->trigger(); });
        std::printf("  %zu forms listed of %zu\n", hits(*builtIn), builtIn->browser().table().size());
        files = {"rex"};
        timed("frmrecherche01, forms of the lemma rex", builtIn, [&] { builtIn->lemme->trigger(); });
        ok &= shoot(builtIn, out.filePath(QStringLiteral("thesaurus-browser.png")));
        builtIn->close();
    }
    // Another thesaurus (a copy of the built-in one), a row chosen, and the entry editor on it.
    const std::string copy = out.filePath(QStringLiteral("tour-thesaurus.dat")).toStdString();
    QFile::remove(QString::fromStdString(copy));
    QFile::copy(QString::fromStdString(builtInThesaurusPath()), QString::fromStdString(copy));
    files = {copy};
    main->thesaurusautre->trigger();
    if (auto *other = desktop.find<ui::frmrecherche02>()) {
        other->show();
        pause(400);
    }
    if (auto *other = desktop.find<ui::frmrecherche02>()) {
        timed("frmrecherche02, letter p (whole table)", other, [&] { other->letterEntry('p')->trigger(); });
        std::printf("  %zu forms listed\n", hits(*other));
        other->Text1->setText(QStringLiteral("est"));
        other->Command1->click();
        emit other->grille02->rowChosen(1);
        ok &= shoot(other, out.filePath(QStringLiteral("other-thesaurus-browser.png")));
        other->Command3->click();
        if (auto *editor = desktop.find<ui::Thesaurusmodification>()) {
            ok &= shoot(editor, out.filePath(QStringLiteral("thesaurus-editor.png")));
            editor->close();
        }
        other->close();
    }
    QFile::remove(QString::fromStdString(copy));

    main->lexique->trigger();
    if (auto *lexicon = desktop.find<ui::frmlexique>()) {
        lexicon->show();
        pause(400);
        timed("frmlexique, empty search (every lemma)", lexicon, [&] { lexicon->Command1->click(); });
        std::printf("  %zu lemmas listed\n", hits(*lexicon));
        lexicon->Text1->setText(QStringLiteral("am"));
        lexicon->Command1->click();
        ok &= shoot(lexicon, out.filePath(QStringLiteral("lexicon-browser.png")));
        lexicon->close();
    }
    if (argc > 3) {
        // A text with vowel quantities, its unknown forms given proposals (the second form needing
        // work chosen, a proposal),
        // and its vocabulary. The windows closed above go first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main->loadTextFrom(argv[3]);
        main->analyse->trigger();
        desktop.find<ui::ThesaurusChoix>()->Command1->click();
        if (auto *proposing = desktop.find<ui::frmanalyse>()) {
            proposing->suggerisci->trigger();
            proposing->sconosciuta->trigger();
            proposing->sconosciuta->trigger();
            ok &= shoot(proposing, out.filePath(QStringLiteral("proposals.png")));
            proposing->lessico->trigger();
            if (auto *vocabulary = desktop.find<ui::LessicoTesto>()) {
                ok &= shoot(vocabulary, out.filePath(QStringLiteral("vocabulary.png")));
                vocabulary->close();
            }
            proposing->close();
        }
    }

    ui::frmAbout &about = desktop.showAbout();
    ok &= shoot(&about, out.filePath(QStringLiteral("about.png")));
    // The program's own system information, as shown where no system information tool is installed.
    about.setSystemInformationTools({});
    about.cmdSysInfo->click();
    if (QMessageBox *information = about.informationBox()) {
        ok &= shoot(information, out.filePath(QStringLiteral("about-information.png")));
        information->close();
    }
    about.close();
    return ok ? 0 : 1;
}
