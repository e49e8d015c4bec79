// The texts of a fit as the fits page shows them: deviations in micrometres,
// the names of the two fit figures of each kind, the kind and the system in one
// sentence, the fit in one line for the clipboard, the preferred fits.
#pragma once

#include <string>
#include <vector>

#include "Fit.h"
#include "RefusalText.h"

namespace iso286 {

// A deviation in µm as the tolerance table writes it: "+21", "0", "-7,5".
std::string deviationText(const Decimal& micrometres);

// A fit is described by two of its extreme figures, all as non-negative micrometres:
// a clearance fit by Smax and Smin, an interference fit by Nmax and Nmin, a transition
// fit by Smax and Nmax; the mean is Sm or Nm by its sign; the fit tolerance TS, TN or TSN.
struct FitFigure {
    std::string caption; // "Наибольший зазор Smax"
    Decimal value;       // µm, >= 0
};
struct FitFigures {
    FitFigure first;
    FitFigure second;
    FitFigure mean;
    FitFigure tolerance;
};
// For a defined fit only.
FitFigures fitFigures(const Fit& fit);

// "Посадка с зазором в системе отверстия"; "Переходная посадка в системе вала".
std::string fitKindSentence(const Fit& fit);

// "Ø25 H7/p6: натяг 1…35 мкм", "Ø25 H7/g6: зазор 7…41 мкм",
// "Ø25 H7/k6: зазор до 19 мкм, натяг до 15 мкм". For a defined fit only.
std::string fitSummary(const Fit& fit);

// The fit in one line for a spreadsheet, its cells separated by tabs: the size, the
// hole with ES and EI, the shaft with es and ei, and the two figures of its kind each
// after its symbol, numbers as the fits page writes them:
// "25\tH7\t+21\t0\tg6\t-7\t-20\tSmax\t41\tSmin\t7". For a defined fit only.
std::string fitCopyLine(const Fit& fit);

// The preferred fits, in the system of the hole and then in the system of the shaft.
struct PreferredFit {
    ToleranceClass hole;
    ToleranceClass shaft;
    FitSystem system;
    std::string name() const; // "H7/p6"
};
const std::vector<PreferredFit>& preferredFits();

} // namespace iso286
