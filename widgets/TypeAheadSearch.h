// Type-ahead in an item view or a grid of designations: keys typed within the desktop's
// keyboard interval make one prefix, and the row it selects is the first that
// starts with it in the case typed (the hole H7 and the shaft h7 differ by it alone).
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <string>
#include <vector>

class QAbstractItemModel;

class TypeAheadSearch {
public:
    // The row of column 0 of `model` that the typed text selects, or -1: a longer
    // prefix may stay on the current row, a new one starts after it.
    int rowFor(const QString& typed, const QAbstractItemModel* model, int currentRow);
    // The same over a plain list of designations.
    int rowFor(const QString& typed, const std::vector<std::string>& rows, int currentRow);

private:
    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};
