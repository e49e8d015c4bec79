#include "ThreadAnswers.h"

#include "NumberReading.h"
#include "ThreadOutput.h"

namespace limits {

namespace {

using iso965::RefusalCode;

// The text without the blanks around it, no-break and thin spaces too.
std::string_view trimmed(std::string_view text)
{
    while (const std::size_t n = iso286::blankLength(text))
        text.remove_prefix(n);
    std::size_t end = text.size();
    // Stepping a byte at a time is safe: no blank starts with a continuation byte.
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = iso286::blankLength(text.substr(i));
        if (n == 0) {
            ++i;
            end = i;
        } else {
            i += n;
        }
    }
    return text.substr(0, end);
}

Answer failed(ErrorCode code, std::string_view subject)
{
    return {errorStatus(code), {}, Error{code, std::string(subject)}};
}

// A designation that does not read is an error of the query, as a class that does not.
std::optional<ErrorCode> readingError(RefusalCode code)
{
    switch (code) {
    case RefusalCode::ThreadUnreadable: return ErrorCode::ThreadUnreadable;
    case RefusalCode::ClassUnreadable: return ErrorCode::ThreadClassUnreadable;
    case RefusalCode::FitKindsMismatch: return ErrorCode::ThreadFitReversed;
    default: return std::nullopt;
    }
}

Answer answered(bool defined, std::string output)
{
    return {defined ? Status::Defined : Status::NotDefined, std::move(output), {}};
}

} // namespace

bool isThreadQuery(std::string_view text)
{
    text = trimmed(text);
    for (const std::string_view m : {"M", "m", "М", "м"})
        if (text.substr(0, m.size()) == m)
            return true;
    return false;
}

Answer answerThread(std::string_view typed, Format format)
{
    typed = trimmed(typed);
    const iso965::DesignationReading reading = iso965::readDesignation(typed);
    if (!reading.designation) {
        const auto code = readingError(reading.refusal.code);
        return failed(code ? *code : ErrorCode::ThreadUnreadable, typed);
    }
    const iso965::ThreadAnswer answer = iso965::answer(typed);
    const ThreadQuery query{answer, *reading.designation, typed};
    return answered(answer.defined(), format == Format::Json ? threadJson(query) : threadText(query));
}

Answer answerThreads(std::string_view diameter, Format format)
{
    PlanQuery query;
    diameter = trimmed(diameter);
    if (diameter.empty()) {
        query.threads = iso965::planThreads();
    } else {
        // The diameter as a thread's is written, with or without its letter: "10", "1,6", "M10".
        const std::string thread = isThreadQuery(diameter) ? std::string(diameter) : "M" + std::string(diameter);
        const iso965::DesignationReading reading = iso965::readDesignation(thread);
        const auto& d = reading.designation;
        if (!d || d->pitch || d->nutClass || d->boltClass)
            return failed(ErrorCode::SizeUnreadable, diameter);
        query.diameter = d->d;
        query.threads = iso965::planThreadsAt(d->d);
        if (query.threads.empty()) {
            query.refusal.code = RefusalCode::DiameterNotInPlan;
            query.refusal.d = d->d;
        }
    }
    const bool defined = !query.refusal;
    return answered(defined, format == Format::Json ? threadsJson(query) : threadsText(query));
}

std::optional<Answer> answerThreadLine(std::string_view line, Format format)
{
    line = trimmed(line);
    if (isThreadQuery(line))
        return answerThread(line, format);
    constexpr std::string_view option = "--threads";
    if (line.substr(0, option.size()) != option)
        return std::nullopt;
    const std::string_view rest = line.substr(option.size());
    if (!rest.empty() && iso286::blankLength(rest) == 0)
        return std::nullopt; // "--threadsX": not this option
    return answerThreads(rest, format);
}

} // namespace limits
