// The program's texts in the user's language, without Qt. The Russian text is the
// source text: every text is written in Russian where it is made and looked up here,
// by the context it belongs to, in the translation the program runs with. With no
// translation set (the Russian interface), the source text comes back unchanged.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text named once (a constant) for the translation files, where lupdate finds it
// as QT_TRANSLATE_NOOP; it is translated where it is used: i18n::translate(context, name).
#define I18N_TRANSLATE_NOOP(context, source) source

namespace i18n {

// The interface's language, from the environment as gettext reads it. The locale of
// messages is the first set of LC_ALL, LC_MESSAGES, LANG; under the C/POSIX locale (or
// none) the interface is Russian and LANGUAGE is ignored. Otherwise LANGUAGE's colon list,
// when set, is read in its order: the first Russian reader's language (Russian, Ukrainian,
// Belarusian, Kazakh) or English decides, as the first language that has a catalogue would;
// a list of only other languages gives English. Without LANGUAGE the locale's language
// decides: Russian for a Russian reader, English for any other.
enum class Language { Russian, English };
struct Environment {
    std::string_view language;   // LANGUAGE
    std::string_view lcAll;      // LC_ALL
    std::string_view lcMessages; // LC_MESSAGES
    std::string_view lang;       // LANG
};
Language languageOf(const Environment& environment);
Language languageFromEnvironment();

// Looks up `source` of `context`; returns `source` itself when no translation is set
// or the translation has no entry for it. The windows set their Qt translator here,
// so that the cores' texts follow the same translation files as the windows' own.
using Translator = std::string (*)(const char* context, const char* source);
void setTranslator(Translator translator);
Translator translator();
std::string translate(const char* context, const char* source);

// Fills the markers %1 to %9 of `pattern` with `values` in their order, as QString::arg
// does; a marker without a value stays as it is.
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace i18n
