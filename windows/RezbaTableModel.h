// The thread hole table as the grid strgrd_Rezba shows it. Grid row i (1..121)
// is model row i - 1; grid columns 1..5 are model columns 0..4. The fixed
// column 0 (the row number) is the vertical header and the fixed row 0 the
// horizontal header; the corner cell's text is cornerText().
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

class RezbaTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RezbaTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display, font (bold), alignment (centred, top), foreground (magenta in a
    // coarse line; none: the grid's own text colour) and background (pale green
    // for an even band; none: the grid's own colour).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QString cornerText() const;

private:
    QVariant textAttribute(int role) const;

    // Written once at creation, as the grid's cells are.
    struct Line {
        std::array<QString, 6> cells;
        bool coarse = false;
        bool shaded = false;
    };
    std::array<QString, 6> m_header;
    std::vector<Line> m_lines;
};
