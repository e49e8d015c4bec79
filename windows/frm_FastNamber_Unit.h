#pragma once

#include <QDialog>
#include <QString>

class Tfrm_FastNamber : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_FastNamber(QWidget* parent = nullptr);
    // Preset by the caller with the edit's text; a value click overwrites it.
    QString QuickValue;
};

extern Tfrm_FastNamber* frm_FastNamber;
