#include "BasicDiameters.h"

#include <cmath>

#include "PlanRows.h"
#include "ThreadLimits.h"

namespace iso965 {

namespace {

// round(√(a·P²) / b) for the profile's multiples (3√3/8 = √27/8, 5√3/8 = √75/8,
// 17√3/24 = √867/24): the largest n with 2b·n − b ≤ 2√(a·P²), found exactly.
std::int32_t roundedDepth(std::int64_t a, std::int64_t b, std::int32_t pitchUm)
{
    const std::int64_t square4 = 4 * a * std::int64_t(pitchUm) * pitchUm; // (2√(a·P²))²
    const auto fits = [&](std::int64_t n) {
        const std::int64_t left = 2 * b * n - b;
        return left <= 0 || left * left <= square4;
    };
    auto n = std::int64_t(std::llround(std::sqrt(double(a)) * pitchUm / double(b)));
    while (!fits(n))
        --n;
    while (fits(n + 1))
        ++n;
    return std::int32_t(n);
}

} // namespace

BasicMicrometres basicMicrometres(std::int32_t dUm, std::int32_t pitchUm)
{
    return {dUm, dUm - roundedDepth(27, 8, pitchUm), dUm - roundedDepth(75, 8, pitchUm), dUm - roundedDepth(867, 24, pitchUm)};
}

BasicDiameters basicDiameters(const PlanThread& thread)
{
    const std::int32_t dUm = thread.dUm ? thread.dUm : toMicrometres(thread.d).value_or(0);
    const std::int32_t pitchUm = thread.pitchUm ? thread.pitchUm : toMicrometres(thread.pitch).value_or(0);
    const BasicMicrometres b = basicMicrometres(dUm, pitchUm);
    return {fromMicrometres(b.major), fromMicrometres(b.pitch), fromMicrometres(b.minor), fromMicrometres(b.root)};
}

} // namespace iso965
