#include "ui/desktop.h"

#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/busy_cursor.h"
#include "ui/frmAbout.h"
#include "ui/frmSplash.h"
#include "ui/frmanalyse.h"
#include "ui/frmanalyse02.h"

namespace orbalis::ui {

Desktop::Desktop(Prompter &prompter, QObject *parent) : QObject(parent), m_prompter(prompter) {}

Desktop::~Desktop() {
    for (const auto &window : std::as_const(m_windows)) delete window.data();
}

QWidget *Desktop::window(const QString &name) const {
    return m_windows.value(name).data();
}

void Desktop::adopt(QWidget *window) {
    Q_ASSERT(!window->objectName().isEmpty());
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_windows.insert(window->objectName(), window);
}

void Desktop::unload(const QString &name) {
    const QPointer<QWidget> window = m_windows.take(name);
    if (!window) return;
    window->hide();
    // Deferred: the window may be the one whose command is running.
    window->deleteLater();
}

void Desktop::bringToFront(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

frmSplash &Desktop::showSplash() {
    auto *splash = find<frmSplash>();
    if (!splash) {
        splash = new frmSplash(*this);
        adopt(splash);
    }
    splash->show();
    return *splash;
}

Morphologique &Desktop::showMainWindow() {
    auto *main = find<Morphologique>();
    if (!main) {
        main = new Morphologique(*this);
        adopt(main);
        bringToFront(main);
        emit mainWindowCreated(main);
        return *main;
    }
    bringToFront(main);
    return *main;
}

ThesaurusChoix &Desktop::showThesaurusChoix() {
    BusyCursor busy;
    auto *choice = find<ThesaurusChoix>();
    if (!choice) {
        choice = new ThesaurusChoix(*this);
        adopt(choice);
    }
    bringToFront(choice);
    return *choice;
}

frmanalyse *Desktop::showAnalysis() {
    auto *workspace = find<frmanalyse>();
    if (!workspace) {
        workspace = new frmanalyse(*this);
        if (!workspace->load()) {
            delete workspace;
            return nullptr;
        }
        adopt(workspace);
    }
    bringToFront(workspace);
    return workspace;
}

frmanalyse02 *Desktop::showReopenedAnalysis(const std::string &path) {
    auto *workspace = find<frmanalyse02>();
    if (!workspace) {
        workspace = new frmanalyse02(*this);
        if (!workspace->load(path)) {
            delete workspace;
            return nullptr;
        }
        adopt(workspace);
    }
    bringToFront(workspace);
    return workspace;
}

frmAbout &Desktop::showAbout() {
    auto *about = find<frmAbout>();
    if (!about) {
        about = new frmAbout(*this);
        adopt(about);
    }
    // Modal for the whole application, without blocking the caller in a nested event loop.
    about->setWindowModality(Qt::ApplicationModal);
    bringToFront(about);
    return *about;
}

void Desktop::quit() {
    const auto names = m_windows.keys();
    for (const QString &name : names) unload(name);
    emit quitRequested();
}

}  // namespace orbalis::ui
