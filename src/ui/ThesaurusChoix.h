// The choice of the thesaurus an analysis runs against: the built-in one, an existing user
// thesaurus, or a new one. It holds the choice for the workspace, which reads it when it loads
// and when it appends, and hides itself while the workspace lives.
#pragma once

#include <QWidget>

#include <string>

#include "thesaurus/thesaurus_choice.h"

class QPushButton;

namespace orbalis::ui {

class Desktop;

class ThesaurusChoix : public QWidget {
    Q_OBJECT
public:
    explicit ThesaurusChoix(Desktop &desktop, QWidget *parent = nullptr);

    // The chosen file and its kind; empty and None until a command succeeded.
    const std::string &thesaurusPath() const { return m_choice.path; }
    ThesaurusKind thesaurusKind() const { return m_choice.kind; }

    QPushButton *Command1;  // "Thesaurus Orbalis": the built-in thesaurus
    QPushButton *Command2;  // "Apri un Thesaurus esistente": a user thesaurus
    QPushButton *Command3;  // "Crea un nuovo Thesaurus": a new user thesaurus

private slots:
    void useBuiltIn();
    void openExisting();
    void createNew();

private:
    void handOver(const ThesaurusChoice &choice);

    Desktop &m_desktop;
    ThesaurusChoice m_choice;
};

}  // namespace orbalis::ui
