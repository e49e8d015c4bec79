#include "frm_Main_Unit.h"

#include "AppInfo.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(AppInfo::Title));
    setFixedSize(644, 439);
}
