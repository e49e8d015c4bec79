#pragma once

#include <QDialog>

#include "BuiltOnFirstShowing.h"
#include "FieldFilter.h"

class SheetView;
class TablCornerCells;
class ToleranceTableModel;
struct TableSheet;

// All forty tolerance fields against all twenty-eight size ranges, in micrometres.
class Tfrm_Table : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_Table(QWidget* parent = nullptr);
    // The item of the main window's type filter, which chooses the column order.
    void setTypeFilter(tolerance::TypeFilterItem item);

    // Whether the window may take this outer size.
    bool FormCanResize(int newWidth, int newHeight) const;

    SheetView* DrawGrid1 = nullptr;
    ToleranceTableModel* tableModel() const { return m_cells; }
    // The fixed top-left cells "Новое обозн." and "Старое обозн." (a widget of the grid;
    // null until the window is first shown).
    QWidget* cornerCells() const;

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void FormResize();
    // The whole table in the column order in effect, for printing.
    TableSheet sheet() const;
    // Smallest client size whose outer size FormCanResize allows, with the
    // window manager's frame as it stands.
    void applyMinimumSize();

    ToleranceTableModel* m_cells = nullptr;
    TablCornerCells* m_corner = nullptr;
};
