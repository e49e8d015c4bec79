#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "BuiltOnFirstShowing.h"

class QFrame;
class QLabel;

// Twenty common deviation values, one click each. The caller places the window
// beside the edit it serves and presets the value; exec() tells whether one was chosen.
class Tfrm_FastNamber : public BuiltOnFirstShowing<QDialog> {
    Q_OBJECT
public:
    explicit Tfrm_FastNamber(QWidget* parent = nullptr);
    // Preset by the caller with the edit's text; a value click overwrites it.
    void setQuickValue(const QString& preset) { m_quickValue = preset; }
    QString QuickValue() const { return m_quickValue; }

    // The value a caption stands for: a caption ending in a zero loses that zero ("0,10" gives "0,1").
    static QString valueText(const QString& caption);

protected:
    void buildControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
    void Label8Click();
    void Label9Click();
    void Label10Click();
    void Label11Click();
    void Label12Click();
    void Label13Click();
    void Label14Click();
    void Label15Click();
    void Label16Click();
    void Label17Click();
    void Label18Click();
    void Label19Click();
    void Label20Click();

private:
    static constexpr int LabelCount = 20;
    using ClickHandler = void (Tfrm_FastNamber::*)();

    void Label20MouseEnter(QLabel* label);
    void Label20MouseLeave(QLabel* label);
    void chooseValue(const QLabel* label);

    QFrame* Panel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    std::array<QLabel*, LabelCount> m_labels{}; // Label1 ... Label20
    QString m_quickValue;
};
