#include "RefusalText.h"

#include "Limits.h"

namespace iso286 {

namespace {

std::string sizesText(const Refusal& r)
{
    if (r.over == 0)
        return "до " + std::to_string(r.upTo) + " мм";
    if (r.upTo == LargestSize)
        return "свыше " + std::to_string(r.over) + " мм";
    return "свыше " + std::to_string(r.over) + " до " + std::to_string(r.upTo) + " мм";
}

// Millionths of a millimetre as the program writes millimetres, a negative size with the minus sign.
std::string millimetres(std::int64_t millionths)
{
    std::string text = Decimal(millionths < 0 ? -millionths : millionths).scaled(FinestSizeExponent).toPlainString();
    for (char& c : text)
        if (c == '.')
            c = ',';
    return millionths < 0 ? "−" + text : text;
}

} // namespace

std::string refusalText(const Refusal& r)
{
    const std::string name = r.toleranceClass.name();
    switch (r.kind) {
    case RefusalKind::SizeNotPositive:
        return "Номинальный размер должен быть больше 0 мм";
    case RefusalKind::SizeBeyondSystem:
        return "Система ISO 286 определена для размеров до 3150 мм";
    case RefusalKind::SizeTooFine:
        return "Номинальный размер задаётся с точностью до 0,000001 мм";
    case RefusalKind::GradeNotDefined:
        return r.toleranceClass.grade <= Grade::IT0
                   ? "Квалитеты IT01 и IT0 определены до " + std::to_string(r.over) + " мм"
                   : "Квалитет IT" + gradeText(r.toleranceClass.grade) + " для размеров " + sizesText(r) + " не определён";
    case RefusalKind::GradeOverOneMm:
        return "Квалитеты IT14…IT18 определены для размеров свыше 1 мм";
    case RefusalKind::ClassNotDefined:
        return "Поле " + name + " для размеров " + sizesText(r) + " не определено";
    case RefusalKind::LetterGrades:
        return "Поле " + name + " не определено: поля " + letterText(r.toleranceClass.letter, r.toleranceClass.kind) +
               " есть только в квалитетах " + gradeText(r.gradeFrom) + "…" + gradeText(r.gradeTo);
    case RefusalKind::NoPositiveSize:
        return "При Ø" + millimetres(r.size) + " мм наименьший размер " +
               (r.toleranceClass.kind == Kind::Hole ? "отверстия " : "вала ") + name + " был бы " +
               millimetres(r.smallest) + " мм";
    case RefusalKind::NotAHole:
        return name + " — поле вала, а в посадке первым пишется поле отверстия (H7/p6)";
    case RefusalKind::NotAShaft:
        return name + " — поле отверстия, а в посадке вторым пишется поле вала (H7/p6)";
    }
    return {};
}

std::string reasonText(const std::optional<Refusal>& refusal) { return refusal ? refusalText(*refusal) : std::string(); }

} // namespace iso286
