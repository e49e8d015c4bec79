// Text to number: never crashes, never reads outside the text, and accepts exactly
// the grammar of the number boxes; what it accepts is the exact value written, and
// it refuses only values beyond a double.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly `size` bytes on the heap, so that any read beyond it is caught.
    char* copy = static_cast<char*>(std::malloc(size ? size : 1));
    std::copy(data, data + size, copy);
    const std::string_view text(copy, size);
    const std::string shown(text);

    const auto parsed = number::parseNumberText(text);
    fuzz::GrammarNumber number;
    const bool grammar = fuzz::readGrammar(text, &number);
    FUZZ_CHECK(!parsed || grammar, "read a text outside the grammar: \"%s\"", shown.c_str());
    if (grammar) {
        // The nearest double, by the C library, of the same number written with a full stop.
        std::string plain = std::string(number.negative ? "-" : "") +
                            (number.integerDigits.empty() ? "0" : number.integerDigits) + "." +
                            (number.fractionDigits.empty() ? "0" : number.fractionDigits) + "e" +
                            std::to_string(number.exponent);
        errno = 0;
        const double expected = std::strtod(plain.c_str(), nullptr);
        const bool beyondDouble = std::isinf(expected);
        FUZZ_CHECK(bool(parsed) == !beyondDouble, "grammar text \"%s\" (%s) read: %d", shown.c_str(), plain.c_str(),
                   int(bool(parsed)));
        if (parsed) {
            FUZZ_CHECK(parsed->toDouble() == expected, "\"%s\" reads as %.17g, not %.17g", shown.c_str(),
                       parsed->toDouble(), expected);
            const fuzz::ExactValue exact = fuzz::exactValueOf(number);
            // Values far below the smallest double may read as zero; all others exactly.
            if (!exact.digits.empty() && std::labs(exact.exponent) < 50000) {
                const fuzz::ExactValue got = fuzz::normalised(parsed->isNegative(), parsed->digits(), parsed->exponent());
                FUZZ_CHECK(got == exact, "\"%s\" reads as %s, not %s", shown.c_str(), fuzz::describe(got).c_str(),
                           fuzz::describe(exact).c_str());
            }
        }
    }
    std::free(copy);
    return 0;
}
