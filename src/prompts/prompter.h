// The questions and messages a command puts to the user. Commands take a Prompter by reference;
// the desktop application answers with message boxes and file dialogs, the batch tool from its
// arguments, and tests from a script.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbalis {

enum class Icon { None, Information };
enum class FileRole { Open, Save };

// The filters of the file dialogs, "label|pattern". The desktop application matches the
// patterns whatever the case of the names, so "caesar.txt" is offered beside "CAESAR.TXT".
inline constexpr std::string_view kDatFilter = "Banca dati (*.DAT)|*.DAT";   // thesauri and analyses
inline constexpr std::string_view kTextFilter = "File testo (*.TXT)|*.TXT";  // texts to analyse

class Prompter {
public:
    virtual ~Prompter() = default;

    // A question with the buttons Yes and No and no icon; true for Yes. Title and text are
    // Windows-1252; an empty title stands for the application's title.
    virtual bool askYesNo(const std::string &title, const std::string &text) = 0;
    // A message with the OK button.
    virtual void inform(const std::string &title, const std::string &text, Icon icon) = 0;
    // A file dialog with one filter entry (kDatFilter or kTextFilter): the chosen full path
    // (as the file system spells it), or nullopt when the user cancelled.
    virtual std::optional<std::string> chooseFile(FileRole role, const std::string &filter) = 0;
    // One line of text typed in answer to `label` (title as for askYesNo), as Windows-1252; nullopt
    // when the user cancelled. A front end that cannot ask answers as if cancelled.
    virtual std::optional<std::string> askText(const std::string & /*title*/, const std::string & /*label*/) {
        return std::nullopt;
    }
};

}  // namespace orbalis
