#include "TextOutput.h"

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

std::string sizeTitle(const Decimal& size) { return "Ø" + commaText(size); }

std::string intervalText(const Limits& l)
{
    if (l.over == 0)
        return "размеры до " + std::to_string(l.upTo) + " мм";
    return "размеры свыше " + std::to_string(l.over) + " до " + std::to_string(l.upTo) + " мм";
}

std::string notesText(const Limits& l)
{
    std::string text;
    for (const std::string& note : l.notes)
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
std::string listEntry(const Limits& l, const std::string& what = "")
{
    return "  " + what + l.toleranceClass.name() + ": " + deviationsLine(l) + "; " + commaText(l.largest) + " … " +
           commaText(l.smallest) + " мм\n";
}

} // namespace

std::string commaText(const Decimal& value)
{
    std::string text = value.toPlainString();
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

std::string classText(const Limits& l)
{
    const std::string title = sizeTitle(l.size) + " " + l.toleranceClass.name();
    if (!l.defined)
        return title + ": " + l.reason + "\n";
    const bool hole = l.toleranceClass.kind == Kind::Hole;
    return title + " — " + (hole ? "отверстие" : "вал") + ", " + intervalText(l) + "\n" +
           "  верхнее отклонение " + (hole ? "ES" : "es") + " = " + signedText(l.upper) + " мкм\n" +
           "  нижнее отклонение  " + (hole ? "EI" : "ei") + " = " + signedText(l.lower) + " мкм\n" +
           "  допуск IT" + iso286::gradeText(l.toleranceClass.grade) + " = " + commaText(l.it) + " мкм\n" +
           "  наибольший размер  " + commaText(l.largest) + " мм\n" +
           "  наименьший размер  " + commaText(l.smallest) + " мм\n" + notesText(l);
}

std::string fitText(const iso286::Fit& fit)
{
    const std::string title =
        sizeTitle(fit.hole.size) + " " + fit.hole.toleranceClass.name() + "/" + fit.shaft.toleranceClass.name();
    if (!fit.defined)
        return title + ": " + fit.reason + "\n";
    return title + " — посадка " + iso286::fitKindText(fit.kind) + ", " + iso286::fitSystemText(fit.system) + "\n" +
           listEntry(fit.hole, "отверстие ") + listEntry(fit.shaft, "вал ") +
           "  наибольший зазор Smax = ES − ei = " + commaText(fit.maxClearance) + " мкм\n" +
           "  наименьший зазор Smin = EI − es = " + commaText(fit.minClearance) + " мкм\n" +
           "  средний зазор = " + commaText(fit.meanClearance) + " мкм\n" +
           "  допуск посадки = " + commaText(fit.fitTolerance) + " мкм\n" +
           (fit.kind == iso286::FitKind::Clearance ? "" : "  (отрицательный зазор — натяг)\n") +
           notesText(fit.hole) + notesText(fit.shaft);
}

std::string lookupText(const Decimal& size, const Decimal& upper, const Decimal& lower, const iso286::Lookup& lookup)
{
    const bool exact = !lookup.exact.empty();
    std::string text = sizeTitle(size) + ", отклонения " + signedText(upper) + " и " + signedText(lower) + " мкм: " +
                       (exact ? "поля с этими отклонениями\n" : "ни одно поле не совпадает, ближайшие\n");
    for (const Limits& l : exact ? lookup.exact : lookup.nearest)
        text += listEntry(l);
    return text;
}

std::string classesText(const Decimal& size, const iso286::ClassesAtSize& classes)
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

std::string refusedSizeText(const Decimal& size) { return sizeTitle(size) + ": " + iso286::sizeRefusal(size) + "\n"; }

} // namespace limits
