// The program's icon at 16 to 64 px, compiled in from packaging/dopusk.svg. Each
// rendering is read from its file only when a pixmap of it is first asked for, so
// that making the icon at start-up costs no decoding.
#pragma once

#include <QIcon>

namespace ProgramIcon {

QIcon icon();

} // namespace ProgramIcon
