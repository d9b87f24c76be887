#include "ui/qt_prompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/busy_cursor.h"
#include "ui/text_codec.h"

namespace orbalis::ui {

namespace {

QString titleOf(const std::string &title) {
    return title.empty() ? QString::fromLatin1(kApplicationTitle) : fromCp1252(title);
}

}  // namespace

QString filterLabel(const std::string &filter) {
    const auto bar = filter.find('|');
    return fromCp1252(std::string_view(filter).substr(0, bar));
}

QString filterExtension(const std::string &filter) {
    const auto bar = filter.find('|');
    if (bar == std::string::npos) return {};
    const QString pattern = fromCp1252(std::string_view(filter).substr(bar + 1));
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(QLatin1Char(';'))) return {};
    const QString extension = pattern.mid(2);
    return extension.contains(QLatin1Char('*')) ? QString() : extension;
}

bool QtPrompter::askYesNo(const std::string &title, const std::string &text) {
    WaitingForUser waiting;
    QMessageBox box(QMessageBox::NoIcon, titleOf(title), fromCp1252(text), QMessageBox::Yes | QMessageBox::No,
                    m_owner);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::inform(const std::string &title, const std::string &text, Icon icon) {
    WaitingForUser waiting;
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    titleOf(title), fromCp1252(text), QMessageBox::Ok, m_owner);
    box.exec();
}

std::optional<std::string> QtPrompter::chooseFile(FileRole role, const std::string &filter) {
    WaitingForUser waiting;
    QFileDialog dialog(m_owner);
    // Qt's own dialog matches the filter's patterns whatever the case of the names ("*.DAT"
    // offers "mio.dat"); a platform dialog might not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The commands ask their own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(role == FileRole::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(role == FileRole::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filterLabel(filter));
    // A file saved under a name without extension would be hidden by the filter of the dialog
    // that opens it again.
    if (role == FileRole::Save) dialog.setDefaultSuffix(filterExtension(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toLocalPath(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtPrompter::askText(const std::string &title, const std::string &label) {
    WaitingForUser waiting;
    QInputDialog dialog(m_owner);
    dialog.setWindowTitle(titleOf(title));
    dialog.setLabelText(fromCp1252(label));
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return toCp1252(dialog.textValue());
}

}  // namespace orbalis::ui
