#include "ThreadPlan.h"

#include <algorithm>

#include "NumberText.h"
#include "PlanRows.h"

namespace iso965 {

std::optional<std::int32_t> toMicrometres(const Decimal& mm)
{
    if (mm.isZero() || mm.isNegative() || mm.exponent() < -3 || mm.leadingExponent() > 5)
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : mm.digits())
        value = value * 10 + (c - '0');
    for (int e = mm.exponent(); e > -3; --e)
        value *= 10;
    return value;
}

Decimal fromMicrometres(std::int64_t um) { return Decimal(um).scaled(-3); }

PlanThread planThreadOf(const tables::ThreadRow& row)
{
    return {fromMicrometres(row.dUm), fromMicrometres(row.pitchUm), row.coarse ? Series::Coarse : Series::Fine,
            row.choice, row.dUm, row.pitchUm};
}

namespace {

// The rows of one diameter, as [first, last).
std::pair<const tables::ThreadRow*, const tables::ThreadRow*> rowsAt(std::int32_t dUm)
{
    const tables::ThreadRow* begin = tables::threadRows;
    const tables::ThreadRow* end = begin + tables::threadRowCount;
    const auto first = std::lower_bound(begin, end, dUm, [](const tables::ThreadRow& r, std::int32_t d) { return r.dUm < d; });
    auto last = first;
    while (last != end && last->dUm == dUm)
        ++last;
    return {first, last};
}

} // namespace

const tables::ThreadRow* planRow(std::int32_t dUm, std::int32_t pitchUm)
{
    const auto [first, last] = rowsAt(dUm);
    for (auto row = first; row != last; ++row)
        if (row->pitchUm == pitchUm)
            return row;
    return nullptr;
}

std::string threadName(const PlanThread& thread, const ThreadNameStyle& style)
{
    const auto text = [&](const Decimal& value) {
        return number::generalNumberText(value, style.decimalSeparator);
    };
    std::string name = style.letter + text(thread.d);
    if (thread.series == Series::Fine || style.pitchAlways)
        name += style.times + text(thread.pitch);
    return name;
}

const std::vector<PlanThread>& planThreads()
{
    static const std::vector<PlanThread> threads = [] {
        std::vector<PlanThread> all;
        all.reserve(std::size_t(tables::threadRowCount));
        for (int i = 0; i < tables::threadRowCount; ++i)
            all.push_back(planThreadOf(tables::threadRows[i]));
        return all;
    }();
    return threads;
}

std::vector<PlanThread> planThreadsAt(const Decimal& d)
{
    std::vector<PlanThread> threads;
    if (const auto dUm = toMicrometres(d)) {
        const auto [first, last] = rowsAt(*dUm);
        for (auto row = first; row != last; ++row)
            threads.push_back(planThreadOf(*row));
    }
    return threads;
}

const std::vector<PlanDiameter>& planDiameters()
{
    static const std::vector<PlanDiameter> diameters = [] {
        std::vector<PlanDiameter> all;
        for (int i = 0; i < tables::threadRowCount; ++i) {
            const tables::ThreadRow& row = tables::threadRows[i];
            if (i == 0 || tables::threadRows[i - 1].dUm != row.dUm)
                all.push_back({fromMicrometres(row.dUm), row.choice, false});
            all.back().hasCoarse = all.back().hasCoarse || row.coarse;
        }
        return all;
    }();
    return diameters;
}

ThreadLookup findThread(const Decimal& d, const std::optional<Decimal>& pitch)
{
    ThreadLookup lookup;
    lookup.refusal.d = d;
    const auto dUm = toMicrometres(d);
    const auto [first, last] = dUm ? rowsAt(*dUm) : rowsAt(-1);
    if (first == last) {
        lookup.refusal.code = RefusalCode::DiameterNotInPlan;
        return lookup;
    }
    if (!pitch) {
        if (!first->coarse) {
            lookup.refusal.code = RefusalCode::NoCoarsePitch;
            return lookup;
        }
        lookup.thread = planThreadOf(*first);
        return lookup;
    }
    lookup.refusal.pitch = *pitch;
    const auto pitchUm = toMicrometres(*pitch);
    for (auto row = first; pitchUm && row != last; ++row)
        if (row->pitchUm == *pitchUm) {
            lookup.thread = planThreadOf(*row);
            lookup.refusal = {};
            return lookup;
        }
    lookup.refusal.code = RefusalCode::PitchNotInPlan;
    return lookup;
}

} // namespace iso965
