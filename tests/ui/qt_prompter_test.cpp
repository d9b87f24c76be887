// The desktop's message boxes and file dialogs: over the window they belong to, the
// application's title for a box without one, the exact buttons with No the default, the normal
// pointer while they wait for the user, file filters that keep their label but match names
// whatever their case, and save dialogs that add the filter's extension to a bare name.
#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include "ui/busy_cursor.h"
#include "ui/qt_prompter.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

using ui::QtPrompter;

// Runs `inspect` on the modal window once it is up, from inside its event loop.
void whenModalOpens(std::function<void(QWidget *)> inspect) {
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        QWidget *modal = nullptr;
        (void)QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 2000);
        ASSERT_NE(modal, nullptr);
        inspect(modal);
    });
}

TEST(QtPrompterTest, MessageBoxesShowTheirTextsTitlesAndButtons) {
    QWidget owner;
    QtPrompter prompter(owner);
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QWidget *parent = nullptr;
    Qt::CursorShape pointer = Qt::BlankCursor;
    auto capture = [&](QMessageBox::StandardButton answer) {
        whenModalOpens([&, answer](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            defaultButton = box->standardButton(box->defaultButton());
            icon = box->icon();
            parent = box->parentWidget();
            pointer = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape()
                                                        : Qt::BlankCursor;
            box->button(answer)->click();
        });
    };

    {
        // Asked in the middle of a busy command: the normal pointer over the question, the busy
        // one again after it.
        ui::BusyCursor busy;
        capture(QMessageBox::No);
        EXPECT_FALSE(prompter.askYesNo("Schedario esistente", "C:\\a.dat esistente.\r\nVuoi cancellare?"));
        EXPECT_EQ(pointer, Qt::ArrowCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(title, "Schedario esistente");
    EXPECT_EQ(text, "C:\\a.dat esistente.\r\nVuoi cancellare?");
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(defaultButton, QMessageBox::No) << "Enter must not replace a file";
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(parent, &owner);

    capture(QMessageBox::Yes);
    EXPECT_TRUE(prompter.askYesNo("File esiste", "x"));

    // No title of its own: the application's; Windows-1252 text shown as such.
    capture(QMessageBox::Ok);
    prompter.inform("", "Les informations syst\xE8me", Icon::Information);
    EXPECT_EQ(title, "Orbalis");
    EXPECT_EQ(text, QString::fromUtf8("Les informations système"));
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_EQ(icon, QMessageBox::Information);
}

TEST(QtPrompterTest, FileDialogOffersNamesWhateverTheirCaseAndNeverAsksToReplace) {
    TempDir dir;
    for (const char *name : {"caesar.txt", "VERGIL.TXT", "mio.dat", "note.md"})
        writeBytes(dir.path(name), "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.root().string()));

    QWidget owner;
    QtPrompter prompter(owner);
    QStringList offered;
    QString filterShown;
    bool confirmsOverwrite = true;
    whenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        filterShown = dialog->nameFilters().join(QLatin1Char(';'));
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        auto *model = dialog->findChild<QFileSystemModel *>();
        ASSERT_NE(model, nullptr);
        const QModelIndex folder = model->index(QString::fromStdString(dir.root().string()));
        (void)QTest::qWaitFor([&] { return model->rowCount(folder) >= 2; }, 3000);
        QTest::qWait(50);  // let the folder's listing settle
        for (int row = 0; row < model->rowCount(folder); ++row)
            offered << model->index(row, 0, folder).data().toString();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(dir.path("caesar.txt")));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const auto chosen = prompter.chooseFile(FileRole::Open, "File testo (*.TXT)|*.TXT");
    QDir::setCurrent(before);

    offered.sort();
    EXPECT_EQ(offered, QStringList({"VERGIL.TXT", "caesar.txt"}));
    EXPECT_EQ(filterShown, "File testo (*.TXT)");
    EXPECT_FALSE(confirmsOverwrite);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.path("caesar.txt"));
}

TEST(QtPrompterTest, SaveDialogAddsTheFilterExtensionToABareName) {
    TempDir dir;
    QWidget owner;
    QtPrompter prompter(owner);
    auto saveAs = [&](const std::string &typed) {
        whenModalOpens([&](QWidget *modal) {
            auto *name = modal->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(dir.path(typed)));
            QTest::keyClick(name, Qt::Key_Return);
        });
        return prompter.chooseFile(FileRole::Save, "Banca dati (*.DAT)|*.DAT").value_or("");
    };
    EXPECT_EQ(saveAs("analisi"), dir.path("analisi.DAT")) << "else the open dialog's filter hides it";
    EXPECT_EQ(saveAs("analisi.dat"), dir.path("analisi.dat"));
    EXPECT_EQ(saveAs("lezione.1.txt"), dir.path("lezione.1.txt"));
}

}  // namespace
}  // namespace orbalis::testing
