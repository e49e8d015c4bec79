// The grid of a table window: one current cell (or line) that the window
// describes, and a block of cells or lines that may be selected from it for
// copying, by dragging, Shift+click or Shift+arrow keys, while the current
// cell stays where the block began. Ctrl+click chooses a cell as a plain
// click does, so the selection is never empty; Tab leaves the grid as in any
// dialog. Ctrl+C and the
// context menu copy the selection as tab-separated text; Ctrl+P opens the
// print preview of the whole table and Ctrl+S writes it to a PDF file.
#pragma once

#include <QTableView>

#include <functional>

#include "SheetPrint.h"

class QAction;

class SheetView : public QTableView {
    Q_OBJECT
public:
    static const char* const CopyText;
    static const char* const PrintText;
    static const char* const PdfText;

    explicit SheetView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The whole table as it is to be printed, asked for at each printing.
    void setSheet(std::function<TableSheet()> sheet) { m_sheet = std::move(sheet); }
    TableSheet sheet() const { return m_sheet ? m_sheet() : TableSheet{}; }

    // The selected cells, row by row, tab between cells; a cell's two lines
    // are joined by " / ", blanks around a text are dropped. Whole lines
    // start with their number from the row header. A window may give its own
    // text of the selected block instead.
    QString selectedText() const;
    // The text of the block of model rows `top` to `bottom` and columns `left` to `right`.
    using BlockText = std::function<QString(int top, int left, int bottom, int right)>;
    void setBlockText(BlockText blockText) { m_blockText = std::move(blockText); }

    // Scrolled to its end, the grid shows its first scrolling row and column
    // whole at the top left and leaves the rest of its area empty, rather than
    // putting the last row and column flush with the bottom and right edges.
    void setWholeCellsAtTopLeft(bool whole);

    // Asks where to write the PDF, given the suggested path; empty: not at all.
    // Qt's save dialog unless replaced (the tests answer it themselves).
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    QAction* copyAction() const { return m_copy; }
    QAction* printAction() const { return m_print; }
    QAction* pdfAction() const { return m_pdf; }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    void copySelection();
    void printPreview();
    void saveAsPdf();
    void keepSelection();
    void alignToWholeCells();
    // Runs a step of Qt's own selecting, which moves the current cell to the
    // end of the block, and puts the current cell back where it was.
    template <typename Step>
    void growBlock(Step step);
    QItemSelectionModel::SelectionFlags behaviourFlags() const;

    std::function<TableSheet()> m_sheet;
    FileChooser m_chooseFile;
    BlockText m_blockText;
    QAction* m_copy = nullptr;
    QAction* m_print = nullptr;
    QAction* m_pdf = nullptr;
    bool m_wholeCells = false;
    // The far corner of a block grown by Shift+arrow keys.
    QPersistentModelIndex m_blockEnd;
};
