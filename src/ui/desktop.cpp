#include "ui/desktop.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/Morphologique.h"
#include "ui/frmAbout.h"
#include "ui/frmSplash.h"
#include "ui/report_printing.h"

namespace orbalis::ui {

Desktop::Desktop(PrompterFactory prompters, DataFiles data, QObject *parent)
    : QObject(parent),
      m_prompters(std::move(prompters)),
      m_data(std::move(data)),
      m_printing(std::make_unique<QtPrinting>()) {}

Desktop::~Desktop() {
    for (const auto &window : std::as_const(m_windows)) delete window.data();
}

void Desktop::setPrinting(std::unique_ptr<Printing> printing) {
    m_printing = std::move(printing);
}

void Desktop::adopt(QWidget *window) {
    Q_ASSERT(!window->objectName().isEmpty());
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_windows.insert(window->objectName(), window);
}

void Desktop::show(QWidget *window, Showing showing) {
    const Qt::WindowModality modality = showing == Showing::Modal ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != modality) {
        // The modality of a window on screen changes only when it is shown again.
        const bool visible = window->isVisible();
        if (visible) window->hide();
        window->setWindowModality(modality);
    }
    if (!window->isVisible() && !window->property("orbalisPlaced").toBool()) {
        fitToScreen(*window, window->size());
        window->setProperty("orbalisPlaced", true);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Desktop::unload(const QString &name) {
    const QPointer<QWidget> window = m_windows.take(name);
    if (!window) return;
    window->hide();
    // Deferred: the window may be the one whose command is running.
    window->deleteLater();
}

frmSplash &Desktop::showSplash() {
    return *open<frmSplash>();
}

Morphologique &Desktop::showMainWindow() {
    return *open<Morphologique>(Showing::Modeless, [this](Morphologique &window) {
        emit mainWindowCreated(&window);
        return true;
    });
}

frmAbout &Desktop::showAbout() {
    return *open<frmAbout>(Showing::Modal);
}

void Desktop::quit() {
    const auto names = m_windows.keys();
    for (const QString &name : names) unload(name);
    emit quitRequested();
}

void fitToScreen(QWidget &window, QSize preferred) {
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    // The frame the window manager adds (title bar, borders) must fit as well.
    const QSize frame(16, 40);
    const QSize room = available.size() - frame;
    QSize size = preferred.boundedTo(room).expandedTo(window.minimumSizeHint().boundedTo(room));
    window.resize(size);
    const QRect wanted(window.pos(), size + frame);
    // A window placed nowhere yet, or partly off the screen, is centred.
    if (!window.testAttribute(Qt::WA_Moved) || !available.contains(wanted))
        window.move(available.topLeft() +
                    QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2));
}

}  // namespace orbalis::ui
