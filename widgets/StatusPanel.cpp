#include "StatusPanel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

double StatusPanel::room() const { return contentsRect().width() - 2 * std::max(indent(), 0); }

QFont StatusPanel::shownFont() const
{
    QFont shown = font();
    int size = QFontInfo(shown).pixelSize();
    while (size > SmallestPixelSize && QFontMetricsF(shown).horizontalAdvance(text()) > room()) {
        --size;
        shown.setPixelSize(size);
    }
    return shown;
}

bool StatusPanel::showsWholeText() const
{
    return QFontMetricsF(shownFont()).horizontalAdvance(text()) <= room();
}

bool StatusPanel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !showsWholeText()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void StatusPanel::paintEvent(QPaintEvent* event)
{
    const QFont shown = shownFont();
    if (shown == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(shown);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QString fitted = QFontMetrics(shown).elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, fitted);
}
