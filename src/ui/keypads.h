// The three descriptor keypads, one class per design, each instance given its target field when
// it is created. An instance's parts live in the desktop (typed state under the instance's name),
// so they outlive its window: a keypad opens with no option shown as chosen while its parts still
// hold the last choices, and OK writes their composition into the target, replacing its text.
//
// From any window: openCategoryKeypad(desktop, "pave02_a2", *Text4, Showing::Modal) and the
// like; the owner unloads its instances (desktop.unload(name)) when it goes.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include "records/descriptor_keypads.h"
#include "ui/desktop.h"

class QAction;
class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace orbalis::ui {

class Keypad : public QMainWindow {
    Q_OBJECT
public:
    ~Keypad() override;

    coding::KeypadDesign design() const { return m_design; }
    QWidget *target() const { return m_target; }
    // The option buttons of group `group`, in display order, the clear option last.
    const QList<QRadioButton *> &options(int group) const { return m_options[group]; }

    QPushButton *Command1;  // "OK"
    QPushButton *Command2;  // "Cancella": closes, writes nothing
    QAction *quitter;       // "&Esci"
    QAction *about;         // "&A proposito"

protected:
    // `frames` are the captions of the frames, one per group (groups sharing a frame repeat it).
    Keypad(Desktop &desktop, coding::KeypadDesign design, coding::KeypadParts &parts, QWidget &target,
           const QStringList &frames, const QString &title);

private:
    void accept();

    Desktop &m_desktop;
    coding::KeypadDesign m_design;
    coding::KeypadParts &m_parts;
    QPointer<QWidget> m_target;
    QList<QList<QRadioButton *>> m_options;
};

// Category code: `pave02_a` (frmanalyse), `pave02_a1` (frmanalyse02), `pave02_a2` (thesaurus editor).
class pave02_a : public Keypad {
    Q_OBJECT
public:
    pave02_a(Desktop &desktop, coding::KeypadParts &parts, QWidget &target);
};

// Case, gender, person and number: `pave03_a`, `pave03_a1`, `pave03_a2`.
class pave03_a : public Keypad {
    Q_OBJECT
public:
    pave03_a(Desktop &desktop, coding::KeypadParts &parts, QWidget &target);
};

// Mood, tense and voice: `pave03_b` (Italian frame captions), `pave03_b1`, `pave03_b2` (French).
enum class MoodFrames { Italian, French };
class pave03_b : public Keypad {
    Q_OBJECT
public:
    pave03_b(Desktop &desktop, coding::KeypadParts &parts, QWidget &target, MoodFrames frames);
};

// Opens the keypad instance `instance` writing into `target` (fixed when the instance's window is
// created), or brings it to the front when it is open. Its parts are desktop.state<KeypadParts>.
pave02_a *openCategoryKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing);
pave03_a *openCaseKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing);
pave03_b *openMoodKeypad(Desktop &desktop, const QString &instance, QWidget &target, Showing showing,
                         MoodFrames frames);

}  // namespace orbalis::ui
