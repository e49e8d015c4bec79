#include "Limits.h"

#include "Derivation.h"

namespace iso286 {

namespace {

// Hundredths of a micrometre as micrometres, exactly.
Decimal micrometres(std::int32_t hundredths) { return Decimal(hundredths).scaled(-2); }

std::string halfText(std::int32_t hundredths)
{
    // An odd whole IT7 in micrometres: its half ends in ",5".
    return std::to_string(hundredths / 200) + ",5";
}

} // namespace

bool sizeInRange(const Decimal& size) { return size > Decimal{} && size <= Decimal{LargestSize}; }

std::string sizeRefusal(const Decimal& size)
{
    if (size <= Decimal{})
        return "Номинальный размер должен быть больше 0 мм";
    if (size > Decimal{LargestSize})
        return "Система ISO 286 определена для размеров до 3150 мм";
    return {};
}

Limits limitsOf(const Decimal& size, const ToleranceClass& toleranceClass, const Options& options)
{
    if (!sizeInRange(size)) {
        Limits limits;
        limits.toleranceClass = toleranceClass;
        limits.size = size;
        limits.reason = sizeRefusal(size);
        return limits;
    }
    std::string reason;
    const SizePoint point = sizePoint(size);
    const Derived d = derive(point.span, toleranceClass, options, &reason);
    Limits limits = limitsFrom(point, toleranceClass, d);
    limits.reason = std::move(reason);
    return limits;
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
    if (!d.defined)
        return limits;
    limits.defined = true;
    limits.upper = micrometres(d.upper);
    limits.lower = micrometres(d.lower);
    limits.it = micrometres(d.it);
    if (point.inHundredths) {
        limits.largest = Decimal(point.hundredths + d.upper).scaled(-5);
        limits.smallest = Decimal(point.hundredths + d.lower).scaled(-5);
    } else {
        limits.largest = point.size + limits.upper.scaled(-3);
        limits.smallest = point.size + limits.lower.scaled(-3);
    }
    if (d.notes & NoteDeltaAssumedZero)
        limits.notes.push_back("Δ для квалитетов IT01…IT2 стандарт не даёт; принят равным 0");
    if (d.notes & NoteExperimental)
        limits.notes.push_back("Квалитеты IT1…IT5 для размеров свыше 500 мм даны стандартом для опытного применения");
    if (d.notes & NoteJs7Rounded)
        limits.notes.push_back("IT7 = " + std::to_string(d.it / 100) + " мкм нечётный: отклонения округлены до ±" +
                               std::to_string(d.upper / 100) + " мкм, точно ±" + halfText(d.it));
    return limits;
}

} // namespace iso286
