#include "TypeAheadSearch.h"

#include <QAbstractItemModel>
#include <QApplication>

#include "TypeAhead.h"

int TypeAheadSearch::rowFor(const QString& typed, const QAbstractItemModel* model, int currentRow)
{
    if (typed.isEmpty() || !model)
        return -1;
    std::vector<std::string> rows;
    rows.reserve(std::size_t(model->rowCount()));
    for (int row = 0; row < model->rowCount(); ++row)
        rows.push_back(model->index(row, 0).data().toString().toStdString());
    return rowFor(typed, rows, currentRow);
}

int TypeAheadSearch::rowFor(const QString& typed, const std::vector<std::string>& rows, int currentRow)
{
    if (typed.isEmpty())
        return -1;
    const bool continues = m_sinceLastKey.isValid() && m_sinceLastKey.elapsed() < QApplication::keyboardInputInterval();
    m_sinceLastKey.start();
    m_typed = continues ? m_typed + typed : typed;
    return tolerance::typeAheadRow(rows, m_typed.toStdString(), currentRow + (continues ? 0 : 1));
}
