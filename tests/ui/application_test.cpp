// The application as users meet it: Qt's own buttons in Italian, the windows' icon, the splash's
// keys and the about box's own information.
#include <QMessageBox>
#include <QPushButton>

#include "ui/Morphologique.h"
#include "ui/frmAbout.h"
#include "ui/frmSplash.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

TEST(ApplicationTest, QtButtonsSpeakItalianAndWindowsCarryTheIcon) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "&S\u00EC");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), "Annulla");
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32, 32).isNull());
}

class ShellTest : public UiTest {};

TEST_F(ShellTest, EnterEscapeAndBackspaceHandOver) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace}) {
        QTest::keyClick(&desktop().showSplash(), key);
        EXPECT_NE(find<ui::Morphologique>(), nullptr) << "key " << key;
        EXPECT_EQ(find<ui::frmSplash>(), nullptr) << "key " << key;
        desktop().unload(QStringLiteral("Morphologique"));
        settle();
    }
}

TEST_F(ShellTest, AboutBoxShowsItsOwnInformationWhereThePlatformHasNoTool) {
    writeBytes(m_dir.path("donnees.dat"), std::string(2 * 216 + 5, 'x'));
    writeBytes(m_dir.path("lexique.dat"), std::string(3 * 323, 'x'));
    ui::frmAbout &about = desktop().showAbout();
    about.setSystemInformationTools({QStringLiteral("orbalis-no-such-program")});
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QMessageBox *box = about.informationBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->parentWidget(), &about);
    const QString text = box->text();
    for (const QString &line :
         {QStringLiteral("Versione: ") + QApplication::applicationVersion(),
          QStringLiteral("Versione di Qt: ") + QString::fromLatin1(qVersion()),
          QStringLiteral("Cartella dei dati: ") + QString::fromStdString(m_dir.root().string()),
          QStringLiteral("Thesaurus Orbalis: 2 forme"), QStringLiteral("Dizionario: 3 lemmi")})
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << " not in\n" << text.toStdString();
    box->button(QMessageBox::Ok)->click();
    settle();
    EXPECT_EQ(about.informationBox(), nullptr);
    EXPECT_TRUE(about.isVisible());
}

}  // namespace
}  // namespace orbalis::testing
