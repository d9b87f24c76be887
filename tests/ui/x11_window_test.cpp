// What the X server shows of the windows: their titles, exactly the captions, and the application's
// icon. Runs on a virtual X display (xvfb-run), with xprop reading the windows' properties.
#include <QProcess>

#include "ui/Morphologique.h"
#include "ui/cards.h"
#include "ui/frmAbout.h"
#include "ui_test_support.h"

namespace orbalis::testing {
namespace {

class X11WindowTest : public UiTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "needs an X display";
    }

    // xprop's report of `property` on `window`'s X window, cut after its first `bytes` bytes.
    static std::string xprop(QWidget &window, const char *property, int bytes = 1000) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QProcess process;
        process.start(QStringLiteral("xprop"),
                      {QStringLiteral("-id"), QString::number(window.winId()), QStringLiteral("-len"),
                       QString::number(bytes), QString::fromLatin1(property)});
        EXPECT_TRUE(process.waitForFinished(10000)) << "xprop did not run";
        return process.readAllStandardOutput().toStdString();
    }
};

TEST_F(X11WindowTest, TitlesAreTheCaptionsAndWindowsCarryTheIcon) {
    QWidget &main = desktop().showMainWindow();
    EXPECT_EQ(xprop(main, "_NET_WM_NAME"), "_NET_WM_NAME(UTF8_STRING) = \"Orbalis - Analisi morfologica\"\n");
    EXPECT_EQ(xprop(main, "_NET_WM_ICON", 8).rfind("_NET_WM_ICON(CARDINAL) = ", 0), 0u);
    EXPECT_EQ(xprop(desktop().showAbout(), "_NET_WM_NAME"),
              "_NET_WM_NAME(UTF8_STRING) = \"Orbalis - A propos de \"\n");
    desktop().find<ui::frmAbout>()->close();

    // Every other window shows its caption as it stands, nothing added.
    writeBytes(m_dir.path("donnees.dat"), std::string(216, ' '));
    writeBytes(m_dir.path("lexique.dat"), std::string(323, ' '));
    auto *morphologique = desktop().find<ui::Morphologique>();
    morphologique->thesaurusorbalis->trigger();
    morphologique->lexique->trigger();
    for (const char *name : {"frmrecherche01", "frmlexique"}) {
        QWidget *window = desktop().window(QLatin1String(name));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_EQ(xprop(*window, "_NET_WM_NAME"),
                  "_NET_WM_NAME(UTF8_STRING) = \"" + window->windowTitle().toStdString() + "\"\n")
            << name;
    }
    QWidget *card = desktop().open<ui::pave03>();
    EXPECT_EQ(xprop(*card, "_NET_WM_NAME"),
              "_NET_WM_NAME(UTF8_STRING) = \"" + card->windowTitle().toStdString() + "\"\n");
}

}  // namespace
}  // namespace orbalis::testing
