// The reasons of the refusals, in the interface's language, and their stable English
// codes: the only place where either is written.
#include "Refusal.h"

#include <string>

#include "NumberText.h"
#include "ThreadPlan.h"
#include "Translate.h"

namespace iso965 {

namespace {

std::string mm(const number::Decimal& value) { return number::generalNumberText(value); }

// The diameter, in the genitive: "среднего диаметра D2 гайки".
std::string diameterName(ThreadDiameter diameter)
{
    switch (diameter) {
    case ThreadDiameter::NutPitch:
        return i18n::translate("iso965", "среднего диаметра D2 гайки");
    case ThreadDiameter::NutMinor:
        return i18n::translate("iso965", "внутреннего диаметра D1 гайки");
    case ThreadDiameter::BoltPitch:
        return i18n::translate("iso965", "среднего диаметра d2 болта");
    case ThreadDiameter::BoltMajor:
        return i18n::translate("iso965", "наружного диаметра d болта");
    }
    return "";
}

// "4…8", "4, 5", "4, 6, 8": runs of three and more as a range.
std::string gradeList(unsigned mask)
{
    std::string text;
    for (int g = 0; g < 32; ++g) {
        if (!(mask >> g & 1))
            continue;
        int last = g;
        while (last + 1 < 32 && (mask >> (last + 1) & 1))
            ++last;
        if (!text.empty())
            text += ", ";
        if (last - g >= 2) {
            text += std::to_string(g) + "…" + std::to_string(last);
            g = last;
        } else {
            text += std::to_string(g);
        }
    }
    return text;
}

// The plan's pitches at a diameter, coarse first: "1,5; 1,25; 1; 0,75".
std::string pitchList(const number::Decimal& d)
{
    std::string text;
    for (const PlanThread& thread : planThreadsAt(d))
        text += (text.empty() ? "" : "; ") + mm(thread.pitch);
    return text;
}

} // namespace

const char* refusalCode(RefusalCode code)
{
    switch (code) {
    case RefusalCode::None:
        return "";
    case RefusalCode::ThreadUnreadable:
        return "thread_unreadable";
    case RefusalCode::ClassUnreadable:
        return "class_unreadable";
    case RefusalCode::DiameterNotInPlan:
        return "diameter_not_in_plan";
    case RefusalCode::NoCoarsePitch:
        return "no_coarse_pitch";
    case RefusalCode::PitchNotInPlan:
        return "pitch_not_in_plan";
    case RefusalCode::GradeNotDefined:
        return "grade_not_defined";
    case RefusalCode::PositionNotDefined:
        return "position_not_defined";
    case RefusalCode::FitKindsMismatch:
        return "fit_kinds_mismatch";
    case RefusalCode::ClassKindMismatch:
        return "class_kind_mismatch";
    }
    return "";
}

std::string refusalText(const Refusal& r)
{
    switch (r.code) {
    case RefusalCode::None:
        return {};
    case RefusalCode::ThreadUnreadable:
        if (r.text.empty())
            return i18n::translate("iso965", "Резьба не указана: пишется как M10, M10x1,25 или M10x1,25-6H");
        return i18n::arg(i18n::translate("iso965", "Резьба «%1» не прочитана: пишется как M10, M10x1,25 или M10x1,25-6H"),
                         {r.text});
    case RefusalCode::ClassUnreadable:
        if (r.text.empty())
            return i18n::translate("iso965", "Поле допуска не указано: пишется как 6H, 6g, 5g6g или 6H/6g");
        return i18n::arg(i18n::translate("iso965", "Поле допуска «%1» не прочитано: пишется как 6H, 6g, 5g6g или 6H/6g"),
                         {r.text});
    case RefusalCode::FitKindsMismatch:
        return i18n::arg(i18n::translate("iso965", "В «%1» поле гайки (G, H) и поле болта (e, f, g, h) перепутаны: "
                                                   "посадка пишется как 6H/6g"),
                         {r.text});
    case RefusalCode::ClassKindMismatch:
        if (kindOf(r.position) == ThreadKind::External)
            return i18n::arg(i18n::translate("iso965", "Поле %1 — поле болта (e, f, g, h); гайке нужно поле G или H"),
                             {r.text});
        return i18n::arg(i18n::translate("iso965", "Поле %1 — поле гайки (G, H); болту нужно поле e, f, g или h"),
                         {r.text});
    case RefusalCode::DiameterNotInPlan:
        return i18n::arg(i18n::translate("iso965", "Резьбы диаметром %1 мм нет в ряду метрических резьб ISO 261 (1…300 мм)"),
                         {mm(r.d)});
    case RefusalCode::NoCoarsePitch:
        return i18n::arg(i18n::translate("iso965", "У резьбы M%1 нет крупного шага: укажите шаг (%2)"),
                         {mm(r.d), pitchList(r.d)});
    case RefusalCode::PitchNotInPlan:
        return i18n::arg(i18n::translate("iso965", "Шага %1 мм у резьбы M%2 в ряду ISO 261 нет (есть %3)"),
                         {mm(r.pitch), mm(r.d), pitchList(r.d)});
    case RefusalCode::GradeNotDefined:
        if (!r.atPitch)
            return i18n::arg(i18n::translate("iso965", "Степени точности %1 для %2 стандарт не устанавливает (есть %3)"),
                             {std::to_string(r.grade), diameterName(r.diameter), gradeList(r.gradesDefined)});
        return i18n::arg(
            i18n::translate("iso965", "Степени точности %1 для %2 при шаге %3 мм стандарт не устанавливает (есть %4)"),
            {std::to_string(r.grade), diameterName(r.diameter), mm(r.pitch), gradeList(r.gradesDefined)});
    case RefusalCode::PositionNotDefined:
        return i18n::arg(i18n::translate("iso965", "Основного отклонения %1 при шаге %2 мм стандарт не устанавливает "
                                                   "(оно есть с шага %3 мм)"),
                         {std::string(1, positionLetter(r.position)), mm(r.pitch), mm(r.positionFromPitch)});
    }
    return {};
}

} // namespace iso965
