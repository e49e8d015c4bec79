// Texts that more than one page of the main window shows.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "LimitCalculation.h"
#include "ManualEntry.h"
#include "Translate.h"

namespace MainPageTexts {

inline QString tableButton() { return QCoreApplication::translate("MainPageTexts", "Посмотреть таблицу  >>>>"); }
// A text the calculators name once (tolerance::NoData, …), in the interface's language.
inline QString toleranceText(const char* source) { return QString::fromStdString(i18n::translate("tolerance", source)); }
inline QString noData() { return toleranceText(tolerance::NoData); }
inline QString upperBelowLower() { return toleranceText(tolerance::UpperBelowLowerText); }
inline QString about() { return QCoreApplication::translate("MainPageTexts", "О программе"); }

} // namespace MainPageTexts
