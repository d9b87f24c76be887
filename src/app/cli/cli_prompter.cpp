#include "cli/cli_prompter.h"

#include "text/encoding.h"

namespace orbalis::cli {

bool CliPrompter::askYesNo(const std::string &title, const std::string &text) {
    if (const auto found = m_answers.find(title); found != m_answers.end()) return found->second;
    if (const auto refusal = m_refusals.find(title); refusal != m_refusals.end())
        throw UnansweredQuestion(refusal->second);
    throw UnansweredQuestion("unanswered question: " + cp1252ToUtf8(text));
}

}  // namespace orbalis::cli
