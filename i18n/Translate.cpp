#include "Translate.h"

#include <vector>

namespace i18n {

namespace {
Translator currentTranslator = nullptr;
}

void setTranslator(Translator translator) { currentTranslator = translator; }

std::string translate(const char* context, const char* source)
{
    return currentTranslator ? currentTranslator(context, source) : std::string(source);
}

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string_view> filled(values);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < filled.size()) {
                text += filled[index];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace i18n
