// The desktop application's answers to the commands' questions: message boxes and file dialogs
// over the window the prompter belongs to.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "prompts/prompter.h"

namespace orbalis::ui {

// The title of a message box that has none of its own.
inline constexpr const char *kApplicationTitle = "Orbalis";

class QtPrompter : public Prompter {
public:
    // The questions are shown over `owner`, which may go before the prompter does.
    explicit QtPrompter(QWidget &owner) : m_owner(&owner) {}

    // Yes and No, No the default button: Enter never destroys anything.
    bool askYesNo(const std::string &title, const std::string &text) override;
    void inform(const std::string &title, const std::string &text, Icon icon) override;
    // A save dialog adds the filter's extension to a name typed without one.
    std::optional<std::string> chooseFile(FileRole role, const std::string &filter) override;
    std::optional<std::string> askText(const std::string &title, const std::string &label) override;

private:
    QPointer<QWidget> m_owner;
};

// "Banca dati (*.DAT)|*.DAT" → the label shown in the dialog, "Banca dati (*.DAT)".
QString filterLabel(const std::string &filter);
// "Banca dati (*.DAT)|*.DAT" → "DAT", the extension a save dialog adds; empty when the pattern
// names no single extension.
QString filterExtension(const std::string &filter);

}  // namespace orbalis::ui
