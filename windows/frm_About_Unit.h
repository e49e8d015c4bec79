#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// Title, version, what the program does, and the project's web and mail links.
class Tfrm_About : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_About(QWidget* parent = nullptr);

    void LabelWWWClick();
    void LabelMailClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeLink(const char* name, const QString& caption, int y);
    void centreOverMainWindow();
    void prepareFirstShowing();

    QFrame* Panel2 = nullptr;
    QLabel* Label4 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label3 = nullptr;
    QTextEdit* Memo2 = nullptr;
    QLabel* LabelWWW = nullptr;
    QLabel* LabelMail = nullptr;
    QPushButton* BitBtn1 = nullptr;
    bool m_prepared = false;
};

extern Tfrm_About* frm_About;
