// A seeded random-input soak of the real main window: tens of thousands of user
// events over the three pages and every secondary window, each followed by a check of
// what the window shows against a recomputation of its own from the visible inputs.
//
// Replay a run:  DOPUSK_SOAK_SEED=<seed> DOPUSK_SOAK_EVENTS=<n> frm_Main_Unit_soak_test
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMimeData>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <atomic>
#include <chrono>
#include <cmath>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include "ClassList.h"
#include "Data_Unit.h"
#include "ManualEntry.h"
#include "NumberText.h"
#include "Rezba_Data_Unit.h"
#include "UiStyle.h"
#include "frm_About_Unit.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "MainWindowControls.h"
#include "frm_Main_Unit.h"
#include "FitSchemeBox.h"
#include "frm_RezbTabl_Unit.h"
#include "Limits.h"
#include "frm_Tabl_unit.h"

using number::Decimal;

namespace {

const QString NoData = QStringLiteral("нет данных");

// ---- the rules, written from the program's description, independently of the window ----

struct Expected {
    QStringList rows;
    std::vector<int> fields;
};

// The field list for the three filter boxes.
Expected expectedList(int type, int quality, int letter)
{
    static const int qualities[] = {0, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};
    static const std::vector<std::vector<std::string>> letters = {
        {}, {"g"}, {"H", "h"}, {"Js"}, {"K", "k"}, {"N", "n"}, {"R", "r"}, {"F", "f"}, {"S", "s"}, {"U", "u"}, {"d"}, {"b"}};
    Expected list;
    if (type < 0 || quality < 0 || letter < 0)
        return list;
    for (int p = 1; p <= 40; ++p) {
        const bool typeOk = type == 0 || type == 4 || (type == 1 && p <= 19) || (type == 2 && p >= 20 && p <= 28) ||
                            (type == 3 && p >= 29);
        if (!typeOk)
            continue;
        const int f = type == 4 ? Data_Unit::QualitySortOrder(p) : p;
        const Data_Unit::ToleranceField& field = Data_Unit::FieldCatalogue(f);
        if (quality != 0 && field.Quality != qualities[quality])
            continue;
        if (letter != 0 && std::find(letters[std::size_t(letter)].begin(), letters[std::size_t(letter)].end(),
                                     field.Letter) == letters[std::size_t(letter)].end())
            continue;
        list.rows << QString::fromStdString(field.Letter + std::to_string(field.Quality));
        list.fields.push_back(f);
    }
    return list;
}

int defaultRow(int count) { return count == 0 ? -1 : (count > 2 ? count / 2 : 0); }

std::optional<Decimal> readNumber(const QString& text) { return number::parseNumberText(text.toStdString()); }

QString general(const Decimal& value) { return QString::fromStdString(number::generalNumberText(value)); }
QString fixed(const Decimal& value, int decimals, int precision)
{
    return QString::fromStdString(number::fixedNumberText(value, decimals, precision));
}

// Interval of a size inside the table (over 0 up to 1000 mm), compared exactly.
int rangeOf(const Decimal& size)
{
    if (size == Decimal{1})
        return 2;
    for (int r = 1; r <= Data_Unit::RangeCount; ++r) {
        const Data_Unit::SizeRange& range = Data_Unit::SizeRangeTable(r);
        if (Decimal{range.LowerBound} < size && size <= Decimal{range.UpperBound})
            return r;
    }
    return 0;
}

Decimal micrometres(double value) { return Decimal::fromDouble(value).scaled(-3); }

QString expectedDeviation(const Decimal& mm, bool inMicrometres)
{
    const Decimal shown = inMicrometres ? mm.scaled(3) : mm;
    return (shown > Decimal{} ? QStringLiteral("+") : QString()) + general(shown);
}

// Largest, smallest, mean and radius texts.
QStringList sizeTexts(const std::optional<Decimal>& largest, const std::optional<Decimal>& smallest, int rounding)
{
    QStringList texts{largest ? general(*largest) : NoData, smallest ? general(*smallest) : NoData, NoData, NoData};
    if (largest && smallest) {
        const Decimal sum = *largest + *smallest;
        const Decimal mean = sum.half();
        const Decimal radius = sum.quarter();
        if (rounding == 1) {
            texts[2] = general(mean);
            texts[3] = general(radius);
        } else if (rounding == 2) {
            texts[2] = fixed(mean, 2, 6);
            texts[3] = fixed(radius, 3, 6);
        } else {
            texts[2] = fixed(mean, 3, 8);
            texts[3] = fixed(radius, 4, 8);
        }
    }
    return texts;
}

bool onlyFilterCharacters(const QString& text)
{
    for (const QChar c : text)
        if (!c.isDigit() && c != u',' && c != u'+' && c != u'-')
            return false;
    return true;
}

// ---- the soak ----

class Soak {
public:
    Soak(std::uint64_t seed, int events) : m_random(seed), m_seed(seed), m_events(events) {}

    // Runs the events; returns an empty text when all checks held, else the first failure.
    QString run()
    {
        m_window = std::make_unique<TForm1>();
        createSecondaryWindows(m_window.get());
        m_window->move(40, 40);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return QStringLiteral("main window not exposed");
        w().setFocus();
        for (QLineEdit* box : {ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8})
            QObject::connect(box, &QLineEdit::textChanged, [this] { ++m_writes; });
        m_failure = check();
        for (m_event = 0; m_event < m_events && m_failure.isEmpty(); ++m_event) {
            m_writes = 0;
            m_heartbeat.fetch_add(1);
            step();
            if (m_failure.isEmpty() && m_writes > 200)
                fail(QStringLiteral("%1 result writes in one event: the recomputation does not settle").arg(m_writes));
            if (m_failure.isEmpty())
                m_failure = check();
            if (m_event % 64 == 0)
                QCoreApplication::processEvents(); // paint and deliver what the window posted
        }
        const QString failure = m_failure;
        QStringList kinds;
        for (auto it = m_kinds.cbegin(); it != m_kinds.cend(); ++it)
            kinds << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        std::printf("soak: seed %llu, %d events: %s\n", (unsigned long long)m_seed, m_event, qPrintable(kinds.join(QStringLiteral(", "))));
        m_window.reset();
        return failure;
    }

    std::atomic<unsigned> m_heartbeat{0};

private:
    TForm1& w() { return *m_window; }
    // The window's controls, by their objectNames.
    const MainWindowControls& ui() const { return m_controls.of(*m_window); }
    int pick(int count) { return int(m_random() % unsigned(count)); }
    bool chance(int percent) { return pick(100) < percent; }

    void log(const QString& what)
    {
        static const QRegularExpression detail(QStringLiteral("[\"'0-9,(].*$"));
        ++m_kinds[what.section(u' ', 0, 1).remove(detail).trimmed()];
        m_recent.push_back(QStringLiteral("#%1 %2").arg(m_event).arg(what));
        if (m_recent.size() > 25)
            m_recent.pop_front();
    }
    void fail(const QString& what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    // Real input through the window system, as a user produces it.
    static QWindow* windowOf(QWidget* widget) { return widget->window()->windowHandle(); }
    static QPoint inWindow(QWidget* widget, QPoint local) { return widget->mapTo(widget->window(), local); }
    void click(QWidget* widget, QPoint local)
    {
        QTest::mouseClick(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, local));
    }
    void click(QWidget* widget) { click(widget, widget->rect().center()); }
    void doubleClick(QWidget* widget, QPoint local)
    {
        QTest::mouseDClick(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, local));
    }
    void doubleClick(QWidget* widget) { doubleClick(widget, widget->rect().center()); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(windowOf(&w()), k, modifiers); }
    void typeChar(QChar c) { QTest::sendKeyEvent(QTest::Click, windowOf(&w()), Qt::Key_unknown, c, {}); }
    static bool usable(QWidget* widget) { return widget->isVisible() && widget->isEnabled(); }
    bool manual() const { return ui().CheckBox1->isChecked(); }
    bool onTolerancePage() const { return ui().PageControl1->currentWidget() == ui().TabSheet1; }

    QString randomText(int maxLength)
    {
        static const QString pool = QStringLiteral("0123456789012345678901234567890,,,...+-+-eEE  абвXyz\t;");
        QString text;
        const int length = pick(maxLength + 1);
        for (int i = 0; i < length; ++i)
            text += pool[pick(int(pool.size()))];
        return text;
    }

    void step()
    {
        if (chance(3)) {
            const int page = (ui().PageControl1->currentIndex() + 1 + pick(2)) % 3;
            log(QStringLiteral("tab %1").arg(page));
            QTabBar* bar = ui().PageControl1->tabBar();
            click(bar, bar->tabRect(page).center());
            return;
        }
        if (onTolerancePage())
            toleranceStep();
        else if (ui().PageControl1->currentWidget() == ui().TabSheet2)
            threadStep();
        else
            fitsStep();
    }

    // ---- the fits page ----

    FitsPage& fits() { return *ui().TabSheet3; }

    void fitsStep()
    {
        FitsPage& page = fits();
        const int kind = pick(100);
        if (kind < 30) {
            QLineEdit* box = page.ed_PosRazmer;
            static const QString characters = QStringLiteral("0123456789012345,.-+e ж");
            if (w().focusWidget() != box || chance(20))
                click(box, QPoint(2 + pick(box->width() - 4), box->height() / 2));
            if (chance(15)) {
                log(QStringLiteral("fits size select all"));
                key(Qt::Key_A, Qt::ControlModifier);
            }
            const QChar c = characters[pick(int(characters.size()))];
            log(QStringLiteral("fits size '%1' into \"%2\"").arg(c).arg(box->text()));
            if (chance(20))
                key(Qt::Key_Backspace);
            else
                typeChar(c);
        } else if (kind < 60) {
            QComboBox* box = chance(50) ? page.cmbx_Otverstie : page.cmbx_Val;
            static const QString characters = QStringLiteral("HhGgPpKkJjSsAaCcZz01234567891НнРрКк ");
            QLineEdit* edit = box->lineEdit();
            if (w().focusWidget() != edit || chance(20))
                click(edit, QPoint(2 + pick(edit->width() - 4), edit->height() / 2));
            const int what = pick(100);
            if (what < 15) {
                log(QStringLiteral("fits class select all in %1").arg(box->objectName()));
                key(Qt::Key_A, Qt::ControlModifier);
            } else if (what < 30) {
                log(QStringLiteral("fits class backspace in %1 \"%2\"").arg(box->objectName(), box->currentText()));
                key(Qt::Key_Backspace);
            } else if (what < 45) {
                log(QStringLiteral("fits class step in %1 \"%2\"").arg(box->objectName(), box->currentText()));
                key(chance(50) ? Qt::Key_Down : Qt::Key_Up);
            } else {
                const QChar c = characters[pick(int(characters.size()))];
                log(QStringLiteral("fits class '%1' into %2 \"%3\"").arg(c).arg(box->objectName(), box->currentText()));
                typeChar(c);
            }
        } else if (kind < 85) {
            QListWidget* list = page.lbx_Posadki;
            const int row = pick(list->count());
            list->scrollToItem(list->item(row));
            log(QStringLiteral("fits row %1 \"%2\"").arg(row).arg(list->item(row)->text()));
            click(list->viewport(), list->visualItemRect(list->item(row)).center());
            const QVariant fit = list->item(row)->data(FitsPage::FitRole);
            if (fit.isValid()) {
                const QStringList classes = list->item(row)->text().split(u'/');
                if (page.cmbx_Otverstie->currentText() != classes[0] || page.cmbx_Val->currentText() != classes[1])
                    fail(QStringLiteral("the row %1 set %2/%3").arg(list->item(row)->text(), page.cmbx_Otverstie->currentText(),
                                                                    page.cmbx_Val->currentText()));
            }
        } else {
            log(QStringLiteral("fits diagram shown larger and copied"));
            doubleClick(page.pb_Shema);
            QWidget* larger = page.pb_Shema->largerWindow();
            if (!larger || !larger->isVisible())
                fail(QStringLiteral("a double click did not show the diagram larger"));
            else
                larger->close();
            QGuiApplication::clipboard()->clear();
            page.pb_Shema->copyToClipboard(); // its context menu's item
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            if (!data || !data->hasImage() || data->text() != page.pb_Shema->summary())
                fail(QStringLiteral("the diagram was not copied with its fit \"%1\"").arg(page.pb_Shema->summary()));
        }
    }

    // What the fits page shows, against relations of its own between the visible numbers.
    void checkFits(QStringList& problems)
    {
        FitsPage& page = fits();
        if (!page.isBuilt())
            return;
        const auto size = readNumber(page.ed_PosRazmer->text());
        // Over 0 up to 3150 mm, to a millionth of a millimetre at the finest.
        const bool sizeOk = size && *size > Decimal{} && *size <= Decimal{3150} && size->exponent() >= -6;
        if ((UiStyle::textColour(page.ed_PosRazmer) == UiStyle::Red) == sizeOk)
            problems << QStringLiteral("ed_PosRazmer \"%1\" coloured wrongly").arg(page.ed_PosRazmer->text());
        auto classOk = [&](QComboBox* box, iso286::Kind kind) {
            const auto parsed = iso286::parseClassOfKind(box->currentText().toStdString(), kind);
            const bool good = parsed && parsed->kind == kind && (!sizeOk || iso286::limitsOf(*size, *parsed).defined);
            if ((UiStyle::textColour(box) == UiStyle::Red) == good)
                problems << QStringLiteral("%1 \"%2\" coloured wrongly").arg(box->objectName(), box->currentText());
            return good;
        };
        const bool holeOk = classOk(page.cmbx_Otverstie, iso286::Kind::Hole);
        const bool shaftOk = classOk(page.cmbx_Val, iso286::Kind::Shaft);
        const QList<QLineEdit*> boxes = {page.ed_OtvES, page.ed_OtvEI, page.ed_OtvMax, page.ed_OtvMin,
                                         page.ed_ValEs, page.ed_ValEi, page.ed_ValMax, page.ed_ValMin,
                                         page.ed_Pos1,  page.ed_Pos2,  page.ed_PosSred, page.ed_PosDopusk};
        if (!sizeOk || !holeOk || !shaftOk) {
            // Each class valid at the size shows its own limits; the fit's figures need both.
            const bool shown[] = {sizeOk && holeOk, sizeOk && shaftOk, false};
            for (int i = 0; i < int(boxes.size()); ++i) {
                QLineEdit* box = boxes[i];
                const bool expected = shown[i / 4];
                if (!expected && box->text() != NoData)
                    problems << QStringLiteral("%1 \"%2\" without its class").arg(box->objectName(), box->text());
                if (expected && !readNumber(box->text()))
                    problems << QStringLiteral("%1 \"%2\" with its class valid").arg(box->objectName(), box->text());
            }
            for (int first : {0, 4}) {
                if (!shown[first / 4] || !readNumber(boxes[first]->text()) || !readNumber(boxes[first + 1]->text()))
                    continue;
                const auto upper = readNumber(boxes[first]->text());
                const auto largest = readNumber(boxes[first + 2]->text());
                if (largest && *largest != *size + upper->scaled(-3))
                    problems << QStringLiteral("%1 %2 does not follow its deviation").arg(boxes[first + 2]->objectName(), boxes[first + 2]->text());
            }
            if (!page.pb_Shema->summary().isEmpty())
                problems << QStringLiteral("a fit to copy without a fit");
            return;
        }
        std::vector<Decimal> v;
        for (QLineEdit* box : boxes) {
            const auto value = readNumber(box->text());
            if (!value) {
                problems << QStringLiteral("%1 \"%2\" is no number").arg(box->objectName(), box->text());
                return;
            }
            v.push_back(*value);
        }
        const Decimal ES = v[0], EI = v[1], es = v[4], ei = v[5];
        auto expect = [&](QLineEdit* box, const Decimal& got, const Decimal& expected) {
            if (got != expected)
                problems << QStringLiteral("%1 %2, expected %3").arg(box->objectName(), general(got), general(expected));
        };
        expect(page.ed_OtvMax, v[2], *size + ES.scaled(-3));
        expect(page.ed_OtvMin, v[3], *size + EI.scaled(-3));
        expect(page.ed_ValMax, v[6], *size + es.scaled(-3));
        expect(page.ed_ValMin, v[7], *size + ei.scaled(-3));
        const Decimal sMax = ES - ei;
        const Decimal sMin = EI - es;
        const Decimal zero;
        QStringList names;
        std::vector<Decimal> expected;
        QString tolerance;
        if (sMin >= zero) {
            names = {QStringLiteral("Наибольший зазор Smax"), QStringLiteral("Наименьший зазор Smin")};
            expected = {sMax, sMin};
            tolerance = QStringLiteral("Допуск посадки TS");
        } else if (sMax <= zero) {
            names = {QStringLiteral("Наибольший натяг Nmax"), QStringLiteral("Наименьший натяг Nmin")};
            expected = {-sMin, -sMax};
            tolerance = QStringLiteral("Допуск посадки TN");
        } else {
            names = {QStringLiteral("Наибольший зазор Smax"), QStringLiteral("Наибольший натяг Nmax")};
            expected = {sMax, -sMin};
            tolerance = QStringLiteral("Допуск посадки TSN");
        }
        const Decimal mean = (sMax + sMin).half();
        names << (mean >= zero ? QStringLiteral("Средний зазор Sm") : QStringLiteral("Средний натяг Nm")) << tolerance;
        expected.push_back(mean >= zero ? mean : -mean);
        expected.push_back(sMax - sMin);
        const QLabel* captions[] = {page.lb_Pos1, page.lb_Pos2, page.lb_PosSred, page.lb_PosDopusk};
        for (int i = 0; i < 4; ++i) {
            if (captions[i]->text() != names[i])
                problems << QStringLiteral("%1 \"%2\", expected \"%3\"").arg(captions[i]->objectName(), captions[i]->text(), names[i]);
            expect(boxes[8 + i], v[std::size_t(8 + i)], expected[std::size_t(i)]);
        }
        const iso286::DiagramInput& drawn = page.pb_Shema->input();
        if (!drawn.hole || !drawn.shaft || page.pb_Shema->summary().isEmpty())
            problems << QStringLiteral("the diagram lacks the fit");
    }

    void toleranceStep()
    {
        const int kind = pick(100);
        if (kind < 30)
            typeIntoBox();
        else if (kind < 34)
            pasteIntoBox();
        else if (kind < 48)
            clickListRow();
        else if (kind < 56)
            chooseFilter();
        else if (kind < 60)
            clickResetLabel();
        else if (kind < 66)
            clickRadio();
        else if (kind < 72)
            clickCheckBox(chance(50) ? ui().CheckBox1 : ui().CheckBox2);
        else if (kind < 82)
            clickEditButton();
        else if (kind < 86)
            copyFormula();
        else if (kind < 88) {
            log(QStringLiteral("mouse over the page"));
            QTest::mouseMove(windowOf(&w()), inWindow(ui().TabSheet1, QPoint(5, ui().TabSheet1->height() - 5)));
        } else if (kind < 91)
            pokeDisabledControl();
        else
            openWindowFromTolerancePage();
    }

    // What a disabled control must not change.
    QStringList pageState()
    {
        QStringList state;
        for (QLineEdit* box : ui().TabSheet1->findChildren<QLineEdit*>())
            state << box->objectName() + u'=' + box->text();
        for (QComboBox* box : ui().TabSheet1->findChildren<QComboBox*>())
            state << box->objectName() + u'=' + QString::number(box->currentIndex());
        for (QAbstractButton* button : ui().TabSheet1->findChildren<QAbstractButton*>())
            state << button->objectName() + u'=' + QString::number(button->isChecked());
        state << QStringLiteral("row=%1 of %2").arg(ui().ListBox1->currentRow()).arg(ui().ListBox1->count());
        return state;
    }

    // Presses, clicks and double clicks on a disabled control change nothing and open nothing.
    void pokeDisabledControl()
    {
        QList<QWidget*> disabled;
        for (QWidget* widget : ui().TabSheet1->findChildren<QWidget*>())
            if (widget->isVisible() && !widget->isEnabled() && widget->width() > 2)
                disabled << widget;
        if (disabled.isEmpty())
            return;
        QWidget* target = disabled[pick(int(disabled.size()))];
        const QPoint at(pick(target->width()), pick(target->height()));
        // Only where the disabled control is on top (SpeedButton1 lies under Edit1 in table mode).
        QWidget* hit = target->window()->childAt(inWindow(target, at));
        if (hit != target && !target->isAncestorOf(hit))
            return;
        log(QStringLiteral("poke disabled %1").arg(target->objectName()));
        const QStringList before = pageState();
        QTimer closer;
        bool opened = false;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = true;
                modal->close();
            }
        });
        closer.start(5);
        switch (pick(3)) {
        case 0:
            QTest::mousePress(windowOf(target), Qt::LeftButton, {}, inWindow(target, at));
            QTest::mouseRelease(windowOf(target), Qt::LeftButton, {}, inWindow(target, at));
            break;
        case 1:
            click(target, at);
            break;
        default:
            doubleClick(target, at);
            break;
        }
        if (opened)
            fail(QStringLiteral("the disabled %1 opened a window").arg(target->objectName()));
        if (pageState() != before)
            fail(QStringLiteral("the disabled %1 changed the page").arg(target->objectName()));
    }

    QLineEdit* numberBox()
    {
        QLineEdit* boxes[] = {ui().Edit2, ui().Edit3, ui().Edit4};
        return boxes[pick(3)];
    }

    void focusBox(QLineEdit* box)
    {
        // Into the box at a random place, or by the keyboard without moving the cursor.
        if (chance(50))
            click(box, QPoint(2 + pick(std::max(1, box->width() - 4)), box->height() / 2));
        else
            box->setFocus(Qt::TabFocusReason);
    }

    void typeIntoBox()
    {
        QLineEdit* box = numberBox();
        if (!usable(box))
            return;
        if (w().focusWidget() != box || chance(20))
            focusBox(box);
        static const QString characters = QStringLiteral("0123456789,.+-eE aZж;\x01");
        const int what = pick(100);
        if (what < 70) {
            const QChar c = characters[pick(int(characters.size()))];
            const QString before = box->text();
            const int cursor = box->cursorPosition();
            const bool clean = !box->hasSelectedText() && !box->isReadOnly() && onlyFilterCharacters(before) &&
                               w().focusWidget() == box;
            log(QStringLiteral("type '%1' into %2 \"%3\" at %4").arg(c).arg(box->objectName(), before).arg(cursor));
            typeChar(c);
            if (clean) {
                QString expected = before;
                if (c == u'.')
                    expected.insert(cursor, u',');
                else if (onlyFilterCharacters(QString(c)))
                    expected.insert(cursor, c);
                if (box->text() != expected)
                    fail(QStringLiteral("typing '%1' into %2 gave \"%3\", not \"%4\"")
                             .arg(c).arg(box->objectName(), box->text(), expected));
            }
        } else {
            static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_Left, Qt::Key_Right};
            const Qt::Key k = keys[pick(6)];
            log(QStringLiteral("key %1 in %2 \"%3\"").arg(int(k)).arg(box->objectName(), box->text()));
            if (chance(15)) {
                key(Qt::Key_A, Qt::ControlModifier); // select all, then the key replaces or moves
            }
            key(k);
        }
    }

    void pasteIntoBox()
    {
        QLineEdit* box = numberBox();
        if (!usable(box))
            return;
        focusBox(box);
        const QString text = randomText(14);
        log(QStringLiteral("paste \"%1\" into %2 \"%3\"").arg(text, box->objectName(), box->text()));
        QGuiApplication::clipboard()->setText(text);
        if (chance(40))
            key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_V, Qt::ControlModifier);
    }

    void clickListRow()
    {
        QListWidget* list = ui().ListBox1;
        if (!usable(list) || list->count() == 0)
            return;
        const int row = pick(list->count());
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        log(QStringLiteral("click row %1 \"%2\"").arg(row).arg(list->item(row)->text()));
        click(list->viewport(), rect.center());
        if (list->currentRow() != row)
            fail(QStringLiteral("clicked row %1 but row %2 is selected").arg(row).arg(list->currentRow()));
    }

    void chooseFilter()
    {
        QComboBox* boxes[] = {ui().ComboBox1, ui().ComboBox4, ui().ComboBox3};
        QComboBox* box = boxes[pick(3)];
        if (!usable(box))
            return;
        box->setFocus(Qt::TabFocusReason);
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        const Qt::Key k = keys[pick(5)];
        const int before = box->currentIndex();
        const QString fieldBefore = currentField();
        log(QStringLiteral("key %1 in %2 at item %3").arg(int(k)).arg(box->objectName()).arg(before));
        key(k);
        if (box->currentIndex() != before)
            expectFreshSelection(fieldBefore);
    }

    QString currentField() const
    {
        return ui().ListBox1->currentItem() ? ui().ListBox1->currentItem()->text() : QString();
    }

    // After a refill: the field chosen before when the new list holds it, else the middle row.
    void expectFreshSelection(const QString& fieldBefore)
    {
        const auto kept = ui().ListBox1->findItems(fieldBefore, Qt::MatchExactly | Qt::MatchCaseSensitive);
        const int expected = !fieldBefore.isEmpty() && !kept.isEmpty() ? ui().ListBox1->row(kept[0])
                                                                     : defaultRow(ui().ListBox1->count());
        if (ui().ListBox1->currentRow() != expected)
            fail(QStringLiteral("after a refill row %1 is selected, not %2").arg(ui().ListBox1->currentRow()).arg(expected));
    }

    void clickResetLabel()
    {
        QLabel* labels[] = {ui().Label1, ui().Label2, ui().Label3};
        const int which = pick(3);
        QLabel* label = labels[which];
        if (!usable(label))
            return;
        QComboBox* boxes[] = {ui().ComboBox1, ui().ComboBox4, ui().ComboBox3};
        const int resetItem = which == 0 ? 4 : 0;
        const bool changes = boxes[which]->currentIndex() != resetItem;
        const int rowBefore = ui().ListBox1->currentRow();
        const QString fieldBefore = currentField();
        log(QStringLiteral("click %1").arg(label->objectName()));
        click(label, QPoint(3, 3));
        if (boxes[which]->currentIndex() != resetItem)
            fail(QStringLiteral("%1 did not reset its box").arg(label->objectName()));
        if (changes)
            expectFreshSelection(fieldBefore);
        else if (ui().ListBox1->currentRow() != rowBefore)
            fail(QStringLiteral("%1 moved the selection without a change").arg(label->objectName()));
    }

    void clickRadio()
    {
        QRadioButton* radios[] = {ui().RadioButton1, ui().RadioButton2, ui().RadioButton3};
        QRadioButton* radio = radios[pick(3)];
        log(QStringLiteral("click %1").arg(radio->objectName()));
        click(radio, QPoint(6, radio->height() / 2));
        if (!radio->isChecked())
            fail(QStringLiteral("%1 is not checked after a click").arg(radio->objectName()));
    }

    void clickCheckBox(QCheckBox* box)
    {
        const bool before = box->isChecked();
        log(QStringLiteral("click %1 (%2)").arg(box->objectName()).arg(before));
        click(box, QPoint(6, box->height() / 2));
        if (box->isChecked() == before)
            fail(QStringLiteral("%1 did not toggle").arg(box->objectName()));
    }

    void clickEditButton()
    {
        QWidget* buttons[] = {ui().Button3, ui().Button4, ui().Button1, ui().Button5, ui().SpeedButton1};
        QWidget* button = buttons[pick(5)];
        if (!usable(button))
            return;
        const QString upper = ui().Edit3->text();
        const QString lower = ui().Edit4->text();
        log(QStringLiteral("click %1 with \"%2\" \"%3\"").arg(button->objectName(), upper, lower));
        click(button);
        if (button == ui().SpeedButton1) {
            const QString newLower = QString::fromStdString(tolerance::MirrorDeviationText(upper.toStdString()));
            const QString newUpper = QString::fromStdString(tolerance::MirrorDeviationText(lower.toStdString()));
            if (ui().Edit3->text() != newUpper || ui().Edit4->text() != newLower)
                fail(QStringLiteral("mirror gave \"%1\" \"%2\"").arg(ui().Edit3->text(), ui().Edit4->text()));
        } else if (button == ui().Button1 || button == ui().Button5) {
            if ((button == ui().Button1 ? ui().Edit3 : ui().Edit4)->text() != QStringLiteral("0"))
                fail(QStringLiteral("%1 did not write 0").arg(button->objectName()));
        } else {
            QLineEdit* box = button == ui().Button3 ? ui().Edit3 : ui().Edit4;
            const QString before = button == ui().Button3 ? upper : lower;
            const auto value = readNumber(before);
            const QString expected = value ? general(-*value) : before;
            if (box->text() != expected)
                fail(QStringLiteral("sign change of \"%1\" gave \"%2\", not \"%3\"").arg(before, box->text(), expected));
        }
    }

    void copyFormula()
    {
        const bool radius = chance(50);
        QLabel* label = radius ? ui().Label4 : ui().Label9;
        const QString marker = QStringLiteral("before %1").arg(m_event);
        QGuiApplication::clipboard()->setText(marker);
        const auto size = readNumber(ui().Edit2->text());
        auto upper = readNumber(ui().Edit3->text());
        auto lower = readNumber(ui().Edit4->text());
        log(QStringLiteral("double click %1").arg(label->objectName()));
        doubleClick(label, QPoint(3, 3));
        const QString copied = QGuiApplication::clipboard()->text();
        if (!size || !upper || !lower) {
            if (copied != marker)
                fail(QStringLiteral("a formula \"%1\" from boxes without a number").arg(copied));
            return;
        }
        if (ui().Panel2->text() != QStringLiteral("Формула  скопирована "))
            fail(QStringLiteral("panel 2 shows \"%1\" after a copy").arg(ui().Panel2->text()));
        // "=(" size "+(" upper " " lower ")/2)", and "/2" more for the radius; each piece
        // reads back exactly to the box it came from, in millimetres.
        const int power = ui().CheckBox2->isChecked() ? -3 : 0;
        const QString tail = radius ? QStringLiteral(")/2)/2") : QStringLiteral(")/2)");
        const int open = int(copied.indexOf(QStringLiteral("+(")));
        const int blank = int(copied.indexOf(u' ', open));
        const bool shaped = copied.startsWith(QStringLiteral("=(")) && copied.endsWith(tail) && open > 2 && blank > open;
        const auto sizePiece = shaped ? readNumber(copied.mid(2, open - 2)) : std::nullopt;
        const auto upperPiece = shaped ? readNumber(copied.mid(open + 2, blank - open - 2)) : std::nullopt;
        const auto lowerPiece = shaped ? readNumber(copied.mid(blank + 1, copied.size() - tail.size() - blank - 1)) : std::nullopt;
        const QString upperSign = shaped ? copied.mid(open + 2, 1) : QString();
        const QString lowerSign = shaped ? copied.mid(blank + 1, 1) : QString();
        if (!sizePiece || !upperPiece || !lowerPiece || *sizePiece != *size || *upperPiece != upper->scaled(power) ||
            *lowerPiece != lower->scaled(power) || (upperSign != u'+' && upperSign != u'-') ||
            (lowerSign != u'+' && lowerSign != u'-'))
            fail(QStringLiteral("formula \"%1\" from \"%2\" \"%3\" \"%4\"")
                     .arg(copied, ui().Edit2->text(), ui().Edit3->text(), ui().Edit4->text()));
    }

    // ---- the secondary windows, each closed from inside its own event loop ----

    // Runs `inside` once the dialog's own event loop has shown it, then closes it if still open.
    class OnShow : public QObject {
    public:
        OnShow(QDialog* dialog, std::function<void()> inside) : m_dialog(dialog), m_inside(std::move(inside))
        {
            dialog->installEventFilter(this);
        }
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (watched == m_dialog && event->type() == QEvent::Show && !m_posted) {
                m_posted = true;
                QMetaObject::invokeMethod(this, [this] {
                    ran = true;
                    m_inside();
                    if (m_dialog->isVisible())
                        m_dialog->reject();
                }, Qt::QueuedConnection);
            }
            return false;
        }
        bool ran = false;

    private:
        QDialog* m_dialog;
        std::function<void()> m_inside;
        bool m_posted = false;
    };

    void whileOpen(QDialog* dialog, const std::function<void()>& inside, const std::function<void()>& open)
    {
        OnShow watcher(dialog, inside);
        open();
        if (!watcher.ran)
            fail(QStringLiteral("%1 was not shown").arg(dialog->objectName()));
        if (dialog->isVisible())
            fail(QStringLiteral("%1 stayed open").arg(dialog->objectName()));
        w().activateWindow();
    }

    static void clickChild(QWidget* parent, const QString& name)
    {
        if (auto* child = parent->findChild<QWidget*>(name); child && child->isVisible())
            QTest::mouseClick(child, Qt::LeftButton, {}, child->rect().center());
    }

    void openWindowFromTolerancePage()
    {
        const int which = pick(6);
        if (which == 0 && usable(ui().Button20)) {
            log(QStringLiteral("tolerance table"));
            whileOpen(w().frm_Table(), [] {}, [&] { click(ui().Button20); });
        } else if (which == 1) {
            log(QStringLiteral("about"));
            whileOpen(w().frm_About(), [] {}, [&] { click(ui().Label13, QPoint(3, 3)); });
        } else if (which == 2 && usable(ui().Label5)) {
            pickField();
        } else if (which == 3) {
            useKeypad();
        } else if (which >= 4 && manual()) {
            quickValue(which == 4 ? ui().Edit3 : ui().Edit4);
        }
    }

    void pickField()
    {
        const auto buttons = w().frm_ListOf_Ferrak()->findChildren<QAbstractButton*>();
        QAbstractButton* button = chance(80) && !buttons.isEmpty() ? buttons[pick(int(buttons.size()))] : nullptr;
        const QString picked = button ? button->text() : QString();
        const int route = pick(3);
        log(QStringLiteral("field picker by %1, picks %2").arg(route).arg(picked.isEmpty() ? QStringLiteral("nothing") : picked));
        const int filterBefore[] = {ui().ComboBox1->currentIndex(), ui().ComboBox4->currentIndex(), ui().ComboBox3->currentIndex()};
        QString fieldBefore = ui().ListBox1->currentItem() ? ui().ListBox1->currentItem()->text() : QString();
        QListWidgetItem* doubleClicked = route == 1 && ui().ListBox1->count() > 0 ? ui().ListBox1->item(pick(ui().ListBox1->count())) : nullptr;
        if (doubleClicked)
            fieldBefore = doubleClicked->text(); // the double click's first click chooses its row
        whileOpen(w().frm_ListOf_Ferrak(), [&] {
            if (button)
                QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        }, [&] {
            if (route == 0)
                click(ui().Label5, QPoint(3, 3));
            else if (doubleClicked) {
                ui().ListBox1->scrollToItem(doubleClicked);
                doubleClick(ui().ListBox1->viewport(), ui().ListBox1->visualItemRect(doubleClicked).center());
            }
            else
                doubleClick(ui().Edit1);
        });
        const int filterAfter[] = {ui().ComboBox1->currentIndex(), ui().ComboBox4->currentIndex(), ui().ComboBox3->currentIndex()};
        const QString fieldAfter = ui().ListBox1->currentItem() ? ui().ListBox1->currentItem()->text() : QString();
        // Only a field of the catalogue, chosen, changes the filter and the field.
        const bool chosen = !picked.isEmpty() && expectedList(4, 0, 0).rows.contains(picked);
        if (chosen && (filterAfter[0] != 4 || filterAfter[1] != 0 || filterAfter[2] != 0))
            fail(QStringLiteral("the field picker left the filter set"));
        if (chosen && fieldAfter != picked)
            fail(QStringLiteral("picked %1 but %2 is selected").arg(picked, fieldAfter));
        if (!chosen && (!std::equal(std::begin(filterBefore), std::end(filterBefore), std::begin(filterAfter)) || fieldAfter != fieldBefore))
            fail(QStringLiteral("the field picker closed without a choice changed the filter or the field"));
    }

    void useKeypad()
    {
        const QString before = ui().Edit2->text();
        bool entered = false;
        QString display;
        const int presses = pick(12);
        log(QStringLiteral("keypad, %1 keys").arg(presses));
        whileOpen(w().frm_KeyBoard(), [&] {
            static const char* keys[] = {"spbt_N0", "spbt_N1", "spbt_N2", "spbt_N3", "spbt_N4", "spbt_N5",
                                         "spbt_N6", "spbt_N7", "spbt_N8", "spbt_N9", "spbt_Point", "spbt_Point",
                                         "spbt_Clear", "spbt_BS", "spbt_MS", "spbt_MR", "spbt_MC"};
            auto* pages = w().frm_KeyBoard()->findChild<QTabWidget*>();
            for (int i = 0; i < presses; ++i) {
                if (pages && chance(10))
                    pages->setCurrentIndex(pick(2));
                clickChild(w().frm_KeyBoard(), QString::fromLatin1(keys[pick(17)]));
                const QString shown = w().frm_KeyBoard()->displayText();
                if (shown.isEmpty() || shown.startsWith(u',') || shown.count(u',') > 1 || !onlyFilterCharacters(shown) ||
                    shown.contains(u'+') || shown.contains(u'-'))
                    fail(QStringLiteral("keypad display \"%1\"").arg(shown));
            }
            if (chance(60)) {
                clickChild(w().frm_KeyBoard(), QStringLiteral("SpeedButton2"));
                entered = !w().frm_KeyBoard()->isVisible();
                display = w().frm_KeyBoard()->displayText();
            }
        }, [&] {
            if (chance(50))
                click(ui().spbt_keyb);
            else
                doubleClick(ui().Edit2);
        });
        const QString expected = entered ? display : before;
        if (ui().Edit2->text() != expected)
            fail(QStringLiteral("after the keypad Edit2 is \"%1\", not \"%2\"").arg(ui().Edit2->text(), expected));
    }

    void quickValue(QLineEdit* box)
    {
        const QString before = box->text();
        const int label = 1 + pick(20);
        const bool choose = chance(75);
        QString value;
        log(QStringLiteral("quick value for %1, label %2 %3").arg(box->objectName()).arg(label).arg(choose));
        whileOpen(w().frm_FastNamber(), [&] {
            if (w().frm_FastNamber()->QuickValue() != before)
                fail(QStringLiteral("quick number window preset \"%1\"").arg(w().frm_FastNamber()->QuickValue()));
            if (choose)
                clickChild(w().frm_FastNamber(), QStringLiteral("Label%1").arg(label));
        }, [&] { doubleClick(box); });
        value = w().frm_FastNamber()->QuickValue();
        QString expected = box == ui().Edit3 ? value : (value != before ? QStringLiteral("-") + value : before);
        if (box->text() != expected)
            fail(QStringLiteral("quick value gave \"%1\", not \"%2\"").arg(box->text(), expected));
    }

    // ---- the thread page ----

    void threadStep()
    {
        const int kind = pick(100);
        if (kind < 45) {
            chooseThread(ui().cmbx_Rezba);
        } else if (kind < 85) {
            chooseThread(ui().cmbx_ShagRezb);
        } else if (kind < 92) {
            log(QStringLiteral("thread table"));
            whileOpen(w().frm_RezbTabl(), [] {}, [&] { click(ui().btm_RezbTabl); });
        } else if (kind < 95) {
            log(QStringLiteral("about from the thread page"));
            whileOpen(w().frm_About(), [] {}, [&] { click(ui().Label23, QPoint(3, 3)); });
        } else {
            QLineEdit* boxes[] = {ui().ed_DiamNom, ui().ed_DopRezb, ui().ed_MidlDopRezb};
            QLineEdit* box = boxes[pick(3)];
            log(QStringLiteral("type into %1").arg(box->objectName()));
            click(box);
            typeChar(u'7');
        }
    }

    void chooseThread(QComboBox* box)
    {
        box->setFocus(Qt::TabFocusReason);
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_PageUp};
        const Qt::Key k = keys[pick(6)];
        const int before = box->currentIndex();
        log(QStringLiteral("key %1 in %2 at item %3").arg(int(k)).arg(box->objectName()).arg(before));
        key(k);
        if (box == ui().cmbx_Rezba && box->currentIndex() != before) {
            if (w().focusWidget() != ui().cmbx_ShagRezb)
                fail(QStringLiteral("the pitch list has no focus after a diameter choice"));
            // Default pitch: the coarse one, else count div 2.
            int expected = -1;
            for (int i = 0; i < ui().cmbx_ShagRezb->count(); ++i)
                if (Rezba_Data_Unit::ThreadHoleTable(ui().cmbx_ShagRezb->itemData(i).toInt()).PitchKind == Rezba_Data_Unit::PitchType::Coarse)
                    expected = i;
            if (expected < 0)
                expected = ui().cmbx_ShagRezb->count() / 2;
            if (ui().cmbx_ShagRezb->currentIndex() != expected)
                fail(QStringLiteral("pitch item %1 selected, not %2").arg(ui().cmbx_ShagRezb->currentIndex()).arg(expected));
        }
    }

    // ---- the invariants after every event ----

    QString check()
    {
        QStringList problems;
        auto expectText = [&](QWidget* box, const QString& got, const QString& expected) {
            if (got != expected)
                problems << QStringLiteral("%1 \"%2\", expected \"%3\"").arg(box->objectName(), got, expected);
        };
        auto expectColour = [&](QWidget* box, const QColor& expected, const char* name) {
            if (UiStyle::textColour(box) != expected)
                problems << QStringLiteral("%1 colour %2, expected %3").arg(box->objectName(), UiStyle::textColour(box).name(), QLatin1String(name));
        };

        // The number boxes hold what the filter admits, and what the program itself writes
        // there: "нет данных" (which the mirror button may sign) and the "E" of a scientific text.
        for (QLineEdit* box : {ui().Edit2, ui().Edit3, ui().Edit4}) {
            const QString text = box->text();
            for (const QChar c : text) {
                if (!onlyFilterCharacters(QString(c)) && c != u'E' && !(box != ui().Edit2 && NoData.contains(c))) {
                    problems << QStringLiteral("%1 holds \"%2\"").arg(box->objectName(), text);
                    break;
                }
            }
        }

        // The list and ListRowMap follow the filter boxes.
        const Expected list = expectedList(ui().ComboBox1->currentIndex(), ui().ComboBox4->currentIndex(), ui().ComboBox3->currentIndex());
        QStringList rows;
        for (int i = 0; i < ui().ListBox1->count(); ++i)
            rows << ui().ListBox1->item(i)->text();
        if (rows != list.rows)
            problems << QStringLiteral("list [%1], expected [%2]").arg(rows.join(u' '), list.rows.join(u' '));
        else if (ui().ListRowMap.size() < list.fields.size() ||
                 !std::equal(list.fields.begin(), list.fields.end(), ui().ListRowMap.begin()))
            problems << QStringLiteral("ListRowMap does not match the rows");
        if (!rows.isEmpty() && ui().ListBox1->currentRow() < 0)
            problems << QStringLiteral("no row selected");

        const auto size = readNumber(ui().Edit2->text());
        // With an empty list the table computation stops before it reads the size.
        if (manual() || !rows.isEmpty())
            expectColour(ui().Edit2, size ? UiStyle::Black : UiStyle::Red, size ? "black" : "red");
        const bool micrometresShown = ui().CheckBox2->isChecked();
        const int rounding = ui().RadioButton1->isChecked() ? 1 : ui().RadioButton2->isChecked() ? 2 : 3;
        QLineEdit* sizeBoxes[] = {ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8};

        if (!manual()) {
            if (rows.isEmpty()) {
                for (QLineEdit* box : {ui().Edit1, ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8})
                    expectText(box, box->text(), NoData);
            } else if (problems.isEmpty()) {
                const int row = std::max(0, ui().ListBox1->currentRow());
                const int f = list.fields[std::size_t(row)];
                expectText(ui().Edit1, ui().Edit1->text(), rows[row]);
                const Data_Unit::FieldColour code = Data_Unit::ColourCode(f);
                expectColour(ui().Edit1,
                             code == Data_Unit::FieldColour::Red     ? UiStyle::Red
                             : code == Data_Unit::FieldColour::Green ? UiStyle::Green
                                                                     : UiStyle::Blue,
                             "colour code");
                if (onTolerancePage())
                    expectText(ui().Panel1, ui().Panel1->text(),
                               QStringLiteral("Старое обозначение :  [ ") + QString::fromStdString(Data_Unit::OldDesignation(f)) + QStringLiteral(" ]"));
                // Up to 1 mm the engine's limits, above it the table's; none without a positive smallest size.
                std::optional<std::pair<Decimal, Decimal>> deviations;
                if (size && *size <= Decimal{1}) {
                    const iso286::Limits limits = iso286::limitsOf(*size, Data_Unit::IsoClass(f));
                    if (limits.defined)
                        deviations = {limits.upper.scaled(-3), limits.lower.scaled(-3)};
                } else if (const int r = size ? rangeOf(*size) : 0; r > 0 && Data_Unit::DeviationTable(f, r).Present) {
                    const Data_Unit::DeviationCell& cell = Data_Unit::DeviationTable(f, r);
                    deviations = {micrometres(cell.UpperDeviation), micrometres(cell.LowerDeviation)};
                }
                if (deviations && !(*size + deviations->second > Decimal{}))
                    deviations.reset();
                if (!deviations) {
                    for (QLineEdit* box : {ui().Edit3, ui().Edit4, ui().Edit5, ui().Edit6, ui().Edit7, ui().Edit8})
                        expectText(box, box->text(), NoData);
                } else {
                    const Decimal upper = deviations->first;
                    const Decimal lower = deviations->second;
                    expectText(ui().Edit3, ui().Edit3->text(), expectedDeviation(upper, micrometresShown));
                    expectText(ui().Edit4, ui().Edit4->text(), expectedDeviation(lower, micrometresShown));
                    expectColour(ui().Edit3, upper > Decimal{} ? UiStyle::Maroon : UiStyle::Navy, "maroon or navy");
                    expectColour(ui().Edit4, lower > Decimal{} ? UiStyle::Maroon : UiStyle::Navy, "maroon or navy");
                    const QStringList texts = sizeTexts(*size + upper, *size + lower, rounding);
                    for (int i = 0; i < 4; ++i)
                        expectText(sizeBoxes[i], sizeBoxes[i]->text(), texts[i]);
                }
            }
        } else {
            const auto upper = readNumber(ui().Edit3->text());
            const auto lower = readNumber(ui().Edit4->text());
            const bool reversed = upper && lower && *upper < *lower;
            expectColour(ui().Edit3, upper && !reversed ? UiStyle::Navy : UiStyle::Red, upper && !reversed ? "navy" : "red");
            expectColour(ui().Edit4, lower && !reversed ? UiStyle::Navy : UiStyle::Red, lower && !reversed ? "navy" : "red");
            const int power = micrometresShown ? -3 : 0;
            std::optional<Decimal> largest;
            std::optional<Decimal> smallest;
            if (size && upper)
                largest = *size + upper->scaled(power);
            if (size && lower)
                smallest = *size + lower->scaled(power);
            const QStringList texts = sizeTexts(largest, smallest, rounding);
            for (int i = 0; i < 4; ++i)
                expectText(sizeBoxes[i], sizeBoxes[i]->text(), texts[i]);
            if (onTolerancePage())
                expectText(ui().Panel1, ui().Panel1->text(),
                           reversed ? QStringLiteral("Верхнее отклонение ниже нижнего") : QStringLiteral("  "));
            if (ui().Edit1->isVisible())
                problems << QStringLiteral("Edit1 shown in manual mode");
        }

        // The thread boxes show the selected pitch's row of the chosen diameter,
        // from the page's first opening on.
        const bool threadPageMade = ui().cmbx_Rezba != nullptr;
        if (!threadPageMade && ui().PageControl1->currentWidget() == ui().TabSheet2)
            problems << QStringLiteral("the thread page is open without its controls");
        const int diameterItem = threadPageMade ? ui().cmbx_Rezba->currentIndex() : 0;
        const int pitchItem = threadPageMade ? ui().cmbx_ShagRezb->currentIndex() : 0;
        if (threadPageMade && (diameterItem < 0 || pitchItem < 0)) {
            problems << QStringLiteral("no thread chosen");
        } else if (threadPageMade) {
            const double diameter = ui().cmbx_Rezba->itemData(diameterItem).toDouble();
            const int k = ui().cmbx_ShagRezb->itemData(pitchItem).toInt();
            const Rezba_Data_Unit::ThreadHole& hole = Rezba_Data_Unit::ThreadHoleTable(k);
            if (hole.NominalDiameter != diameter)
                problems << QStringLiteral("pitch row %1 is not of the diameter %2").arg(k).arg(diameter);
            QStringList pitches;
            for (int i = 1; i <= Rezba_Data_Unit::ThreadRowCount; ++i)
                if (Rezba_Data_Unit::ThreadHoleTable(i).NominalDiameter == diameter)
                    pitches << QString::fromStdString(number::generalNumberText((long double)Rezba_Data_Unit::ThreadHoleTable(i).Pitch));
            pitches.sort(Qt::CaseInsensitive);
            QStringList shownPitches;
            for (int i = 0; i < ui().cmbx_ShagRezb->count(); ++i)
                shownPitches << ui().cmbx_ShagRezb->itemText(i);
            if (shownPitches != pitches)
                problems << QStringLiteral("pitches [%1], expected [%2]").arg(shownPitches.join(u' '), pitches.join(u' '));
            auto text = [](double v) { return QString::fromStdString(number::generalNumberText((long double)v)); };
            expectText(ui().cmbx_ShagRezb, ui().cmbx_ShagRezb->currentText(), text(hole.Pitch));
            expectText(ui().ed_DiamNom, ui().ed_DiamNom->text(), text(hole.HoleDiameter));
            expectText(ui().ed_DopRezb, ui().ed_DopRezb->text(), QStringLiteral("+") + text(hole.HoleTolerance));
            expectText(ui().ed_MidlDopRezb, ui().ed_MidlDopRezb->text(), text(hole.HoleDiameter + hole.HoleTolerance / 2));
            expectText(ui().lb_Rezba, ui().lb_Rezba->text(),
                       hole.PitchKind == Rezba_Data_Unit::PitchType::Coarse ? QStringLiteral("ОСНОВНАЯ РЕЗЬБА") : QStringLiteral("Резьба с мелким шагом"));
        }

        checkFits(problems);

        if (problems.isEmpty())
            return {};
        return problems.join(QStringLiteral("; ")) +
               QStringLiteral(" [sizes \"%1\" \"%2\" \"%3\", %4 mode, %5]")
                   .arg(ui().Edit2->text(), ui().Edit3->text(), ui().Edit4->text(),
                        manual() ? QStringLiteral("manual") : QStringLiteral("table"),
                        micrometresShown ? QStringLiteral("micrometres") : QStringLiteral("millimetres"));
    }

public:
    QString report(const QString& failure) const
    {
        QString text = QStringLiteral("seed %1, event %2 of %3: %4\nlast events:\n")
                           .arg(m_seed).arg(m_event).arg(m_events).arg(failure);
        for (const QString& line : m_recent)
            text += QStringLiteral("  ") + line + u'\n';
        text += QStringLiteral("replay: DOPUSK_SOAK_SEED=%1 DOPUSK_SOAK_EVENTS=%2 frm_Main_Unit_soak_test\n").arg(m_seed).arg(m_event + 1);
        return text;
    }

private:
    std::unique_ptr<TForm1> m_window;
    mutable MainWindowControlsCache m_controls;

    std::mt19937_64 m_random;
    std::uint64_t m_seed;
    int m_events;
    int m_event = 0;
    int m_writes = 0;
    QString m_failure;
    std::deque<QString> m_recent;
    QMap<QString, int> m_kinds;
};

std::uint64_t envNumber(const char* name, std::uint64_t fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const std::uint64_t number = value.toULongLong(&ok);
    return ok ? number : fallback;
}

// Ends the run, with the seed, when one event takes far too long: a hang in the recomputation chain.
class Watchdog {
public:
    Watchdog(Soak& soak, std::uint64_t seed) : m_thread([this, &soak, seed] {
        unsigned last = soak.m_heartbeat.load();
        auto since = std::chrono::steady_clock::now();
        while (!m_stop.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const unsigned now = soak.m_heartbeat.load();
            if (now != last) {
                last = now;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(120)) {
                std::fprintf(stderr, "soak: one event has run for two minutes (seed %llu, event %u): hang\n",
                             (unsigned long long)seed, now);
                std::_Exit(3);
            }
        }
    }) {}
    ~Watchdog()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

void runSoak(std::uint64_t seed, int events)
{
    Soak soak(seed, events);
    Watchdog watchdog(soak, seed);
    const QString failure = soak.run();
    EXPECT_TRUE(failure.isEmpty()) << soak.report(failure).toStdString();
}

} // namespace

// The main run: DOPUSK_SOAK_SEED picks another seed, DOPUSK_SOAK_EVENTS another length.
TEST(MainWindowSoak, RandomUserEventsKeepEveryBoxRight)
{
    const std::uint64_t seed = envNumber("DOPUSK_SOAK_SEED", 20240607);
    const int events = int(envNumber("DOPUSK_SOAK_EVENTS", 20000));
    runSoak(seed, events);
}

// Short runs from other seeds: other mixes of the same events from a fresh window.
// A seed that finds a fault goes here, with the length that reaches it, once fixed.
TEST(MainWindowSoak, ShortRunsOfOtherSeeds)
{
    struct Replay {
        std::uint64_t seed;
        int events;
    };
    const Replay replays[] = {{1, 1000}, {2, 1000}, {3, 1000}};
    for (const Replay& replay : replays)
        runSoak(replay.seed, replay.events);
}
