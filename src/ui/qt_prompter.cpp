#include "ui/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/text_codec.h"

namespace orbalis::ui {

namespace {

QString titleOf(const std::string &title) {
    return title.empty() ? QString::fromLatin1(kApplicationTitle) : fromCp1252(title);
}

// The window the question belongs to: the one the user is working in.
QWidget *owner() {
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}

}  // namespace

QString filterLabel(const std::string &filter) {
    const auto bar = filter.find('|');
    return fromCp1252(std::string_view(filter).substr(0, bar));
}

bool QtPrompter::askYesNo(const std::string &title, const std::string &text) {
    QMessageBox box(QMessageBox::NoIcon, titleOf(title), fromCp1252(text), QMessageBox::Yes | QMessageBox::No,
                    owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::inform(const std::string &title, const std::string &text, Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    titleOf(title), fromCp1252(text), QMessageBox::Ok, owner());
    box.exec();
}

std::optional<std::string> QtPrompter::chooseFile(FileRole role, const std::string &filter) {
    QFileDialog dialog(owner());
    // Qt's own dialog matches the filter's patterns whatever the case of the names ("*.DAT"
    // offers "mio.dat"); a platform dialog might not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The commands ask their own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(role == FileRole::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(role == FileRole::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filterLabel(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toLocalPath(dialog.selectedFiles().constFirst());
}

}  // namespace orbalis::ui
