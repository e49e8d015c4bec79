// Start-up in process: each secondary window's construction at start-up, every page's
// first opening and every window's first showing, beside bare Qt counterparts. A
// process has one first showing of each, so the figures are the medians of several
// processes of the benchmark program (BENCH_FIRST_SHOWING_RUNS, 7 by default), started
// again in a mode that measures them only.
#include "BenchSupport.h"

#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <map>

#include "Median.h"
#include "SheetView.h"
#include "ToleranceTableCells.h"
#include "frm_Main_Unit.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"

namespace {

// Paint events of a widget or of any widget inside it, seen by an application-wide
// filter: the controls a window makes at its first showing do not exist before it,
// and a window wholly covered by opaque controls gets no paint event of its own.
class TreePaintCounter : public QObject {
public:
    explicit TreePaintCounter(QWidget* root)
        : m_root(root)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget == m_root || m_root->isAncestorOf(widget))
                ++count;
        }
        return false;
    }

private:
    QWidget* m_root;
};

// When each child of a widget began to be constructed, while `construct` ran: a
// widget's base constructor tells its parent of it, so one window's construction
// ends where the next one's begins.
class ConstructionClock : public QObject {
public:
    ConstructionClock(QObject* parent, const std::function<void()>& construct)
    {
        parent->installEventFilter(this);
        construct();
        parent->removeEventFilter(this);
        m_end = Clock::now();
    }

    // From the start of `window` to the next start of another of `windows` (the last:
    // to the end of `construct`), whatever came between included. -1 if not seen.
    double constructionNs(const QWidget* window, const std::vector<const QWidget*>& windows) const
    {
        const auto begun = std::find_if(m_starts.begin(), m_starts.end(),
                                        [window](const auto& start) { return start.first == window; });
        if (begun == m_starts.end())
            return -1;
        const auto next = std::find_if(begun + 1, m_starts.end(), [&](const auto& start) {
            return start.first != window && std::find(windows.begin(), windows.end(), start.first) != windows.end();
        });
        const Clock::time_point end = next == m_starts.end() ? m_end : next->second;
        return std::chrono::duration<double, std::nano>(end - begun->second).count();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded)
            m_starts.emplace_back(static_cast<QChildEvent*>(event)->child(), Clock::now());
        return false;
    }

private:
    std::vector<std::pair<const QObject*, Clock::time_point>> m_starts;
    Clock::time_point m_end;
};

QTableWidget* makeStockTable(QDialog& dialog, QSize size, int rows, int columns)
{
    auto* table = new QTableWidget(rows, columns, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString::number(r * 7 - c * 3)));
    dialog.resize(size);
    return table;
}

// From `open` until `shown`, or anything in it, has painted, in ns: the frame of that
// paint is painted whole before control returns to the event loop.
double untilPainted(QWidget* shown, const std::function<void()>& open)
{
    TreePaintCounter counter(shown);
    const auto start = Clock::now();
    open();
    if (!waitForPaint(counter, 0))
        std::fprintf(stderr, "%s was not painted\n", qPrintable(shown->objectName()));
    return secondsSince(start) * 1e9;
}

// The first showing of a window, its construction included: `constructionNs`, then
// shown until painted, and hidden again.
Once firstShowing(const char* name, QWidget* window, double constructionNs)
{
    const double shownNs = untilPainted(window, [window] { window->show(); });
    window->hide();
    settle();
    return {std::string(name) + ", construction incl.", constructionNs + shownNs, 0, constructionNs, shownNs};
}

// A bare dialog made (under the clock) by `make`, then shown until painted: the
// baseline of a window's first showing. Hidden again.
double bareFirstShowing(QDialog& dialog, const std::function<void()>& make)
{
    const auto start = Clock::now();
    make();
    const double madeNs = secondsSince(start) * 1e9;
    const double ns = madeNs + untilPainted(&dialog, [&dialog] { dialog.show(); });
    dialog.hide();
    settle();
    return ns;
}

// A bare dialog of `size` with one label, made and shown until painted.
double bareLabelFirstShowing(QSize size)
{
    QDialog dialog(g_main);
    return bareFirstShowing(dialog, [&] {
        auto* label = new QLabel(QStringLiteral("Квалитет 0"), &dialog);
        label->move(8, 8);
        dialog.resize(size);
    });
}

// The environment variable that makes this program measure the first showings only
// and print them, one tab-separated line each, for the process that started it.
constexpr const char* FirstShowingsOnly = "DOPUSK_BENCH_FIRST_SHOWINGS_ONLY";

} // namespace

// The first showings measured in BENCH_FIRST_SHOWING_RUNS (by default 7) processes of
// this program: each figure the median of its processes. `measured` gives the titles
// and order; a figure that no process reported keeps this process's own.
std::vector<Once> firstShowingMedians(const char* program, std::vector<Once> measured)
{
    const int asked = qEnvironmentVariableIntValue("BENCH_FIRST_SHOWING_RUNS");
    const int runs = asked > 0 ? asked : 7;
    std::map<std::string, std::vector<std::vector<double>>> samples; // title -> runs -> 4 figures
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(FirstShowingsOnly), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QString::fromLocal8Bit(program), {});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "a first-showing run failed\n");
            continue;
        }
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() != 5)
                continue;
            std::vector<double> figures;
            for (int i = 1; i < 5; ++i)
                figures.push_back(fields[i].toDouble());
            samples[fields[0].toStdString()].push_back(figures);
        }
    }
    for (Once& figure : measured) {
        const auto found = samples.find(figure.title);
        if (found == samples.end())
            continue;
        double* fields[] = {&figure.ns, &figure.baselineNs, &figure.constructionNs, &figure.shownNs};
        for (int i = 0; i < 4; ++i) {
            std::vector<double> values;
            for (const std::vector<double>& run : found->second)
                values.push_back(run[std::size_t(i)]);
            *fields[i] = median(values);
        }
        figure.processes = int(found->second.size());
    }
    return measured;
}

std::vector<WindowConstruction> createSecondaryWindowsTimed(TForm1* mainWindow)
{
    const QObjectList before = mainWindow->children();
    const ConstructionClock clock(mainWindow, [mainWindow] { createSecondaryWindows(mainWindow); });
    std::vector<const QWidget*> windows; // in the order of their making
    for (const QObject* child : mainWindow->children())
        if (!before.contains(child) && child->isWidgetType() && static_cast<const QWidget*>(child)->isWindow())
            windows.push_back(static_cast<const QWidget*>(child));
    std::vector<WindowConstruction> constructions;
    for (const QWidget* window : windows)
        constructions.push_back({const_cast<QWidget*>(window), clock.constructionNs(window, windows)});
    return constructions;
}

std::vector<Once> firstShowings(TForm1& mainWindow, Bare& bare, const std::vector<WindowConstruction>& constructions)
{
    std::vector<Once> once;
    // A page's controls are made at its first opening: its tab clicked until the page
    // has painted, beside the same click on a stock tab widget.
    for (int tab = 1; tab < ui().PageControl1->count(); ++tab) {
        const auto open = [tab](QTabWidget* tabs) {
            QTabBar* bar = tabs->tabBar();
            const double ns = untilPainted(tabs->widget(tab), [bar, tab] {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
            });
            tabs->setCurrentIndex(0);
            settle();
            return ns;
        };
        const QString title = QStringLiteral("%1 page (%2)")
                                  .arg(ui().PageControl1->tabText(tab).remove(QLatin1Char('&')),
                                       ui().PageControl1->widget(tab)->objectName());
        const double ns = open(ui().PageControl1);
        once.push_back({title.toStdString(), ns, open(&bare.tabs)});
    }
    // A window's baseline is a bare dialog of its size with one label; the stock tables
    // take the sizes of the program's tables.
    for (const WindowConstruction& made : constructions) {
        if (made.constructionNs < 0) {
            std::fprintf(stderr, "the construction of %s was not seen\n", made.window->metaObject()->className());
            return {};
        }
        once.push_back(firstShowing(made.window->metaObject()->className(), made.window, made.constructionNs));
        if (made.window == g_main->frm_Table()) {
            once.back().baselineNs = bareFirstShowing(bare.tableDialog, [&bare] {
                bare.table = makeStockTable(bare.tableDialog, g_main->frm_Table()->size(), tolerance_table::GridRows,
                                            tolerance_table::GridColumns);
            });
        } else if (made.window == g_main->frm_RezbTabl()) {
            const QAbstractItemModel* threads = g_main->frm_RezbTabl()->strgrd_Rezba->model();
            once.back().baselineNs = bareFirstShowing(bare.threadDialog, [&bare, threads] {
                bare.threadTable = makeStockTable(bare.threadDialog, g_main->frm_RezbTabl()->size(), threads->rowCount(),
                                                  threads->columnCount());
            });
        } else {
            once.back().baselineNs = bareLabelFirstShowing(made.window->size());
        }
    }
    return once;
}

bool reportFirstShowingsOnly(const std::vector<Once>& once)
{
    if (!qEnvironmentVariableIsSet(FirstShowingsOnly))
        return false;
    for (const Once& figure : once)
        std::printf("%s\t%.0f\t%.0f\t%.0f\t%.0f\n", figure.title.c_str(), figure.ns, figure.baselineNs,
                    figure.constructionNs, figure.shownNs);
    return true;
}
