// Makes one picture of the program for the README: starts the windows as the program
// does, drives them with real input events and saves a window as the display shows it.
//
//   dopusk-pictures OUT.png STEP...
//
// The steps run in their order, with the event loop running between them (a window that
// opens modally keeps them going). Controls are named by their objectName:
//   tab:TABS:N          click tab N (from 0) of the tab widget TABS
//   type:BOX:TEXT       click into the line edit BOX (an editable combo box's edit too),
//                       select all, type TEXT key by key and press Enter
//   click:CONTROL       click the middle of CONTROL
//   dclick:CONTROL      double-click the middle of CONTROL
//   row:LIST:N          click row N (from 0) of the list LIST
//   wait:MS             let the event loop run MS milliseconds
//   grab:WINDOW         save WINDOW (default: the main window, Form1) and end
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "StartUp.h"
#include "frm_Main_Unit.h"

namespace {

QWidget* findControl(const QString& name)
{
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

void typeInto(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else // a letter beyond ASCII, as a Russian keyboard layout sends it
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, {});
    }
    QTest::keyClick(box, Qt::Key_Return);
}

// The window as the display shows it; the window's own rendering where the display
// gives nothing back.
bool save(QWidget* window, const QString& file)
{
    window->raise();
    window->activateWindow();
    QApplication::processEvents();
    QPixmap picture;
    if (QScreen* screen = window->screen())
        picture = screen->grabWindow(window->winId());
    if (picture.isNull() || picture.size() != window->size() * window->devicePixelRatio())
        picture = window->grab();
    return picture.save(file, "PNG");
}

class Steps : public QObject {
public:
    Steps(QString out, QStringList steps)
        : m_out(std::move(out))
        , m_steps(std::move(steps))
    {
    }
    void next(int afterMs = 100) { QTimer::singleShot(afterMs, this, [this] { runOne(); }); }

private:
    void runOne()
    {
        if (m_steps.isEmpty())
            m_steps << QStringLiteral("grab:Form1");
        const QString step = m_steps.takeFirst();
        const QStringList parts = step.split(QLatin1Char(':'));
        const QString what = parts.value(0);
        QWidget* control = findControl(parts.value(1, QStringLiteral("Form1")));
        if (!control && what != QLatin1String("wait"))
            return stop(QStringLiteral("no control named %1").arg(parts.value(1)));
        const QString argument = parts.mid(2).join(QLatin1Char(':'));
        if (what == QLatin1String("wait"))
            return next(parts.value(1).toInt());
        // The next step is due before this one acts: a click that opens a window modally
        // returns only when that window closes.
        if (what != QLatin1String("grab"))
            next();
        if (what == QLatin1String("tab")) {
            auto* tabs = qobject_cast<QTabWidget*>(control);
            if (!tabs)
                return stop(parts.value(1) + QStringLiteral(" is not a tab widget"));
            QTabBar* bar = tabs->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(argument.toInt()).center());
        } else if (what == QLatin1String("type")) {
            auto* box = qobject_cast<QLineEdit*>(control);
            if (auto* combo = qobject_cast<QComboBox*>(control))
                box = combo->lineEdit();
            if (!box)
                return stop(parts.value(1) + QStringLiteral(" takes no typing"));
            typeInto(box, argument);
        } else if (what == QLatin1String("click")) {
            QTest::mouseClick(control, Qt::LeftButton);
        } else if (what == QLatin1String("dclick")) {
            QTest::mouseDClick(control, Qt::LeftButton);
        } else if (what == QLatin1String("row")) {
            auto* list = qobject_cast<QListWidget*>(control);
            if (!list || !list->item(argument.toInt()))
                return stop(QStringLiteral("no row %1 in %2").arg(argument, parts.value(1)));
            list->scrollToItem(list->item(argument.toInt()));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(argument.toInt())).center());
        } else if (what == QLatin1String("grab")) {
            if (!save(control->window(), m_out))
                return stop(QStringLiteral("cannot write ") + m_out);
            std::fflush(nullptr);
            std::_Exit(0); // also from within a window opened modally
        } else {
            return stop(QStringLiteral("unknown step ") + step);
        }
    }
    [[noreturn]] void stop(const QString& why)
    {
        std::fprintf(stderr, "dopusk-pictures: %s\n", qPrintable(why));
        std::fflush(nullptr);
        std::_Exit(1);
    }

    QString m_out;
    QStringList m_steps;
};

} // namespace

int main(int argc, char** argv)
{
    StartUp::ReadAhead readAhead;
    QApplication app(argc, argv);
    readAhead.applicationMade();
    StartUp::prepareApplication();
    if (argc < 2) {
        std::fprintf(stderr, "usage: dopusk-pictures OUT.png STEP...\n");
        return 2;
    }
    const std::unique_ptr<TForm1> mainWindow = StartUp::makeWindows(readAhead);
    mainWindow->show();
    QStringList steps;
    for (int i = 2; i < argc; ++i)
        steps << QString::fromLocal8Bit(argv[i]);
    Steps run(QString::fromLocal8Bit(argv[1]), steps);
    run.next(500); // the window shown and painted first
    return app.exec();
}
