#include "ui/text_codec.h"

#include <QLocale>

#include <QFile>

#include "text/encoding.h"

namespace orbalis::ui {

QString fromCp1252(std::string_view text) {
    // ASCII needs no conversion; most cells of a grid are plain ASCII.
    bool ascii = true;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const std::string utf8 = cp1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp1252(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), '?');
}

QString fromLocalPath(const std::string &path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string toLocalPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

QString italianCount(std::size_t count, const QString &one, const QString &many) {
    return QLocale(QLocale::Italian, QLocale::Italy).toString(qulonglong(count)) + u' ' +
           (count == 1 ? one : many);
}

}  // namespace orbalis::ui
