#include "Answers.h"

#include "ClassList.h"
#include "Fit.h"
#include "JsonOutput.h"
#include "NumberReading.h"
#include "TextOutput.h"
#include "TextSafety.h"

namespace limits {

using iso286::Decimal;

namespace {

Answer badUsage(std::string message) { return {BadUsage, {}, std::move(message)}; }

std::string quoted(std::string_view text) { return "«" + shownInput(text) + "»"; }

std::optional<Decimal> readSize(std::string_view text, Answer& failure)
{
    auto size = iso286::readNumber(text);
    if (!size)
        failure = badUsage("размер " + quoted(text) + " не читается как число");
    return size;
}

std::optional<iso286::ToleranceClass> readClass(std::string_view text, Answer& failure)
{
    auto c = iso286::parseClass(text);
    if (!c)
        failure = badUsage(quoted(text) + " не обозначение поля допуска (пример: H7, p6, JS9, cd8)");
    return c;
}

Answer answered(bool defined, std::string output) { return {defined ? Defined : NotDefined, std::move(output), {}}; }

// A list asked at a size outside the system.
Answer refusedSize(const Decimal& size, bool json)
{
    return answered(false, json ? refusedSizeJson(size) + "\n" : refusedSizeText(size));
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

} // namespace

Answer answerQuery(std::string_view sizeText, std::string_view query, const iso286::Options& options, bool json)
{
    Answer failure;
    const auto size = readSize(sizeText, failure);
    if (!size)
        return failure;
    const auto slash = query.find('/');
    if (slash == std::string_view::npos) {
        const auto c = readClass(query, failure);
        if (!c)
            return failure;
        const iso286::Limits l = iso286::limitsOf(*size, *c, options);
        return answered(l.defined, json ? classJson(l) + "\n" : classText(l));
    }
    const auto hole = readClass(query.substr(0, slash), failure);
    if (!hole)
        return failure;
    const auto shaft = readClass(query.substr(slash + 1), failure);
    if (!shaft)
        return failure;
    if (hole->kind != iso286::Kind::Hole || shaft->kind != iso286::Kind::Shaft)
        return badUsage("в посадке " + quoted(query) + " слева пишется поле отверстия, справа поле вала (H7/p6)");
    const iso286::Fit fit = iso286::fitOf(*size, *hole, *shaft, options);
    return answered(fit.defined, json ? fitJson(fit) + "\n" : fitText(fit));
}

Answer answerFind(const Request& request)
{
    Answer failure;
    const auto size = readSize(request.size, failure);
    if (!size)
        return failure;
    const auto upper = iso286::readNumber(request.upper);
    const auto lower = iso286::readNumber(request.lower);
    if (!upper || !lower)
        return badUsage("отклонение " + quoted(upper ? request.lower : request.upper) + " не читается как число");
    if (!iso286::sizeInRange(*size))
        return refusedSize(*size, request.json);
    const iso286::Lookup lookup = iso286::findClasses(*size, *upper, *lower, request.search, request.options);
    return answered(!lookup.exact.empty(), request.json ? lookupJson(*size, lookup) + "\n"
                                                        : lookupText(*size, *upper, *lower, lookup));
}

Answer answerClasses(const Request& request)
{
    Answer failure;
    const auto size = readSize(request.size, failure);
    if (!size)
        return failure;
    if (!iso286::sizeInRange(*size))
        return refusedSize(*size, request.json);
    const iso286::ClassesAtSize classes = iso286::classesAt(*size, request.options);
    return answered(true, request.json ? classesJson(*size, classes) + "\n" : classesText(*size, classes));
}

Answer answerLine(std::string_view line, const iso286::Options& options, bool json)
{
    std::string_view words[2];
    int count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size())
            break;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (count == 2)
            return badUsage("в строке больше двух слов; пишется «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»");
        words[count++] = line.substr(start, i - start);
    }
    if (count != 2)
        return badUsage("строка не вида «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»");
    return answerQuery(words[0], words[1], options, json);
}

} // namespace limits
