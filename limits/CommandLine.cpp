#include "CommandLine.h"

#include "ThreadAnswers.h"
#include "Translate.h"

namespace limits {

namespace {

// "--json", "-V"; "-13" and "-,5" are deviations, "-" standard input.
bool isOption(const std::string& a)
{
    if (a.size() < 2 || a[0] != '-')
        return false;
    const char c = a[1];
    return !(c >= '0' && c <= '9') && c != ',' && c != '.';
}

Request failed(Request request, Error error)
{
    request.error = std::move(error);
    return request;
}

} // namespace

Request readCommandLine(const std::vector<std::string>& arguments)
{
    Request request;
    std::vector<std::string> positional;
    // JSON answers errors too, wherever --json stands among the options.
    for (const std::string& a : arguments) {
        if (a == "--")
            break;
        if (a == "--json")
            request.format = Format::Json;
    }
    const char* mode = nullptr; // the option of the mode chosen: --find, --classes, --batch or --threads
    const char* side = nullptr; // --holes or --shafts
    bool help = false, version = false, optionsEnded = false;
    auto chooseMode = [&](const char* option) -> std::optional<Error> {
        if (mode)
            return std::string(mode) == option ? Error{ErrorCode::OptionRepeated, option}
                                               : Error{ErrorCode::OptionsConflict, option, mode};
        mode = option;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (optionsEnded || !isOption(a)) {
            positional.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "-h" || a == "--help") {
            help = true;
        } else if (a == "-V" || a == "--version") {
            version = true;
        } else if (a == "--json") {
            // read above
        } else if (a == "--js7-exact") {
            request.options.js7Exact = true;
        } else if (a == "--holes" || a == "--shafts") {
            const char* option = a == "--holes" ? "--holes" : "--shafts";
            if (side && std::string(side) != option)
                return failed(request, Error{ErrorCode::OptionsConflict, option, side});
            side = option;
        } else if (a == "--classes" || a == "--batch") {
            if (auto error = chooseMode(a == "--classes" ? "--classes" : "--batch"))
                return failed(request, *error);
        } else if (a == "--threads") {
            if (auto error = chooseMode("--threads"))
                return failed(request, *error);
        } else if (a == "--find") {
            if (auto error = chooseMode("--find"))
                return failed(request, *error);
            if (i + 2 >= arguments.size())
                return failed(request, Error{ErrorCode::OptionNeedsValues, "--find"});
            request.upper = arguments[++i];
            request.lower = arguments[++i];
        } else {
            return failed(request, Error{ErrorCode::UnknownOption, a});
        }
    }
    if (help || version) {
        request.mode = help ? Mode::Help : Mode::Version;
        return request;
    }
    const std::string chosen = mode ? mode : "";
    if (side && chosen != "--find")
        return failed(request, Error{ErrorCode::OptionNeedsFind, side});
    request.search = !side                           ? iso286::Search::Both
                     : std::string(side) == "--holes" ? iso286::Search::Holes
                                                      : iso286::Search::Shafts;
    request.mode = chosen == "--batch"     ? Mode::Batch
                   : chosen == "--find"    ? Mode::Find
                   : chosen == "--classes" ? Mode::Classes
                   : chosen == "--threads" ? Mode::Threads
                                           : Mode::Query;
    if (request.mode == Mode::Batch) {
        if (positional.size() > 1)
            return failed(request, Error{ErrorCode::ExtraArgument, positional[1]});
        if (!positional.empty())
            request.batchFile = positional[0];
        return request;
    }
    if (request.mode == Mode::Threads) {
        if (positional.size() > 1)
            return failed(request, Error{ErrorCode::ExtraArgument, positional[1]});
        if (!positional.empty())
            request.size = positional[0];
        return request;
    }
    // A thread and its class, in one word or two: "M10-6g", "M10 6g".
    if (request.mode == Mode::Query && !positional.empty() && isThreadQuery(positional[0])) {
        if (positional.size() > 2)
            return failed(request, Error{ErrorCode::ExtraArgument, positional[2]});
        request.mode = Mode::Thread;
        request.query = positional[0] + (positional.size() == 2 ? " " + positional[1] : "");
        return request;
    }
    const std::size_t expected = request.mode == Mode::Query ? 2 : 1;
    if (positional.empty())
        return failed(request, Error{ErrorCode::SizeMissing});
    if (positional.size() < expected)
        return failed(request, Error{ErrorCode::QueryMissing});
    if (positional.size() > expected)
        return failed(request, Error{ErrorCode::ExtraArgument, positional[expected]});
    request.size = positional[0];
    if (expected == 2)
        request.query = positional[1];
    return request;
}

std::string usageText()
{
    return i18n::translate("limits",
        "Использование:\n"
        "  dopusk-limits РАЗМЕР ПОЛЕ              предельные отклонения поля (dopusk-limits 25 H7)\n"
        "  dopusk-limits РАЗМЕР ОТВЕРСТИЕ/ВАЛ     посадка (dopusk-limits 25 H7/p6)\n"
        "  dopusk-limits РАЗМЕР --find ВЕРХНЕЕ НИЖНЕЕ [--holes|--shafts]\n"
        "                                         поля с этими отклонениями, мкм\n"
        "  dopusk-limits --classes РАЗМЕР         все поля, определённые для размера\n"
        "  dopusk-limits РЕЗЬБА-ПОЛЕ              предельные диаметры резьбы гайки или болта\n"
        "                                         (dopusk-limits M10x1,5-6H, dopusk-limits M10-6g)\n"
        "  dopusk-limits РЕЗЬБА-ГАЙКА/БОЛТ        посадка резьбы (dopusk-limits M10x1,25-6H/6g)\n"
        "  dopusk-limits --threads [ДИАМЕТР]      резьбы ряда ISO 261 или шаги при диаметре\n"
        "  dopusk-limits --batch [ФАЙЛ]           запросы по строкам из файла («-» или без файла —\n"
        "                                         со стандартного ввода)\n"
        "Ключи:\n"
        "  --json           ответ в JSON, один объект на запрос (и на ошибку)\n"
        "  --js7-exact      JS7/js7 точными половинами IT7 (±7,5 мкм на 6–10 мм)\n"
        "  --holes, --shafts  с --find: только отверстия или только валы\n"
        "  -h, --help       эта справка\n"
        "  -V, --version    версия программы\n"
        "  --               конец ключей: дальше только аргументы\n"
        "Размер в мм (до 0,000001 мм) и отклонения в мкм (до 0,001 мкм) — с запятой или с точкой.\n"
        "В пакете пустые строки и строки, начинающиеся с #, пропускаются.\n"
        "Резьба: M, диаметр, x и шаг (без шага — крупный); M и x можно набрать по-русски.\n"
        "Код выхода: 0 — всё определено, 1 — поле, посадка, резьба или размер не определены (или с --find\n"
        "нет точного совпадения), 2 — ошибка в запросе, 3 — не удалось прочитать ввод или записать ответ.\n");
}

std::string versionText() { return std::string("dopusk-limits ") + DOPUSK_VERSION; }

} // namespace limits
