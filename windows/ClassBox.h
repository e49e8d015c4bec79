// A class box of the fits page: an editable drop-down box whose list offers the
// common classes of its kind first and after them the entry "все поля…", which opens
// the list of every class defined at the size. Typing reads any class all the same.
// Its context menu adds "Найти поле по отклонениям…" to the editing entries.
#pragma once

#include <QComboBox>
#include <QStringList>

#include "ToleranceClass.h"

class ClassBox : public QComboBox {
    Q_OBJECT
public:
    explicit ClassBox(iso286::Kind kind, QWidget* parent = nullptr);

    iso286::Kind kind() const { return m_kind; }
    // The classes defined at the size: the common ones and all of them. The typed text stays.
    void setClasses(const QStringList& common, const QStringList& all);
    // Whether the list holds every class rather than the common ones.
    bool listsAll() const { return m_listsAll; }
    // The look-up by deviations can be offered (the page has a size).
    void setFindEnabled(bool enabled) { m_findEnabled = enabled; }

    // Every opening starts with the common classes, but the one "все поля…" asked for.
    void showPopup() override;
    void hidePopup() override;

    static QString allClassesText();
    static QString findEntryText();

signals:
    // A class chosen from the list, by the mouse or the keys.
    void classActivated();
    // The context menu's "Найти поле по отклонениям…".
    void findRequested();

private:
    void showList(bool all);
    void itemActivated(int index);
    void showContextMenu(QWidget* source, const QPoint& position);

    iso286::Kind m_kind;
    QStringList m_common;
    QStringList m_all;
    bool m_listsAll = false;
    bool m_openAll = false;     // the next opening lists every class
    bool m_popupClosing = false; // the list was just closed: an activation comes from it
    bool m_findEnabled = false;
    QString m_class; // the text the box held before an entry of the list replaced it
};
