// A Prompter that plays a script: each question or message the command puts must be the next
// one expected, with the exact title, text, icon or filter, and gets the scripted answer.
// A surprise question, a wrong text or an unused answer fails the test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "prompts/prompter.h"

namespace orbalis::testing {

class ScriptedPrompter : public Prompter {
public:
    ~ScriptedPrompter() override {
        for (const auto &left : m_script) ADD_FAILURE() << "expected but never asked: " << left.describe();
    }

    ScriptedPrompter &expectYesNo(std::string title, std::string text, bool answer) {
        m_script.push_back({Kind::YesNo, std::move(title), std::move(text), Icon::None, answer, {}, false});
        return *this;
    }
    ScriptedPrompter &expectInform(std::string title, std::string text, Icon icon = Icon::None) {
        m_script.push_back({Kind::Inform, std::move(title), std::move(text), icon, false, {}, false});
        return *this;
    }
    // A message whose text begins with `prefix` (a text that names a system error, say).
    ScriptedPrompter &expectInformStartingWith(std::string title, std::string prefix,
                                               Icon icon = Icon::None) {
        m_script.push_back({Kind::Inform, std::move(title), std::move(prefix), icon, false, {}, true});
        return *this;
    }
    ScriptedPrompter &expectFile(FileRole role, std::optional<std::string> answer,
                                 std::string filter = "Banca dati (*.DAT)|*.DAT") {
        m_script.push_back({role == FileRole::Open ? Kind::OpenFile : Kind::SaveFile,
                            {},
                            std::move(filter),
                            Icon::None,
                            false,
                            std::move(answer),
                            false});
        return *this;
    }

    ScriptedPrompter &expectText(std::string title, std::string label, std::optional<std::string> answer) {
        m_script.push_back(
            {Kind::Text, std::move(title), std::move(label), Icon::None, false, std::move(answer), false});
        return *this;
    }

    bool askYesNo(const std::string &title, const std::string &text) override {
        const auto step = next(Kind::YesNo, title, text);
        return step && step->yes;
    }
    void inform(const std::string &title, const std::string &text, Icon icon) override {
        const auto step = next(Kind::Inform, title, text);
        if (step) {
            EXPECT_EQ(static_cast<int>(step->icon), static_cast<int>(icon)) << "icon of: " << text;
        }
    }
    std::optional<std::string> chooseFile(FileRole role, const std::string &filter) override {
        const auto step = next(role == FileRole::Open ? Kind::OpenFile : Kind::SaveFile, {}, filter);
        return step ? step->file : std::nullopt;
    }

    std::optional<std::string> askText(const std::string &title, const std::string &label) override {
        const auto step = next(Kind::Text, title, label);
        return step ? step->file : std::nullopt;
    }

private:
    enum class Kind { YesNo, Inform, OpenFile, SaveFile, Text };
    struct Step {
        Kind kind;
        std::string title;
        std::string text;  // the filter, for a file dialog
        Icon icon;
        bool yes;
        std::optional<std::string> file;  // or the text typed
        bool prefixOnly = false;

        std::string describe() const {
            static const char *const kNames[] = {"yes/no", "message", "open dialog", "save dialog", "text"};
            return std::string(kNames[static_cast<int>(kind)]) + " [" + title + "] " + text;
        }
    };

    std::optional<Step> next(Kind kind, const std::string &title, const std::string &text) {
        const Step asked{kind, title, text, Icon::None, false, {}, false};
        if (m_script.empty()) {
            ADD_FAILURE() << "surprise: " << asked.describe();
            return std::nullopt;
        }
        Step step = m_script.front();
        m_script.pop_front();
        EXPECT_EQ(static_cast<int>(step.kind), static_cast<int>(kind)) << "asked " << asked.describe();
        EXPECT_EQ(step.title, title);
        if (step.prefixOnly)
            EXPECT_EQ(text.substr(0, step.text.size()), step.text) << "in: " << text;
        else
            EXPECT_EQ(step.text, text);
        return step;
    }

    std::deque<Step> m_script;
};

}  // namespace orbalis::testing
