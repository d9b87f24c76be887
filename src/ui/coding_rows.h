// How the keypads and the reference cards show the coding system: frames of rows, each row a code
// label in dark red, a caption in blue and, on a keypad, an option button at its right end.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QRadioButton>
#include <QWidget>

#include <span>

#include "records/coding_system.h"

class QVBoxLayout;

namespace orbalis::ui {

inline const QColor kCodeRed{0xC0, 0x00, 0x00};      // code labels
inline const QColor kCaptionBlue{0x00, 0x00, 0xFF};  // captions

// One row: "  N1 :", "Sostantivo 1er declinazione" and the option (when asked for). The option
// shows no text: its accessible name says its row's code and caption, or "Cancella" and the group.
class CodingRow : public QWidget {
    Q_OBJECT
public:
    CodingRow(const QString &codeLabel, const QString &caption, bool withOption, QWidget *parent);

    QLabel *codeLabel() const { return m_code; }
    QLabel *captionLabel() const { return m_caption; }
    QRadioButton *option() const { return m_option; }  // null on a card
    // Code labels of one frame share a width, so the captions line up.
    void setCodeWidth(int width);

private:
    QLabel *m_code;
    QLabel *m_caption;
    QRadioButton *m_option = nullptr;
};

// A light yellow frame captioned `title` ("&&" shows one "&"), its rows stacked in `layout`.
QGroupBox *codingFrame(const QString &title, QWidget *parent);
QVBoxLayout *rowsLayout(QGroupBox *frame);

// Adds the rows of `codes` (category labels for the category table, descriptor labels for the
// rest), with a wider gap between visual groups; with `options`, each row has an option, and a
// clear row captioned "Cancella" ends the group. Returns the rows, clear row last.
QList<CodingRow *> addCodingRows(QGroupBox *frame, std::span<const coding::Code> codes, bool categoryLabels,
                                 bool options);
// Gives the code labels of `rows` the width of the widest.
void alignCodeLabels(const QList<CodingRow *> &rows);

// The short horizontal line between the person and the number rows, or across a card.
QFrame *horizontalLine(QWidget *parent);

}  // namespace orbalis::ui
