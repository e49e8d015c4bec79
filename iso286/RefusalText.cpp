#include "RefusalText.h"

#include "Limits.h"
#include "NumberText.h"
#include "Translate.h"

namespace iso286 {

namespace {

std::string sizesText(const Refusal& r)
{
    if (r.over == 0)
        return i18n::arg(i18n::translate("iso286", "до %1 мм"), {std::to_string(r.upTo)});
    if (r.upTo == LargestSize)
        return i18n::arg(i18n::translate("iso286", "свыше %1 мм"), {std::to_string(r.over)});
    return i18n::arg(i18n::translate("iso286", "свыше %1 до %2 мм"), {std::to_string(r.over), std::to_string(r.upTo)});
}

// Millionths of a millimetre as the program writes millimetres, a negative size with the minus sign.
std::string millimetres(std::int64_t millionths)
{
    const std::string text =
        number::plainNumberText(Decimal(millionths < 0 ? -millionths : millionths).scaled(FinestSizeExponent));
    return millionths < 0 ? "−" + text : text;
}

} // namespace

std::string refusalText(const Refusal& r)
{
    const std::string name = r.toleranceClass.name();
    switch (r.kind) {
    case RefusalKind::SizeNotPositive:
        return i18n::translate("iso286", "Номинальный размер должен быть больше 0 мм");
    case RefusalKind::SizeBeyondSystem:
        return i18n::translate("iso286", "Система ISO 286 определена для размеров до 3150 мм");
    case RefusalKind::SizeTooFine:
        return i18n::arg(i18n::translate("iso286", "Номинальный размер задаётся с точностью до %1 мм"),
                         {number::plainNumberText(Decimal(1).scaled(FinestSizeExponent))});
    case RefusalKind::GradeNotDefined:
        return r.toleranceClass.grade <= Grade::IT0
                   ? i18n::arg(i18n::translate("iso286", "Квалитеты IT01 и IT0 определены до %1 мм"),
                               {std::to_string(r.over)})
                   : i18n::arg(i18n::translate("iso286", "Квалитет IT%1 для размеров %2 не определён"),
                               {gradeText(r.toleranceClass.grade), sizesText(r)});
    case RefusalKind::GradeOverOneMm:
        return i18n::translate("iso286", "Квалитеты IT14…IT18 определены для размеров свыше 1 мм");
    case RefusalKind::ClassNotDefined:
        return i18n::arg(i18n::translate("iso286", "Поле %1 для размеров %2 не определено"), {name, sizesText(r)});
    case RefusalKind::LetterGrades:
        return i18n::arg(i18n::translate("iso286", "Поле %1 не определено: поля %2 есть только в квалитетах %3…%4"),
                         {name, letterText(r.toleranceClass.letter, r.toleranceClass.kind), gradeText(r.gradeFrom),
                          gradeText(r.gradeTo)});
    case RefusalKind::NoPositiveSize:
        return i18n::arg(r.toleranceClass.kind == Kind::Hole
                             ? i18n::translate("iso286", "При Ø%1 мм наименьший размер отверстия %2 был бы %3 мм")
                             : i18n::translate("iso286", "При Ø%1 мм наименьший размер вала %2 был бы %3 мм"),
                         {millimetres(r.size), name, millimetres(r.smallest)});
    case RefusalKind::NotAHole:
        return i18n::arg(i18n::translate("iso286", "%1 — поле вала, а в посадке первым пишется поле отверстия (H7/p6)"),
                         {name});
    case RefusalKind::NotAShaft:
        return i18n::arg(i18n::translate("iso286", "%1 — поле отверстия, а в посадке вторым пишется поле вала (H7/p6)"),
                         {name});
    }
    return {};
}

std::string reasonText(const std::optional<Refusal>& refusal) { return refusal ? refusalText(*refusal) : std::string(); }

} // namespace iso286
