#include "Language.h"

#include "EnglishTexts.h"
#include "NumberText.h"

namespace limits {

void useLanguage(i18n::Language language)
{
    const bool english = language == i18n::Language::English;
    i18n::setTranslator(english ? i18n::englishText : nullptr);
    number::setInterfaceDecimalSeparator(english ? '.' : ',');
}

JsonTexts::JsonTexts()
    : m_translator(i18n::translator())
    , m_separator(number::interfaceDecimalSeparator())
{
    useLanguage(i18n::Language::Russian);
}

JsonTexts::~JsonTexts()
{
    i18n::setTranslator(m_translator);
    number::setInterfaceDecimalSeparator(m_separator);
}

} // namespace limits
