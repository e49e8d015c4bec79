#include "ThreadSchemeBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "UiStyle.h"

namespace {

const char* const SchemeHint = QT_TRANSLATE_NOOP("ThreadSchemeBox", "Двойной щелчок или правая кнопка: скопировать схему и размеры резьбы");
const char* const SchemeCopyText = QT_TRANSLATE_NOOP("ThreadSchemeBox", "Копировать схему и размеры резьбы");

QString qs(const std::string& s) { return QString::fromStdString(s); }

enum class Ground { Clear, White };

// A label; on a white patch where lines or hatching would strike it through.
void drawLabel(QPainter& painter, const thread_diagram::Label& label, Ground ground = Ground::Clear)
{
    if (label.text.empty())
        return;
    const QString text = qs(label.text);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    double left = label.x;
    if (label.anchor == thread_diagram::TextAnchor::Right)
        left -= width;
    else if (label.anchor == thread_diagram::TextAnchor::Centre)
        left -= width / 2;
    if (ground == Ground::White)
        painter.fillRect(QRectF(left - 1, label.y - metrics.height() / 2, width + 2, metrics.height()), UiStyle::White);
    const double baseline = label.y + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(left, baseline), text);
}

// A note as lines no wider than `width`, broken between words.
std::vector<std::string> wrapped(const std::string& note, const QFontMetrics& metrics, int width)
{
    std::vector<std::string> lines;
    QString line;
    for (const QString& word : qs(note).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.push_back(line.toStdString());
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines.push_back(line.toStdString());
    return lines;
}

} // namespace

ThreadSchemeBox::ThreadSchemeBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, UiStyle::White);
    palette.setColor(QPalette::Base, UiStyle::White);
    setPalette(palette);
    setToolTip(tr(SchemeHint));
}

void ThreadSchemeBox::setDiagram(thread_diagram::DiagramInput input, const QString& summary)
{
    m_input = std::move(input);
    m_summary = summary;
    update();
}

thread_diagram::ThreadDiagram ThreadSchemeBox::layout() const { return layoutFor(contentsRect().size()); }

thread_diagram::ThreadDiagram ThreadSchemeBox::layoutFor(QSize size) const
{
    // The notes are broken into lines that fit, so that a long reason is read whole.
    thread_diagram::DiagramInput input = m_input;
    input.notes.clear();
    const QFontMetrics metrics(UiStyle::sansFont(10));
    for (const std::string& note : m_input.notes)
        for (std::string& line : wrapped(note, metrics, size.width() - 4))
            input.notes.push_back(std::move(line));
    return thread_diagram::layoutThreadDiagram(input, size.width(), size.height());
}

void ThreadSchemeBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.translate(inside.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), inside.size()));
    paintDiagram(painter, inside.size());
}

QImage ThreadSchemeBox::picture() const
{
    const QSize size = contentsRect().size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(UiStyle::White);
    QPainter painter(&image);
    paintDiagram(painter, size);
    return image;
}

void ThreadSchemeBox::paintDiagram(QPainter& painter, QSize size) const
{
    using thread_diagram::Part;
    const thread_diagram::ThreadDiagram diagram = layoutFor(size);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont plain = UiStyle::sansFont(10);
    QFont bold = plain;
    bold.setBold(true);

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

    painter.setPen(UiStyle::Maroon);
    const QFontMetrics metrics(painter.font());
    double y = diagram.notesTop;
    for (const std::string& note : diagram.notes) {
        const QString text = metrics.elidedText(qs(note), Qt::ElideRight, size.width() - 4);
        painter.drawText(QPointF(2, y + metrics.ascent()), text);
        y += diagram.lineHeight;
    }
}

void ThreadSchemeBox::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setImageData(picture());
    if (!m_summary.isEmpty())
        data->setText(m_summary);
    QApplication::clipboard()->setMimeData(data);
    emit copied();
}

void ThreadSchemeBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        copyToClipboard();
}

void ThreadSchemeBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr(SchemeCopyText), this, &ThreadSchemeBox::copyToClipboard);
    menu.exec(event->globalPos());
}
