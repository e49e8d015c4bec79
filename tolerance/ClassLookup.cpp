#include "ClassLookup.h"

#include <algorithm>

#include "Data_Unit.h"
#include "FitTexts.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "Translate.h"

namespace tolerance {

namespace {

// Whether a deviation in µm is one the system can be asked about, as dopusk-limits reads them.
bool askable(const Decimal& micrometres)
{
    if (micrometres.isZero())
        return true;
    const Decimal magnitude = micrometres.isNegative() ? -micrometres : micrometres;
    return micrometres.exponent() >= iso286::FinestDeviationExponent && magnitude <= Decimal(iso286::LargestDeviation);
}

// Shafts before holes, as the catalogue lists them; the engine's order otherwise.
std::vector<const iso286::Limits*> shaftsFirst(std::vector<const iso286::Limits*> classes)
{
    std::stable_sort(classes.begin(), classes.end(), [](const iso286::Limits* a, const iso286::Limits* b) {
        return a->toleranceClass.kind == iso286::Kind::Shaft && b->toleranceClass.kind == iso286::Kind::Hole;
    });
    return classes;
}

// A hole is marked "отв." when shafts stand beside it, so that js9 and JS9 are told
// apart by more than the case of their letters.
std::string namesText(const std::vector<const iso286::Limits*>& classes)
{
    const bool mixed = classes.front()->toleranceClass.kind != classes.back()->toleranceClass.kind;
    const std::string holeMark = i18n::translate("tolerance", " отв.");
    std::string text;
    for (const iso286::Limits* l : classes) {
        if (!text.empty())
            text += ", ";
        text += l->toleranceClass.name();
        if (mixed && l->toleranceClass.kind == iso286::Kind::Hole)
            text += holeMark;
    }
    return text;
}

std::string differenceText(const Decimal& micrometres, DeviationUnit unit)
{
    if (unit == DeviationUnit::Micrometres)
        return i18n::arg(i18n::translate("tolerance", "%1 мкм"), {number::generalNumberText(micrometres)});
    return i18n::arg(i18n::translate("tolerance", "%1 мм"), {number::generalNumberText(micrometres.scaled(-3))});
}

} // namespace

ClassLookupLine classLookupLine(const std::optional<Decimal>& size, const std::optional<Decimal>& upper,
                                const std::optional<Decimal>& lower, DeviationUnit unit, iso286::Search search)
{
    ClassLookupLine line;
    if (!size || !upper || !lower || !iso286::sizeInRange(*size))
        return line;
    const int toMicrometres = unit == DeviationUnit::Millimetres ? 3 : 0;
    const Decimal es = upper->scaled(toMicrometres);
    const Decimal ei = lower->scaled(toMicrometres);
    if (!askable(es) || !askable(ei) || es < ei)
        return line;
    const iso286::Lookup lookup = iso286::findClasses(*size, es, ei, search);
    std::vector<const iso286::Limits*> named;
    if (!lookup.exact.empty()) {
        for (const iso286::Match& m : lookup.exact)
            named.push_back(&m.limits);
        named = shaftsFirst(std::move(named));
        line.text = "= " + namesText(named);
        for (const iso286::Limits* l : named)
            line.exact.push_back(l->toleranceClass);
        return line;
    }
    if (lookup.nearest.empty())
        return line;
    // The nearest and every other class as near as it.
    const Decimal& distance = lookup.nearest.front().distance;
    for (const iso286::Match& m : lookup.nearest)
        if (m.distance == distance)
            named.push_back(&m.limits);
    named = shaftsFirst(std::move(named));
    const std::string pattern = named.size() == 1 ? i18n::translate("tolerance", "ближайшее: %1 (на %2)")
                                                  : i18n::translate("tolerance", "ближайшие: %1 (на %2)");
    line.text = i18n::arg(pattern, {namesText(named), differenceText(distance, unit)});
    return line;
}

std::vector<iso286::ToleranceClass> commonClasses(iso286::Kind kind)
{
    std::vector<iso286::ToleranceClass> classes;
    auto add = [&](const iso286::ToleranceClass& c) {
        if (c.kind == kind && std::find(classes.begin(), classes.end(), c) == classes.end())
            classes.push_back(c);
    };
    for (const iso286::PreferredFit& fit : iso286::preferredFits()) {
        add(fit.hole);
        add(fit.shaft);
    }
    for (int field = 1; field <= Data_Unit::FieldCount; ++field)
        add(Data_Unit::IsoClass(field));
    std::sort(classes.begin(), classes.end(), [](const iso286::ToleranceClass& a, const iso286::ToleranceClass& b) {
        return std::pair(a.letter, a.grade) < std::pair(b.letter, b.grade);
    });
    return classes;
}

} // namespace tolerance
