// dopusk-limits: the limit deviations of any ISO 286 tolerance class, fits and
// the classes of given deviations, and the limits of metric threads, from the
// command line. See `man dopusk-limits`.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "Answers.h"
#include "Console.h"
#include "JsonOutput.h"
#include "Language.h"
#include "LineReader.h"
#include "NumberReading.h"
#include "ThreadAnswers.h"

namespace {

using limits::Error;
using limits::ErrorCode;
using limits::Format;
using limits::Status;

std::string systemReason(int error) { return std::strerror(error); }

// Standard output, remembering the first failure to write.
class Output {
public:
    void write(const std::string& text)
    {
        if (m_error == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            m_error = errno ? errno : EIO;
    }
    // Everything written out; false when some of it could not be.
    bool finish()
    {
        if (m_error == 0 && std::fflush(stdout) != 0)
            m_error = errno ? errno : EIO;
        return m_error == 0;
    }
    bool failed() const { return m_error != 0; }
    int error() const { return m_error; }

private:
    int m_error = 0;
};

void printError(const std::string& message, bool hint)
{
    const std::string text =
        hint ? i18n::arg(i18n::translate("limits", "%1 (справка: dopusk-limits --help)"), {message}) : message;
    std::fprintf(stderr, "dopusk-limits: %s\n", text.c_str());
}

// An error of usage, reading or input: on standard error, and with --json also as an answer.
Status reportError(Output& out, const Error& error, Format format)
{
    const Status status = limits::errorStatus(error.code);
    printError(limits::errorText(error), status == Status::BadUsage);
    if (format == Format::Json) {
        const limits::JsonTexts jsonTexts;
        out.write(limits::errorJson(error) + "\n");
    }
    return status;
}

// What is left to say when the answers could not be written.
int outputFailed(const Output& out)
{
    printError(limits::errorText(Error{ErrorCode::OutputFailed, {}, systemReason(out.error())}), false);
    return limits::exitCode(Status::InputOutput);
}

bool skipped(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t blank = iso286::blankLength(std::string_view(line).substr(i));
        if (blank == 0)
            return line[i] == '#';
        i += blank;
    }
    return true;
}

// Every line answered in order; blank lines and comments are skipped but counted.
// The status is the worst one.
Status runBatch(const limits::Request& request, Output& out)
{
    std::FILE* file = stdin;
    const bool named = request.batchFile != "-";
    if (named && !(file = std::fopen(request.batchFile.c_str(), "rb")))
        return reportError(out, Error{ErrorCode::InputFailed, request.batchFile, systemReason(errno)}, request.format);
    const bool json = request.format == Format::Json;
    Status status = Status::Defined;
    limits::LineReader reader(file);
    std::string line;
    bool tooLong = false;
    long number = 0;
    while (!out.failed() && reader.next(line, tooLong)) {
        ++number;
        if (!tooLong && skipped(line))
            continue;
        std::optional<limits::JsonTexts> jsonTexts;
        if (json)
            jsonTexts.emplace();
        limits::Answer answer = tooLong ? limits::Answer{Status::BadUsage, {}, Error{ErrorCode::LineTooLong}}
                                        : limits::answerLine(line, request.options, request.format);
        const std::string jsonError = json && answer.error ? limits::errorJson(*answer.error) : std::string();
        jsonTexts.reset();
        if (answer.error) {
            const std::string message = i18n::arg(i18n::translate("limits", "строка %1: %2"),
                                                  {std::to_string(number), limits::errorText(*answer.error)});
            printError(message, false);
            out.write(json ? limits::withLine(jsonError, number, line) + "\n"
                           : i18n::arg(i18n::translate("limits", "ошибка: %1"), {message}) + "\n\n");
        } else {
            out.write(json ? limits::withLine(answer.output, number, line) + "\n" : answer.output + "\n");
        }
        status = limits::worse(status, answer.status);
    }
    if (reader.error() != 0 && !out.failed())
        status = reportError(out, Error{ErrorCode::InputFailed, request.batchFile, systemReason(reader.error())},
                             request.format);
    if (named)
        std::fclose(file);
    return status;
}

Status run(const limits::Request& request, Output& out)
{
    if (request.error)
        return reportError(out, *request.error, request.format);
    limits::Answer answer;
    std::optional<limits::JsonTexts> jsonTexts;
    const bool answers = request.mode != limits::Mode::Help && request.mode != limits::Mode::Version &&
                         request.mode != limits::Mode::Batch;
    if (request.format == Format::Json && answers)
        jsonTexts.emplace();
    switch (request.mode) {
    case limits::Mode::Help:
        out.write(limits::usageText());
        return Status::Defined;
    case limits::Mode::Version:
        out.write(limits::versionText() + "\n");
        return Status::Defined;
    case limits::Mode::Batch:
        return runBatch(request, out);
    case limits::Mode::Query:
        answer = limits::answerQuery(request.size, request.query, request.options, request.format);
        break;
    case limits::Mode::Find:
        answer = limits::answerFind(request);
        break;
    case limits::Mode::Classes:
        answer = limits::answerClasses(request);
        break;
    case limits::Mode::Thread:
        answer = limits::answerThread(request.query, request.format);
        break;
    case limits::Mode::Threads:
        answer = limits::answerThreads(request.size, request.format);
        break;
    }
    jsonTexts.reset();
    if (answer.error)
        return reportError(out, *answer.error, request.format);
    out.write(answer.output + (request.format == Format::Json ? "\n" : ""));
    return answer.status;
}

} // namespace

int main(int argc, char** argv)
{
    const limits::Utf8Console console;
    limits::useLanguage(i18n::languageFromEnvironment());
    Output out;
    const Status status = run(limits::readCommandLine(limits::utf8Arguments(argc, argv)), out);
    // A broken pipe ends the program by its signal, as other tools; where that
    // signal is ignored, it is a failure to write like any other.
    if (!out.finish())
        return outputFailed(out);
    return limits::exitCode(status);
}
