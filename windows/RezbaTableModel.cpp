#include "RezbaTableModel.h"

#include "Rezba_Data_Unit.h"
#include "ThreadSelection.h"
#include "UiStyle.h"

namespace {

std::array<QString, 6> texts(const thread_calc::TableLine& line)
{
    std::array<QString, 6> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = QString::fromStdString(line[i]);
    return out;
}

} // namespace

RezbaTableModel::RezbaTableModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_header(texts(thread_calc::TableHeader()))
{
    m_lines.reserve(Rezba_Data_Unit::ThreadRowCount);
    for (int threadIndex = 1; threadIndex <= Rezba_Data_Unit::ThreadRowCount; ++threadIndex)
        m_lines.push_back({texts(thread_calc::TableRow(threadIndex)), thread_calc::IsCoarsePitch(threadIndex),
                           thread_calc::IsShadedBand(threadIndex)});
}

int RezbaTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int RezbaTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_header.size()) - 1;
}

QVariant RezbaTableModel::textAttribute(int role) const
{
    switch (role) {
    case Qt::FontRole:
        return UiStyle::sansFont(11, true);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop));
    default:
        return {};
    }
}

QVariant RezbaTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Line& line = m_lines[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return line.cells[static_cast<std::size_t>(index.column() + 1)];
    case Qt::ForegroundRole:
        return line.coarse ? QVariant(UiStyle::Magenta) : QVariant();
    case Qt::BackgroundRole:
        return line.shaded ? QVariant(UiStyle::PaleGreen) : QVariant();
    default:
        return textAttribute(role);
    }
}

QVariant RezbaTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        if (role == Qt::DisplayRole)
            return m_header[static_cast<std::size_t>(section + 1)];
        return textAttribute(role);
    }
    if (section < 0 || section >= rowCount())
        return {};
    const Line& line = m_lines[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return line.cells[0];
    // A coarse line's number is black; the other numbers keep the header's own
    // text colour, black as well.
    if (role == Qt::ForegroundRole)
        return line.coarse ? QVariant(UiStyle::Black) : QVariant();
    return textAttribute(role);
}

Qt::ItemFlags RezbaTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString RezbaTableModel::cornerText() const { return m_header[0]; }
