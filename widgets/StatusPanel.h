// A text panel of the status bar that shows its whole text: a text longer than the panel
// is drawn in a smaller font, down to a size still read at the machine; only a text too
// long even then loses its end on the panel, and its hint then holds it whole. The text
// itself (text()) stays as it was set.
#pragma once

#include <QLabel>

class StatusPanel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The smallest pixel size a long text is drawn in; below it, the end is elided.
    static constexpr int SmallestPixelSize = 8;

    // The font the text is drawn in at the panel's present width.
    QFont shownFont() const;
    // Whether the text is drawn whole at the panel's present width.
    bool showsWholeText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    double room() const;
};
