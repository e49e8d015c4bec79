#include "ThreadSchemeBox.h"

#include <QFontMetricsF>
#include <QPainter>

#include "TextWrap.h"
#include "UiStyle.h"

namespace {

const char* const SchemeHint = QT_TRANSLATE_NOOP("ThreadSchemeBox", "Двойной щелчок: схема крупнее, в своём окне; правая кнопка: скопировать схему и размеры резьбы");
const char* const SchemeCopyText = QT_TRANSLATE_NOOP("ThreadSchemeBox", "Копировать схему и размеры резьбы");

} // namespace

ThreadSchemeBox::ThreadSchemeBox(QWidget* parent)
    : DiagramBox(tr(SchemeHint), tr(SchemeCopyText), tr("Схема допусков резьбы"), parent)
{
}

void ThreadSchemeBox::setDiagram(thread_diagram::DiagramInput input, const QString& summary)
{
    m_input = std::move(input);
    setSummary(summary);
}

thread_diagram::ThreadDiagram ThreadSchemeBox::layout() const { return layoutFor(contentsRect().size()); }

thread_diagram::ThreadDiagram ThreadSchemeBox::layoutFor(QSize size) const
{
    // The notes are broken into lines that fit, so that a long reason is read whole.
    thread_diagram::DiagramInput input = m_input;
    input.notes.clear();
    const QFontMetricsF metrics(diagramFont());
    const diagram_text::TextWidth widthOf = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    for (const std::string& note : m_input.notes)
        for (std::string& line : diagram_text::wrapped(note, size.width() - 4, widthOf))
            input.notes.push_back(std::move(line));
    return thread_diagram::layoutThreadDiagram(input, size.width(), size.height());
}

void ThreadSchemeBox::paintDiagram(QPainter& painter, QSize size) const
{
    using thread_diagram::Part;
    const thread_diagram::ThreadDiagram diagram = layoutFor(size);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont plain = diagramFont();
    const QFont bold = diagramFont(true);

    painter.setFont(bold);
    painter.setPen(UiStyle::Black);
    drawLabel(painter, diagram.title);
    painter.setFont(plain);

    for (const thread_diagram::Zone& zone : diagram.zones) {
        const bool nut = zone.part == Part::Nut;
        const QColor colour = nut ? UiStyle::HoleColour : UiStyle::ShaftColour;
        const QRectF box(QPointF(zone.left, zone.top), QPointF(zone.right, zone.bottom));
        if (nut)
            painter.fillRect(box, QBrush(colour, Qt::BDiagPattern));
        else
            painter.fillRect(box, UiStyle::ShaftFill);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        drawLabel(painter, zone.upper);
        drawLabel(painter, zone.lower);
        painter.setFont(bold);
        drawLabel(painter, zone.heading, Ground::White);
        painter.setFont(plain);
    }

    if (diagram.zeroLine) {
        painter.setPen(QPen(UiStyle::Black, 1));
        painter.drawLine(QPointF(0, diagram.zeroY), QPointF(size.width(), diagram.zeroY));
        drawLabel(painter, diagram.zeroLabel);
    }

    drawNotes(painter, diagram.notes, diagram.notesTop, diagram.lineHeight);
}
