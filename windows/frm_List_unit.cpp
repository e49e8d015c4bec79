#include "frm_List_unit.h"

Tfrm_ListOf_Ferrak* frm_ListOf_Ferrak = nullptr;
QString PickedDesignation = QStringLiteral("H9");

Tfrm_ListOf_Ferrak::Tfrm_ListOf_Ferrak(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_ListOf_Ferrak"));
    setWindowTitle(QStringLiteral("Поля допусков (список полей)"));
}
