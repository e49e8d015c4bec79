// The answers of dopusk-limits as JSON: English keys, exact decimal numbers
// written as JSON number literals, one object per answer on one line. Every
// answer names its kind in "answer" ("class", "fit", "find", "classes",
// "error"), and every one but an error says whether it is "defined"; the
// schema is packaging/dopusk-limits.schema.json.
#pragma once

#include <string>
#include <string_view>

#include "ClassList.h"
#include "Errors.h"
#include "Fit.h"
#include "ReverseLookup.h"
#include "Shown.h"

namespace limits {

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);

// A JSON array of `items`, each written as JSON by `element`.
template <typename Items, typename Element>
std::string jsonArray(const Items& items, Element element)
{
    std::string text = "[";
    for (const auto& item : items) {
        if (text.size() > 1)
            text += ',';
        text += element(item);
    }
    return text + "]";
}

// One JSON object, its members in the order they are added.
class JsonObject {
public:
    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& number(std::string_view key, const iso286::Decimal& value);
    JsonObject& integer(std::string_view key, long long value);
    JsonObject& boolean(std::string_view key, bool value);
    JsonObject& raw(std::string_view key, std::string_view json); // an array, an object or null
    std::string str() const { return "{" + m_members + "}"; }

private:
    void key(std::string_view key);
    std::string m_members;
};

// "class_not_defined", "size_out_of_range", ...
const char* refusalCode(iso286::RefusalKind kind);

std::string classJson(const SizeShown& size, const iso286::Limits& limits);
std::string fitJson(const SizeShown& size, const iso286::Fit& fit);
std::string lookupJson(const SizeShown& size, const Target& target, const iso286::Lookup& lookup);
std::string refusedLookupJson(const SizeShown& size, const Target& target, const iso286::Refusal& refusal);
std::string classesJson(const SizeShown& size, const iso286::ClassesAtSize& classes);
std::string refusedClassesJson(const SizeShown& size, const iso286::Refusal& refusal);
std::string errorJson(const Error& error);

// The answer to a batch line with the line's number and its text (made safe) first.
std::string withLine(const std::string& answer, long line, std::string_view input);

} // namespace limits
