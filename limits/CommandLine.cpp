#include "CommandLine.h"

namespace limits {

namespace {

bool isOption(const std::string& argument) { return argument.size() >= 2 && argument.compare(0, 2, "--") == 0; }

} // namespace

Request readCommandLine(const std::vector<std::string>& arguments)
{
    Request request;
    std::vector<std::string> positional;
    bool find = false, classes = false, batch = false, holes = false, shafts = false, help = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "-h" || a == "--help") {
            help = true;
        } else if (!isOption(a)) {
            positional.push_back(a); // "-13" is a deviation, not an option
        } else if (a == "--json") {
            request.json = true;
        } else if (a == "--batch") {
            batch = true;
        } else if (a == "--js7-exact") {
            request.options.js7Exact = true;
        } else if (a == "--holes") {
            holes = true;
        } else if (a == "--shafts") {
            shafts = true;
        } else if (a == "--classes") {
            classes = true;
        } else if (a == "--find") {
            if (find) {
                request.error = "--find указан дважды";
                return request;
            }
            if (i + 2 >= arguments.size()) {
                request.error = "после --find нужны верхнее и нижнее отклонение в мкм";
                return request;
            }
            find = true;
            request.upper = arguments[++i];
            request.lower = arguments[++i];
        } else {
            request.error = "неизвестный ключ " + a;
            return request;
        }
    }
    if (help) {
        request.mode = Mode::Help;
        return request;
    }
    if (int(find) + int(classes) + int(batch) > 1) {
        request.error = "--find, --classes и --batch не сочетаются";
        return request;
    }
    if ((holes || shafts) && !find) {
        request.error = "--holes и --shafts действуют только с --find";
        return request;
    }
    if (holes && shafts) {
        request.error = "--holes и --shafts не сочетаются";
        return request;
    }
    request.search = holes ? iso286::Search::Holes : shafts ? iso286::Search::Shafts : iso286::Search::Both;
    const std::size_t expected = batch ? 0 : (find || classes) ? 1 : 2;
    if (positional.size() != expected) {
        request.error = batch              ? "с --batch запросы читаются со стандартного ввода, не из аргументов"
                        : positional.empty() ? "не указан размер"
                        : (find || classes)  ? "лишний аргумент " + positional[1]
                        : positional.size() == 1 ? "не указано поле или посадка"
                                                 : "лишний аргумент " + positional[2];
        return request;
    }
    request.mode = batch ? Mode::Batch : find ? Mode::Find : classes ? Mode::Classes : Mode::Query;
    if (!positional.empty())
        request.size = positional[0];
    if (positional.size() == 2)
        request.query = positional[1];
    return request;
}

const char* usageText()
{
    return "Использование:\n"
           "  dopusk-limits РАЗМЕР ПОЛЕ              предельные отклонения поля (dopusk-limits 25 H7)\n"
           "  dopusk-limits РАЗМЕР ОТВЕРСТИЕ/ВАЛ     посадка (dopusk-limits 25 H7/p6)\n"
           "  dopusk-limits РАЗМЕР --find ВЕРХНЕЕ НИЖНЕЕ [--holes|--shafts]\n"
           "                                         поля с этими отклонениями, мкм\n"
           "  dopusk-limits --classes РАЗМЕР         все поля, определённые для размера\n"
           "Ключи:\n"
           "  --json        ответ в JSON, один объект на запрос\n"
           "  --batch       запросы «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ» по строкам со стандартного ввода\n"
           "  --js7-exact   JS7/js7 точными половинами IT7 (±7,5 мкм на 6–10 мм)\n"
           "  --help        эта справка\n"
           "Размер в мм и отклонения в мкм — с запятой или с точкой.\n"
           "Код выхода: 0 — всё определено, 1 — поле или посадка не определены, 2 — ошибка в запросе.\n";
}

} // namespace limits
