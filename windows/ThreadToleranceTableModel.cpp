#include "ThreadToleranceTableModel.h"

#include "ThreadLimits.h"
#include "ThreadPlan.h"
#include "UiStyle.h"

namespace {

const QString Dash = QStringLiteral("—");

QString qs(const std::string& s) { return QString::fromStdString(s); }

} // namespace

ThreadToleranceTableModel::ThreadToleranceTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

QString ThreadToleranceTableModel::cornerText() { return tr("Резьба"); }

void ThreadToleranceTableModel::setClasses(const iso965::ThreadClass& nut, const iso965::ThreadClass& bolt)
{
    beginResetModel();
    m_nutClass = qs(nut.name());
    m_boltClass = qs(bolt.name());
    const std::vector<iso965::PlanThread>& threads = iso965::planThreads();
    m_lines.clear();
    m_lines.reserve(threads.size());
    for (const iso965::PlanThread& thread : threads) {
        const iso965::ThreadFit fit = iso965::threadFit(thread, nut, bolt);
        Line line;
        line.thread = qs(thread_texts::threadTitle(thread));
        line.firstChoice = thread.choice == 1;
        if (!fit.nut.defined)
            line.nutReason = qs(iso965::refusalText(fit.nut.refusal));
        if (!fit.bolt.defined)
            line.boltReason = qs(iso965::refusalText(fit.bolt.refusal));
        for (std::size_t i = 0; i < line.cells.size(); ++i) {
            const thread_texts::LimitText text =
                thread_texts::limitText(thread_texts::AllLimits[i], &fit.nut, &fit.bolt);
            line.cells[i] = text.value.empty() ? Dash : qs(text.value);
        }
        m_lines.push_back(std::move(line));
    }
    endResetModel();
}

int ThreadToleranceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int ThreadToleranceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : thread_texts::LimitCount;
}

QVariant ThreadToleranceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Line& line = m_lines[std::size_t(index.row())];
    const bool nutColumn = thread_texts::isNutLimit(thread_texts::AllLimits[std::size_t(index.column())]);
    switch (role) {
    case Qt::DisplayRole:
        return line.cells[std::size_t(index.column())];
    case Qt::ToolTipRole: {
        const QString& reason = nutColumn ? line.nutReason : line.boltReason;
        return reason.isEmpty() ? QVariant() : QVariant(reason);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

QVariant ThreadToleranceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        const thread_texts::Limit limit = thread_texts::AllLimits[std::size_t(section)];
        const bool nut = thread_texts::isNutLimit(limit);
        switch (role) {
        case Qt::DisplayRole:
            return qs(thread_texts::limitSymbol(limit));
        case Qt::ToolTipRole:
            return (nut ? tr("Гайка %1: ") : tr("Болт %1: ")).arg(nut ? m_nutClass : m_boltClass)
                   + qs(thread_texts::limitText(limit, nullptr, nullptr).hint);
        case Qt::ForegroundRole:
            return nut ? UiStyle::HoleColour : UiStyle::ShaftColour;
        default:
            return {};
        }
    }
    if (section < 0 || section >= rowCount())
        return {};
    const Line& line = m_lines[std::size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return line.thread;
    case Qt::FontRole:
        return UiStyle::sansFont(11, line.firstChoice);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

Qt::ItemFlags ThreadToleranceTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
