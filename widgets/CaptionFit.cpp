#include "CaptionFit.h"

#include <QEvent>
#include <QLabel>

#include "UiStyle.h"

namespace CaptionFit {

namespace {

// Watches one label until its first Show event, which comes before its first paint.
class FitOnShow : public QObject {
public:
    FitOnShow(QLabel* label, QSize minimum)
        : QObject(label)
        , m_label(label)
        , m_minimum(minimum)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_label && event->type() == QEvent::Show) {
            m_label->removeEventFilter(this);
            // A word-wrapped label keeps its bounds and breaks its caption within them.
            if (!m_label->text().isEmpty() && !m_label->wordWrap())
                m_label->resize(m_minimum.expandedTo(UiStyle::captionSize(m_label->font(), m_label->text())));
            deleteLater();
        }
        return false;
    }

private:
    QLabel* m_label;
    QSize m_minimum;
};

} // namespace

void fitWhenShown(QLabel* label, QSize minimum) { new FitOnShow(label, minimum); }

} // namespace CaptionFit
