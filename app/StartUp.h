// What start-up does to the application object before the first window is
// made: shared by the program and by the start-up benchmark, which must start
// exactly as the program does.
#pragma once

#include <QString>

namespace StartUp {

// The program's icon for all its windows (16 to 64 px), the desktop entry the
// windows belong to, the program's default font, and Qt's own texts in Russian.
void prepareApplication();

// Loads Qt's Russian texts (context menus, standard buttons and dialogs) from
// `folder`, by default Qt's translations folder, whatever the system's locale: the
// whole interface is Russian. Without the file Qt's texts stay English; false then.
bool loadQtTranslations(const QString& folder = QString());

} // namespace StartUp
