#include "Translate.h"

#include <cstdlib>
#include <vector>

namespace i18n {

namespace {

Translator currentTranslator = nullptr;

// "ru_RU.UTF-8@euro" → "ru"
std::string_view languageCode(std::string_view locale)
{
    return locale.substr(0, locale.find_first_of("_.@"));
}

bool isCLocale(std::string_view locale)
{
    const std::string_view code = languageCode(locale);
    return code == "C" || code == "POSIX";
}

bool readsRussian(std::string_view locale)
{
    const std::string_view code = languageCode(locale);
    for (std::string_view russianReader : {"ru", "uk", "be", "kk"})
        if (code == russianReader)
            return true;
    return false;
}

} // namespace

Language languageOf(const Environment& environment)
{
    std::string_view locale;
    for (std::string_view value : {environment.lcAll, environment.lcMessages, environment.lang})
        if (!value.empty()) {
            locale = value;
            break;
        }
    if (locale.empty() || isCLocale(locale))
        return Language::Russian;
    std::string_view list = environment.language;
    if (list.empty())
        return readsRussian(locale) ? Language::Russian : Language::English;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        // The Russian texts are the source texts: a Russian reader needs no catalogue.
        if (readsRussian(entry) || isCLocale(entry))
            return Language::Russian;
        if (languageCode(entry) == "en")
            return Language::English;
    }
    return Language::English;
}

Language languageFromEnvironment()
{
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::string_view(value) : std::string_view();
    };
    return languageOf({variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")});
}

void setTranslator(Translator translator) { currentTranslator = translator; }

Translator translator() { return currentTranslator; }

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
