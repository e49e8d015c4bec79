#include "SheetView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStandardPaths>

#include <algorithm>

const char* const SheetView::CopyText = QT_TR_NOOP("Копировать");
const char* const SheetView::PrintText = QT_TR_NOOP("Печать…");
const char* const SheetView::PdfText = QT_TR_NOOP("Сохранить в PDF…");

namespace {

QAction* addSheetAction(SheetView* view, const QString& text, QKeySequence keys, const char* name)
{
    auto* action = new QAction(text, view);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view->addAction(action);
    return action;
}

QString copiedCell(const QVariant& text)
{
    return text.toString().trimmed().replace(QLatin1Char('\n'), QStringLiteral(" / "));
}

} // namespace

SheetView::SheetView(QWidget* parent)
    : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    m_copy = addSheetAction(this, tr(CopyText), QKeySequence::Copy, "copyAction");
    m_print = addSheetAction(this, tr(PrintText), QKeySequence::Print, "printAction");
    m_pdf = addSheetAction(this, tr(PdfText), QKeySequence::Save, "pdfAction");
    connect(m_copy, &QAction::triggered, this, &SheetView::copySelection);
    connect(m_print, &QAction::triggered, this, &SheetView::printPreview);
    connect(m_pdf, &QAction::triggered, this, &SheetView::saveAsPdf);
}

void SheetView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    if (selectionModel())
        connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &SheetView::keepSelection);
}

QItemSelectionModel::SelectionFlags SheetView::behaviourFlags() const
{
    switch (selectionBehavior()) {
    case QAbstractItemView::SelectRows: return QItemSelectionModel::Rows;
    case QAbstractItemView::SelectColumns: return QItemSelectionModel::Columns;
    default: return QItemSelectionModel::NoUpdate;
    }
}

QItemSelectionModel::SelectionFlags SheetView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // Ctrl+click would add a cell apart from the block or take the only one away.
    if (event && event->type() == QEvent::MouseButtonPress) {
        const auto modifiers = static_cast<const QInputEvent*>(event)->modifiers();
        if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::ShiftModifier))
            return QItemSelectionModel::ClearAndSelect | behaviourFlags();
    }
    return QTableView::selectionCommand(index, event);
}

void SheetView::keepSelection()
{
    if (!selectionModel()->hasSelection() && currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect | behaviourFlags());
}

template <typename Step>
void SheetView::growBlock(Step step)
{
    const QPersistentModelIndex current = currentIndex();
    step();
    m_blockEnd = currentIndex();
    if (current.isValid() && current != currentIndex()) {
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        scrollTo(m_blockEnd);
    }
}

void SheetView::keyPressEvent(QKeyEvent* event)
{
    // The keys of the actions, should their shortcuts not have fired (the
    // window not yet active again after a dialog of its own).
    for (QAction* action : {m_copy, m_print, m_pdf})
        if (QKeySequence(event->keyCombination()) == action->shortcut()) {
            action->trigger();
            return;
        }
    if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        growBlock([&] {
            // The block grows from its far corner, not from the current cell.
            if (m_blockEnd.isValid() && selectionModel()->isSelected(m_blockEnd))
                selectionModel()->setCurrentIndex(m_blockEnd, QItemSelectionModel::NoUpdate);
            QTableView::keyPressEvent(event);
        });
        return;
    }
    m_blockEnd = QPersistentModelIndex();
    QTableView::keyPressEvent(event);
}

void SheetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier)) {
        growBlock([&] { QTableView::mousePressEvent(event); });
        return;
    }
    m_blockEnd = QPersistentModelIndex();
    QTableView::mousePressEvent(event);
}

void SheetView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons().testFlag(Qt::LeftButton)) {
        growBlock([&] { QTableView::mouseMoveEvent(event); });
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void SheetView::setWholeCellsAtTopLeft(bool whole)
{
    m_wholeCells = whole;
    alignToWholeCells();
}

void SheetView::alignToWholeCells()
{
    if (!m_wholeCells)
        return;
    if (horizontalScrollMode() == ScrollPerItem)
        horizontalHeader()->setOffsetToSectionPosition(horizontalScrollBar()->value());
    if (verticalScrollMode() == ScrollPerItem)
        verticalHeader()->setOffsetToSectionPosition(verticalScrollBar()->value());
    viewport()->update();
}

void SheetView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    alignToWholeCells();
}

void SheetView::updateGeometries()
{
    QTableView::updateGeometries();
    alignToWholeCells();
}

QString SheetView::selectedText() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (selected.isEmpty())
        return {};
    int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    if (m_blockText)
        return m_blockText(top, left, bottom, right);
    const bool wholeLines = selectionBehavior() == QAbstractItemView::SelectRows;
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        if (wholeLines)
            cells << copiedCell(model()->headerData(row, Qt::Vertical));
        for (int column = left; column <= right; ++column) {
            const QModelIndex index = model()->index(row, column);
            cells << (selectionModel()->isSelected(index) ? copiedCell(index.data()) : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void SheetView::copySelection()
{
    QApplication::clipboard()->setText(selectedText());
}

void SheetView::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    SheetPrint::setUpPage(printer);
    const TableSheet table = sheet();
    printer.setDocName(table.title);
    QPrintPreviewDialog preview(&printer, window());
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(tr(PrintText));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&table](QPrinter* target) { SheetPrint::paint(*target, table); });
    preview.exec();
}

void SheetView::saveAsPdf()
{
    const TableSheet table = sheet();
    const QString name = table.title.section(QLatin1Char('('), 0, 0).trimmed() + QStringLiteral(".pdf");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(name);
    QString path = m_chooseFile ? m_chooseFile(window(), suggested)
                                : QFileDialog::getSaveFileName(window(), tr(PdfText), suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    SheetPrint::writePdf(table, path);
}
