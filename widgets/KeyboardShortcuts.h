// The program's keyboard shortcuts for what has no natural place in the Tab order,
// each named once and shown in the hint of the control it stands for.
#pragma once

#include <QKeySequence>
#include <QString>

namespace KeyboardShortcuts {

// The on-screen keypad for the nominal size.
inline QKeySequence keypad() { return QKeySequence(Qt::CTRL | Qt::Key_K); }
// The formula of the mean size, and of the radius, to the clipboard.
inline QKeySequence meanFormula() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C); }
inline QKeySequence radiusFormula() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R); }
// The diagram of the fits page and of the thread tolerance page to the clipboard.
inline QKeySequence copyDiagram() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D); }
// The about window, from every page.
inline QKeySequence about() { return QKeySequence(Qt::Key_F1); }

// A control's hint followed by its keys in brackets: "Отобразить виртуальную клавиатуру (Ctrl+K)".
inline QString hintWith(const QString& hint, const QKeySequence& keys)
{
    return QStringLiteral("%1 (%2)").arg(hint.trimmed(), keys.toString(QKeySequence::NativeText));
}

} // namespace KeyboardShortcuts
