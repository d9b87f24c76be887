// The one look and behaviour of every grid the user sees (the workspaces' analysis grid, the
// browsers' results): a frozen form column, a fixed header of captions that selects nothing,
// whole rows highlighted, column widths as the core's grid gives them, and a row chosen only by
// the user: a click, or the arrow keys. Opening a window, giving the grid the focus or filling
// it chooses no row.
#pragma once

#include <cstddef>

#include "ui/frozen_column_view.h"

namespace orbalis::ui {

class GridModel;

class GridView : public FrozenColumnView {
    Q_OBJECT
public:
    // The grid is named `name` (its objectName) and `accessibleName` for a screen reader.
    GridView(QWidget *parent, const char *name, const QString &accessibleName);

    // Shows `model`, with the column widths of its grid.
    void setGridModel(GridModel *model);

    // Highlights grid row `gridRow` (0: none) without choosing it.
    void showChosenRow(std::size_t gridRow);

    // The widths of the core's grid, converted from 1/1440 inch to this screen's pixels.
    void applyColumnWidths();

signals:
    // The user chose grid row `gridRow` by a click or a key.
    void rowChosen(std::size_t gridRow);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void selectionMoved();

    GridModel *m_model = nullptr;
    bool m_byKey = false;
};

}  // namespace orbalis::ui
