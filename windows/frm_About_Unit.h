#pragma once

#include <QDialog>

#include "BuiltOnFirstShowing.h"
#include "ClickableLabel.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// Title, version, what the program does, and the project's web and mail links.
class Tfrm_About : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_About(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void buildControls() override;

private slots:
    void LabelWWWClick();
    void LabelMailClick();

private:
    ClickableLabel* makeLink(const char* name, const QString& caption, int y);
    void centreOverMainWindow();

    QFrame* Panel2 = nullptr;
    QLabel* Label4 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label3 = nullptr;
    QTextEdit* Memo2 = nullptr;
    ClickableLabel* LabelWWW = nullptr;
    ClickableLabel* LabelMail = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
