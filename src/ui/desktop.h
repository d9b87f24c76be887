// The application's windows and how they meet. Every window is one application-wide instance,
// registered under a name (its class name, or its instance name for the windows of one design
// with several instances): the first opening creates it and runs its load step, a further
// opening only shows it or brings it to the front, and its owner unloads (deletes) it. Windows
// get what they work on as values when they are opened, never by reading other windows; what
// must outlive a window (a keypad's parts) is kept here as typed state.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <utility>

#include "prompts/prompter.h"

namespace orbalis::ui {

class Morphologique;
class frmAbout;
class frmSplash;
class Printing;

// Where the system's fixed files are. The program finds them at start; tests give their own.
struct DataFiles {
    std::string directory;
    std::string builtInThesaurus;  // donnees.dat
    std::string lexicon;           // lexique.dat
    std::string names;             // nomi.dat, the forms of proper names for proposals
};

// Makes the prompter of a window: its questions and messages are shown over that window.
using PrompterFactory = std::function<std::unique_ptr<Prompter>(QWidget &window)>;

enum class Showing { Modeless, Modal };

class Desktop : public QObject {
    Q_OBJECT
public:
    Desktop(PrompterFactory prompters, DataFiles data, QObject *parent = nullptr);
    ~Desktop() override;

    const DataFiles &data() const { return m_data; }
    std::unique_ptr<Prompter> prompterFor(QWidget &window) const { return m_prompters(window); }
    // The dialogs that choose a printer and preview a document (Qt's unless replaced).
    Printing &printing() const { return *m_printing; }
    void setPrinting(std::unique_ptr<Printing> printing);

    // The window registered under `name`, or nullptr when it is not loaded.
    QWidget *window(const QString &name) const { return m_windows.value(name).data(); }
    template <class Window>
    Window *find(const QString &name = nameOf<Window>()) const {
        return qobject_cast<Window *>(window(name));
    }

    // Opens the single instance registered under `name`. When it is not loaded, `create()` makes
    // it (a std::unique_ptr to the window) and `load(window)` runs its load step, which refuses by
    // returning false: the window is then discarded and nullptr returned. Then the window is
    // shown as `showing` asks (a window already open is brought to the front, and made modal for
    // this opening when asked to be).
    template <class Create, class Load>
    auto open(const QString &name, Showing showing, Create &&create, Load &&load)
        -> decltype(create().release()) {
        using Window = std::remove_pointer_t<decltype(create().release())>;
        auto *window = find<Window>(name);
        if (!window) {
            auto created = std::forward<Create>(create)();
            created->setObjectName(name);
            if (!std::forward<Load>(load)(*created)) return nullptr;
            window = created.release();
            adopt(window);
        }
        show(window, showing);
        return window;
    }
    // A window made from the desktop alone, registered under its class name.
    template <class Window, class Load>
    Window *open(Showing showing, Load &&load) {
        return open(
            nameOf<Window>(), showing, [this] { return std::make_unique<Window>(*this); },
            std::forward<Load>(load));
    }
    template <class Window>
    Window *open(Showing showing = Showing::Modeless) {
        return open<Window>(showing, [](Window &) { return true; });
    }

    // State that outlives the windows: one State per name, made with State{} on first use, alive
    // as long as the desktop.
    template <class State>
    State &state(const QString &name) {
        auto &slot = m_states[{name, std::type_index(typeid(State))}];
        if (!slot) slot = std::make_shared<State>();
        return *static_cast<State *>(slot.get());
    }

    // Unloads the window registered under `name`: it disappears at once and is deleted.
    void unload(const QString &name);

    // The start: the splash, which hands over to the main window once.
    frmSplash &showSplash();
    Morphologique &showMainWindow();
    // "&A proposito" of every window: the about box, modal.
    frmAbout &showAbout();
    // "&Esci" of the main window, or its closing: every window goes, nothing is asked.
    void quit();

    template <class Window>
    static QString nameOf() {
        return QString::fromLatin1(Window::staticMetaObject.className()).section(QLatin1String("::"), -1);
    }

signals:
    void quitRequested();
    // The main window was created (once, by the splash's hand-over).
    void mainWindowCreated(Morphologique *window);

private:
    void adopt(QWidget *window);
    void show(QWidget *window, Showing showing);

    PrompterFactory m_prompters;
    DataFiles m_data;
    std::unique_ptr<Printing> m_printing;
    QHash<QString, QPointer<QWidget>> m_windows;
    std::map<std::pair<QString, std::type_index>, std::shared_ptr<void>> m_states;
};

// Gives `window` a size that fits the available part of its screen (at most `preferred`) and
// places it wholly on that screen.
void fitToScreen(QWidget &window, QSize preferred);

}  // namespace orbalis::ui
