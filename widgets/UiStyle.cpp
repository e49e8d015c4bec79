#include "UiStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

namespace UiStyle {

QColor fieldColour(Data_Unit::FieldColour colour)
{
    switch (colour) {
    case Data_Unit::FieldColour::Red:
        return Red;
    case Data_Unit::FieldColour::Green:
        return Green;
    case Data_Unit::FieldColour::Blue:
        break;
    }
    return Blue;
}

QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }
QColor menuColour() { return QApplication::palette().color(QPalette::Window); }
QColor menuBarColour() { return QApplication::palette().color(QPalette::Window); }
QColor activeCaption() { return QApplication::palette().color(QPalette::Active, QPalette::Highlight); }

static QFont makeFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

static QString familyOr(const QString& wanted, const QString& fallback)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(wanted, Qt::CaseInsensitive) ? wanted : fallback;
}

QFont sansFont(int pixelSize, bool bold)
{
    static const QString family = familyOr(QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif"));
    return makeFont(family, pixelSize, bold);
}

QFont verdanaFont(int pixelSize, bool bold)
{
    static const QString family = familyOr(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    return makeFont(family, pixelSize, bold);
}

QFont comicFont(int pixelSize, bool bold)
{
    static const QString family = familyOr(QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans"));
    return makeFont(family, pixelSize, bold);
}

void applyProgramFont()
{
    // Setting the application's font drops the desktop's own fonts for hints, menus and
    // message boxes; those keep what they had.
    static const char* const ownFonts[] = {"QTipLabel", "QMenu", "QMenuBar", "QMessageBox"};
    QList<QFont> kept;
    for (const char* className : ownFonts)
        kept.append(QApplication::font(className));
    QApplication::setFont(sansFont(11));
    for (qsizetype i = 0; i < kept.size(); ++i)
        QApplication::setFont(kept[i], ownFonts[i]);
}

QSize captionSize(const QFont& font, const QString& text)
{
    return QFontMetrics(font).size(0, text);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    // The disabled group keeps the style's own look, so that a disabled control looks disabled.
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget) { return widget->palette().color(QPalette::Active, QPalette::Text); }

void setBaseColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QColor baseColour(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

} // namespace UiStyle
