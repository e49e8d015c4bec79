#include "FitSchemeBox.h"

#include <QFontMetricsF>
#include <QPainter>

#include "UiStyle.h"

namespace {

// A vertical dimension line with an arrow head at each end, or a tick where both ends meet.
void drawDimension(QPainter& painter, double x, double top, double bottom)
{
    constexpr double Head = 4;
    constexpr double Tick = iso286::EndTick;
    painter.drawLine(QPointF(x - Tick, top), QPointF(x + Tick, top));
    painter.drawLine(QPointF(x - Tick, bottom), QPointF(x + Tick, bottom));
    if (bottom - top < 2 * Head)
        return;
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    painter.drawLine(QPointF(x, top), QPointF(x - Head / 2, top + Head));
    painter.drawLine(QPointF(x, top), QPointF(x + Head / 2, top + Head));
    painter.drawLine(QPointF(x, bottom), QPointF(x - Head / 2, bottom - Head));
    painter.drawLine(QPointF(x, bottom), QPointF(x + Head / 2, bottom - Head));
}

} // namespace

FitSchemeBox::FitSchemeBox(QWidget* parent)
    : DiagramBox(tr(UiStyle::SchemeHint), tr(UiStyle::SchemeCopyText),
                 tr("Схема посадки"), parent)
{
}

void FitSchemeBox::setDiagram(iso286::DiagramInput input, const QString& summary)
{
    m_input = std::move(input);
    setSummary(summary);
}

iso286::TextMeasure FitSchemeBox::textMeasure()
{
    const QFontMetricsF plain(diagramFont());
    const QFontMetricsF bold(diagramFont(true));
    return {[plain, bold](const std::string& text, bool isBold) {
                return (isBold ? bold : plain).horizontalAdvance(QString::fromStdString(text));
            },
            std::max(plain.height(), bold.height())};
}

iso286::FitDiagram FitSchemeBox::layoutFor(QSize size) const
{
    return iso286::layoutFitDiagram(m_input, size.width(), size.height(), textMeasure());
}

void FitSchemeBox::paintDiagram(QPainter& painter, QSize size) const
{
    const iso286::FitDiagram diagram = layoutFor(size);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont plain = diagramFont();
    const QFont bold = diagramFont(true);
    painter.setFont(plain);

    for (const iso286::DiagramZone& zone : diagram.zones) {
        const bool hole = zone.kind == iso286::Kind::Hole;
        const QColor colour = hole ? UiStyle::HoleColour : UiStyle::ShaftColour;
        const QRectF box(QPointF(zone.left, zone.top), QPointF(zone.right, zone.bottom));
        if (hole) {
            painter.fillRect(box, QBrush(colour, Qt::BDiagPattern));
        } else {
            painter.fillRect(box, UiStyle::ShaftFill);
        }
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.setPen(colour);
        drawLabel(painter, zone.upper);
        drawLabel(painter, zone.lower);
        painter.setFont(bold);
        drawLabel(painter, zone.name, Ground::White);
        painter.setFont(plain);
    }

    if (diagram.zeroLine) {
        painter.setPen(QPen(UiStyle::Black, 1));
        painter.drawLine(QPointF(0, diagram.zeroY), QPointF(size.width(), diagram.zeroY));
        drawLabel(painter, diagram.zeroLabel);
        drawLabel(painter, diagram.sizeLabel);
    }

    for (const iso286::DiagramMark& mark : diagram.marks) {
        const QColor colour = mark.clearance ? UiStyle::ClearanceColour : UiStyle::InterferenceColour;
        painter.setPen(QPen(colour, 1));
        drawDimension(painter, mark.x, mark.top, mark.bottom);
        drawLabel(painter, mark.name, Ground::White);
        drawLabel(painter, mark.value, Ground::White);
    }

    drawNotes(painter, diagram.notes, diagram.notesTop, diagram.lineHeight);
}
