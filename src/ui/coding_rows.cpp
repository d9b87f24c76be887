#include "ui/coding_rows.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "records/descriptor_keypads.h"
#include "ui/text_codec.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

QLabel *colouredLabel(const QString &text, const QColor &colour, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

CodingRow::CodingRow(const QString &codeLabel, const QString &caption, bool withOption, QWidget *parent)
    : QWidget(parent) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The labels keep their blanks: "  N1 :" stands a little in from the frame.
    m_code = colouredLabel(codeLabel, kCodeRed, this);
    m_caption = colouredLabel(caption, kCaptionBlue, this);
    layout->addWidget(m_code);
    layout->addWidget(m_caption, 1);
    if (withOption) {
        m_option = new QRadioButton(this);
        layout->addWidget(m_option);
    }
}

void CodingRow::setCodeWidth(int width) {
    m_code->setFixedWidth(width);
}

QGroupBox *codingFrame(const QString &title, QWidget *parent) {
    auto *frame = new QGroupBox(title, parent);
    frame->setAccessibleName(QString(title).replace(QLatin1String("&&"), QLatin1String("&")));
    setBackground(frame, kLightYellow);
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(0);
    return frame;
}

QVBoxLayout *rowsLayout(QGroupBox *frame) {
    return static_cast<QVBoxLayout *>(frame->layout());
}

QList<CodingRow *> addCodingRows(QGroupBox *frame, std::span<const coding::Code> codes, bool categoryLabels,
                                 bool options) {
    QList<CodingRow *> rows;
    QVBoxLayout *layout = rowsLayout(frame);
    int visualGroup = codes.empty() ? 0 : codes.front().visualGroup;
    for (const coding::Code &code : codes) {
        if (code.visualGroup != visualGroup) layout->addSpacing(8);
        visualGroup = code.visualGroup;
        const std::string label =
            categoryLabels ? coding::categoryLabel(code.token) : coding::descriptorLabel(code.token);
        auto *row = new CodingRow(fromCp1252(label), fromCp1252(code.caption), options, frame);
        if (options) row->option()->setAccessibleName(fromCp1252(coding::optionName(code)));
        layout->addWidget(row);
        rows << row;
    }
    if (options) {
        auto *clear = new CodingRow(QString(), fromCp1252(coding::kClearCaption), true, frame);
        layout->addWidget(clear);
        rows << clear;
    }
    return rows;
}

void alignCodeLabels(const QList<CodingRow *> &rows) {
    int width = 0;
    for (const CodingRow *row : rows) width = std::max(width, row->codeLabel()->sizeHint().width());
    for (CodingRow *row : rows) row->setCodeWidth(width);
}

QFrame *horizontalLine(QWidget *parent) {
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace orbalis::ui
