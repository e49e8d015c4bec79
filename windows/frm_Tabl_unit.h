#pragma once

#include <QDialog>
#include <QFont>

class DrawGrid;
class QComboBox;
class QPainter;
class ToleranceTableModel;

// All forty tolerance fields against all twenty-eight size ranges, in micrometres.
class Tfrm_Table : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Table(QWidget* parent = nullptr);
    // The main window's type filter, read at every painting for the column order.
    void setTypeFilter(const QComboBox* typeFilter);

    // Whether the window may take this outer size.
    bool FormCanResize(int newWidth, int newHeight) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void DrawGrid1DrawCell(QPainter& painter, int column, int row, const QRect& rect, bool selected, bool fixed);
    void DrawCentredText(QPainter& painter, const QString& text, const QRect& rect, int offset);
    void FormResize();
    // Smallest client size whose outer size FormCanResize allows, with the
    // window manager's frame as it stands.
    void applyMinimumSize();

    DrawGrid* DrawGrid1 = nullptr;
    ToleranceTableModel* m_cells = nullptr;
    QFont m_boldFont;
    QFont m_normalFont;
};

extern Tfrm_Table* frm_Table;
