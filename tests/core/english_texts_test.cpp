// The cores' texts in English, with the compiled-in translation and the decimal point
// as dopusk-limits and the English windows use them, and the same texts in Russian.
#include <gtest/gtest.h>

#include <functional>

#include "Designation.h"
#include "EnglishTexts.h"
#include "FieldFilter.h"
#include "FitTexts.h"
#include "KeypadDisplay.h"
#include "ManualEntry.h"
#include "LimitCalculation.h"
#include "NumberText.h"
#include "ThreadLimitTexts.h"
#include "ThreadSelection.h"
#include "Translate.h"

namespace {

using number::Decimal;

// A comma reads in either language.
Decimal dec(const char* text) { return *number::parseNumberText(text); }
iso286::ToleranceClass cls(const char* text) { return *iso286::parseClass(text); }

iso286::Fit fit(const char* size, const char* hole, const char* shaft) { return iso286::fitOf(dec(size), cls(hole), cls(shaft)); }
std::string classRefusal(const char* size, const char* c)
{
    return iso286::reasonText(iso286::limitsOf(dec(size), cls(c)).refusal);
}
std::string threadRefusal(const char* designation) { return iso965::refusalText(iso965::answer(designation).firstRefusal()); }

struct Wording {
    const char* what;
    std::function<std::string()> text;
    const char* english;
    const char* russian;
};

const Wording Table[] = {
    {"fit sentence, clearance", [] { return iso286::fitKindSentence(fit("25", "H7", "g6")); },
     "Clearance fit, hole-basis", "Посадка с зазором в системе отверстия"},
    {"fit sentence, transition", [] { return iso286::fitKindSentence(fit("25", "K7", "h6")); },
     "Transition fit, shaft-basis", "Переходная посадка в системе вала"},
    {"fit sentence, both systems", [] { return iso286::fitKindSentence(fit("25", "H7", "h6")); },
     "Clearance fit, hole-basis and shaft-basis", "Посадка с зазором в системе отверстия и в системе вала"},
    {"fit sentence, interference", [] { return iso286::fitKindSentence(fit("25", "S7", "g6")); },
     "Interference fit, neither hole-basis nor shaft-basis", "Посадка с натягом внесистемная"},
    {"fit summary, interference", [] { return iso286::fitSummary(fit("25", "H7", "p6")); },
     "Ø25 H7/p6: interference 1…35 µm", "Ø25 H7/p6: натяг 1…35 мкм"},
    {"fit summary, transition", [] { return iso286::fitSummary(fit("25,5", "H7", "k6")); },
     "Ø25.5 H7/k6: Smax 19, Nmax 15 µm",
     "Ø25,5 H7/k6: зазор до 19 мкм, натяг до 15 мкм"},
    {"fit figure", [] { return iso286::fitFigures(fit("25", "H7", "p6")).first.caption; },
     "Max. interference Nmax", "Наибольший натяг Nmax"},
    {"fit tolerance", [] { return iso286::fitFigures(fit("25", "H7", "k6")).tolerance.caption; },
     "Fit tolerance TSN", "Допуск посадки TSN"},
    {"deviation", [] { return iso286::deviationText(dec("-7,5")); }, "-7.5", "-7,5"},
    {"size not positive", [] { return classRefusal("0", "H7"); }, "The nominal size must be greater than 0 mm",
     "Номинальный размер должен быть больше 0 мм"},
    {"size too fine", [] { return classRefusal("25,0000001", "H7"); },
     "The nominal size is given to 0.000001 mm at most", "Номинальный размер задаётся с точностью до 0,000001 мм"},
    {"grade not defined", [] { return classRefusal("0,5", "H14"); },
     "Grades IT14…IT18 are defined for sizes over 1 mm", "Квалитеты IT14…IT18 определены для размеров свыше 1 мм"},
    {"class at sizes", [] { return classRefusal("600", "za11"); },
     "Tolerance class za11 is not defined for sizes over 500 mm", "Поле za11 для размеров свыше 500 мм не определено"},
    {"class below 1 mm", [] { return classRefusal("0,5", "a9"); }, "Tolerance class a9 is not defined for sizes up to 1 mm",
     "Поле a9 для размеров до 1 мм не определено"},
    {"shaft first", [] { return iso286::reasonText(fit("25", "p6", "H7").refusal); },
     "p6 is a shaft tolerance class; a fit names the hole first (H7/p6)",
     "p6 — поле вала, а в посадке первым пишется поле отверстия (H7/p6)"},
    {"js7 note", [] { return iso286::js7Note(iso286::limitsOf(dec("8"), cls("js7"))); },
     "IT7 = 15 µm is odd: deviations rounded to ±7 µm, exactly ±7.5", "IT7 = 15 мкм нечётный: отклонения округлены до ±7 мкм, точно ±7,5"},
    {"thread unreadable", [] { return threadRefusal("Q10"); },
     "Thread “Q10” not read: written as M10, M10x1.25 or M10x1.25-6H",
     "Резьба «Q10» не прочитана: пишется как M10, M10x1,25 или M10x1,25-6H"},
    {"pitch not in plan", [] { return threadRefusal("M10x0,3"); },
     "ISO 261 has no pitch 0.3 mm for M10 (there are 1.5; 1.25; 1; 0.75)",
     "Шага 0,3 мм у резьбы M10 в ряду ISO 261 нет (есть 1,5; 1,25; 1; 0,75)"},
    {"grade not defined", [] { return threadRefusal("M10-9H"); },
     "The standard sets no tolerance grade 9 for the pitch diameter D2 of the nut (there are 4…8)",
     "Степени точности 9 для среднего диаметра D2 гайки стандарт не устанавливает (есть 4…8)"},
    {"series", [] { return thread_texts::seriesText(iso965::answer("M10x1,25").thread); }, "Fine thread, choice 1",
     "Резьба с мелким шагом, 1-й ряд"},
    {"limit hint", [] {
         const auto a = iso965::answer("M10-6g");
         return thread_texts::limitText(thread_texts::Limit::BoltPitchMax, nullptr, &a.fit.bolt).hint;
     },
     "Maximum pitch diameter of the bolt d₂ max = d₂ + es: 9.026 − 32 µm = 8.994 mm (es: fundamental deviation g)",
     "Наибольший средний диаметр болта d₂ max = d₂ + es: 9,026 − 32 мкм = 8,994 мм (es — основное отклонение g)"},
    {"thread title", [] { return thread_texts::threadTitle(iso965::answer("M1,6").thread); }, "M1.6×0.35", "M1,6×0,35"},
    {"filter", [] { return tolerance::typeFilterItems().back(); }, "ALL (sorted by grade)", "ВСЕ (сортировка по квалитету)"},
    {"not in table", [] { return tolerance::notInTableText(16, dec("999,5")); }, // d11
     "d11 at Ø999.5: not in the table, see “Fits”", "d11 при Ø999,5: в таблице нет, см. «Посадки»"},
    {"tap drill status", [] { return thread_calc::ShowThreadHole(44).status; }, "M10×1.5: tap drill hole 8.43 +0.2",
     "M10×1,5: отверстие 8,43 +0,2"},
    {"tap drill header", [] { return thread_calc::TableHeader()[3]; }, " Tap drill diameter d0", " Диам. отв. под резьбу d0"},
};

class EnglishTexts : public testing::TestWithParam<Wording> {
protected:
    void TearDown() override
    {
        i18n::setTranslator(nullptr);
        number::setInterfaceDecimalSeparator(',');
    }
};

TEST_P(EnglishTexts, ReadInTheTermsOfIsoPractice)
{
    const Wording& w = GetParam();
    i18n::setTranslator(i18n::englishText);
    number::setInterfaceDecimalSeparator('.');
    EXPECT_EQ(w.text(), w.english) << w.what;
}

TEST_P(EnglishTexts, StayRussianWithoutTranslation)
{
    const Wording& w = GetParam();
    EXPECT_EQ(w.text(), w.russian) << w.what;
}

INSTANTIATE_TEST_SUITE_P(Table, EnglishTexts, testing::ValuesIn(Table));

// What is typed and keyed in takes the interface's separator: the point in English.
TEST(EnglishNumbers, TypedAndKeyedWithThePoint)
{
    for (const char separator : {'.', ','}) {
        number::setInterfaceDecimalSeparator(separator);
        EXPECT_EQ(tolerance::filterTypedChar(U','), char32_t(separator));
        EXPECT_EQ(tolerance::filterTypedChar(U'.'), char32_t(separator));
        KeypadDisplay keypad;
        keypad.reset();
        keypad.appendDigit('2');
        keypad.enterPoint();
        keypad.enterPoint();
        keypad.appendDigit('5');
        EXPECT_EQ(keypad.finish(), std::string("2") + separator + "5");
        EXPECT_TRUE(keypad.store(1));
        EXPECT_EQ(tolerance::deviationTextInUnit("2,5", tolerance::DeviationUnit::Micrometres,
                                                 tolerance::DeviationUnit::Millimetres),
                  std::string("0") + separator + "0025");
    }
    number::setInterfaceDecimalSeparator(',');
}

} // namespace
