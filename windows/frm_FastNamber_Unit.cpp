#include "frm_FastNamber_Unit.h"

Tfrm_FastNamber* frm_FastNamber = nullptr;

Tfrm_FastNamber::Tfrm_FastNamber(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_FastNamber"));
    setWindowTitle(QStringLiteral("быстрая вставка"));
}
