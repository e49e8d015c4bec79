#include "NumberReading.h"

#include <string>

#include "NumberText.h"

namespace iso286 {

std::optional<number::Decimal> readNumber(std::string_view text)
{
    if (text.find(',') != std::string_view::npos && text.find('.') != std::string_view::npos)
        return std::nullopt;
    std::string withComma(text);
    for (char& c : withComma)
        if (c == '.')
            c = ',';
    return number::parseNumberText(withComma);
}

} // namespace iso286
