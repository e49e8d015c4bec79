// The program in English, as start-up makes it when the environment asks for a language
// other than Russian: the windows' texts, the cores' texts and the numbers with the point.
// Runs under LANG=en_US.UTF-8 and LANG=de_DE.UTF-8.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableView>

#include "Data_Unit.h"
#include "MainWindowFixture.h"
#include "StartUp.h"
#include "StatusPanel.h"
#include "Translate.h"
#include "UiStyle.h"
#include "frm_About_Unit.h"
#include "frm_FastNamber_Unit.h"
#include "frm_KeyBoard_unit.h"
#include "frm_List_unit.h"
#include "frm_RezbTabl_Unit.h"
#include "frm_Tabl_unit.h"

namespace {

// What the user reads on a control: a group's title, a button's or a label's text, a
// box's text, a top-level window's title.
QString shownText(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text();
    return QString();
}

// Every text a widget shows: its own, its hint, its tabs, its list's rows and its
// table's headings.
QStringList textsOf(const QWidget* widget)
{
    QStringList texts{shownText(widget), widget->toolTip()};
    if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text() << list->item(i)->toolTip();
    if (const auto* box = qobject_cast<const QComboBox*>(widget))
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    if (const auto* table = qobject_cast<const QTableView*>(widget); table && table->model()) {
        const QAbstractItemModel* model = table->model();
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->headerData(row, Qt::Vertical).toString() << model->index(row, 0).data().toString()
                  << model->index(row, 0).data(Qt::ToolTipRole).toString();
    }
    return texts;
}

// The old (pre-ISO) designations: data, shown as the standard's old tables have them.
QSet<QString> oldDesignations()
{
    QSet<QString> designations{QStringLiteral("СМ8")};
    for (int field = 1; field <= Data_Unit::FieldCount; ++field)
        for (const QString& word : QString::fromStdString(Data_Unit::OldDesignation(field)).split(u' ', Qt::SkipEmptyParts))
            designations.insert(word);
    return designations;
}

// The words of `text` in Cyrillic letters that are not old designations.
QStringList russianWords(const QString& text, const QSet<QString>& allowed)
{
    static const QRegularExpression cyrillicWord(QStringLiteral("\\S*[\\x{0400}-\\x{04FF}]\\S*"));
    QStringList words;
    for (auto match = cyrillicWord.globalMatch(text); match.hasNext();) {
        QString word = match.next().captured();
        word.remove(QRegularExpression(QStringLiteral("^[\\[(\"«]+|[\\]),.;:»\"]+$")));
        if (!allowed.contains(word))
            words << word;
    }
    return words;
}

// Opens every page and shows every window, so that each builds its controls.
QList<QWidget*> everyWindow(TForm1& main)
{
    QTabWidget* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = pages->count() - 1; page >= 0; --page)
        pages->setCurrentIndex(page);
    QCoreApplication::processEvents();
    const QList<QWidget*> secondary = {main.frm_Table(), main.frm_About(), main.frm_ListOf_Ferrak(),
                                       main.frm_FastNamber(), main.frm_RezbTabl(), main.frm_KeyBoard()};
    for (QWidget* window : secondary) {
        window->show();
        QCoreApplication::processEvents();
        window->hide();
    }
    QList<QWidget*> windows{&main};
    windows << secondary;
    return windows;
}

// The captions of every window and page that do not show their whole text, by name:
// labels without word wrap, check boxes and radio buttons beside their indicators.
QMap<QString, QString> cutCaptions(TForm1& main)
{
    QMap<QString, QString> cut;
    auto check = [&cut](QWidget* window) {
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window))
                continue;
            int room = 0;
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                if (label->wordWrap() || !label->pixmap().isNull() || label->text().isEmpty())
                    continue;
                if (const auto* panel = qobject_cast<const StatusPanel*>(widget); panel && panel->showsWholeText())
                    continue; // drawn smaller to be whole
                room = label->contentsRect().width() - 2 * std::max(label->indent(), 0);
            } else if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
                if (static_cast<const QAbstractButton*>(widget)->text().isEmpty())
                    continue;
                const QStyle* style = widget->style();
                room = widget->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget)
                       - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
            } else {
                continue;
            }
            const int needed = UiStyle::captionSize(widget->font(), shownText(widget)).width();
            if (needed > room)
                cut.insert(widget->objectName(), QStringLiteral("%1 \"%2\": needs %3 px, has %4")
                                                     .arg(widget->objectName(), shownText(widget))
                                                     .arg(needed)
                                                     .arg(room));
        }
    };
    QTabWidget* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (QWidget* window : everyWindow(main)) {
        window->show();
        QCoreApplication::processEvents();
        if (window == &main) {
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QCoreApplication::processEvents();
                check(window);
            }
            // The fits page's captions name the kind of fit: each preferred fit once.
            pages->setCurrentIndex(2);
            QListWidget* fits = main.findChild<QListWidget*>(QStringLiteral("lbx_Posadki"));
            for (int row = 0; fits && row < fits->count(); ++row) {
                fits->scrollToItem(fits->item(row));
                QTest::mouseClick(fits->viewport(), Qt::LeftButton, {}, fits->visualItemRect(fits->item(row)).center());
                check(window);
            }
        } else {
            check(window);
            window->hide();
        }
    }
    return cut;
}

class EnglishInterface : public MainWindowFixture {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(i18n::languageFromEnvironment(), i18n::Language::English) << "run under an English or German locale";
        StartUp::prepareApplication();
    }
    static void TearDownTestSuite() { StartUp::applyLanguage(i18n::Language::Russian); }

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        w().createSecondaryWindows();
    }

    QList<QWidget*> everyWindow() { return ::everyWindow(w()); }

    QWidget* control(const char* name) const
    {
        auto* found = m_window->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(EnglishInterface, EveryWindowAndPageShowsEnglishWithOnlyTheOldDesignationsInRussian)
{
    retype(ui().Edit2, QStringLiteral("25"));
    const QSet<QString> allowed = oldDesignations();
    QStringList found;
    for (QWidget* window : everyWindow()) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* widget : widgets)
            for (const QString& text : textsOf(widget))
                if (const QStringList words = russianWords(text, allowed); !words.isEmpty())
                    found << widget->objectName() + QStringLiteral(": ") + text;
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

// The English wording, checked on a few dozen representative texts of every window and page.
TEST_F(EnglishInterface, TheWordingIsThatOfEnglishLanguageIsoPractice)
{
    everyWindow();
    enum class Shown { Text, Hint };
    struct Expected {
        const char* control;
        Shown what;
        const char* text;
    };
    const Expected table[] = {
        {"Form1", Shown::Text, "Limits and Fits"},
        {"Label5", Shown::Text, "Grade"},
        {"GroupBox1", Shown::Text, "FILTER"},
        {"Label3", Shown::Text, "Letter"},
        {"CheckBox2", Shown::Text, "Tolerance in µm"},
        {"CheckBox1", Shown::Text, "Tolerance by hand"},
        {"Label6", Shown::Text, "Nominal size [mm]"},
        {"Label7", Shown::Text, "Mid-tolerance"},
        {"Label8", Shown::Text, "Radius"},
        {"Edit2", Shown::Hint, "Just type a number here"},
        {"Button20", Shown::Text, "Show the table  >>>>"},
        {"Label13", Shown::Text, "About"},
        {"GroupBox3", Shown::Text, "Tap drill (parameters)"},
        {"Label18", Shown::Text, "Tap drill diameter"},
        {"Label14", Shown::Text, "M"},
        {"lb_PosRazmer", Shown::Text, "Size, mm"},
        {"ed_PosRazmer", Shown::Hint, "Nominal size, mm: over 0 up to 3150"},
        {"gb_Otverstie", Shown::Text, "Hole"},
        {"gb_Val", Shown::Text, "Shaft"},
        {"lb_Posadki", Shown::Text, "Preferred"},
        {"ed_OtvES", Shown::Hint, "Upper deviation of the hole ES, µm"},
        {"ed_ValEi", Shown::Hint, "Lower deviation of the shaft ei, µm"},
        {"ed_OtvMax", Shown::Hint, "Largest limit of size of the hole Dmax, mm"},
        {"ed_ValMin", Shown::Hint, "Smallest limit of size of the shaft dmin, mm"},
        {"lb_RezbD", Shown::Text, "Thread"},
        {"lb_RezbP", Shown::Text, "Pitch"},
        {"cmbx_RezbP", Shown::Hint, "Thread pitch, mm: coarse first"},
        {"gb_Gaika", Shown::Text, "Nut (internal thread)"},
        {"gb_Bolt", Shown::Text, "Bolt (external thread)"},
        {"lb_GaikaD", Shown::Text, "major D"},
        {"lb_GaikaD2", Shown::Text, "pitch D₂"},
        {"lb_BoltD3", Shown::Text, "minor d₃"},
        {"lb_GaikaD_max", Shown::Text, "not limited"},
        {"lb_RezbZazor", Shown::Text, "Clearance on the pitch diameter, µm"},
        {"btm_RezbDopTabl", Shown::Text, "Thread tolerance table  >>>>"},
        {"frm_About", Shown::Text, "About"},
        {"frm_KeyBoard", Shown::Text, "Keypad"},
        {"frm_RezbTabl", Shown::Text, "Tap drill holes for threads"},
        {"frm_Table", Shown::Text, "Tolerance classes (deviations in µm)"},
        {"frm_ListOf_Ferrak", Shown::Text, "Tolerance classes (list)"},
    };
    for (const Expected& expected : table) {
        const QWidget* widget = QString::fromLatin1(expected.control) == QStringLiteral("Form1") ? &w() : control(expected.control);
        if (!widget)
            continue;
        const QString shown = expected.what == Shown::Text ? shownText(widget) : widget->toolTip();
        EXPECT_EQ(shown, QString::fromUtf8(expected.text)) << expected.control;
    }
    const QStringList tabs = {QStringLiteral("Tolerance classes"), QStringLiteral("Threads"), QStringLiteral("Fits"),
                              QStringLiteral("Thread tolerances")};
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(ui().PageControl1->tabText(i), tabs[i]);
}

// English is often longer than Russian: every caption, check box and radio button that
// shows its whole text in Russian still shows it in English, in the bounds it has.
TEST_F(EnglishInterface, EveryCaptionShowsItsWholeText)
{
    retype(ui().Edit2, QStringLiteral("25"));
    const QMap<QString, QString> english = cutCaptions(w());
    StartUp::applyLanguage(i18n::Language::Russian);
    QMap<QString, QString> russian;
    {
        TForm1 window;
        window.show();
        window.createSecondaryWindows();
        russian = cutCaptions(window);
    }
    StartUp::applyLanguage(i18n::Language::English);
    QStringList cut;
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        if (!russian.contains(it.key()))
            cut << it.value();
    EXPECT_TRUE(cut.isEmpty()) << cut.join(u'\n').toStdString();
}

TEST_F(EnglishInterface, NumbersAreWrittenWithThePoint)
{
    retype(ui().Edit2, QStringLiteral("25"));
    int withPoint = 0;
    for (const char* name : {"Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"}) {
        const QString text = static_cast<QLineEdit*>(control(name))->text();
        EXPECT_FALSE(text.contains(u',')) << name << ": " << text.toStdString();
        withPoint += text.contains(u'.');
    }
    EXPECT_GE(withPoint, 3);

    // The quick-insert window's values.
    w().frm_FastNamber()->show();
    QCoreApplication::processEvents();
    const QList<QLabel*> values = w().frm_FastNamber()->findChildren<QLabel*>();
    ASSERT_FALSE(values.isEmpty());
    for (const QLabel* value : values)
        EXPECT_TRUE(value->text().contains(u'.') && !value->text().contains(u',')) << value->text().toStdString();
    w().frm_FastNamber()->hide();
}

} // namespace
