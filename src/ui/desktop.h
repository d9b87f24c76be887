// The application's windows and how they meet. Every window is one application-wide instance,
// registered under its class name: the first opening creates it, a further opening brings it to
// the front, and its owner unloads (deletes) it. Values pass between windows through the
// instances found here: the workspace reads the main window's text and the choice window's
// thesaurus path and kind.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <any>
#include <map>
#include <string>

#include "prompts/prompter.h"

namespace orbalis::ui {

class Morphologique;
class ThesaurusChoix;
class frmanalyse;
class frmanalyse02;
class frmSplash;
class frmAbout;

class Desktop : public QObject {
    Q_OBJECT
public:
    // Questions of every window go to `prompter`, which must outlive the desktop.
    explicit Desktop(Prompter &prompter, QObject *parent = nullptr);
    ~Desktop() override;

    Prompter &prompter() const { return m_prompter; }

    // The registered window of that name (its class name), or nullptr when it is not loaded.
    QWidget *window(const QString &name) const;
    template <class Window>
    Window *find() const {
        return qobject_cast<Window *>(window(
            QString::fromLatin1(Window::staticMetaObject.className()).section(QLatin1String("::"), -1)));
    }
    // A window of several instances of one class (the keypads), by its instance name.
    template <class Window>
    Window *find(const QString &name) const {
        return qobject_cast<Window *>(window(name));
    }
    // Values that a window keeps across its unloading, found as they were by its next opening;
    // one set per window name, created empty on first use. Stays valid as long as the desktop.
    template <class Values>
    Values &keptValues(const QString &name) {
        std::any &slot = m_keptValues[name];
        if (!slot.has_value()) slot = Values{};
        return std::any_cast<Values &>(slot);
    }
    // Registers a newly created window under its objectName; it is deleted when closed.
    void adopt(QWidget *window);
    // Unloads the window of that name: it disappears at once and is deleted.
    void unload(const QString &name);

    // The start: the splash, which hands over to the main window once.
    frmSplash &showSplash();
    Morphologique &showMainWindow();
    // "&Analisi testuale": the choice window, created or brought back with its earlier values.
    ThesaurusChoix &showThesaurusChoix();
    // The hand-over of the choice window: the workspace on the main window's text and the chosen
    // thesaurus. nullptr when its load failed (the failure has been reported).
    frmanalyse *showAnalysis();
    // "&Aprire un'analisi...": the re-opened workspace on `path`; an open one is only brought to
    // the front. nullptr when the file could not be read (reported).
    frmanalyse02 *showReopenedAnalysis(const std::string &path);
    // "&A proposito": the about box, modal.
    frmAbout &showAbout();

    // "&Esci" of the main window, or its closing: every window goes, nothing is asked.
    void quit();

signals:
    void quitRequested();
    // The main window was created (once, by the splash's hand-over).
    void mainWindowCreated(Morphologique *window);

private:
    void bringToFront(QWidget *window);

    Prompter &m_prompter;
    QHash<QString, QPointer<QWidget>> m_windows;
    std::map<QString, std::any> m_keptValues;  // a map: references to its values stay valid
};

}  // namespace orbalis::ui
