#include "ui/frmSplash.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "ui/desktop.h"
#include "ui/title_banner.h"

namespace orbalis::ui {

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

void setTextColour(QLabel *label, const QColor &colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// A column drawn in the light of a temple front: the splash's picture, 100 x 220 pixels.
QPixmap columnPicture() {
    QPixmap picture(100, 220);
    picture.fill(kLightYellow);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor stone(0xE8, 0xDC, 0xB8), shade(0xB0, 0xA0, 0x80);
    painter.setPen(shade);
    painter.setBrush(stone);
    painter.drawRect(10, 8, 80, 14);      // abacus
    painter.drawEllipse(12, 18, 22, 18);  // volutes
    painter.drawEllipse(66, 18, 22, 18);
    painter.drawRect(24, 34, 52, 150);                                 // shaft
    for (int x = 32; x < 76; x += 8) painter.drawLine(x, 38, x, 180);  // flutes
    painter.drawRect(16, 184, 68, 12);                                 // base
    painter.drawRect(8, 196, 84, 16);                                  // plinth
    return picture;
}

// The logo: the initial of the project's name in a laurel-coloured ring.
QPixmap logoPicture() {
    QPixmap logo(72, 72);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x70, 0x30), 5));
    painter.setBrush(kBannerBand);
    painter.drawEllipse(4, 4, 64, 64);
    painter.setPen(Qt::white);
    painter.setFont(serifFont(28, true));
    painter.drawText(QRect(4, 4, 64, 64), Qt::AlignCenter, QStringLiteral("O"));
    return logo;
}

}  // namespace

frmSplash::frmSplash(Desktop &desktop, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_desktop(desktop) {
    setObjectName(QStringLiteral("frmSplash"));
    setAccessibleName(QStringLiteral("ORBALIS"));
    setFixedSize(560, 320);
    setBackground(this, kLightYellow);
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(6, 6, 548, 308);

    Image1 = makeLabel(Frame1, "Image1", {}, QRect(16, 44, 100, 220));
    Image1->setPixmap(columnPicture());
    Image1->setAccessibleName(QStringLiteral("Colonna"));
    Label7 = makeLabel(Frame1, "Label7", {}, QRect(136, 12, 398, 10));
    setBackground(Label7, kBannerBand);

    // Each title is two labels at the same place: a dark shadow and the title over it.
    Label1 = makeLabel(Frame1, "Label1", QStringLiteral("ORBALIS"), QRect(138, 32, 300, 44));
    Label5 = makeLabel(Frame1, "Label5", QStringLiteral("ORBALIS"), QRect(136, 30, 300, 44));
    Label6 = makeLabel(Frame1, "Label6", QStringLiteral("Analisi morfologica"), QRect(138, 84, 400, 40));
    Label8 = makeLabel(Frame1, "Label8", QStringLiteral("Analisi morfologica"), QRect(136, 82, 400, 40));
    for (QLabel *title : {Label1, Label5}) title->setFont(serifFont(24, true));
    for (QLabel *title : {Label6, Label8}) title->setFont(serifFont(20.25, true));
    setTextColour(Label1, kDarkBlue);
    setTextColour(Label6, kDarkBlue);
    setTextColour(Label5, kBannerBand);
    setTextColour(Label8, kBannerBand);

    imgLogo = makeLabel(Frame1, "imgLogo", {}, QRect(456, 40, 72, 72));
    imgLogo->setPixmap(logoPicture());
    imgLogo->setAccessibleName(QStringLiteral("Logo"));
    Label2 = makeLabel(Frame1, "Label2", QStringLiteral("Version 3.5"), QRect(136, 150, 200, 22));
    Label9 = makeLabel(Frame1, "Label9", QStringLiteral("Octobre 2001"), QRect(136, 174, 200, 22));
    Label3 =
        makeLabel(Frame1, "Label3", QStringLiteral("Windows 95, 98, NT et 2000"), QRect(136, 198, 300, 22));
    Label4 = makeLabel(Frame1, "Label4", QStringLiteral("Progetto Orbalis - analisi morfologica del latino"),
                       QRect(136, 262, 400, 22));

    for (QWidget *starter :
         std::initializer_list<QWidget *>{Frame1, Image1, imgLogo, Label2, Label3, Label4, Label5, Label8})
        starter->installEventFilter(this);
    for (QWidget *inert : std::initializer_list<QWidget *>{Label1, Label6, Label7, Label9})
        inert->installEventFilter(this);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(3000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::showMainWindow);
}

void frmSplash::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (const QScreen *screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    if (!m_handedOver && !Timer1.isActive()) Timer1.start();
    activateWindow();
    setFocus();
}

void frmSplash::keyPressEvent(QKeyEvent *event) {
    // Every key that types a character, Enter, Escape and Backspace among them; not a bare Shift,
    // Control or function key.
    const QString typed = event->text();
    const bool control = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Escape || event->key() == Qt::Key_Backspace;
    if (control || (!typed.isEmpty() && typed.at(0).isPrint())) {
        showMainWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    // The shadows, the date and the band take the click without handing over.
    if (watched != Label1 && watched != Label6 && watched != Label7 && watched != Label9) showMainWindow();
    return true;
}

void frmSplash::showMainWindow() {
    if (m_handedOver) return;
    m_handedOver = true;
    Timer1.stop();
    m_desktop.unload(objectName());
    m_desktop.showMainWindow();
}

}  // namespace orbalis::ui
