#include "ProgramIcon.h"

#include <QPixmap>

namespace ProgramIcon {

namespace {
constexpr int RenderingSizes[] = {16, 22, 24, 32, 48, 64};
}

QList<QImage> readRenderings()
{
    QList<QImage> renderings;
    for (int size : RenderingSizes) {
        const QImage rendering(QStringLiteral(":/icons/dopusk-%1.png").arg(size));
        if (!rendering.isNull()) // the build without rsvg-convert has no icon
            renderings.push_back(rendering);
    }
    return renderings;
}

QIcon icon(const QList<QImage>& renderings)
{
    QIcon icon;
    for (const QImage& rendering : renderings)
        icon.addPixmap(QPixmap::fromImage(rendering));
    return icon;
}

} // namespace ProgramIcon
