// A table view whose first column stays in view when the table scrolls sideways: a second view
// showing only column 0 lies over the left edge and scrolls up and down with the main one.
#pragma once

#include <QTableView>

namespace orbalis::ui {

class FrozenColumnView : public QTableView {
    Q_OBJECT
public:
    explicit FrozenColumnView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // The overlay that shows column 0.
    QTableView *frozenView() const { return m_frozen; }
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void updateFrozenColumns();
    void updateFrozenGeometry();

    QTableView *m_frozen;
};

}  // namespace orbalis::ui
