// Texts that more than one page of the main window shows.
#pragma once

#include <QString>

namespace MainPageTexts {

inline QString tableButton() { return QStringLiteral("Посмотреть таблицу  >>>>"); }
inline QString about() { return QStringLiteral("О программе"); }

} // namespace MainPageTexts
