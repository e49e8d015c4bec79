#include "frm_KeyBoard_unit.h"

Tfrm_KeyBoard* frm_KeyBoard = nullptr;

Tfrm_KeyBoard::Tfrm_KeyBoard(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_KeyBoard"));
    setWindowTitle(QStringLiteral("Клавиатура"));
}
