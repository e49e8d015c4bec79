// The drawn diagram of the thread tolerance page: paints the geometry that
// layoutThreadDiagram gives for its own size, afresh on every change. Its context
// menu copies the diagram to the clipboard as a picture and the thread's limits as
// a line of text; a double click opens it larger in a window of its own.
#pragma once

#include <QString>

#include "DiagramBox.h"
#include "ThreadDiagram.h"

class ThreadSchemeBox : public DiagramBox {
    Q_OBJECT
public:
    explicit ThreadSchemeBox(QWidget* parent = nullptr);

    // What to draw, and the limits in words for the clipboard.
    void setDiagram(thread_diagram::DiagramInput input, const QString& summary);
    const thread_diagram::DiagramInput& input() const { return m_input; }
    // The geometry as it is drawn at the box's present size.
    thread_diagram::ThreadDiagram layout() const;

    void paintDiagram(QPainter& painter, QSize size) const override;

private:
    thread_diagram::ThreadDiagram layoutFor(QSize size) const;

    thread_diagram::DiagramInput m_input;
};
