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

    ScriptedPrompter m_prompter;
    TempDir m_dir;
    std::unique_ptr<ui::Desktop> m_desktop = std::make_unique<ui::Desktop>(m_prompter);
};

}  // namespace orbalis::testing
