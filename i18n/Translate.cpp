#include "Translate.h"

#include <cstdlib>
#include <vector>

namespace i18n {

namespace {
Translator currentTranslator = nullptr;
}

Language languageFromEnvironment()
{
    // Refined with the whole rule of LANGUAGE's list and the C locale.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value)
            continue;
        const std::string_view v(value);
        for (std::string_view russianReaders : {"ru", "uk", "be", "kk", "C", "POSIX"})
            if (v.substr(0, russianReaders.size()) == russianReaders)
                return Language::Russian;
        return Language::English;
    }
    return Language::Russian;
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
