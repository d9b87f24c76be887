// The two reference cards: the category codes (pave02) and the descriptors' abbreviations
// (pave03), rows as on the keypads without options or clear rows. One shared window each:
// desktop.open<pave02>(Showing::Modeless) from the workspaces, Showing::Modal from the editor (a
// card already open is brought to the front and made modal for that opening). No owner unloads
// them: they stay until the user closes them.
#pragma once

#include <QMainWindow>

class QAction;

namespace orbalis::ui {

class Desktop;

class ReferenceCard : public QMainWindow {
    Q_OBJECT
public:
    QAction *quitter;  // "&Esci"
    QAction *about;    // "&A proposito"

protected:
    ReferenceCard(Desktop &desktop, const QString &title);
    // The area below the banner, where the card lays out its frames.
    QWidget *body() const { return m_body; }

private:
    QWidget *m_body;
};

class pave02 : public ReferenceCard {
    Q_OBJECT
public:
    explicit pave02(Desktop &desktop);
};

class pave03 : public ReferenceCard {
    Q_OBJECT
public:
    explicit pave03(Desktop &desktop);
};

}  // namespace orbalis::ui
