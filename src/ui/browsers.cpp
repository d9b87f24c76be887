#include "ui/browsers.h"

#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"
#include "ui/frmlexique.h"
#include "ui/frmrecherche01.h"
#include "ui/frmrecherche02.h"

namespace orbalis::ui {

namespace {

// The window's own prompter reports a file that cannot be read; the window then does not open.
template <class Window, class Load>
void openBrowser(Desktop &desktop, Load &&load) {
    BusyCursor busy;
    desktop.open<Window>(Showing::Modeless, [&](Window &window) {
        auto prompter = desktop.prompterFor(window);
        bool loaded = false;
        runCommand(*prompter, [&] { loaded = load(window); });
        return loaded;
    });
}

}  // namespace

void openBuiltInThesaurusBrowser(Desktop &desktop) {
    openBrowser<frmrecherche01>(desktop, [&](frmrecherche01 &window) {
        window.load(desktop.data().builtInThesaurus);
        return true;
    });
}

void openOtherThesaurusBrowser(Desktop &desktop) {
    openBrowser<frmrecherche02>(desktop, [](frmrecherche02 &window) { return window.load(); });
}

void openLexiconBrowser(Desktop &desktop) {
    openBrowser<frmlexique>(desktop, [&](frmlexique &window) {
        window.load(desktop.data().lexicon);
        return true;
    });
}

}  // namespace orbalis::ui
