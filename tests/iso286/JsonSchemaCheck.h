// A JSON reader and a checker of the part of JSON Schema (2020-12) that the tool's
// schema uses: $ref to $defs, type, enum, const, properties, required, items,
// minItems, maxItems, minimum, exclusiveMinimum, oneOf, if/then/else and
// unevaluatedProperties: false. Enough to hold every answer against the schema
// file as installed, without a library for it.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace schema {

struct Json {
    enum class Type { Null, Boolean, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text; // a string's value, or a number as written
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json* member(const std::string& key) const
    {
        for (const auto& [k, v] : members)
            if (k == key)
                return &v;
        return nullptr;
    }
    bool operator==(const Json& o) const
    {
        return type == o.type && boolean == o.boolean && number == o.number &&
               (type != Type::String || text == o.text);
    }
};

class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}
    Json document()
    {
        Json value = read();
        skipBlanks();
        if (m_at != m_text.size())
            fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error(what + " at " + std::to_string(m_at));
    }
    void skipBlanks()
    {
        while (m_at < m_text.size() && std::string(" \t\r\n").find(m_text[m_at]) != std::string::npos)
            ++m_at;
    }
    bool take(char c)
    {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    void expect(char c)
    {
        if (!take(c))
            fail(std::string("expected ") + c);
    }
    std::string string()
    {
        expect('"');
        std::string s;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            const char c = m_text[m_at++];
            if (static_cast<unsigned char>(c) < 0x20)
                fail("control character in a string");
            if (c != '\\') {
                s += c;
                continue;
            }
            const char e = m_at < m_text.size() ? m_text[m_at++] : '?';
            const std::string plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
            if (e == 'u') {
                const unsigned code = unsigned(std::stoul(m_text.substr(m_at, 4), nullptr, 16));
                m_at += 4;
                if (code >= 0x80)
                    fail("only \\u00xx escapes expected");
                s += char(code);
            } else if (plain.find(e) != std::string::npos) {
                s += meant[plain.find(e)];
            } else {
                fail("bad escape");
            }
        }
        expect('"');
        return s;
    }
    Json read()
    {
        skipBlanks();
        Json v;
        if (m_at >= m_text.size())
            fail("no value");
        const char c = m_text[m_at];
        if (c == '{') {
            v.type = Json::Type::Object;
            ++m_at;
            if (!take('}')) {
                do {
                    skipBlanks();
                    std::string key = string();
                    expect(':');
                    if (v.member(key))
                        fail("key twice: " + key);
                    v.members.emplace_back(std::move(key), read());
                } while (take(','));
                expect('}');
            }
        } else if (c == '[') {
            v.type = Json::Type::Array;
            ++m_at;
            if (!take(']')) {
                do
                    v.items.push_back(read());
                while (take(','));
                expect(']');
            }
        } else if (c == '"') {
            v.type = Json::Type::String;
            v.text = string();
        } else if (m_text.compare(m_at, 4, "true") == 0 || m_text.compare(m_at, 5, "false") == 0) {
            v.type = Json::Type::Boolean;
            v.boolean = c == 't';
            m_at += v.boolean ? 4 : 5;
        } else if (m_text.compare(m_at, 4, "null") == 0) {
            m_at += 4;
        } else {
            // The tool writes plain decimals: -?digits(.digits)?
            const std::size_t start = m_at;
            take('-');
            const std::size_t digits = std::strspn(m_text.c_str() + m_at, "0123456789.");
            m_at += digits;
            v.type = Json::Type::Number;
            v.text = m_text.substr(start, m_at - start);
            v.number = std::strtod(v.text.c_str(), nullptr);
            if (digits == 0 || v.text.back() == '.' || std::count(v.text.begin(), v.text.end(), '.') > 1)
                fail("bad number");
        }
        return v;
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

class Checker {
public:
    explicit Checker(Json root) : m_root(std::move(root)) {}

    // Empty when `value` holds to the schema; otherwise the first breach found.
    std::string check(const Json& value) const
    {
        std::set<std::string> evaluated;
        std::string error;
        holds(m_root, value, evaluated, error, "");
        return error;
    }

private:
    static bool isType(const Json& v, const std::string& type)
    {
        using T = Json::Type;
        if (type == "integer")
            return v.type == T::Number && v.text.find('.') == std::string::npos;
        const std::map<std::string, T> types = {{"null", T::Null},     {"boolean", T::Boolean}, {"number", T::Number},
                                                {"string", T::String}, {"array", T::Array},     {"object", T::Object}};
        return types.count(type) && types.at(type) == v.type;
    }

    bool holds(const Json& s, const Json& v, std::set<std::string>& evaluated, std::string& error,
               const std::string& path) const
    {
        auto breach = [&](const std::string& what) {
            if (error.empty())
                error = (path.empty() ? "/" : path) + ": " + what;
            return false;
        };
        if (const Json* ref = s.member("$ref")) {
            const std::string prefix = "#/$defs/";
            const Json* target = m_root.member("$defs")->member(ref->text.substr(prefix.size()));
            if (!target)
                return breach("no definition " + ref->text);
            if (!holds(*target, v, evaluated, error, path))
                return false;
        }
        if (const Json* type = s.member("type")) {
            bool any = false;
            if (type->type == Json::Type::String)
                any = isType(v, type->text);
            for (const Json& t : type->items)
                any = any || isType(v, t.text);
            if (!any)
                return breach("not of the type asked");
        }
        if (const Json* options = s.member("enum")) {
            bool any = false;
            for (const Json& o : options->items)
                any = any || o == v;
            if (!any)
                return breach("\"" + v.text + "\" not among the values allowed");
        }
        if (const Json* c = s.member("const"); c && !(*c == v))
            return breach("not the constant");
        if (v.type == Json::Type::Number) {
            if (const Json* m = s.member("minimum"); m && v.number < m->number)
                return breach("below the minimum");
            if (const Json* m = s.member("exclusiveMinimum"); m && v.number <= m->number)
                return breach("not above the minimum");
        }
        if (v.type == Json::Type::Array) {
            if (const Json* m = s.member("minItems"); m && double(v.items.size()) < m->number)
                return breach("too few items");
            if (const Json* m = s.member("maxItems"); m && double(v.items.size()) > m->number)
                return breach("too many items");
            if (const Json* items = s.member("items"))
                for (std::size_t i = 0; i < v.items.size(); ++i) {
                    std::set<std::string> inner;
                    if (!holds(*items, v.items[i], inner, error, path + "/" + std::to_string(i)))
                        return false;
                }
        }
        if (v.type == Json::Type::Object) {
            if (const Json* required = s.member("required"))
                for (const Json& key : required->items)
                    if (!v.member(key.text))
                        return breach("no \"" + key.text + "\"");
            if (const Json* properties = s.member("properties"))
                for (const auto& [key, sub] : properties->members)
                    if (const Json* member = v.member(key)) {
                        std::set<std::string> inner;
                        if (!holds(sub, *member, inner, error, path + "/" + key))
                            return false;
                        evaluated.insert(key);
                    }
        }
        if (const Json* oneOf = s.member("oneOf")) {
            int count = 0;
            std::set<std::string> chosen;
            for (const Json& branch : oneOf->items) {
                std::set<std::string> inner = evaluated;
                std::string ignored;
                if (holds(branch, v, inner, ignored, path)) {
                    ++count;
                    chosen = inner;
                }
            }
            if (count != 1)
                return breach(std::to_string(count) + " of oneOf hold");
            evaluated.insert(chosen.begin(), chosen.end());
        }
        if (const Json* condition = s.member("if")) {
            std::set<std::string> inner = evaluated;
            std::string ignored;
            const bool met = holds(*condition, v, inner, ignored, path);
            if (met)
                evaluated = inner;
            if (const Json* next = s.member(met ? "then" : "else"))
                if (!holds(*next, v, evaluated, error, path))
                    return false;
        }
        if (const Json* u = s.member("unevaluatedProperties"); u && u->type == Json::Type::Boolean && !u->boolean)
            for (const auto& [key, member] : v.members)
                if (!evaluated.count(key))
                    return breach("\"" + key + "\" is not in the schema");
        return true;
    }

    Json m_root;
};

} // namespace schema
