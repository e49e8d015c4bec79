// A drawn tolerance diagram, white and framed, drawn afresh at its own size on
// every change by its paintDiagram(). Its context menu copies it to the clipboard
// as a picture with a line of text; a double click opens it larger, in a resizable
// window of its own drawn by the same code, which follows every change.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QString>

#include <string>
#include <vector>

class DiagramBox : public QFrame {
    Q_OBJECT
public:
    // `hint`: the box's tool tip; `copyText`: the context menu's item for copying;
    // `windowTitle`: the larger window's title.
    DiagramBox(const QString& hint, const QString& copyText, const QString& windowTitle, QWidget* parent = nullptr);

    // The diagram in words for the clipboard (empty while nothing is defined).
    QString summary() const { return m_summary; }
    // The diagram as it is shown, on a white ground.
    QImage picture() const;
    // Draws the diagram into an area of `size` pixels from the painter's origin.
    virtual void paintDiagram(QPainter& painter, QSize size) const = 0;

    // Draws the diagram as the larger window shows it in an area of `size`: its texts and
    // lines grow with the square root of the area's growth over the box, the rest of the
    // room goes to the drawing itself.
    void paintLarger(QPainter& painter, QSize size) const;

    // The larger window, once opened (null before).
    QWidget* largerWindow() const { return m_larger; }

public slots:
    void copyToClipboard();
    void showLarger();

signals:
    void copied();
    void changed();

protected:
    // A new diagram: shown here and in the larger window.
    void setSummary(const QString& summary);

    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // A label of a diagram's layout (text, x, y and anchor Left, Right or Centre), centred
    // vertically on its y; on a white patch where lines or hatching would strike it through.
    enum class Ground { Clear, White };
    template <typename Label>
    static void drawLabel(QPainter& painter, const Label& label, Ground ground = Ground::Clear)
    {
        using Anchor = decltype(label.anchor);
        const Qt::AlignmentFlag align = label.anchor == Anchor::Right    ? Qt::AlignRight
                                        : label.anchor == Anchor::Centre ? Qt::AlignHCenter
                                                                         : Qt::AlignLeft;
        drawText(painter, QString::fromStdString(label.text), label.x, label.y, align, ground);
    }
    // The notes under a diagram, one line each from `top`, in the notes' colour.
    static void drawNotes(QPainter& painter, const std::vector<std::string>& lines, double top, double lineHeight);
    // The font of the diagrams' texts.
    static QFont diagramFont(bool bold = false);

private:
    static void drawText(QPainter& painter, const QString& text, double x, double y, Qt::AlignmentFlag align,
                         Ground ground);

    QString m_summary;
    QString m_copyText;
    QString m_windowTitle;
    QWidget* m_larger = nullptr;
};
