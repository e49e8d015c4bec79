// The edit box in which the program shows a number (or "нет данных") and the user
// may type one. A number must never lose a digit: a text wider than the box is
// drawn in a smaller size of the same face, just small enough to fit, down to
// FloorPixelSize; only beyond that is it cut, with an ellipsis at its end and the
// whole text in the hint. The text itself stays whole, for selecting and copying.
// While the user edits the box it keeps its own font and scrolls as any edit does.
// Only the user's edits raise textEdited(); the program writes with setProgramText().
#pragma once

#include <QLineEdit>

class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int FloorPixelSize = 8;

    explicit NumberBox(QWidget* parent = nullptr);

    // The font the box is described with; setFont() sets it.
    QFont describedFont() const { return m_described; }
    // The text does not fit even at the floor size and is drawn cut.
    bool isCut() const { return m_cut; }

    // What the user types, pastes or drops passes this filter: false drops a character,
    // a changed character is taken instead. Typed keys are filtered before they reach
    // the box, so that a dropped key changes nothing and typing stays undoable.
    using CharFilter = bool (*)(QChar& character);
    void setCharFilter(CharFilter filter);

    // A text of the program's own ("нет данных", "-1E-5"): not filtered, no textEdited().
    void setProgramText(const QString& text);
    bool isProgramWrite() const { return m_programWrite; }

signals:
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();
    void applyFont(const QFont& font);
    bool fits(const QFont& font) const;
    QRect textArea() const;

    QFont m_described;
    bool m_applying = false;
    bool m_cut = false;
    bool m_programWrite = false;
    CharFilter m_charFilter = nullptr;
};
