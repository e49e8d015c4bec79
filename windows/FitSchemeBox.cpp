#include "FitSchemeBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "UiStyle.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

enum class Ground { Clear, White };

// A label; on a white patch where lines or hatching would strike it through.
void drawLabel(QPainter& painter, const iso286::DiagramLabel& label, Ground ground = Ground::Clear)
{
    if (label.text.empty())
        return;
    const QString text = qs(label.text);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    double left = label.x;
    if (label.anchor == iso286::TextAnchor::Right)
        left -= width;
    else if (label.anchor == iso286::TextAnchor::Centre)
        left -= width / 2;
    if (ground == Ground::White)
        painter.fillRect(QRectF(left - 1, label.y - metrics.height() / 2, width + 2, metrics.height()), UiStyle::White);
    const double baseline = label.y + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(left, baseline), text);
}

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
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    UiStyle::setBaseColour(this, UiStyle::White);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, UiStyle::White);
    setPalette(palette);
    setToolTip(tr(UiStyle::SchemeHint));
}

void FitSchemeBox::setDiagram(iso286::DiagramInput input, const QString& summary)
{
    m_input = std::move(input);
    m_summary = summary;
    update();
}

void FitSchemeBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.translate(inside.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), inside.size()));
    paintDiagram(painter, inside.size());
}

QImage FitSchemeBox::picture() const
{
    const QSize size = contentsRect().size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(UiStyle::White);
    QPainter painter(&image);
    paintDiagram(painter, size);
    return image;
}

void FitSchemeBox::paintDiagram(QPainter& painter, QSize size) const
{
    const iso286::FitDiagram diagram = iso286::layoutFitDiagram(m_input, size.width(), size.height());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(UiStyle::sansFont(10));

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
        QFont bold = painter.font();
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        drawLabel(painter, zone.name, Ground::White);
        painter.restore();
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

    painter.setPen(UiStyle::Maroon);
    const QFontMetrics metrics(painter.font());
    double y = diagram.notesTop;
    for (const std::string& note : diagram.notes) {
        const QString text = metrics.elidedText(qs(note), Qt::ElideRight, size.width() - 4);
        painter.drawText(QPointF(2, y + metrics.ascent()), text);
        y += diagram.lineHeight;
    }
}

void FitSchemeBox::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setImageData(picture());
    if (!m_summary.isEmpty())
        data->setText(m_summary);
    QApplication::clipboard()->setMimeData(data);
    emit copied();
}

void FitSchemeBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        copyToClipboard();
}

void FitSchemeBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr(UiStyle::SchemeCopyText), this, &FitSchemeBox::copyToClipboard);
    menu.exec(event->globalPos());
}
