#include "ThreadLimitTexts.h"

#include <cmath>

#include "NumberText.h"
#include "Translate.h"

namespace thread_texts {

using iso965::BoltLimits;
using iso965::NutLimits;
using iso965::PlanThread;

namespace {

std::string micrometresUnit() { return " " + i18n::translate("iso965diagram", "мкм"); }

// How a limit is made: a base (a basic diameter or another limit) and a deviation
// or a tolerance added to it or taken from it.
enum class Term { Deviation, Tolerance };
struct Rule {
    std::string what;     // "Наименьший средний диаметр гайки"
    const char* rule;     // "D₂ min = D₂ + EI"
    Term term;
    bool subtract;        // a bolt's tolerance is taken from its maximum
    const char* termName; // "EI", "TD₂"
};

Rule ruleOf(Limit limit)
{
    switch (limit) {
    case Limit::NutMajorMin:
        return {i18n::translate("iso965diagram", "Наименьший наружный диаметр гайки"), "D min = D + EI", Term::Deviation, false, "EI"};
    case Limit::NutPitchMin:
        return {i18n::translate("iso965diagram", "Наименьший средний диаметр гайки"), "D₂ min = D₂ + EI", Term::Deviation, false, "EI"};
    case Limit::NutPitchMax:
        return {i18n::translate("iso965diagram", "Наибольший средний диаметр гайки"), "D₂ max = D₂ min + TD₂", Term::Tolerance, false, "TD₂"};
    case Limit::NutMinorMin:
        return {i18n::translate("iso965diagram", "Наименьший внутренний диаметр гайки"), "D₁ min = D₁ + EI", Term::Deviation, false, "EI"};
    case Limit::NutMinorMax:
        return {i18n::translate("iso965diagram", "Наибольший внутренний диаметр гайки"), "D₁ max = D₁ min + TD₁", Term::Tolerance, false, "TD₁"};
    case Limit::BoltMajorMax:
        return {i18n::translate("iso965diagram", "Наибольший наружный диаметр болта"), "d max = d + es", Term::Deviation, false, "es"};
    case Limit::BoltMajorMin:
        return {i18n::translate("iso965diagram", "Наименьший наружный диаметр болта"), "d min = d max − Td", Term::Tolerance, true, "Td"};
    case Limit::BoltPitchMax:
        return {i18n::translate("iso965diagram", "Наибольший средний диаметр болта"), "d₂ max = d₂ + es", Term::Deviation, false, "es"};
    case Limit::BoltPitchMin:
        return {i18n::translate("iso965diagram", "Наименьший средний диаметр болта"), "d₂ min = d₂ max − Td₂", Term::Tolerance, true, "Td₂"};
    case Limit::BoltRootMax:
        return {i18n::translate("iso965diagram", "Наибольший внутренний диаметр болта по дну впадины"), "d₃ max = d₃ + es", Term::Deviation, false,
                "es"};
    }
    return {"", "", Term::Deviation, false, ""};
}

// The figures of a defined limit: its base in mm, the deviation or tolerance in µm,
// the zone that gave it, and the limit itself.
struct Figures {
    Decimal base;
    Decimal term;
    iso965::ToleranceZone zone;
    Decimal value;
};

Figures nutFigures(Limit limit, const NutLimits& n)
{
    const iso965::ToleranceZone pitch = n.threadClass.pitch;
    const iso965::ToleranceZone crest = n.threadClass.crest;
    switch (limit) {
    case Limit::NutMajorMin:
        return {n.basic.major, n.eiPitch, pitch, n.majorMin};
    case Limit::NutPitchMin:
        return {n.basic.pitch, n.eiPitch, pitch, n.pitchMin};
    case Limit::NutPitchMax:
        return {n.pitchMin, n.tPitch, pitch, n.pitchMax};
    case Limit::NutMinorMin:
        return {n.basic.minor, n.eiMinor, crest, n.minorMin};
    default:
        return {n.minorMin, n.tMinor, crest, n.minorMax};
    }
}

Figures boltFigures(Limit limit, const BoltLimits& b)
{
    const iso965::ToleranceZone pitch = b.threadClass.pitch;
    const iso965::ToleranceZone crest = b.threadClass.crest;
    switch (limit) {
    case Limit::BoltMajorMax:
        return {b.basic.major, b.esMajor, crest, b.majorMax};
    case Limit::BoltMajorMin:
        return {b.majorMax, b.tMajor, crest, b.majorMin};
    case Limit::BoltPitchMax:
        return {b.basic.pitch, b.esPitch, pitch, b.pitchMax};
    case Limit::BoltPitchMin:
        return {b.pitchMax, b.tPitch, pitch, b.pitchMin};
    default:
        return {b.basic.root, b.esPitch, pitch, b.rootMax};
    }
}

std::string signedTerm(const Decimal& micrometres, bool subtract)
{
    const bool minus = subtract != micrometres.isNegative();
    const Decimal magnitude = micrometres.isNegative() ? -micrometres : micrometres;
    return std::string(minus ? " − " : " + ") + number::generalNumberText(magnitude) + micrometresUnit();
}

std::string sourceText(const Rule& rule, const iso965::ToleranceZone& zone)
{
    if (rule.term == Term::Deviation)
        return i18n::arg(i18n::translate("iso965diagram", "%1 — основное отклонение %2"),
                         {rule.termName, std::string(1, iso965::positionLetter(zone.position))});
    return i18n::arg(i18n::translate("iso965diagram", "%1 — допуск степени точности %2"),
                     {rule.termName, std::to_string(zone.grade)});
}

} // namespace

std::string numberText(const Decimal& value) { return number::generalNumberText(value); }

std::string limitText(const Decimal& millimetres) { return number::fixedNumberText(millimetres, 3, 15); }

std::string micrometreText(const Decimal& micrometres)
{
    const std::string text = number::generalNumberText(micrometres);
    return micrometres > Decimal{} ? "+" + text : text;
}

std::string threadTitle(const PlanThread& thread)
{
    iso965::ThreadNameStyle style;
    style.times = "×";
    style.pitchAlways = true;
    return iso965::threadName(thread, style);
}

std::string seriesText(const PlanThread& thread)
{
    return i18n::arg(thread.series == iso965::Series::Coarse
                         ? i18n::translate("iso965diagram", "Резьба с крупным шагом, %1-й ряд")
                         : i18n::translate("iso965diagram", "Резьба с мелким шагом, %1-й ряд"),
                     {std::to_string(thread.choice)});
}

bool isNutLimit(Limit limit) { return limit <= Limit::NutMinorMax; }

std::string limitSymbol(Limit limit)
{
    const std::string rule = ruleOf(limit).rule;
    return rule.substr(0, rule.find(" = "));
}

LimitText limitText(Limit limit, const NutLimits* nut, const BoltLimits* bolt)
{
    const Rule rule = ruleOf(limit);
    LimitText text;
    text.hint = rule.what + " " + rule.rule;
    const bool forNut = isNutLimit(limit);
    if (forNut ? !(nut && nut->defined) : !(bolt && bolt->defined))
        return text;
    const Figures f = forNut ? nutFigures(limit, *nut) : boltFigures(limit, *bolt);
    text.value = limitText(f.value);
    text.hint = i18n::arg(i18n::translate("iso965diagram", "%1: %2%3 = %4 мм (%5)"),
                          {text.hint, limitText(f.base), signedTerm(f.term, rule.subtract), text.value,
                           sourceText(rule, f.zone)});
    if (limit == Limit::BoltRootMax)
        text.hint = i18n::arg(i18n::translate("iso965diagram", "%1; наименьший d₃ стандарт не устанавливает"), {text.hint});
    return text;
}

std::string deviationLine(const NutLimits& nut)
{
    std::string ei = "EI = " + micrometreText(nut.eiPitch) + micrometresUnit();
    if (nut.eiMinor != nut.eiPitch)
        ei = "EI D₂ = " + micrometreText(nut.eiPitch) + micrometresUnit() + ", EI D₁ = " + micrometreText(nut.eiMinor) + micrometresUnit();
    return ei + ", TD₂ = " + numberText(nut.tPitch) + micrometresUnit() + ", TD₁ = " + numberText(nut.tMinor) + micrometresUnit();
}

std::string deviationLine(const BoltLimits& bolt)
{
    std::string es = "es = " + micrometreText(bolt.esPitch) + micrometresUnit();
    if (bolt.esMajor != bolt.esPitch)
        es = "es d₂ = " + micrometreText(bolt.esPitch) + micrometresUnit() + ", es d = " + micrometreText(bolt.esMajor) + micrometresUnit();
    return es + ", Td₂ = " + numberText(bolt.tPitch) + micrometresUnit() + ", Td = " + numberText(bolt.tMajor) + micrometresUnit();
}

ClearanceTexts clearanceTexts(const iso965::ThreadFit& fit)
{
    ClearanceTexts texts;
    texts.leastHint = i18n::translate("iso965diagram", "Наименьший зазор по среднему диаметру: D₂ min − d₂ max, мкм");
    texts.largestHint = i18n::translate("iso965diagram", "Наибольший зазор по среднему диаметру: D₂ max − d₂ min, мкм");
    if (!fit.defined)
        return texts;
    texts.least = numberText(fit.pitchClearanceMin);
    texts.largest = numberText(fit.pitchClearanceMax);
    texts.leastHint += ": " + limitText(fit.nut.pitchMin) + " − " + limitText(fit.bolt.pitchMax) + " = EI − es";
    texts.largestHint += ": " + limitText(fit.nut.pitchMax) + " − " + limitText(fit.bolt.pitchMin);
    return texts;
}

thread_diagram::DiagramInput diagramInput(const PlanThread& thread, const NutLimits* nut, const BoltLimits* bolt,
                                          const std::string& nutClass, const std::string& boltClass,
                                          std::vector<std::string> notes)
{
    thread_diagram::DiagramInput input;
    input.title = threadTitle(thread);
    const std::string classes = nutClass.empty() ? boltClass : boltClass.empty() ? nutClass : nutClass + "/" + boltClass;
    if (!classes.empty())
        input.title += "-" + classes;
    const auto micrometres = [](const Decimal& value) { return std::lround(value.toDouble()); };
    if (nut && nut->defined) {
        const long ei2 = micrometres(nut->eiPitch);
        const long ei1 = micrometres(nut->eiMinor);
        input.nut = thread_diagram::PartInput{
            {nut->threadClass.pitch.name(), ei2 + micrometres(nut->tPitch), ei2},
            {nut->threadClass.crest.name(), ei1 + micrometres(nut->tMinor), ei1}};
    }
    if (bolt && bolt->defined) {
        const long es2 = micrometres(bolt->esPitch);
        const long es = micrometres(bolt->esMajor);
        input.bolt = thread_diagram::PartInput{
            {bolt->threadClass.pitch.name(), es2, es2 - micrometres(bolt->tPitch)},
            {bolt->threadClass.crest.name(), es, es - micrometres(bolt->tMajor)}};
    }
    input.notes = std::move(notes);
    return input;
}

std::string summaryLine(const PlanThread& thread, const NutLimits* nut, const BoltLimits* bolt)
{
    const bool nutDefined = nut && nut->defined;
    const bool boltDefined = bolt && bolt->defined;
    const auto range = [](const char* symbol, const Decimal& low, const Decimal& high) {
        return std::string(symbol) + " " + limitText(low) + "…" + limitText(high);
    };
    std::string line = threadTitle(thread) + "-";
    if (nutDefined)
        line += nut->threadClass.name();
    if (nutDefined && boltDefined)
        line += "/";
    if (boltDefined)
        line += bolt->threadClass.name();
    line += ":";
    if (nutDefined)
        line += " D min " + limitText(nut->majorMin) + ", " + range("D₂", nut->pitchMin, nut->pitchMax) + ", " +
                range("D₁", nut->minorMin, nut->minorMax);
    if (nutDefined && boltDefined)
        line += ";";
    if (boltDefined)
        line += " " + range("d", bolt->majorMin, bolt->majorMax) + ", " + range("d₂", bolt->pitchMin, bolt->pitchMax) +
                ", d₃ max " + limitText(bolt->rootMax);
    if (nutDefined && boltDefined)
        line = i18n::arg(i18n::translate("iso965diagram", "%1; зазор по D₂ %2…%3 мкм"),
                         {line, numberText((nut->pitchMin - bolt->pitchMax).scaled(3)),
                          numberText((nut->pitchMax - bolt->pitchMin).scaled(3))});
    return line;
}

} // namespace thread_texts
