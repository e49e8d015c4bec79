// The plain controls of the main window's pages, made from the name, bounds, font
// and colours of their description. What a page adds (captions that size themselves,
// a first text) it adds around these.
#pragma once

#include <QGroupBox>
#include <QLabel>

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

} // namespace PageControls
