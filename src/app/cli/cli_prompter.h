// The batch tool's answers to the questions of the commands it runs: the file name comes from
// the command line, each yes/no question is answered from a flag, and a question without a flag
// stops the command. Messages are not shown: the output stream holds records only.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "prompts/prompter.h"

namespace orbalis::cli {

// A question the command line holds no answer to; the tool reports it and exits with 1.
class UnansweredQuestion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CliPrompter : public Prompter {
public:
    explicit CliPrompter(std::string file) : m_file(std::move(file)) {}

    // Answers the yes/no question of this title; `refusal` says why a missing answer stops.
    void answer(const std::string &title, bool yes) { m_answers[title] = yes; }
    void refuseUnanswered(const std::string &title, std::string why) { m_refusals[title] = std::move(why); }

    bool askYesNo(const std::string &title, const std::string &text) override;
    void inform(const std::string &, const std::string &, Icon) override {}
    std::optional<std::string> chooseFile(FileRole, const std::string &) override { return m_file; }

private:
    std::string m_file;
    std::map<std::string, bool> m_answers;
    std::map<std::string, std::string> m_refusals;
};

}  // namespace orbalis::cli
