// Colours and fonts shared by the windows, named once.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>

#include "Data_Unit.h"

class QWidget;

namespace UiStyle {

inline const QColor Maroon{128, 0, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Green{0, 128, 0};
inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Magenta{255, 0, 255};
inline const QColor Purple{128, 0, 128};
inline const QColor Lime{0, 255, 0};
inline const QColor PaleGreen{192, 220, 192};
inline const QColor SkyBlue{166, 202, 240};

// The fits page and its diagram: holes red, shafts blue, as the program colours them.
inline const QColor HoleColour = Red;
inline const QColor ShaftColour = Blue;
inline const QColor ShaftFill{200, 215, 255};
inline const QColor ClearanceColour = Green;
inline const QColor InterferenceColour = Purple;
inline constexpr const char* SchemeHint = QT_TRANSLATE_NOOP("FitSchemeBox", "Двойной щелчок: схема крупнее, в своём окне; правая кнопка: скопировать схему и посадку");
inline constexpr const char* SchemeCopyText = QT_TRANSLATE_NOOP("FitSchemeBox", "Копировать схему и посадку");

// The colour of a field's designation, wherever it is shown.
QColor fieldColour(Data_Unit::FieldColour colour);

// The system's button-face, menu and menu-bar colours map to the palette's button/window roles.
QColor buttonFace();
QColor menuColour();
QColor menuBarColour();
QColor activeCaption();

// 'MS Sans Serif' is the system's default sans-serif; 'Verdana' is Verdana where
// installed, otherwise DejaVu Sans. Sizes are character heights in pixels.
QFont sansFont(int pixelSize, bool bold = false);
QFont verdanaFont(int pixelSize, bool bold = false);
QFont comicFont(int pixelSize, bool bold = false);

// The program's default font, set once on the application before any window is
// made: the windows' own font, sansFont(11). Qt lays out some texts in the default
// font before a control gets its own (an edit box lays out its text once while it is
// being constructed); with the default the same as the windows' font, no other font
// is loaded for that. Hints, menus and message boxes keep the desktop's fonts.
void applyProgramFont();

// The size a caption needs in a font, every line of it, as a label's size hint
// has it. Measured with the font's metrics alone, without polishing a widget.
QSize captionSize(const QFont& font, const QString& text);

// Text colour through the palette, so that it can be read back (QPalette::Text and WindowText),
// for the active and inactive window; a disabled control keeps the style's disabled look.
void setTextColour(QWidget* widget, const QColor& colour);
QColor textColour(const QWidget* widget);
void setBaseColour(QWidget* widget, const QColor& colour);
QColor baseColour(const QWidget* widget);

} // namespace UiStyle
