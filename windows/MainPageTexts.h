// Texts that more than one page of the main window shows.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace MainPageTexts {

inline QString tableButton() { return QCoreApplication::translate("MainPageTexts", "Посмотреть таблицу  >>>>"); }
inline QString about() { return QCoreApplication::translate("MainPageTexts", "О программе"); }

} // namespace MainPageTexts
