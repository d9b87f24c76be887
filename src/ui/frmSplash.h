// The start window: the titles and credits, until 3000 ms have passed or the user presses a key
// or clicks it; then it unloads itself and hands over to the main window, once.
#pragma once

#include <QTimer>
#include <QWidget>

class QFrame;
class QLabel;

namespace orbalis::ui {

class Desktop;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(Desktop &desktop, QWidget *parent = nullptr);

    QFrame *Frame1;   // fills the window; a click hands over
    QLabel *Label5;   // "ORBALIS", on top; a click hands over
    QLabel *Label1;   // "ORBALIS", its shadow; a click does nothing
    QLabel *Label8;   // "Analisi morfologica", on top; a click hands over
    QLabel *Label6;   // "Analisi morfologica", its shadow; a click does nothing
    QLabel *Label2;   // the version
    QLabel *Label9;   // the date; a click does nothing
    QLabel *Label3;   // the systems
    QLabel *Label4;   // the credit line
    QLabel *Image1;   // the picture
    QLabel *imgLogo;  // the logo
    QLabel *Label7;   // a coloured band; a click does nothing
    QTimer Timer1;    // 3000 ms from the moment the window is shown

    // The hand-over to the main window; runs once, whatever starts it.
    void showMainWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Desktop &m_desktop;
    bool m_handedOver = false;
};

}  // namespace orbalis::ui
