#include "TextOutput.h"

#include "NumberText.h"
#include "RefusalText.h"
#include "TextSafety.h"
#include "Translate.h"

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
        return i18n::arg(i18n::translate("limits", "размеры до %1 мм"), {std::to_string(l.upTo)});
    return i18n::arg(i18n::translate("limits", "размеры свыше %1 до %2 мм"),
                     {std::to_string(l.over), std::to_string(l.upTo)});
}

std::string notesText(const std::vector<std::string>& notes)
{
    std::string text;
    for (const std::string& note : notes)
        text += "  " + i18n::arg(i18n::translate("limits", "примечание: %1"), {note}) + "\n";
    return text;
}

// "ES = +21 мкм, EI = 0 мкм" or the shaft's "es", "ei".
std::string deviationsLine(const Limits& l)
{
    const bool hole = l.toleranceClass.kind == Kind::Hole;
    return i18n::arg(i18n::translate("limits", "%1 = %2 мкм, %3 = %4 мкм"),
                     {hole ? "ES" : "es", signedText(l.upper), hole ? "EI" : "ei", signedText(l.lower)});
}

// One line of a list or of a fit: "  H7: ES = +21 мкм, EI = 0 мкм; 25,021 … 25 мм", after `what` ("вал ").
std::string listEntry(const Limits& l, const std::string& what = "", const std::string& after = "")
{
    return "  " +
           i18n::arg(i18n::translate("limits", "%1%2: %3; %4 … %5 мм%6"),
                     {what, l.toleranceClass.name(), deviationsLine(l), commaText(l.largest), commaText(l.smallest), after}) +
           "\n";
}

// Which halves of an odd IT7 a JS7/js7 of a look-up has.
std::string js7Text(const Limits& l)
{
    switch (l.js7) {
    case iso286::Js7Convention::Catalogue: return " " + i18n::translate("limits", "(IT7 округлён до чётного, как в каталоге)");
    case iso286::Js7Convention::ExactHalves:
        return " " + i18n::translate("limits", "(точные половины IT7, как в ISO 286-2:2010)");
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
    const auto line = [](const char* pattern, std::initializer_list<std::string_view> values) {
        return "  " + i18n::arg(pattern, values) + "\n";
    };
    return i18n::arg(hole ? i18n::translate("limits", "%1 — отверстие, %2") : i18n::translate("limits", "%1 — вал, %2"),
                     {title, intervalText(l)}) +
           "\n" +
           line(i18n::translate("limits", "верхнее отклонение %1 = %2 мкм").c_str(), {hole ? "ES" : "es", signedText(l.upper)}) +
           line(i18n::translate("limits", "нижнее отклонение  %1 = %2 мкм").c_str(), {hole ? "EI" : "ei", signedText(l.lower)}) +
           line(i18n::translate("limits", "допуск IT%1 = %2 мкм").c_str(),
                {iso286::gradeText(l.toleranceClass.grade), commaText(l.it)}) +
           line(i18n::translate("limits", "наибольший размер  %1 мм").c_str(), {commaText(l.largest)}) +
           line(i18n::translate("limits", "наименьший размер  %1 мм").c_str(), {commaText(l.smallest)}) +
           notesText(l.notes);
}

std::string fitText(const SizeShown& size, const iso286::Fit& fit)
{
    const std::string title =
        sizeTitle(size) + " " + fit.hole.toleranceClass.name() + "/" + fit.shaft.toleranceClass.name();
    if (!fit.defined)
        return title + ": " + iso286::refusalText(*fit.refusal) + "\n";
    const auto line = [](const std::string& pattern, const Decimal& value) {
        return "  " + i18n::arg(pattern, {commaText(value)}) + "\n";
    };
    return i18n::arg(i18n::translate("limits", "%1 — посадка %2, %3"),
                     {title, iso286::fitKindText(fit.kind), iso286::fitSystemText(fit.system)}) +
           "\n" + listEntry(fit.hole, i18n::translate("limits", "отверстие ")) +
           listEntry(fit.shaft, i18n::translate("limits", "вал ")) +
           line(i18n::translate("limits", "наибольший зазор Smax = ES − ei = %1 мкм"), fit.maxClearance) +
           line(i18n::translate("limits", "наименьший зазор Smin = EI − es = %1 мкм"), fit.minClearance) +
           line(i18n::translate("limits", "средний зазор = %1 мкм"), fit.meanClearance) +
           line(i18n::translate("limits", "допуск посадки = %1 мкм"), fit.fitTolerance) +
           (fit.kind == iso286::FitKind::Clearance ? ""
                                                   : "  " + i18n::translate("limits", "(отрицательный зазор — натяг)") + "\n") +
           notesText(fit.hole.notes) + notesText(fit.shaft.notes) + notesText(fit.notes);
}

std::string lookupText(const SizeShown& size, const Target& target, const iso286::Lookup& lookup)
{
    const bool exact = !lookup.exact.empty();
    std::string text =
        i18n::arg(exact ? i18n::translate("limits", "%1, отклонения %2 и %3 мкм: поля с этими отклонениями")
                        : i18n::translate("limits", "%1, отклонения %2 и %3 мкм: ни одно поле не совпадает, ближайшие"),
                  {sizeTitle(size), signedText(target.upper), signedText(target.lower)}) +
        "\n";
    for (const iso286::Match& m : exact ? lookup.exact : lookup.nearest)
        text += listEntry(m.limits, "",
                          (exact ? "" : " " + i18n::arg(i18n::translate("limits", "(на %1 мкм)"), {commaText(m.distance)})) +
                              js7Text(m.limits));
    return text;
}

std::string classesText(const SizeShown& size, const iso286::ClassesAtSize& classes)
{
    std::string text;
    auto group = [&](const std::string& title, const std::vector<Limits>& list) {
        text += sizeTitle(size) + ": " + title + ", " + std::to_string(list.size()) + "\n";
        for (std::size_t i = 0; i < list.size(); ++i) {
            const bool newLetter = i == 0 || list[i].toleranceClass.letter != list[i - 1].toleranceClass.letter;
            text += newLetter ? (i ? "\n  " : "  ") : " ";
            text += list[i].toleranceClass.name();
        }
        text += list.empty() ? "" : "\n";
    };
    group(i18n::translate("limits", "поля отверстий"), classes.holes);
    group(i18n::translate("limits", "поля валов"), classes.shafts);
    return text;
}

std::string refusedSizeText(const SizeShown& size, const iso286::Refusal& refusal)
{
    return sizeTitle(size) + ": " + iso286::refusalText(refusal) + "\n";
}

} // namespace limits
