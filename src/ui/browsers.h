// Opening the browsers from the menus of the main window and of the workspaces: each is a single
// instance, loaded (its file read) on its first opening under the busy pointer, and only
// brought to the front afterwards.
#pragma once

namespace orbalis::ui {

class Desktop;

// "&Orbalis": the built-in thesaurus's browser frmrecherche01.
void openBuiltInThesaurusBrowser(Desktop &desktop);
// "&Altro Thesaurus": frmrecherche02, which asks for its file; a cancelled choice opens nothing.
void openOtherThesaurusBrowser(Desktop &desktop);
// "&Dizionario (Lemme)": the lexicon browser frmlexique.
void openLexiconBrowser(Desktop &desktop);

}  // namespace orbalis::ui
