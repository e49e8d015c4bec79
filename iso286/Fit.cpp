#include "Fit.h"

#include "NumberText.h"

namespace iso286 {

namespace {

std::string fitJs7Note(const Limits& l)
{
    return "Зазоры, натяги и допуск посадки вычислены по показанным отклонениям " + l.toleranceClass.name() + " (±" +
           number::generalNumberText(l.upper) + " мкм), не по точным половинам IT7";
}

} // namespace

Fit fitOf(const Decimal& size, const ToleranceClass& hole, const ToleranceClass& shaft, const Options& options)
{
    return fitOf(limitsOf(size, hole, options), limitsOf(size, shaft, options));
}

Fit fitOf(const Limits& holeLimits, const Limits& shaftLimits)
{
    Fit fit;
    fit.hole = holeLimits;
    fit.shaft = shaftLimits;
    const ToleranceClass& hole = fit.hole.toleranceClass;
    const ToleranceClass& shaft = fit.shaft.toleranceClass;
    const bool holeBasis = hole.letter == Letter::H;
    const bool shaftBasis = shaft.letter == Letter::H;
    fit.system = holeBasis && shaftBasis ? FitSystem::Both
                 : holeBasis             ? FitSystem::HoleBasis
                 : shaftBasis            ? FitSystem::ShaftBasis
                                         : FitSystem::NonSystem;
    if (hole.kind != Kind::Hole || shaft.kind != Kind::Shaft) {
        fit.refusal = Refusal{hole.kind != Kind::Hole ? RefusalKind::NotAHole : RefusalKind::NotAShaft,
                              hole.kind != Kind::Hole ? hole : shaft};
        return fit;
    }
    if (!fit.hole.defined || !fit.shaft.defined) {
        fit.refusal = fit.hole.defined ? fit.shaft.refusal : fit.hole.refusal;
        return fit;
    }
    fit.defined = true;
    fit.maxClearance = fit.hole.upper - fit.shaft.lower;
    fit.minClearance = fit.hole.lower - fit.shaft.upper;
    fit.meanClearance = (fit.maxClearance + fit.minClearance).half();
    fit.fitTolerance = (fit.hole.upper - fit.hole.lower) + (fit.shaft.upper - fit.shaft.lower);
    const Decimal zero;
    fit.kind = fit.minClearance >= zero   ? FitKind::Clearance
               : fit.maxClearance <= zero ? FitKind::Interference
                                          : FitKind::Transition;
    for (const Limits* l : {&fit.hole, &fit.shaft})
        if (l->js7 == Js7Convention::Catalogue)
            fit.notes.push_back(fitJs7Note(*l));
    return fit;
}

const char* fitKindText(FitKind kind)
{
    switch (kind) {
    case FitKind::Clearance:
        return "с зазором";
    case FitKind::Transition:
        return "переходная";
    case FitKind::Interference:
        return "с натягом";
    }
    return "";
}

const char* fitSystemText(FitSystem system)
{
    switch (system) {
    case FitSystem::HoleBasis:
        return "в системе отверстия";
    case FitSystem::ShaftBasis:
        return "в системе вала";
    case FitSystem::Both:
        return "в системе отверстия и в системе вала";
    case FitSystem::NonSystem:
        return "внесистемная";
    }
    return "";
}

} // namespace iso286
