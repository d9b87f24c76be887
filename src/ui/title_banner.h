// The look shared by the windows: the light yellow of windows and frames, and the title banner
// "Analisi morfologica" across the top of the main window, the workspaces and the about box.
#pragma once

#include <QColor>
#include <QLabel>

namespace orbalis::ui {

inline const QColor kLightYellow{0xFF, 0xFF, 0xC0};  // windows and frames
inline const QColor kBannerBand{0x80, 0x80, 0xFF};   // the banner's band
inline const QColor kDarkBlue{0x00, 0x00, 0xC0};     // captions in the windows' own forms

// Paints `widget`'s background in `colour`.
void setBackground(QWidget *widget, const QColor &colour);

// Bold Times New Roman of `points` points, or the system's serif font where that is missing.
QFont serifFont(double points, bool bold);

class TitleBanner : public QLabel {
    Q_OBJECT
public:
    explicit TitleBanner(QWidget *parent = nullptr);
    // A banner of the same look with its own text ("Sistema di codifica" over the keypads).
    TitleBanner(const QString &text, double points, QWidget *parent);
};

}  // namespace orbalis::ui
