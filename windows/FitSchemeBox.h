// The drawn diagram of the fits page: paints the geometry that layoutFitDiagram
// gives for its own size, afresh on every change. Its context menu copies the
// diagram to the clipboard as a picture and the fit as a line of text; a double
// click opens it larger in a window of its own.
#pragma once

#include <QString>

#include "DiagramBox.h"
#include "FitDiagram.h"

class FitSchemeBox : public DiagramBox {
    Q_OBJECT
public:
    explicit FitSchemeBox(QWidget* parent = nullptr);

    // What to draw, and the fit in words for the clipboard (empty while the fit is not defined).
    void setDiagram(iso286::DiagramInput input, const QString& summary);
    const iso286::DiagramInput& input() const { return m_input; }
    // The geometry as it is drawn into an area of `size`.
    iso286::FitDiagram layoutFor(QSize size) const;
    // The widths and the height of the diagram's texts as they are written.
    static iso286::TextMeasure textMeasure();

    void paintDiagram(QPainter& painter, QSize size) const override;

private:
    iso286::DiagramInput m_input;
};
