// The thread tolerance table window: every thread of the ISO 261 plan with the
// limits of the nut and bolt classes chosen on the thread tolerance page, in a
// read-only sheet that copies as a spreadsheet table, prints on A4 with its
// headings on every page and saves a PDF. Shown modally, hidden when closed.
#pragma once

#include <QDialog>

#include "BuiltOnFirstShowing.h"
#include "ThreadClass.h"

class QLabel;
class SheetView;
class ThreadToleranceTableModel;
struct TableSheet;

class ThreadToleranceTable : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit ThreadToleranceTable(QWidget* parent = nullptr);

    // The classes whose limits the table shows; the title names them.
    void setClasses(const iso965::ThreadClass& nut, const iso965::ThreadClass& bolt);

    SheetView* strgrd_RezbDop = nullptr;
    QLabel* lb_RezbDopPodskazka = nullptr;

    ThreadToleranceTableModel* tableModel() const { return m_model; }
    // The whole table with the column widths as they stand, for printing.
    TableSheet sheet() const;

protected:
    void buildControls() override;

private:
    ThreadToleranceTableModel* m_model = nullptr;
};
