// Labels that size themselves to their caption, as on the original desktop.
// The caption is measured when the label is first shown rather than when it is
// built: a page or window no one has opened yet costs start-up no font loading.
#pragma once

#include <QSize>

class QLabel;

namespace CaptionFit {

// At its first showing the label takes the size of its caption in its own font,
// never less than minimum. A word-wrapped label keeps the bounds it has.
void fitWhenShown(QLabel* label, QSize minimum);

} // namespace CaptionFit
