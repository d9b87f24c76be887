// What the windows' tests share: a desktop whose questions are scripted, a folder for the test's
// files, and ways to reach and drive the windows' controls.
#pragma once

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "records/thesaurus_table.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/desktop.h"

namespace orbalis::testing {

// Runs what the windows left to the event loop: deferred deletions, queued calls.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class UiTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_desktop.reset();
        settle();
        // Every window went with the desktop: nothing is left on screen.
        for (QWidget *widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << "left open: " << widget->objectName().toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "busy pointer left on";
    }

    ui::Desktop &desktop() { return *m_desktop; }

    // "&Analisi testuale" of the main window: the choice window, new or brought back.
    ui::ThesaurusChoix &openChoice() {
        desktop().showMainWindow().analyse->trigger();
        return *find<ui::ThesaurusChoix>();
    }

    template <class Window>
    Window *find() {
        return m_desktop->find<Window>();
    }

    // Clicks grid row `row` (1-based, as the workspace counts data rows) in column 1.
    static void clickRow(QTableView *grid, int row) {
        const QModelIndex index = grid->model()->index(row - 1, 1);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }

    // A user thesaurus at `name` holding `analyses`, appended in order.
    std::string thesaurus(const char *name, std::initializer_list<AnalysisFields> analyses) {
        const std::string path = m_dir.path(name);
        writeBytes(path, "");
        for (const auto &fields : analyses) appendThesaurusRecord(path, fields);
        return path;
    }

    // Every window's questions go to the one script, in the order they are put.
    class WindowPrompter : public Prompter {
    public:
        explicit WindowPrompter(Prompter &script) : m_script(script) {}
        bool askYesNo(const std::string &title, const std::string &text) override {
            return m_script.askYesNo(title, text);
        }
        void inform(const std::string &title, const std::string &text, Icon icon) override {
            m_script.inform(title, text, icon);
        }
        std::optional<std::string> chooseFile(FileRole role, const std::string &filter) override {
            return m_script.chooseFile(role, filter);
        }
        std::optional<std::string> askText(const std::string &title, const std::string &label) override {
            return m_script.askText(title, label);
        }

    private:
        Prompter &m_script;
    };

    ScriptedPrompter m_prompter;
    // The test's folder is the data directory: its donnees.dat is the built-in thesaurus.
    TempDir m_dir;
    std::unique_ptr<ui::Desktop> m_desktop = std::make_unique<ui::Desktop>(
        [this](QWidget &) { return std::make_unique<WindowPrompter>(m_prompter); },
        ui::DataFiles{m_dir.root().string(), m_dir.path("donnees.dat"), m_dir.path("lexique.dat"),
                      m_dir.path("nomi.dat")});
};

}  // namespace orbalis::testing
