#include "Limits.h"

#include "Derivation.h"
#include "NumberText.h"
#include "Translate.h"

namespace iso286 {

namespace {

// Hundredths of a micrometre as micrometres, exactly.
Decimal micrometres(std::int32_t hundredths) { return Decimal(hundredths).scaled(-2); }

// A size of the system (or a limit size of one) in millionths of a millimetre: it has no finer digit.
std::int64_t millionths(const Decimal& millimetres)
{
    std::int64_t value = 0;
    for (const char c : millimetres.digits())
        value = value * 10 + (c - '0');
    for (int e = millimetres.exponent(); e > FinestSizeExponent; --e)
        value *= 10;
    return millimetres.isNegative() ? -value : value;
}

} // namespace

bool sizeInRange(const Decimal& size) { return !sizeRefusal(size); }

std::optional<Refusal> sizeRefusal(const Decimal& size)
{
    if (size <= Decimal{})
        return Refusal{RefusalKind::SizeNotPositive};
    if (size > Decimal{LargestSize})
        return Refusal{RefusalKind::SizeBeyondSystem};
    if (size.exponent() < FinestSizeExponent)
        return Refusal{RefusalKind::SizeTooFine};
    return std::nullopt;
}

Limits limitsOf(const Decimal& size, const ToleranceClass& toleranceClass, const Options& options)
{
    if (auto refusal = sizeRefusal(size)) {
        Limits limits;
        limits.toleranceClass = toleranceClass;
        limits.size = size;
        limits.refusal = refusal;
        return limits;
    }
    const SizePoint point = sizePoint(size);
    return limitsFrom(point, toleranceClass, derive(point.span, toleranceClass, options));
}

SizePoint sizePoint(const Decimal& size)
{
    SizePoint point{size, spanOf(size)};
    constexpr int Finest = -5; // 10^-5 mm, a hundredth of a micrometre
    if (size.exponent() >= Finest && size.leadingExponent() < 5) {
        std::int64_t value = 0;
        for (const char c : size.digits())
            value = value * 10 + (c - '0');
        for (int e = size.exponent(); e > Finest; --e)
            value *= 10;
        point.inHundredths = true;
        point.hundredths = value;
    }
    return point;
}

Limits limitsFrom(const SizePoint& point, const ToleranceClass& toleranceClass, const Derived& d)
{
    Limits limits;
    limits.toleranceClass = toleranceClass;
    limits.size = point.size;
    limits.over = d.interval.over;
    limits.upTo = d.interval.upTo;
    if (!d.defined) {
        Refusal refusal{d.refusal, toleranceClass, d.interval.over, d.interval.upTo};
        refusal.gradeFrom = d.gradeFrom;
        refusal.gradeTo = d.gradeTo;
        limits.refusal = refusal;
        return limits;
    }
    const Decimal smallest = point.inHundredths ? Decimal(point.hundredths + d.lower).scaled(-5)
                                          : point.size + micrometres(d.lower).scaled(-3);
    // No part has a size of 0 or less: a class that would give one is not defined here.
    if (smallest.isNegative() || smallest.isZero()) {
        Refusal refusal{RefusalKind::NoPositiveSize, toleranceClass, d.interval.over, d.interval.upTo};
        refusal.size = millionths(point.size);
        refusal.smallest = millionths(smallest);
        limits.refusal = refusal;
        return limits;
    }
    limits.defined = true;
    limits.upper = micrometres(d.upper);
    limits.lower = micrometres(d.lower);
    limits.it = micrometres(d.it);
    limits.smallest = smallest;
    limits.largest = point.inHundredths ? Decimal(point.hundredths + d.upper).scaled(-5)
                                        : point.size + limits.upper.scaled(-3);
    if (d.notes & NoteJs7Rounded)
        limits.js7 = Js7Convention::Catalogue;
    if (d.notes & NoteJs7ExactHalves)
        limits.js7 = Js7Convention::ExactHalves;
    if (d.notes & NoteDeltaAssumedZero)
        limits.notes.push_back(i18n::translate("iso286", "Δ для квалитетов IT01…IT2 стандарт не даёт; принят равным 0"));
    if (d.notes & NoteExperimental)
        limits.notes.push_back(i18n::translate(
            "iso286", "Квалитеты IT1…IT5 для размеров свыше 500 мм даны стандартом для опытного применения"));
    if (d.notes & NoteJs7Rounded)
        limits.notes.push_back(js7Note(limits));
    return limits;
}

std::string js7Note(const Limits& limits)
{
    if (limits.js7 != Js7Convention::Catalogue)
        return {};
    return i18n::arg(i18n::translate("iso286", "IT7 = %1 мкм нечётный: отклонения округлены до ±%2 мкм, точно ±%3"),
                     {number::generalNumberText(limits.it), number::generalNumberText(limits.upper),
                      number::generalNumberText(limits.it.half())});
}

} // namespace iso286
