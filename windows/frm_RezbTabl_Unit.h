#pragma once

#include <QDialog>

class Tfrm_RezbTabl : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_RezbTabl(QWidget* parent = nullptr);
};

extern Tfrm_RezbTabl* frm_RezbTabl;
