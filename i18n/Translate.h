// The program's texts in the user's language, without Qt. The Russian text is the
// source text: every text is written in Russian where it is made and looked up here,
// by the context it belongs to, in the translation the program runs with. With no
// translation set (the Russian interface), the source text comes back unchanged.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace i18n {

// The interface's language, from the environment as gettext reads it (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG): Russian for Russian, Ukrainian, Belarusian and Kazakh
// users, for the C/POSIX locale and when nothing is set; English for any other.
enum class Language { Russian, English };
Language languageFromEnvironment();

// Looks up `source` of `context`; returns `source` itself when no translation is set
// or the translation has no entry for it. The windows set their Qt translator here,
// so that the cores' texts follow the same translation files as the windows' own.
using Translator = std::string (*)(const char* context, const char* source);
void setTranslator(Translator translator);
std::string translate(const char* context, const char* source);

// Fills the markers %1 to %9 of `pattern` with `values` in their order, as QString::arg
// does; a marker without a value stays as it is.
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace i18n
