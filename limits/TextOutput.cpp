#include "TextOutput.h"

#include "RefusalText.h"
#include "TextSafety.h"

namespace limits {

using iso286::Decimal;
using iso286::Kind;
using iso286::Limits;

namespace {

// Deviations with their sign: "+21", "0", "-7,5".
std::string signedText(const Decimal& value)
{
    const Decimal zero;
    return (value > zero ? "+" : "") + commaText(value);
}

std::string sizeTitle(const SizeShown& size) { return "Ø" + (size.size ? commaText(*size.size) : shownInput(size.typed)); }

std::string intervalText(const Limits& l)
{
    if (l.over == 0)
        return "размеры до " + std::to_string(l.upTo) + " мм";
    return "размеры свыше " + std::to_string(l.over) + " до " + std::to_string(l.upTo) + " мм";
}

std::string notesText(const std::vector<std::string>& notes)
{
    std::string text;
    for (const std::string& note : notes)
        text += "  примечание: " + note + "\n";
    return text;
}

// "ES = +21 мкм, EI = 0 мкм" or the shaft's "es", "ei".
std::string deviationsLine(const Limits& l)
{
    const bool hole = l.toleranceClass.kind == Kind::Hole;
    return std::string(hole ? "ES" : "es") + " = " + signedText(l.upper) + " мкм, " + (hole ? "EI" : "ei") + " = " +
           signedText(l.lower) + " мкм";
}

// One line of a list or of a fit: "  H7: ES = +21 мкм, EI = 0 мкм; 25,021 … 25 мм", after `what` ("вал ").
std::string listEntry(const Limits& l, const std::string& what = "", const std::string& after = "")
{
    return "  " + what + l.toleranceClass.name() + ": " + deviationsLine(l) + "; " + commaText(l.largest) + " … " +
           commaText(l.smallest) + " мм" + after + "\n";
}

// Which halves of an odd IT7 a JS7/js7 of a look-up has.
std::string js7Text(const Limits& l)
{
    switch (l.js7) {
    case iso286::Js7Convention::Catalogue: return " (IT7 округлён до чётного, как в каталоге)";
    case iso286::Js7Convention::ExactHalves: return " (точные половины IT7, как в ISO 286-2:2010)";
    case iso286::Js7Convention::None: break;
    }
    return "";
}

} // namespace

std::string commaText(const Decimal& value)
{
    return number::plainNumberText(value);
}

std::string classText(const SizeShown& size, const Limits& l)
{
    const std::string title = sizeTitle(size) + " " + l.toleranceClass.name();
    if (!l.defined)
        return title + ": " + iso286::refusalText(*l.refusal) + "\n";
    const bool hole = l.toleranceClass.kind == Kind::Hole;
    return title + " — " + (hole ? "отверстие" : "вал") + ", " + intervalText(l) + "\n" +
           "  верхнее отклонение " + (hole ? "ES" : "es") + " = " + signedText(l.upper) + " мкм\n" +
           "  нижнее отклонение  " + (hole ? "EI" : "ei") + " = " + signedText(l.lower) + " мкм\n" +
           "  допуск IT" + iso286::gradeText(l.toleranceClass.grade) + " = " + commaText(l.it) + " мкм\n" +
           "  наибольший размер  " + commaText(l.largest) + " мм\n" +
           "  наименьший размер  " + commaText(l.smallest) + " мм\n" + notesText(l.notes);
}

std::string fitText(const SizeShown& size, const iso286::Fit& fit)
{
    const std::string title =
        sizeTitle(size) + " " + fit.hole.toleranceClass.name() + "/" + fit.shaft.toleranceClass.name();
    if (!fit.defined)
        return title + ": " + iso286::refusalText(*fit.refusal) + "\n";
    return title + " — посадка " + iso286::fitKindText(fit.kind) + ", " + iso286::fitSystemText(fit.system) + "\n" +
           listEntry(fit.hole, "отверстие ") + listEntry(fit.shaft, "вал ") +
           "  наибольший зазор Smax = ES − ei = " + commaText(fit.maxClearance) + " мкм\n" +
           "  наименьший зазор Smin = EI − es = " + commaText(fit.minClearance) + " мкм\n" +
           "  средний зазор = " + commaText(fit.meanClearance) + " мкм\n" +
           "  допуск посадки = " + commaText(fit.fitTolerance) + " мкм\n" +
           (fit.kind == iso286::FitKind::Clearance ? "" : "  (отрицательный зазор — натяг)\n") +
           notesText(fit.hole.notes) + notesText(fit.shaft.notes) + notesText(fit.notes);
}

std::string lookupText(const SizeShown& size, const Target& target, const iso286::Lookup& lookup)
{
    const bool exact = !lookup.exact.empty();
    std::string text = sizeTitle(size) + ", отклонения " + signedText(target.upper) + " и " + signedText(target.lower) +
                       " мкм: " + (exact ? "поля с этими отклонениями\n" : "ни одно поле не совпадает, ближайшие\n");
    for (const iso286::Match& m : exact ? lookup.exact : lookup.nearest)
        text += listEntry(m.limits, "", (exact ? "" : " (на " + commaText(m.distance) + " мкм)") + js7Text(m.limits));
    return text;
}

std::string classesText(const SizeShown& size, const iso286::ClassesAtSize& classes)
{
    std::string text;
    auto group = [&](const char* title, const std::vector<Limits>& list) {
        text += sizeTitle(size) + ": " + title + ", " + std::to_string(list.size()) + "\n";
        for (std::size_t i = 0; i < list.size(); ++i) {
            const bool newLetter = i == 0 || list[i].toleranceClass.letter != list[i - 1].toleranceClass.letter;
            text += newLetter ? (i ? "\n  " : "  ") : " ";
            text += list[i].toleranceClass.name();
        }
        text += list.empty() ? "" : "\n";
    };
    group("поля отверстий", classes.holes);
    group("поля валов", classes.shafts);
    return text;
}

std::string refusedSizeText(const SizeShown& size, const iso286::Refusal& refusal)
{
    return sizeTitle(size) + ": " + iso286::refusalText(refusal) + "\n";
}

} // namespace limits
