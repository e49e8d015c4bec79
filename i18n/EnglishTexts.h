// The English translations of the cores' and dopusk-limits' texts, compiled in from
// translations/dopusk_cores_en.ts for the programs that run without Qt.
#pragma once

#include <string>

namespace i18n {

// The English text of `source` in `context`; `source` itself when the translation has none.
// An i18n::Translator.
std::string englishText(const char* context, const char* source);

} // namespace i18n
