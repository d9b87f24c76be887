// The desktop application's answers to the commands' questions: message boxes and file dialogs
// over the active window.
#pragma once

#include <QString>

#include "prompts/prompter.h"

class QWidget;

namespace orbalis::ui {

// The title of a message box that has none of its own.
inline constexpr const char *kApplicationTitle = "Orbalis";

class QtPrompter : public Prompter {
public:
    bool askYesNo(const std::string &title, const std::string &text) override;
    void inform(const std::string &title, const std::string &text, Icon icon) override;
    std::optional<std::string> chooseFile(FileRole role, const std::string &filter) override;
};

// "Banca dati (*.DAT)|*.DAT" → the label shown in the dialog, "Banca dati (*.DAT)".
QString filterLabel(const std::string &filter);

}  // namespace orbalis::ui
