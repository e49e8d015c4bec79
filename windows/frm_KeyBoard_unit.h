#pragma once

#include <QDialog>
#include <QString>

class Tfrm_KeyBoard : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_KeyBoard(QWidget* parent = nullptr);
    // Set when the keypad was closed with its Enter key.
    bool Accepted = false;
    // The display text handed to the caller.
    QString displayText() const { return m_display; }

private:
    QString m_display = QStringLiteral("0");
};

extern Tfrm_KeyBoard* frm_KeyBoard;
