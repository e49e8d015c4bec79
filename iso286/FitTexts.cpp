#include "FitTexts.h"

#include "NumberText.h"

namespace iso286 {

std::string deviationText(const Decimal& micrometres)
{
    const std::string text = number::generalNumberText(micrometres);
    return micrometres > Decimal{} ? "+" + text : text;
}

FitFigures fitFigures(const Fit& fit)
{
    const Decimal largestInterference = -fit.minClearance;
    const Decimal smallestInterference = -fit.maxClearance;
    FitFigures figures;
    switch (fit.kind) {
    case FitKind::Clearance:
        figures.first = {"Наибольший зазор Smax", fit.maxClearance};
        figures.second = {"Наименьший зазор Smin", fit.minClearance};
        figures.tolerance = {"Допуск посадки TS", fit.fitTolerance};
        break;
    case FitKind::Interference:
        figures.first = {"Наибольший натяг Nmax", largestInterference};
        figures.second = {"Наименьший натяг Nmin", smallestInterference};
        figures.tolerance = {"Допуск посадки TN", fit.fitTolerance};
        break;
    case FitKind::Transition:
        figures.first = {"Наибольший зазор Smax", fit.maxClearance};
        figures.second = {"Наибольший натяг Nmax", largestInterference};
        figures.tolerance = {"Допуск посадки TSN", fit.fitTolerance};
        break;
    }
    // A mean of exactly zero is the mean clearance of nothing: written as Sm = 0.
    if (fit.meanClearance >= Decimal{})
        figures.mean = {"Средний зазор Sm", fit.meanClearance};
    else
        figures.mean = {"Средний натяг Nm", -fit.meanClearance};
    return figures;
}

std::string fitKindSentence(const Fit& fit)
{
    const std::string system = fitSystemText(fit.system);
    if (fit.kind == FitKind::Transition)
        return "Переходная посадка " + system;
    return std::string("Посадка ") + fitKindText(fit.kind) + " " + system;
}

std::string fitSummary(const Fit& fit)
{
    auto number = [](const Decimal& value) { return number::generalNumberText(value); };
    std::string text = "Ø" + number(fit.hole.size) + " " + fit.hole.toleranceClass.name() + "/" +
                       fit.shaft.toleranceClass.name() + ": ";
    switch (fit.kind) {
    case FitKind::Clearance:
        text += "зазор " + number(fit.minClearance) + "…" + number(fit.maxClearance) + " мкм";
        break;
    case FitKind::Interference:
        text += "натяг " + number(-fit.maxClearance) + "…" + number(-fit.minClearance) + " мкм";
        break;
    case FitKind::Transition:
        text += "зазор до " + number(fit.maxClearance) + " мкм, натяг до " + number(-fit.minClearance) + " мкм";
        break;
    }
    return text;
}

std::string fitCopyLine(const Fit& fit)
{
    const FitFigures figures = fitFigures(fit);
    // A figure's caption ends in its symbol: "Наибольший зазор Smax".
    auto symbol = [](const FitFigure& figure) { return figure.caption.substr(figure.caption.rfind(' ') + 1); };
    const std::string cells[] = {number::generalNumberText(fit.hole.size),
                                 fit.hole.toleranceClass.name(),
                                 deviationText(fit.hole.upper),
                                 deviationText(fit.hole.lower),
                                 fit.shaft.toleranceClass.name(),
                                 deviationText(fit.shaft.upper),
                                 deviationText(fit.shaft.lower),
                                 symbol(figures.first),
                                 number::generalNumberText(figures.first.value),
                                 symbol(figures.second),
                                 number::generalNumberText(figures.second.value)};
    std::string line;
    for (const std::string& cell : cells)
        line += (line.empty() ? "" : "\t") + cell;
    return line;
}

std::string PreferredFit::name() const { return hole.name() + "/" + shaft.name(); }

const std::vector<PreferredFit>& preferredFits()
{
    static const std::vector<PreferredFit> fits = [] {
        const char* const holeBasis[] = {"H11/c11", "H9/d9", "H8/f7", "H7/g6", "H7/h6",
                                         "H7/k6",   "H7/n6", "H7/p6", "H7/s6", "H7/u6"};
        const char* const shaftBasis[] = {"C11/h11", "D9/h9", "F8/h7", "G7/h6", "H7/h6",
                                          "K7/h6",   "N7/h6", "P7/h6", "S7/h6", "U7/h6"};
        std::vector<PreferredFit> list;
        auto add = [&](const char* name, FitSystem system) {
            const std::string text = name;
            const std::size_t slash = text.find('/');
            list.push_back({*parseClass(text.substr(0, slash)), *parseClass(text.substr(slash + 1)), system});
        };
        for (const char* name : holeBasis)
            add(name, FitSystem::HoleBasis);
        for (const char* name : shaftBasis)
            add(name, FitSystem::ShaftBasis);
        return list;
    }();
    return fits;
}

} // namespace iso286
