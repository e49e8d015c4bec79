// The plain controls of the main window's pages, made from the name, bounds, font
// and colours of their description. What a page adds (captions that size themselves,
// a first text) it adds around these.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "CaptionFit.h"
#include "ManualEntry.h"
#include "NumberBox.h"
#include "UiStyle.h"

namespace PageControls {

template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                 const QColor& colour)
{
    auto* label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(bounds);
    label->setFont(font);
    UiStyle::setTextColour(label, colour);
    return label;
}

inline QGroupBox* makeGroupBox(QWidget* parent, const char* name, const QString& title, QRect bounds, const QFont& font,
                               const QColor& colour)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(bounds);
    group->setFont(font);
    UiStyle::setTextColour(group, colour);
    return group;
}

// A read-only box takes the focus only by a click, for selecting and copying its text.
inline NumberBox* makeNumberBox(QWidget* parent, const char* name, QRect bounds, const QFont& font, const QString& text,
                                const QColor& colour, const QColor& background, bool readOnly, const QString& hint)
{
    // The text is laid out once, in its own font: set after the font.
    auto* box = new NumberBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(bounds);
    box->setFont(font);
    box->setText(text);
    UiStyle::setTextColour(box, colour);
    UiStyle::setBaseColour(box, background);
    box->setReadOnly(readOnly);
    box->setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
    box->setToolTip(hint);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

// The keys a number box of a page takes: digits, the comma, the signs and backspace;
// a full stop becomes a comma.
inline bool numberKeyFilter(QChar& key)
{
    const auto passed = tolerance::filterTypedChar(key.unicode());
    if (!passed)
        return false;
    key = QChar(char16_t(*passed));
    return true;
}

// A label of a page: one that starts with a caption sizes itself to it, as on the original
// desktop; one the program fills later keeps its bounds.
template <class Label = QLabel>
Label* makeCaptionLabel(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font,
                        const QColor& colour)
{
    Label* label = makeLabel<Label>(parent, name, text, bounds, font, colour);
    if (!text.isEmpty())
        CaptionFit::fitWhenShown(label, bounds.size());
    return label;
}

// A number box of the main window's pages, which start at "0".
inline NumberBox* makePageBox(QWidget* parent, const char* name, QRect bounds, const QFont& font, const QColor& colour,
                              const QColor& background, bool readOnly, const QString& hint)
{
    return makeNumberBox(parent, name, bounds, font, QStringLiteral("0"), colour, background, readOnly, hint);
}

inline QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect bounds, const QFont& font)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->setFont(font);
    return button;
}

enum class BevelKind { Vertical, BottomLine };

// An etched line: a vertical one down the middle of its bounds, a bottom line along their bottom edge.
inline QFrame* makeBevel(QWidget* parent, const char* name, QRect bounds, BevelKind kind)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(bounds);
    line->setFrameShape(kind == BevelKind::Vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    if (kind == BevelKind::BottomLine) {
        constexpr int EtchedDepth = 2;
        line->setFrameRect(QRect(0, bounds.height() - EtchedDepth, bounds.width(), EtchedDepth));
    }
    return line;
}

} // namespace PageControls
