// The thread answers: the limits in the terms of the standard, numbers exact with
// the interface's decimal separator, in the manner of the class and fit answers.
#include "ThreadOutput.h"

#include <algorithm>

#include "TextOutput.h"
#include "TextSafety.h"
#include "Translate.h"

namespace limits {

using iso965::AnswerKind;
using iso965::BoltLimits;
using iso965::NutLimits;
using iso965::PlanThread;
using number::Decimal;

namespace {

std::string signedText(const Decimal& value) { return (value > Decimal{} ? "+" : "") + commaText(value); }

std::string mm(const Decimal& value) { return i18n::arg(i18n::translate("limits", "%1 мм"), {commaText(value)}); }

std::string um(const Decimal& value) { return i18n::arg(i18n::translate("limits", "%1 мкм"), {commaText(value)}); }

std::string span(const Decimal& largest, const Decimal& smallest)
{
    return i18n::arg(i18n::translate("limits", "%1 … %2 мм"), {commaText(largest), commaText(smallest)});
}

// One indented line of an answer.
std::string line(const std::string& indent, const std::string& pattern, std::initializer_list<std::string_view> values)
{
    return indent + i18n::arg(pattern, values) + "\n";
}

// "крупный шаг 1,5 мм, диаметры свыше 5,6 до 11,2 мм": the pitch and the row of the tolerance tables.
std::string threadLine(const PlanThread& thread)
{
    std::string text = i18n::arg(thread.series == iso965::Series::Coarse ? i18n::translate("limits", "крупный шаг %1")
                                                                         : i18n::translate("limits", "мелкий шаг %1"),
                                 {mm(thread.pitch)});
    if (const auto range = iso965::diameterRange(thread))
        text = i18n::arg(i18n::translate("limits", "%1, диаметры свыше %2 до %3"),
                         {text, commaText(range->over), mm(range->upTo)});
    return text;
}

std::string classList(const PlanThread& thread, iso965::ThreadKind kind)
{
    std::string text;
    for (const iso965::ThreadClass& c : iso965::classesFor(thread, kind))
        text += " " + c.name();
    return text;
}

std::string nutLines(const NutLimits& l, const std::string& indent)
{
    return line(indent, i18n::translate("limits", "нижнее отклонение EI = %1 мкм (D, D2), %2 мкм (D1)"),
                {signedText(l.eiPitch), signedText(l.eiMinor)}) +
           line(indent, i18n::translate("limits", "допуск TD2 = %1, TD1 = %2"), {um(l.tPitch), um(l.tMinor)}) +
           line(indent, i18n::translate("limits", "наружный диаметр   D  не менее %1"), {mm(l.majorMin)}) +
           line(indent, i18n::translate("limits", "средний диаметр    D2 %1"), {span(l.pitchMax, l.pitchMin)}) +
           line(indent, i18n::translate("limits", "внутренний диаметр D1 %1"), {span(l.minorMax, l.minorMin)});
}

std::string boltLines(const BoltLimits& l, const std::string& indent)
{
    return line(indent, i18n::translate("limits", "верхнее отклонение es = %1 мкм (d2, d3), %2 мкм (d)"),
                {signedText(l.esPitch), signedText(l.esMajor)}) +
           line(indent, i18n::translate("limits", "допуск Td2 = %1, Td = %2"), {um(l.tPitch), um(l.tMajor)}) +
           line(indent, i18n::translate("limits", "наружный диаметр   d  %1"), {span(l.majorMax, l.majorMin)}) +
           line(indent, i18n::translate("limits", "средний диаметр    d2 %1"), {span(l.pitchMax, l.pitchMin)}) +
           line(indent, i18n::translate("limits", "внутренний диаметр d3 не более %1"), {mm(l.rootMax)});
}

std::string aloneText(const PlanThread& thread)
{
    const iso965::BasicDiameters basic = iso965::basicDiameters(thread);
    return threadTitle(thread) + " — " + threadLine(thread) + "\n" +
           line("  ", i18n::translate("limits", "номинальные диаметры: d = D = %1, d2 = D2 = %2, d1 = D1 = %3, d3 = %4"),
                {mm(basic.major), mm(basic.pitch), mm(basic.minor), mm(basic.root)}) +
           line("  ", i18n::translate("limits", "поля гайки:%1"), {classList(thread, iso965::ThreadKind::Internal)}) +
           line("  ", i18n::translate("limits", "поля болта:%1"), {classList(thread, iso965::ThreadKind::External)});
}

} // namespace

std::string threadTitle(const PlanThread& thread)
{
    iso965::ThreadNameStyle style;
    style.times = "×";
    return iso965::threadName(thread, style);
}

std::string threadText(const ThreadQuery& query)
{
    const iso965::ThreadAnswer& a = query.answer;
    if (a.kind == AnswerKind::Refused)
        return shownInput(query.typed) + ": " + iso965::refusalText(a.refusal) + "\n";
    if (a.kind == AnswerKind::Thread)
        return aloneText(a.thread);
    const iso965::ThreadFit& fit = a.fit;
    const std::string classes = a.kind == AnswerKind::Nut    ? fit.nut.threadClass.name()
                                : a.kind == AnswerKind::Bolt ? fit.bolt.threadClass.name()
                                                             : fit.nut.threadClass.name() + "/" + fit.bolt.threadClass.name();
    const std::string title = threadTitle(a.thread) + "-" + classes;
    if (!a.defined())
        return title + ": " + iso965::refusalText(a.firstRefusal()) + "\n";
    switch (a.kind) {
    case AnswerKind::Nut:
        return line("", i18n::translate("limits", "%1 — внутренняя резьба (гайка), %2"), {title, threadLine(a.thread)}) +
               nutLines(fit.nut, "  ");
    case AnswerKind::Bolt:
        return line("", i18n::translate("limits", "%1 — наружная резьба (болт), %2"), {title, threadLine(a.thread)}) +
               boltLines(fit.bolt, "  ");
    default:
        break;
    }
    return line("", i18n::translate("limits", "%1 — посадка резьбы, %2"), {title, threadLine(a.thread)}) +
           line("  ", i18n::translate("limits", "гайка %1"), {fit.nut.threadClass.name()}) + nutLines(fit.nut, "    ") +
           line("  ", i18n::translate("limits", "болт %1"), {fit.bolt.threadClass.name()}) + boltLines(fit.bolt, "    ") +
           line("  ", i18n::translate("limits", "наименьший зазор по среднему диаметру D2 min − d2 max = %1"),
                {um(fit.pitchClearanceMin)}) +
           line("  ", i18n::translate("limits", "наибольший зазор по среднему диаметру D2 max − d2 min = %1"),
                {um(fit.pitchClearanceMax)});
}

std::string threadsText(const PlanQuery& query)
{
    if (query.refusal)
        return "M" + commaText(*query.diameter) + ": " + iso965::refusalText(query.refusal) + "\n";
    std::string text =
        query.diameter
            ? line("", i18n::translate("limits", "M%1: шаги по ISO 261, мм"), {commaText(*query.diameter)})
            : i18n::translate("limits", "Метрические резьбы ISO 261, 1…300 мм: диаметр, ряд, шаги в мм") + "\n";
    // One line per diameter: "  M10      ряд 1  крупный 1,5; мелкие 1,25; 1; 0,75".
    for (std::size_t i = 0; i < query.threads.size();) {
        const PlanThread& first = query.threads[i];
        std::string name = "M" + commaText(first.d);
        name.resize(std::max<std::size_t>(name.size(), 7), ' ');
        std::string row = "  " + name + "  " + i18n::arg(i18n::translate("limits", "ряд %1"), {std::to_string(first.choice)}) + "  ";
        std::string fine;
        int fineCount = 0;
        for (; i < query.threads.size() && query.threads[i].dUm == first.dUm; ++i) {
            const PlanThread& t = query.threads[i];
            if (t.series == iso965::Series::Coarse)
                row += i18n::arg(i18n::translate("limits", "крупный %1"), {commaText(t.pitch)});
            else
                fine += (fineCount++ ? "; " : "") + commaText(t.pitch);
        }
        if (!fine.empty())
            row += std::string(first.series == iso965::Series::Coarse ? "; " : "") +
                   i18n::arg(fineCount > 1 ? i18n::translate("limits", "мелкие %1") : i18n::translate("limits", "мелкий %1"),
                             {fine});
        text += row + "\n";
    }
    return text;
}

} // namespace limits
