// The thread answers in Russian: the limits in GOST terms, numbers exact with
// the decimal comma, in the manner of the class and fit answers.
#include "ThreadOutput.h"

#include <algorithm>

#include "TextOutput.h"
#include "TextSafety.h"

namespace limits {

using iso965::AnswerKind;
using iso965::BoltLimits;
using iso965::NutLimits;
using iso965::PlanThread;
using number::Decimal;

namespace {

std::string signedText(const Decimal& value) { return (value > Decimal{} ? "+" : "") + commaText(value); }

std::string mm(const Decimal& value) { return commaText(value) + " мм"; }

std::string um(const Decimal& value) { return commaText(value) + " мкм"; }

std::string span(const Decimal& largest, const Decimal& smallest)
{
    return commaText(largest) + " … " + commaText(smallest) + " мм";
}

// "крупный шаг 1,5 мм, диаметры свыше 5,6 до 11,2 мм": the pitch and the row of the tolerance tables.
std::string threadLine(const PlanThread& thread)
{
    std::string text = std::string(thread.series == iso965::Series::Coarse ? "крупный" : "мелкий") + " шаг " +
                       mm(thread.pitch);
    if (const auto range = iso965::diameterRange(thread))
        text += ", диаметры свыше " + commaText(range->over) + " до " + mm(range->upTo);
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
    return indent + "нижнее отклонение EI = " + signedText(l.eiPitch) + " мкм (D, D2), " + signedText(l.eiMinor) +
           " мкм (D1)\n" + indent + "допуск TD2 = " + um(l.tPitch) + ", TD1 = " + um(l.tMinor) + "\n" + indent +
           "наружный диаметр   D  не менее " + mm(l.majorMin) + "\n" + indent + "средний диаметр    D2 " +
           span(l.pitchMax, l.pitchMin) + "\n" + indent + "внутренний диаметр D1 " + span(l.minorMax, l.minorMin) +
           "\n";
}

std::string boltLines(const BoltLimits& l, const std::string& indent)
{
    return indent + "верхнее отклонение es = " + signedText(l.esPitch) + " мкм (d2, d3), " + signedText(l.esMajor) +
           " мкм (d)\n" + indent + "допуск Td2 = " + um(l.tPitch) + ", Td = " + um(l.tMajor) + "\n" + indent +
           "наружный диаметр   d  " + span(l.majorMax, l.majorMin) + "\n" + indent + "средний диаметр    d2 " +
           span(l.pitchMax, l.pitchMin) + "\n" + indent + "внутренний диаметр d3 не более " + mm(l.rootMax) + "\n";
}

std::string aloneText(const PlanThread& thread)
{
    const iso965::BasicDiameters basic = iso965::basicDiameters(thread);
    return threadTitle(thread) + " — " + threadLine(thread) + "\n" + "  номинальные диаметры: d = D = " +
           mm(basic.major) + ", d2 = D2 = " + mm(basic.pitch) + ", d1 = D1 = " + mm(basic.minor) + ", d3 = " +
           mm(basic.root) + "\n" + "  поля гайки:" + classList(thread, iso965::ThreadKind::Internal) + "\n" +
           "  поля болта:" + classList(thread, iso965::ThreadKind::External) + "\n";
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
        return title + " — внутренняя резьба (гайка), " + threadLine(a.thread) + "\n" + nutLines(fit.nut, "  ");
    case AnswerKind::Bolt:
        return title + " — наружная резьба (болт), " + threadLine(a.thread) + "\n" + boltLines(fit.bolt, "  ");
    default:
        break;
    }
    return title + " — посадка резьбы, " + threadLine(a.thread) + "\n" + "  гайка " + fit.nut.threadClass.name() +
           "\n" + nutLines(fit.nut, "    ") + "  болт " + fit.bolt.threadClass.name() + "\n" +
           boltLines(fit.bolt, "    ") + "  наименьший зазор по среднему диаметру D2 min − d2 max = " +
           um(fit.pitchClearanceMin) + "\n" + "  наибольший зазор по среднему диаметру D2 max − d2 min = " +
           um(fit.pitchClearanceMax) + "\n";
}

std::string threadsText(const PlanQuery& query)
{
    if (query.refusal)
        return "M" + commaText(*query.diameter) + ": " + iso965::refusalText(query.refusal) + "\n";
    std::string text = query.diameter ? "M" + commaText(*query.diameter) + ": шаги по ISO 261, мм\n"
                                      : "Метрические резьбы ISO 261, 1…300 мм: диаметр, ряд, шаги в мм\n";
    // One line per diameter: "  M10      ряд 1  крупный 1,5; мелкие 1,25; 1; 0,75".
    for (std::size_t i = 0; i < query.threads.size();) {
        const PlanThread& first = query.threads[i];
        std::string name = "M" + commaText(first.d);
        name.resize(std::max<std::size_t>(name.size(), 7), ' ');
        std::string line = "  " + name + "  ряд " + std::to_string(first.choice) + "  ";
        std::string fine;
        int fineCount = 0;
        for (; i < query.threads.size() && query.threads[i].dUm == first.dUm; ++i) {
            const PlanThread& t = query.threads[i];
            if (t.series == iso965::Series::Coarse)
                line += "крупный " + commaText(t.pitch);
            else
                fine += (fineCount++ ? "; " : "") + commaText(t.pitch);
        }
        if (!fine.empty())
            line += std::string(first.series == iso965::Series::Coarse ? "; " : "") + (fineCount > 1 ? "мелкие " : "мелкий ") + fine;
        text += line + "\n";
    }
    return text;
}

} // namespace limits
