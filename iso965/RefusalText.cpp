// The reasons of the refusals, in Russian, and their stable English codes: the
// only place where either is written.
#include "Refusal.h"

#include <string>

#include "NumberText.h"
#include "ThreadPlan.h"

namespace iso965 {

namespace {

std::string mm(const number::Decimal& value) { return number::generalNumberText(value); }

// The diameter, in the genitive: "среднего диаметра D2 гайки".
const char* diameterName(ThreadDiameter diameter)
{
    switch (diameter) {
    case ThreadDiameter::NutPitch:
        return "среднего диаметра D2 гайки";
    case ThreadDiameter::NutMinor:
        return "внутреннего диаметра D1 гайки";
    case ThreadDiameter::BoltPitch:
        return "среднего диаметра d2 болта";
    case ThreadDiameter::BoltMajor:
        return "наружного диаметра d болта";
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
            return "Резьба не указана: пишется как M10, M10x1,25 или M10x1,25-6H";
        return "Резьба «" + r.text + "» не прочитана: пишется как M10, M10x1,25 или M10x1,25-6H";
    case RefusalCode::ClassUnreadable:
        if (r.text.empty())
            return "Поле допуска не указано: пишется как 6H, 6g, 5g6g или 6H/6g";
        return "Поле допуска «" + r.text + "» не прочитано: пишется как 6H, 6g, 5g6g или 6H/6g";
    case RefusalCode::FitKindsMismatch:
        return "В «" + r.text + "» поле гайки (G, H) и поле болта (e, f, g, h) перепутаны: посадка пишется как 6H/6g";
    case RefusalCode::ClassKindMismatch:
        if (kindOf(r.position) == ThreadKind::External)
            return "Поле " + r.text + " — поле болта (e, f, g, h); гайке нужно поле G или H";
        return "Поле " + r.text + " — поле гайки (G, H); болту нужно поле e, f, g или h";
    case RefusalCode::DiameterNotInPlan:
        return "Резьбы диаметром " + mm(r.d) + " мм нет в ряду метрических резьб ISO 261 (1…300 мм)";
    case RefusalCode::NoCoarsePitch:
        return "У резьбы M" + mm(r.d) + " нет крупного шага: укажите шаг (" + pitchList(r.d) + ")";
    case RefusalCode::PitchNotInPlan:
        return "Шага " + mm(r.pitch) + " мм у резьбы M" + mm(r.d) + " в ряду ISO 261 нет (есть " + pitchList(r.d) + ")";
    case RefusalCode::GradeNotDefined:
        if (!r.atPitch)
            return "Степени точности " + std::to_string(r.grade) + " для " + diameterName(r.diameter) +
                   " стандарт не устанавливает (есть " + gradeList(r.gradesDefined) + ")";
        return "Степени точности " + std::to_string(r.grade) + " для " + diameterName(r.diameter) + " при шаге " +
               mm(r.pitch) + " мм стандарт не устанавливает (есть " + gradeList(r.gradesDefined) + ")";
    case RefusalCode::PositionNotDefined:
        return std::string("Основного отклонения ") + positionLetter(r.position) + " при шаге " + mm(r.pitch) +
               " мм стандарт не устанавливает (оно есть с шага " + mm(r.positionFromPitch) + " мм)";
    }
    return {};
}

} // namespace iso965
