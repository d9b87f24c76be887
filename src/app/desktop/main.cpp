// orbalis: the desktop application. Starts with the splash window, which hands over to the main
// window; a text file named on the command line is loaded into it at once.
#include <QApplication>
#include <QTimer>

#include <memory>
#include <string>

#include "records/data_paths.h"
#include "ui/Morphologique.h"
#include "ui/application_setup.h"
#include "ui/desktop.h"
#include "ui/qt_prompter.h"
#include "ui/text_codec.h"

int main(int argc, char *argv[]) {
    const std::unique_ptr<QApplication> app = orbalis::ui::createApplication(argc, argv);
    // The main window ends the application, not the last window that closes (the splash
    // closes before the main window shows).
    QApplication::setQuitOnLastWindowClosed(false);

    orbalis::ui::Desktop desktop(
        [](QWidget &window) { return std::make_unique<orbalis::ui::QtPrompter>(window); },
        {orbalis::dataDirectory(), orbalis::builtInThesaurusPath(), orbalis::lexiconPath(),
         orbalis::namesPath()});
    QObject::connect(&desktop, &orbalis::ui::Desktop::quitRequested, app.get(), &QApplication::quit,
                     Qt::QueuedConnection);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const std::string path = orbalis::ui::toLocalPath(arguments.at(1));
        QObject::connect(&desktop, &orbalis::ui::Desktop::mainWindowCreated, &desktop,
                         [path](orbalis::ui::Morphologique *window) {
                             // Once the window is on screen, so that a question has a parent.
                             QTimer::singleShot(0, window, [window, path] { window->loadTextFrom(path); });
                         });
    }

    desktop.showSplash();
    return QApplication::exec();
}
