// The drawn diagram of the fits page: paints the geometry that layoutFitDiagram
// gives for its own size, afresh on every change. A double click or its context
// menu copies the diagram to the clipboard as a picture and the fit as a line of text.
#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

#include "FitDiagram.h"

class FitSchemeBox : public QFrame {
    Q_OBJECT
public:
    explicit FitSchemeBox(QWidget* parent = nullptr);

    // What to draw, and the fit in words for the clipboard (empty while the fit is not defined).
    void setDiagram(iso286::DiagramInput input, const QString& summary);
    const iso286::DiagramInput& input() const { return m_input; }
    QString summary() const { return m_summary; }

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

    iso286::DiagramInput m_input;
    QString m_summary;
};
