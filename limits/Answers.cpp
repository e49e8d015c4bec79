#include "Answers.h"

#include "ClassList.h"
#include "Fit.h"
#include "JsonOutput.h"
#include "NumberReading.h"
#include "TextOutput.h"
#include "ThreadAnswers.h"

namespace limits {

using iso286::Decimal;
using iso286::NumberOutcome;

namespace {

Answer failed(ErrorCode code, std::string_view subject = {}, std::string_view other = {})
{
    return {errorStatus(code), {}, Error{code, std::string(subject), std::string(other)}};
}

// A size that reads, or is too large to write (nullopt); otherwise an error in `failure`.
struct SizeRead {
    bool ok = false;
    std::optional<Decimal> size; // nullopt: beyond any size, refused as beyond the system
};

SizeRead readSize(std::string_view text, Answer& failure)
{
    const iso286::NumberReading reading = iso286::readSize(text);
    switch (reading.outcome) {
    case NumberOutcome::Read:
        return {true, reading.value};
    case NumberOutcome::TooLarge:
        return {true, std::nullopt};
    case NumberOutcome::TooFine:
        failure = failed(ErrorCode::SizeTooFine, text);
        return {};
    case NumberOutcome::Unreadable:
        break;
    }
    failure = failed(ErrorCode::SizeUnreadable, text);
    return {};
}

std::optional<Decimal> readDeviation(std::string_view text, Answer& failure)
{
    const iso286::NumberReading reading = iso286::readDeviation(text);
    switch (reading.outcome) {
    case NumberOutcome::Read:
        return reading.value;
    case NumberOutcome::TooFine:
        failure = failed(ErrorCode::DeviationTooFine, text);
        return std::nullopt;
    case NumberOutcome::TooLarge:
        failure = failed(ErrorCode::DeviationOutOfRange, text);
        return std::nullopt;
    case NumberOutcome::Unreadable:
        break;
    }
    failure = failed(ErrorCode::DeviationUnreadable, text);
    return std::nullopt;
}

std::optional<iso286::ToleranceClass> readClass(std::string_view text, Answer& failure)
{
    auto c = iso286::parseClass(text);
    if (!c)
        failure = failed(ErrorCode::ClassUnreadable, text);
    return c;
}

Answer answered(bool defined, std::string output)
{
    return {defined ? Status::Defined : Status::NotDefined, std::move(output), {}};
}

// The limits of a class at a size too large to be written: beyond the system.
iso286::Limits beyondAnySize(const iso286::ToleranceClass& c)
{
    iso286::Limits l;
    l.toleranceClass = c;
    l.refusal = iso286::Refusal(iso286::RefusalKind::SizeBeyondSystem);
    return l;
}

std::optional<iso286::Refusal> sizeRefusal(const SizeRead& read)
{
    return read.size ? iso286::sizeRefusal(*read.size) : iso286::Refusal(iso286::RefusalKind::SizeBeyondSystem);
}

iso286::Limits limitsAt(const std::optional<Decimal>& size, const iso286::ToleranceClass& c,
                        const iso286::Options& options)
{
    return size ? iso286::limitsOf(*size, c, options) : beyondAnySize(c);
}

} // namespace

Answer answerQuery(std::string_view sizeText, std::string_view query, const iso286::Options& options, Format format)
{
    Answer failure;
    const SizeRead read = readSize(sizeText, failure);
    if (!read.ok)
        return failure;
    const SizeShown shown{read.size, std::string(sizeText)};
    const auto slash = query.find('/');
    if (slash == std::string_view::npos) {
        const auto c = readClass(query, failure);
        if (!c)
            return failure;
        const iso286::Limits l = limitsAt(read.size, *c, options);
        return answered(l.defined, format == Format::Json ? classJson(shown, l) : classText(shown, l));
    }
    const auto hole = readClass(query.substr(0, slash), failure);
    if (!hole)
        return failure;
    const auto shaft = readClass(query.substr(slash + 1), failure);
    if (!shaft)
        return failure;
    if (hole->kind != iso286::Kind::Hole)
        return failed(ErrorCode::NotAHole, query);
    if (shaft->kind != iso286::Kind::Shaft)
        return failed(ErrorCode::NotAShaft, query);
    const iso286::Fit fit = iso286::fitOf(limitsAt(read.size, *hole, options), limitsAt(read.size, *shaft, options));
    return answered(fit.defined, format == Format::Json ? fitJson(shown, fit) : fitText(shown, fit));
}

Answer answerFind(const Request& request)
{
    Answer failure;
    const SizeRead read = readSize(request.size, failure);
    if (!read.ok)
        return failure;
    const auto upper = readDeviation(request.upper, failure);
    if (!upper)
        return failure;
    const auto lower = readDeviation(request.lower, failure);
    if (!lower)
        return failure;
    if (*upper < *lower)
        return failed(ErrorCode::DeviationsReversed, request.upper, request.lower);
    const SizeShown shown{read.size, request.size};
    const Target target{*upper, *lower, request.search};
    const bool json = request.format == Format::Json;
    const auto refusal = sizeRefusal(read);
    if (refusal)
        return answered(false, json ? refusedLookupJson(shown, target, *refusal) : refusedSizeText(shown, *refusal));
    const iso286::Lookup lookup = iso286::findClasses(*read.size, *upper, *lower, request.search, request.options);
    return answered(!lookup.exact.empty(), json ? lookupJson(shown, target, lookup) : lookupText(shown, target, lookup));
}

Answer answerClasses(const Request& request)
{
    Answer failure;
    const SizeRead read = readSize(request.size, failure);
    if (!read.ok)
        return failure;
    const SizeShown shown{read.size, request.size};
    const bool json = request.format == Format::Json;
    const auto refusal = sizeRefusal(read);
    if (refusal)
        return answered(false, json ? refusedClassesJson(shown, *refusal) : refusedSizeText(shown, *refusal));
    const iso286::ClassesAtSize classes = iso286::classesAt(*read.size, request.options);
    return answered(true, json ? classesJson(shown, classes) : classesText(shown, classes));
}

Answer answerLine(std::string_view line, const iso286::Options& options, Format format)
{
    if (auto thread = answerThreadLine(line, format))
        return std::move(*thread);
    std::string_view words[2];
    int count = 0;
    std::size_t i = 0;
    // Words are separated by blanks, the no-break and thin spaces of pasted numbers too.
    auto blank = [&] { return iso286::blankLength(line.substr(i)); };
    while (i < line.size()) {
        while (i < line.size() && blank() > 0)
            i += blank();
        if (i == line.size())
            break;
        const std::size_t start = i;
        while (i < line.size() && blank() == 0)
            ++i;
        if (count == 2)
            return failed(ErrorCode::LineUnreadable);
        words[count++] = line.substr(start, i - start);
    }
    if (count != 2)
        return failed(ErrorCode::LineUnreadable);
    return answerQuery(words[0], words[1], options, format);
}

} // namespace limits
