#include "Errors.h"

#include "TextSafety.h"
#include "Translate.h"

namespace limits {

namespace {

std::string quoted(const std::string& text) { return i18n::arg(i18n::translate("limits", "«%1»"), {shownInput(text)}); }

} // namespace

const char* errorCodeName(ErrorCode code)
{
    switch (code) {
    case ErrorCode::UnknownOption: return "unknown_option";
    case ErrorCode::OptionNeedsValues: return "option_needs_values";
    case ErrorCode::OptionRepeated: return "option_repeated";
    case ErrorCode::OptionsConflict: return "options_conflict";
    case ErrorCode::OptionNeedsFind: return "option_needs_find";
    case ErrorCode::SizeMissing: return "size_missing";
    case ErrorCode::QueryMissing: return "class_missing";
    case ErrorCode::ExtraArgument: return "extra_argument";
    case ErrorCode::SizeUnreadable: return "size_unreadable";
    case ErrorCode::SizeTooFine: return "size_too_fine";
    case ErrorCode::DeviationUnreadable: return "deviation_unreadable";
    case ErrorCode::DeviationTooFine: return "deviation_too_fine";
    case ErrorCode::DeviationOutOfRange: return "deviation_out_of_range";
    case ErrorCode::DeviationsReversed: return "deviations_reversed";
    case ErrorCode::ClassUnreadable: return "class_unreadable";
    case ErrorCode::NotAHole: return "not_a_hole";
    case ErrorCode::NotAShaft: return "not_a_shaft";
    case ErrorCode::ThreadUnreadable: return "thread_unreadable";
    case ErrorCode::ThreadClassUnreadable: return "class_unreadable";
    case ErrorCode::ThreadFitReversed: return "fit_kinds_mismatch";
    case ErrorCode::LineUnreadable: return "line_unreadable";
    case ErrorCode::LineTooLong: return "line_too_long";
    case ErrorCode::InputFailed: return "input_failed";
    case ErrorCode::OutputFailed: return "output_failed";
    }
    return "";
}

std::string errorText(const Error& e)
{
    const std::string& s = e.subject;
    switch (e.code) {
    case ErrorCode::UnknownOption: return i18n::arg(i18n::translate("limits", "неизвестный ключ %1"), {quoted(s)});
    case ErrorCode::OptionNeedsValues:
        return i18n::arg(i18n::translate("limits", "после %1 нужны верхнее и нижнее отклонение в мкм"), {s});
    case ErrorCode::OptionRepeated: return i18n::arg(i18n::translate("limits", "ключ %1 указан дважды"), {s});
    case ErrorCode::OptionsConflict: return i18n::arg(i18n::translate("limits", "ключ %1 не сочетается с %2"), {s, e.other});
    case ErrorCode::OptionNeedsFind: return i18n::arg(i18n::translate("limits", "ключ %1 действует только с --find"), {s});
    case ErrorCode::SizeMissing: return i18n::translate("limits", "не указан размер");
    case ErrorCode::QueryMissing: return i18n::translate("limits", "не указано поле или посадка");
    case ErrorCode::ExtraArgument: return i18n::arg(i18n::translate("limits", "лишний аргумент %1"), {quoted(s)});
    case ErrorCode::SizeUnreadable: return i18n::arg(i18n::translate("limits", "размер %1 не читается как число"), {quoted(s)});
    case ErrorCode::SizeTooFine: return i18n::arg(i18n::translate("limits", "размер %1 задан точнее 0,000001 мм"), {quoted(s)});
    case ErrorCode::DeviationUnreadable:
        return i18n::arg(i18n::translate("limits", "отклонение %1 не читается как число"), {quoted(s)});
    case ErrorCode::DeviationTooFine: return i18n::arg(i18n::translate("limits", "отклонение %1 задано точнее 0,001 мкм"), {quoted(s)});
    case ErrorCode::DeviationOutOfRange:
        return i18n::arg(i18n::translate("limits", "отклонение %1 больше 100000 мкм по модулю"), {quoted(s)});
    case ErrorCode::DeviationsReversed:
        return i18n::arg(i18n::translate("limits", "верхнее отклонение %1 меньше нижнего %2"), {quoted(s), quoted(e.other)});
    case ErrorCode::ClassUnreadable:
        return i18n::arg(i18n::translate("limits", "%1 не обозначение поля допуска (пример: H7, p6, JS9, cd8)"), {quoted(s)});
    case ErrorCode::NotAHole:
    case ErrorCode::NotAShaft:
        return i18n::arg(i18n::translate("limits", "в посадке %1 слева пишется поле отверстия, справа поле вала (H7/p6)"), {quoted(s)});
    case ErrorCode::ThreadUnreadable:
        return i18n::arg(i18n::translate("limits", "%1 не обозначение резьбы (пример: M10, M10x1,25-6H, M10-6H/6g)"), {quoted(s)});
    case ErrorCode::ThreadClassUnreadable:
        return i18n::arg(i18n::translate("limits", "в %1 не читается поле допуска резьбы (пример: 6H, 6g, 5g6g, 6H/6g)"), {quoted(s)});
    case ErrorCode::ThreadFitReversed:
        return i18n::arg(i18n::translate("limits", "в посадке резьбы %1 слева пишется поле гайки (G, H), "
                                                   "справа поле болта (e, f, g, h): 6H/6g"),
                         {quoted(s)});
    case ErrorCode::LineUnreadable:
        return i18n::translate("limits", "строка не вида «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»");
    case ErrorCode::LineTooLong: return i18n::arg(i18n::translate("limits", "строка длиннее %1 байт"), {std::to_string(LongestLine)});
    case ErrorCode::InputFailed:
        return i18n::arg(i18n::translate("limits", "не удаётся прочитать %1: %2"), {s == "-" ? i18n::translate("limits", "стандартный ввод") : quoted(s), e.other});
    case ErrorCode::OutputFailed: return i18n::arg(i18n::translate("limits", "не удаётся записать ответ: %1"), {e.other});
    }
    return {};
}

Status errorStatus(ErrorCode code)
{
    return code == ErrorCode::InputFailed || code == ErrorCode::OutputFailed ? Status::InputOutput : Status::BadUsage;
}

} // namespace limits
