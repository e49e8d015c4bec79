// The program's icon at 16 to 64 px, compiled in from packaging/dopusk.svg.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace ProgramIcon {

// The renderings, decoded. Images, not pixmaps: they may be read on any thread once
// the application object exists.
QList<QImage> readRenderings();

// The icon of these renderings, one per size.
QIcon icon(const QList<QImage>& renderings);

} // namespace ProgramIcon
