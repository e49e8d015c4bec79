// The thread hole table window: all 121 threads in a read-only grid, the lines
// of alternate diameters shaded and the coarse pitches in magenta. Created once,
// shown modally from the thread tab, hidden when closed.
#pragma once

#include <QDialog>

#include "BuiltOnFirstShowing.h"

class QStatusBar;
class SheetView;
class RezbaCellDelegate;
class RezbaCornerCell;
class RezbaHeaderView;
class RezbaTableModel;
struct TableSheet;

class Tfrm_RezbTabl : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_RezbTabl(QWidget* parent = nullptr);

    SheetView* strgrd_Rezba = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    RezbaTableModel* tableModel() const { return m_model; }
    // The fixed top-left cell " №" (a widget of the grid; null until first shown).
    QWidget* cornerCell() const;

    void setVisible(bool visible) override;

protected:
    void buildControls() override;

private:
    void FormCreate();
    void centreOverMainWindow();
    // The whole table with the column widths as they stand, for printing.
    TableSheet sheet() const;

    RezbaTableModel* m_model = nullptr;
    RezbaCellDelegate* m_delegate = nullptr;
    RezbaHeaderView* m_columnHeader = nullptr;
    RezbaHeaderView* m_rowNumbers = nullptr;
    RezbaCornerCell* m_corner = nullptr;
};
