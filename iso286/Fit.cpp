#include "Fit.h"

#include "NumberText.h"
#include "Translate.h"

namespace iso286 {

namespace {

std::string fitJs7Note(const Limits& l)
{
    return i18n::arg(i18n::translate("iso286", "Зазоры, натяги и допуск посадки вычислены по показанным отклонениям "
                                               "%1 (±%2 мкм), не по точным половинам IT7"),
                     {l.toleranceClass.name(), number::generalNumberText(l.upper)});
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

std::string fitKindText(FitKind kind)
{
    switch (kind) {
    case FitKind::Clearance:
        return i18n::translate("iso286", "с зазором");
    case FitKind::Transition:
        return i18n::translate("iso286", "переходная");
    case FitKind::Interference:
        return i18n::translate("iso286", "с натягом");
    }
    return "";
}

std::string fitSystemText(FitSystem system)
{
    switch (system) {
    case FitSystem::HoleBasis:
        return i18n::translate("iso286", "в системе отверстия");
    case FitSystem::ShaftBasis:
        return i18n::translate("iso286", "в системе вала");
    case FitSystem::Both:
        return i18n::translate("iso286", "в системе отверстия и в системе вала");
    case FitSystem::NonSystem:
        return i18n::translate("iso286", "внесистемная");
    }
    return "";
}

} // namespace iso286
