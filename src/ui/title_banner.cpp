#include "ui/title_banner.h"

#include <QPalette>

namespace orbalis::ui {

void setBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont serifFont(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

TitleBanner::TitleBanner(QWidget *parent) : TitleBanner(QStringLiteral("Analisi morfologica"), 24, parent) {}

TitleBanner::TitleBanner(const QString &text, double points, QWidget *parent) : QLabel(text, parent) {
    setObjectName(QStringLiteral("titleBanner"));
    setAlignment(Qt::AlignCenter);
    setFont(serifFont(points, true));
    setBackground(this, kBannerBand);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setMargin(6);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

}  // namespace orbalis::ui
