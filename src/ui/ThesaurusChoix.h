// The choice of the thesaurus an analysis runs against: the built-in one, an existing user
// thesaurus, or a new one. It hands the text and the chosen thesaurus to the workspace, and hides
// itself while the workspace lives.
#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "thesaurus/thesaurus_choice.h"

class QPushButton;

namespace orbalis {
class Prompter;
}

namespace orbalis::ui {

class Desktop;

class ThesaurusChoix : public QWidget {
    Q_OBJECT
public:
    explicit ThesaurusChoix(Desktop &desktop);
    ~ThesaurusChoix() override;

    // The text the next analysis is opened on: the main window's, given at each opening.
    void setText(std::shared_ptr<const std::string> text, std::string path);

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
    std::unique_ptr<Prompter> m_prompter;
    std::shared_ptr<const std::string> m_text;
    std::string m_textPath;
    ThesaurusChoice m_choice;
};

}  // namespace orbalis::ui
