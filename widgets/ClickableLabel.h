// A label that reports clicks and double clicks of the left button. Being the
// label's own signals, they obey its enabled state: a disabled label does nothing.
#pragma once

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // Makes the label a stop of the Tab key: Space, Enter or Return then click it, and
    // a focus frame shows where the keyboard is.
    void takeKeyboardClicks();

signals:
    // A release of the left button over the label, or a key that clicks it.
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
