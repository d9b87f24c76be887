// Opens the application's real windows one after the other on the Caesar sample and saves a
// picture of each: the splash, the main window with the text, the thesaurus choice, the analysis
// workspace after the lookup, the re-opened analysis, a workspace on a macronised text with the
// proposals for its unknown forms and that text's vocabulary, the about box and its system
// information.
// Run under an X server (scripts/screenshots starts one); the tour gives the dialogs' answers.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
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
#include "ui/application_setup.h"
#include "ui/desktop.h"
#include "ui/frmAbout.h"
#include "ui/frmSplash.h"
#include "ui/frmanalyse.h"
#include "ui/frmanalyse02.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"

namespace {

using namespace orbalis;

// Answers every file dialog from a list and every question with Yes.
class TourPrompter : public Prompter {
public:
    explicit TourPrompter(std::deque<std::string> &files) : files(files) {}
    std::deque<std::string> &files;
    bool askYesNo(const std::string &, const std::string &) override { return true; }
    void inform(const std::string &, const std::string &, Icon) override {}
    std::optional<std::string> chooseFile(FileRole, const std::string &) override {
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
                        {dataDirectory(), builtInThesaurusPath(), lexiconPath()});
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

    files = {saved, saved};
    workspace->enregistrer->trigger();
    workspace->close();
    main->ouvriranalyse->trigger();
    if (auto *reopened = desktop.find<ui::frmanalyse02>()) {
        ok &= shoot(reopened, out.filePath(QStringLiteral("reopened-analysis.png")));
        reopened->close();
    }
    QFile::remove(QString::fromStdString(saved));

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
