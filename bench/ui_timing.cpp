// orbalis_ui_timing: what a user waits for in the analysis workspace, measured through the real
// windows (Qt's offscreen platform unless another is set): opening a workspace on a 64,000-byte
// text against a thesaurus of 32,767 records (lookup and first paint), and, on a 1 MB text,
// scrolling, selecting, applying, deleting and duplicating a row near the top.
// Usage: orbalis_ui_timing [DIR]   (the generated inputs are written into DIR, default a temp dir)
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <string>

#include "bench_inputs.h"
#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/desktop.h"
#include "ui/frmanalyse.h"
#include "ui/frozen_column_view.h"
#include "ui/grid_model.h"

namespace {

using namespace orbalis;

// Answers Yes to every question and file dialogs from a list; messages are counted.
class AnsweringPrompter : public Prompter {
public:
    std::deque<std::string> files;
    int messages = 0;
    bool askYesNo(const std::string &, const std::string &) override { return true; }
    void inform(const std::string &, const std::string &, Icon) override { ++messages; }
    std::optional<std::string> chooseFile(FileRole, const std::string &) override {
        if (files.empty()) return std::nullopt;
        std::string next = files.front();
        files.pop_front();
        return next;
    }
};

// Milliseconds that `step` and the repaint it causes take.
template <class Step>
double timed(QWidget *window, Step &&step) {
    QElapsedTimer timer;
    timer.start();
    step();
    window->repaint();
    QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Opened {
    ui::frmanalyse *workspace = nullptr;
    double milliseconds = 0;
};

// Loads `text` into the main window, then times the choice's hand-over and the workspace's
// first paint.
Opened openWorkspace(ui::Desktop &desktop, AnsweringPrompter &prompter, const std::string &text,
                     const std::string *userThesaurus) {
    ui::Morphologique &main = desktop.showMainWindow();
    main.loadTextFrom(text);
    ui::ThesaurusChoix &choice = desktop.showThesaurusChoix();
    Opened opened;
    QElapsedTimer timer;
    timer.start();
    if (userThesaurus) {
        prompter.files.push_back(*userThesaurus);
        choice.Command2->click();
    } else {
        choice.Command1->click();
    }
    opened.workspace = desktop.find<ui::frmanalyse>();
    if (opened.workspace) {
        opened.workspace->repaint();
        QCoreApplication::processEvents();
    }
    opened.milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return opened;
}

void closeWorkspace(ui::Desktop &desktop) {
    if (auto *workspace = desktop.find<ui::frmanalyse>()) workspace->close();
    desktop.find<ui::Morphologique>()->fermer->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

int main(int argc, char *argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir temporary;
    const std::string dir = argc > 1 ? argv[1] : temporary.path().toStdString();
    QDir().mkpath(QString::fromStdString(dir));

    const bench::InputFiles inputs = bench::writeInputFiles(dir);
    const std::string megabyteText = dir + "/text-1000000.txt";
    std::ofstream(megabyteText, std::ios::binary) << bench::repeatToSize(bench::latinSource().text, 1000000);
    // The generated sorted thesaurus stands in for the built-in one.
    ::setenv("ORBALIS_DATA_DIR", dir.c_str(), 1);
    std::printf("thesaurus: %zu records; texts: %s (64,000 bytes), %s (1,000,000 bytes)\n",
                inputs.thesaurus.records, inputs.smallText.c_str(), megabyteText.c_str());

    AnsweringPrompter prompter;
    ui::Desktop desktop(prompter);

    for (const bool user : {false, true}) {
        const Opened opened =
            openWorkspace(desktop, prompter, inputs.smallText, user ? &inputs.userThesaurus : nullptr);
        if (!opened.workspace) return 1;
        std::printf("open 64,000-byte text, %s: %.1f ms (%zu grid rows)\n",
                    user ? "user thesaurus (full scan)" : "built-in thesaurus (sorted)", opened.milliseconds,
                    opened.workspace->workspace().grid.rowCount() - 1);
        closeWorkspace(desktop);
    }

    const Opened opened = openWorkspace(desktop, prompter, megabyteText, nullptr);
    ui::frmanalyse *workspace = opened.workspace;
    if (!workspace) return 1;
    std::printf("open 1,000,000-byte text, built-in thesaurus (sorted): %.1f ms (%zu grid rows)\n",
                opened.milliseconds, workspace->workspace().grid.rowCount() - 1);

    QScrollBar *scroll = workspace->grille01->verticalScrollBar();
    double scrolling = 0;
    for (int page = 0; page < 40; ++page)
        scrolling = std::max(
            scrolling, timed(workspace, [&] { scroll->setValue(scroll->value() + scroll->pageStep()); }));
    scrolling = std::max(scrolling, timed(workspace, [&] { scroll->setValue(scroll->maximum()); }));
    scrolling = std::max(scrolling, timed(workspace, [&] { scroll->setValue(0); }));
    std::printf("scroll by a page (40 pages, to the end and back): worst %.1f ms\n", scrolling);

    const QModelIndex near = workspace->gridModel()->index(4, 1);
    const double select = timed(workspace, [&] { workspace->grille01->setCurrentIndex(near); });
    const double apply = timed(workspace, [&] { workspace->Command2->click(); });
    const double duplicate = timed(workspace, [&] { workspace->dupliquer->trigger(); });
    const double remove = timed(workspace, [&] { workspace->Command3->click(); });
    std::printf("row 5: select %.1f ms, apply %.1f ms, duplicate %.1f ms, delete %.1f ms\n", select, apply,
                duplicate, remove);
    return prompter.messages == 0 ? 0 : 1;
}
