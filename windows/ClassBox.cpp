#include "ClassBox.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTimer>
#include <memory>

#include "RowHeightDelegate.h"
#include "TypeAheadSearch.h"

namespace {

// The drop-down list of a class box: typed letters go to the row that starts with
// them in the case typed (a hole H7 and a shaft h7 differ by it alone).
class ClassListView : public QListView {
public:
    using QListView::QListView;
    void keyboardSearch(const QString& search) override
    {
        const int row = m_search.rowFor(search, model(), currentIndex().isValid() ? currentIndex().row() : -1);
        if (row >= 0)
            setCurrentIndex(model()->index(row, 0));
    }

private:
    TypeAheadSearch m_search;
};

} // namespace

ClassBox::ClassBox(iso286::Kind kind, QWidget* parent)
    : QComboBox(parent)
    , m_kind(kind)
{
    setModel(new QStringListModel(this));
    setView(new ClassListView);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // the typed text is read as it stands, never completed to a guess
    setMaxVisibleItems(20);
    RowHeightDelegate::apply(view(), 20, RowHeightDelegate::Rule::AtLeast);

    // An entry of the list writes its text into the box before it is activated:
    // the class that stood there is kept for "все поля…", which is no class.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_listsAll || currentIndex() != int(m_common.size()))
            m_class = text;
    });
    connect(this, &QComboBox::activated, this, &ClassBox::itemActivated);
    for (QWidget* source : {static_cast<QWidget*>(this), static_cast<QWidget*>(lineEdit())}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint& position) { showContextMenu(source, position); });
    }
}

QString ClassBox::allClassesText() { return tr("все поля…"); }
QString ClassBox::findEntryText() { return tr("Найти поле по отклонениям…"); }

void ClassBox::setClasses(const QStringList& common, const QStringList& all)
{
    if (common == m_common && all == m_all)
        return;
    m_common = common;
    m_all = all;
    showList(m_listsAll);
}

void ClassBox::showList(bool all)
{
    m_listsAll = all;
    QStringList items = all ? m_all : m_common;
    if (!all)
        items << allClassesText();
    const QSignalBlocker blocker(this);
    const QString typed = m_class;
    // Some five hundred classes: one list handed over, not an item at a time.
    static_cast<QStringListModel*>(model())->setStringList(items);
    const int row = findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(row >= 0 && (all || row < int(m_common.size())) ? row : -1);
    setEditText(typed);
}

void ClassBox::showPopup()
{
    const bool all = m_openAll;
    m_openAll = false;
    if (all != m_listsAll)
        showList(all);
    // The short list may be wider than the box: "все поля…" is read whole.
    const QFontMetrics metrics(font());
    const int margins = 2 * metrics.averageCharWidth(); // the row's own margins and the list's frame
    view()->setMinimumWidth(m_listsAll ? 0
                                       : metrics.horizontalAdvance(allClassesText()) + margins +
                                             view()->verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

void ClassBox::hidePopup()
{
    // The list closes before the entry chosen in it is activated.
    m_popupClosing = true;
    QTimer::singleShot(0, this, [this] { m_popupClosing = false; });
    QComboBox::hidePopup();
}

void ClassBox::itemActivated(int index)
{
    if (m_listsAll || index != int(m_common.size())) {
        emit classActivated();
        return;
    }
    // "все поля…": the class stays as it was, and from the open list every class opens.
    showList(false);
    if (!m_popupClosing)
        return; // stepped onto by the keys in the closed box
    QTimer::singleShot(0, this, [this] {
        m_openAll = true;
        showPopup();
    });
}

void ClassBox::showContextMenu(QWidget* source, const QPoint& position)
{
    const std::unique_ptr<QMenu> menu(lineEdit()->createStandardContextMenu());
    menu->addSeparator();
    QAction* find = menu->addAction(findEntryText());
    find->setEnabled(m_findEnabled);
    if (menu->exec(source->mapToGlobal(position)) == find)
        emit findRequested();
}
