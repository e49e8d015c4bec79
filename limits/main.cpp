// dopusk-limits: the limit deviations of any ISO 286 tolerance class, fits and
// the classes of given deviations, from the command line. See `man dopusk-limits`.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "Answers.h"
#include "Console.h"
#include "JsonOutput.h"

namespace {

void printError(const std::string& message)
{
    std::fprintf(stderr, "dopusk-limits: %s (справка: dopusk-limits --help)\n", message.c_str());
}

// Every line answered in order; blank lines are skipped. The status is the worst one.
int runBatch(const limits::Request& request)
{
    int status = limits::Defined;
    std::string line;
    long number = 0;
    while (std::getline(std::cin, line)) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const limits::Answer answer = limits::answerLine(line, request.options, request.json);
        if (answer.status == limits::BadUsage) {
            const std::string message = "строка " + std::to_string(number) + ": " + answer.error;
            std::cout << (request.json ? limits::errorJson(message) + "\n" : "ошибка: " + message + "\n\n");
        } else {
            std::cout << answer.output << (request.json ? "" : "\n");
        }
        status = std::max(status, int(answer.status));
    }
    std::cout.flush();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    const limits::Utf8Console console;
    std::ios::sync_with_stdio(false);
    const limits::Request request = limits::readCommandLine(limits::utf8Arguments(argc, argv));
    if (!request.error.empty()) {
        printError(request.error);
        return limits::BadUsage;
    }
    limits::Answer answer;
    switch (request.mode) {
    case limits::Mode::Help:
        std::fputs(limits::usageText(), stdout);
        return 0;
    case limits::Mode::Batch:
        return runBatch(request);
    case limits::Mode::Query:
        answer = limits::answerQuery(request.size, request.query, request.options, request.json);
        break;
    case limits::Mode::Find:
        answer = limits::answerFind(request);
        break;
    case limits::Mode::Classes:
        answer = limits::answerClasses(request);
        break;
    }
    if (answer.status == limits::BadUsage) {
        printError(answer.error);
        return limits::BadUsage;
    }
    std::fwrite(answer.output.data(), 1, answer.output.size(), stdout);
    return answer.status;
}
