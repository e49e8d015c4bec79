#include "Errors.h"

#include "TextSafety.h"

namespace limits {

namespace {

std::string quoted(const std::string& text) { return "«" + shownInput(text) + "»"; }

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
    case ErrorCode::UnknownOption: return "неизвестный ключ " + quoted(s);
    case ErrorCode::OptionNeedsValues: return "после " + s + " нужны верхнее и нижнее отклонение в мкм";
    case ErrorCode::OptionRepeated: return "ключ " + s + " указан дважды";
    case ErrorCode::OptionsConflict: return "ключ " + s + " не сочетается с " + e.other;
    case ErrorCode::OptionNeedsFind: return "ключ " + s + " действует только с --find";
    case ErrorCode::SizeMissing: return "не указан размер";
    case ErrorCode::QueryMissing: return "не указано поле или посадка";
    case ErrorCode::ExtraArgument: return "лишний аргумент " + quoted(s);
    case ErrorCode::SizeUnreadable: return "размер " + quoted(s) + " не читается как число";
    case ErrorCode::SizeTooFine: return "размер " + quoted(s) + " задан точнее 0,000001 мм";
    case ErrorCode::DeviationUnreadable: return "отклонение " + quoted(s) + " не читается как число";
    case ErrorCode::DeviationTooFine: return "отклонение " + quoted(s) + " задано точнее 0,001 мкм";
    case ErrorCode::DeviationOutOfRange: return "отклонение " + quoted(s) + " больше 100000 мкм по модулю";
    case ErrorCode::DeviationsReversed:
        return "верхнее отклонение " + quoted(s) + " меньше нижнего " + quoted(e.other);
    case ErrorCode::ClassUnreadable: return quoted(s) + " не обозначение поля допуска (пример: H7, p6, JS9, cd8)";
    case ErrorCode::NotAHole:
    case ErrorCode::NotAShaft:
        return "в посадке " + quoted(s) + " слева пишется поле отверстия, справа поле вала (H7/p6)";
    case ErrorCode::ThreadUnreadable:
        return quoted(s) + " не обозначение резьбы (пример: M10, M10x1,25-6H, M10-6H/6g)";
    case ErrorCode::ThreadClassUnreadable:
        return "в " + quoted(s) + " не читается поле допуска резьбы (пример: 6H, 6g, 5g6g, 6H/6g)";
    case ErrorCode::ThreadFitReversed:
        return "в посадке резьбы " + quoted(s) + " слева пишется поле гайки (G, H), справа поле болта (e, f, g, h): 6H/6g";
    case ErrorCode::LineUnreadable: return "строка не вида «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»";
    case ErrorCode::LineTooLong: return "строка длиннее " + std::to_string(LongestLine) + " байт";
    case ErrorCode::InputFailed:
        return "не удаётся прочитать " + (s == "-" ? std::string("стандартный ввод") : quoted(s)) + ": " + e.other;
    case ErrorCode::OutputFailed: return "не удаётся записать ответ: " + e.other;
    }
    return {};
}

Status errorStatus(ErrorCode code)
{
    return code == ErrorCode::InputFailed || code == ErrorCode::OutputFailed ? Status::InputOutput : Status::BadUsage;
}

} // namespace limits
