// The windows' tests run as GoogleTest cases inside one QApplication, on Qt's offscreen platform
// unless another one is asked for.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/application_setup.h"

int main(int argc, char *argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The application as the desktop program sets it up, so that the tests see what users see.
    const auto app = orbalis::ui::createApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
