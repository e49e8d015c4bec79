// The drawn diagram of the thread tolerance page: paints the geometry that
// layoutThreadDiagram gives for its own size, afresh on every change. A double
// click or its context menu copies the diagram to the clipboard as a picture and
// the thread's limits as a line of text.
#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

#include "ThreadDiagram.h"

class ThreadSchemeBox : public QFrame {
    Q_OBJECT
public:
    explicit ThreadSchemeBox(QWidget* parent = nullptr);

    // What to draw, and the limits in words for the clipboard.
    void setDiagram(thread_diagram::DiagramInput input, const QString& summary);
    const thread_diagram::DiagramInput& input() const { return m_input; }
    QString summary() const { return m_summary; }
    // The geometry as it is drawn at the box's present size.
    thread_diagram::ThreadDiagram layout() const;

    // The diagram as it is shown, on a white ground.
    QImage picture() const;

public slots:
    void copyToClipboard();

signals:
    void copied();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void paintDiagram(QPainter& painter, QSize size) const;
    thread_diagram::ThreadDiagram layoutFor(QSize size) const;

    thread_diagram::DiagramInput m_input;
    QString m_summary;
};
