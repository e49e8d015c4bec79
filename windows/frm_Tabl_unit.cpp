#include "frm_Tabl_unit.h"

Tfrm_Table* frm_Table = nullptr;

Tfrm_Table::Tfrm_Table(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_Table"));
    setWindowTitle(QStringLiteral("Поля допусков (отклонения показаны в мкм)"));
}
