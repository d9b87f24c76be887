#include "ui/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
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

QStringList caseInsensitivePatterns(const std::string &filter) {
    const auto bar = filter.find('|');
    const QString patterns = bar == std::string::npos ? QString() : fromCp1252(filter.substr(bar + 1));
    QStringList result;
    for (const QString &pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString insensitive;
        for (const QChar c : pattern.trimmed()) {
            if (c.isLetter() && c.toLower() != c.toUpper())
                insensitive += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
            else
                insensitive += c;
        }
        result << insensitive;
    }
    return result;
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
    // Qt's own dialog, so that its name filter can be made case-insensitive below.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The commands ask their own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(role == FileRole::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(role == FileRole::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filterLabel(filter));
    // The label keeps "*.DAT", but on this platform names are case-sensitive: match "mio.dat" too.
    const QStringList patterns = caseInsensitivePatterns(filter);
    auto applyPatterns = [&dialog, &patterns] {
        if (auto *model = dialog.findChild<QFileSystemModel *>()) model->setNameFilters(patterns);
    };
    applyPatterns();
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, applyPatterns);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toLocalPath(dialog.selectedFiles().constFirst());
}

}  // namespace orbalis::ui
