#include "frm_RezbTabl_Unit.h"

Tfrm_RezbTabl* frm_RezbTabl = nullptr;

Tfrm_RezbTabl::Tfrm_RezbTabl(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_RezbTabl"));
    setWindowTitle(QStringLiteral("Параметры отв. под нарезание резьбы"));
}
