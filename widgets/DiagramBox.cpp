#include "DiagramBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "UiStyle.h"
#include "WindowPlacement.h"

namespace {

void makeWhite(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, UiStyle::White);
    palette.setColor(QPalette::Base, UiStyle::White);
    widget->setPalette(palette);
}

// The larger window's drawing: the box's own, at the window's size.
class LargerDiagram : public QWidget {
public:
    LargerDiagram(const DiagramBox* box, QWidget* parent)
        : QWidget(parent)
        , m_box(box)
    {
        makeWhite(this);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_box->paintLarger(painter, size());
    }

private:
    const DiagramBox* m_box;
};

} // namespace

DiagramBox::DiagramBox(const QString& hint, const QString& copyText, const QString& windowTitle, QWidget* parent)
    : QFrame(parent)
    , m_copyText(copyText)
    , m_windowTitle(windowTitle)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    makeWhite(this);
    setToolTip(hint);
}

void DiagramBox::setSummary(const QString& summary)
{
    m_summary = summary;
    update();
    emit changed();
}

void DiagramBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.translate(inside.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), inside.size()));
    paintDiagram(painter, inside.size());
}

QImage DiagramBox::picture() const
{
    const QSize size = contentsRect().size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(UiStyle::White);
    QPainter painter(&image);
    paintDiagram(painter, size);
    return image;
}

void DiagramBox::paintLarger(QPainter& painter, QSize size) const
{
    const QSize box = contentsRect().size();
    const double zoom = box.isEmpty() ? 1.0
                                      : std::sqrt(std::max(1.0, std::min(double(size.width()) / box.width(),
                                                                         double(size.height()) / box.height())));
    painter.scale(zoom, zoom);
    paintDiagram(painter, QSize(int(size.width() / zoom), int(size.height() / zoom)));
}

void DiagramBox::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setImageData(picture());
    if (!m_summary.isEmpty())
        data->setText(m_summary);
    QApplication::clipboard()->setMimeData(data);
    emit copied();
}

void DiagramBox::showLarger()
{
    if (!m_larger) {
        // Kept when closed, to come back as it was left; it goes with the box's window.
        auto* window = new QWidget(this->window(), Qt::Window);
        window->setObjectName(QStringLiteral("frm_") + objectName().section(QLatin1Char('_'), 1));
        window->setWindowTitle(m_windowTitle);
        auto* drawing = new LargerDiagram(this, window);
        drawing->setObjectName(window->objectName() + QStringLiteral("_Drawing"));
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(drawing);
        window->setMinimumSize(size());
        window->resize(size() * 2);
        connect(this, &DiagramBox::changed, drawing, qOverload<>(&QWidget::update));
        m_larger = window;
        WindowPlacement::centreOverOwner(window);
    }
    m_larger->show();
    m_larger->raise();
    m_larger->activateWindow();
}

void DiagramBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        showLarger();
}

void DiagramBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(m_copyText, this, &DiagramBox::copyToClipboard);
    menu.addAction(tr("Показать крупнее"), this, &DiagramBox::showLarger);
    menu.exec(event->globalPos());
}

QFont DiagramBox::diagramFont(bool bold) { return UiStyle::sansFont(10, bold); }

void DiagramBox::drawText(QPainter& painter, const QString& text, double x, double y, Qt::AlignmentFlag align,
                          Ground ground)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    double left = x;
    if (align == Qt::AlignRight)
        left -= width;
    else if (align == Qt::AlignHCenter)
        left -= width / 2;
    if (ground == Ground::White)
        painter.fillRect(QRectF(left - 1, y - metrics.height() / 2, width + 2, metrics.height()), UiStyle::White);
    const double baseline = y + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(left, baseline), text);
}

void DiagramBox::drawNotes(QPainter& painter, const std::vector<std::string>& lines, double top, double lineHeight)
{
    painter.setPen(UiStyle::Maroon);
    painter.setFont(diagramFont());
    const QFontMetricsF metrics(painter.font());
    double y = top;
    for (const std::string& line : lines) {
        painter.drawText(QPointF(2, y + metrics.ascent()), QString::fromStdString(line));
        y += lineHeight;
    }
}
