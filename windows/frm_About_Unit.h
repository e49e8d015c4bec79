#pragma once

#include <QDialog>

class Tfrm_About : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_About(QWidget* parent = nullptr);
};

extern Tfrm_About* frm_About;
