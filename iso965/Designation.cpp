#include "Designation.h"

#include <array>
#include <string>

#include "NumberText.h"

namespace iso965 {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void skipBlanks(std::string_view& text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
}

std::string_view trimmed(std::string_view text)
{
    skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes one of `marks` from the front of the text.
template <std::size_t N>
bool take(std::string_view& text, const std::array<std::string_view, N>& marks)
{
    for (const std::string_view mark : marks)
        if (text.substr(0, mark.size()) == mark) {
            text.remove_prefix(mark.size());
            return true;
        }
    return false;
}

constexpr std::array<std::string_view, 4> kLetterM = {"M", "m", "М", "м"};     // Latin, Cyrillic
constexpr std::array<std::string_view, 5> kTimes = {"x", "X", "×", "х", "Х"};  // Latin, sign, Cyrillic
constexpr std::array<std::string_view, 3> kDashes = {"-", "–", "−"};           // hyphen, en dash, minus

// A length as typed: digits with a comma or a full stop and more digits.
std::optional<number::Decimal> takeLength(std::string_view& text)
{
    std::string digits;
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i]))
        digits += text[i++];
    if (digits.empty() || digits.size() > 4)
        return std::nullopt;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        digits += ',';
        const std::size_t fraction = ++i;
        while (i < text.size() && isDigit(text[i]))
            digits += text[i++];
        if (i == fraction || i - fraction > 3)
            return std::nullopt;
    }
    text.remove_prefix(i);
    return number::parseNumberText(digits);
}

DesignationReading refused(RefusalCode code, std::string_view text)
{
    DesignationReading reading;
    reading.refusal.code = code;
    reading.refusal.text = std::string(text);
    return reading;
}

} // namespace

DesignationReading readClasses(std::string_view text)
{
    text = trimmed(text);
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        const auto c = readThreadClass(text);
        if (!c)
            return refused(RefusalCode::ClassUnreadable, text);
        DesignationReading reading;
        reading.designation.emplace();
        (c->kind() == ThreadKind::Internal ? reading.designation->nutClass : reading.designation->boltClass) = c;
        return reading;
    }
    const auto nut = readThreadClass(text.substr(0, slash));
    const auto bolt = readThreadClass(text.substr(slash + 1));
    if (!nut || !bolt)
        return refused(RefusalCode::ClassUnreadable, text);
    if (nut->kind() != ThreadKind::Internal || bolt->kind() != ThreadKind::External)
        return refused(RefusalCode::FitKindsMismatch, text);
    DesignationReading reading;
    reading.designation.emplace();
    reading.designation->nutClass = nut;
    reading.designation->boltClass = bolt;
    return reading;
}

ClassReading readClassOf(ThreadKind kind, std::string_view text)
{
    ClassReading reading;
    text = trimmed(text);
    reading.threadClass = readThreadClass(text);
    if (!reading.threadClass) {
        reading.refusal.code = RefusalCode::ClassUnreadable;
        reading.refusal.text = std::string(text);
    } else if (reading.threadClass->kind() != kind) {
        reading.refusal.code = RefusalCode::ClassKindMismatch;
        reading.refusal.text = reading.threadClass->name();
        reading.refusal.position = reading.threadClass->pitch.position;
        reading.threadClass.reset();
    }
    return reading;
}

DesignationReading readDesignation(std::string_view text)
{
    const std::string_view whole = trimmed(text);
    std::string_view rest = whole;
    Designation designation;
    if (!take(rest, kLetterM))
        return refused(RefusalCode::ThreadUnreadable, whole);
    skipBlanks(rest);
    const auto d = takeLength(rest);
    if (!d)
        return refused(RefusalCode::ThreadUnreadable, whole);
    designation.d = *d;
    bool blank = !rest.empty() && isBlank(rest.front());
    skipBlanks(rest);
    if (take(rest, kTimes)) {
        skipBlanks(rest);
        designation.pitch = takeLength(rest);
        if (!designation.pitch)
            return refused(RefusalCode::ThreadUnreadable, whole);
        blank = !rest.empty() && isBlank(rest.front());
        skipBlanks(rest);
    }
    if (rest.empty()) {
        DesignationReading reading;
        reading.designation = designation;
        return reading;
    }
    if (!take(rest, kDashes) && !blank)
        return refused(RefusalCode::ThreadUnreadable, whole);
    DesignationReading reading = readClasses(rest);
    if (reading.designation) {
        reading.designation->d = designation.d;
        reading.designation->pitch = designation.pitch;
    }
    return reading;
}

bool ThreadAnswer::defined() const
{
    switch (kind) {
    case AnswerKind::Refused:
        return false;
    case AnswerKind::Thread:
        return true;
    case AnswerKind::Nut:
        return fit.nut.defined;
    case AnswerKind::Bolt:
        return fit.bolt.defined;
    case AnswerKind::Fit:
        return fit.defined;
    }
    return false;
}

const Refusal& ThreadAnswer::firstRefusal() const
{
    switch (kind) {
    case AnswerKind::Nut:
        return fit.nut.refusal;
    case AnswerKind::Bolt:
        return fit.bolt.refusal;
    case AnswerKind::Fit:
        return fit.nut.defined ? fit.bolt.refusal : fit.nut.refusal;
    default:
        return refusal;
    }
}

ThreadAnswer answer(std::string_view text)
{
    ThreadAnswer result;
    const DesignationReading reading = readDesignation(text);
    if (!reading.designation) {
        result.refusal = reading.refusal;
        return result;
    }
    const Designation& designation = *reading.designation;
    ThreadLookup lookup = findThread(designation.d, designation.pitch);
    if (!lookup.thread) {
        result.refusal = std::move(lookup.refusal);
        return result;
    }
    result.thread = *lookup.thread;
    if (designation.nutClass && designation.boltClass) {
        result.kind = AnswerKind::Fit;
        result.fit = threadFit(result.thread, *designation.nutClass, *designation.boltClass);
    } else if (designation.nutClass) {
        result.kind = AnswerKind::Nut;
        result.fit.nut = nutLimits(result.thread, *designation.nutClass);
    } else if (designation.boltClass) {
        result.kind = AnswerKind::Bolt;
        result.fit.bolt = boltLimits(result.thread, *designation.boltClass);
    } else {
        result.kind = AnswerKind::Thread;
    }
    return result;
}

} // namespace iso965
