// The tool's language: the interface language read from the environment decides the
// text answers, the messages and --help, in words and in the decimal separator. The
// JSON answers are read by programs and stay the same in every language.
#pragma once

#include "Translate.h"

namespace limits {

// English texts (the compiled-in translation) and the decimal point for English;
// the Russian source texts and the decimal comma otherwise.
void useLanguage(i18n::Language language);

// While it lives, texts are made in Russian with the decimal comma, whatever the
// language: the texts of the JSON answers.
class JsonTexts {
public:
    JsonTexts();
    ~JsonTexts();
    JsonTexts(const JsonTexts&) = delete;
    JsonTexts& operator=(const JsonTexts&) = delete;

private:
    i18n::Translator m_translator;
    char m_separator;
};

} // namespace limits
