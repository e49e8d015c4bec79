// Turns Qt Linguist translation files (.ts) into a C++ table of their finished
// translations, so that a program without Qt (dopusk-limits) reads the same
// translations as the windows: GenerateTranslations <out.cpp> <in.ts>...
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Entry {
    std::string context;
    std::string source;
    std::string translation;
};

// The text between <tag ...> and </tag> from `from` on; `end` is set past it.
bool element(const std::string& xml, const std::string& tag, std::size_t from, std::size_t limit, std::string& attributes,
             std::string& text, std::size_t& end)
{
    const std::string open = "<" + tag;
    std::size_t at = from;
    for (;;) {
        at = xml.find(open, at);
        if (at == std::string::npos || at >= limit)
            return false;
        const char next = xml[at + open.size()];
        if (next == '>' || next == ' ' || next == '/')
            break;
        at += open.size();
    }
    const std::size_t close = xml.find('>', at);
    attributes = xml.substr(at + open.size(), close - at - open.size());
    if (!attributes.empty() && attributes.back() == '/') { // <translation/>
        text.clear();
        end = close + 1;
        return true;
    }
    const std::string closing = "</" + tag + ">";
    const std::size_t stop = xml.find(closing, close);
    if (stop == std::string::npos)
        return false;
    text = xml.substr(close + 1, stop - close - 1);
    end = stop + closing.size();
    return true;
}

std::string unescaped(const std::string& text)
{
    static const std::pair<const char*, char> entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [name, c] : entities) {
                const std::string n = name;
                if (text.compare(i, n.size(), n) == 0) {
                    out += c;
                    i += n.size();
                    replaced = true;
                    break;
                }
            }
            if (!replaced && text.compare(i, 2, "&#") == 0) {
                const std::size_t semicolon = text.find(';', i);
                const bool hex = text[i + 2] == 'x';
                const unsigned long code = std::stoul(text.substr(i + (hex ? 3 : 2), semicolon - i), nullptr, hex ? 16 : 10);
                if (code < 0x80)
                    out += char(code);
                i = semicolon + 1;
                replaced = true;
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

// A C++ string literal; every byte outside printable ASCII as a three-digit octal escape,
// which never runs into the characters after it.
std::string literal(const std::string& text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

bool readTs(const std::string& path, std::vector<Entry>& entries)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    std::string attributes, body;
    std::size_t contextEnd = 0;
    for (std::size_t at = 0; element(xml, "context", at, xml.size(), attributes, body, contextEnd); at = contextEnd) {
        std::string name, text;
        std::size_t end = 0;
        if (!element(body, "name", 0, body.size(), attributes, name, end))
            continue;
        std::string message;
        std::size_t messageEnd = 0;
        for (std::size_t m = 0; element(body, "message", m, body.size(), attributes, message, messageEnd); m = messageEnd) {
            std::string source, translation, translationAttributes;
            if (!element(message, "source", 0, message.size(), attributes, source, end) ||
                !element(message, "translation", 0, message.size(), translationAttributes, translation, end))
                continue;
            // Unfinished, obsolete and vanished entries are not used.
            if (translationAttributes.find("type=") != std::string::npos || translation.empty())
                continue;
            entries.push_back({unescaped(name), unescaped(source), unescaped(translation)});
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: GenerateTranslations OUT.cpp IN.ts...\n";
        return 2;
    }
    std::vector<Entry> entries;
    for (int i = 2; i < argc; ++i)
        if (!readTs(argv[i], entries)) {
            std::cerr << "GenerateTranslations: cannot read " << argv[i] << "\n";
            return 1;
        }
    const auto key = [](const Entry& e) { return std::tie(e.context, e.source); };
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) { return key(a) < key(b); });
    entries.erase(std::unique(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) { return key(a) == key(b); }),
                  entries.end());
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated by GenerateTranslations from the translation files; not edited by hand.\n"
           "#include \"EnglishTexts.h\"\n\n#include <algorithm>\n#include <iterator>\n#include <string_view>\n#include <tuple>\n\n"
           "namespace i18n {\n\nnamespace {\n\n"
           "struct Entry {\n    std::string_view context;\n    std::string_view source;\n    std::string_view translation;\n};\n\n"
           "// Sorted by context, then source.\nconstexpr Entry Entries[] = {\n";
    for (const Entry& e : entries)
        out << "    {" << literal(e.context) << ", " << literal(e.source) << ",\n     " << literal(e.translation) << "},\n";
    if (entries.empty())
        out << "    {\"\", \"\", \"\"},\n";
    out << "};\n\n} // namespace\n\n"
           "std::string englishText(const char* context, const char* source)\n{\n"
           "    const auto key = [](std::string_view c, std::string_view s) { return std::make_tuple(c, s); };\n"
           "    const auto wanted = key(context, source);\n"
           "    const auto found = std::lower_bound(std::begin(Entries), std::end(Entries), wanted,\n"
           "        [&](const Entry& e, const auto& k) { return key(e.context, e.source) < k; });\n"
           "    if (found != std::end(Entries) && key(found->context, found->source) == wanted && !found->translation.empty())\n"
           "        return std::string(found->translation);\n"
           "    return source;\n}\n\n} // namespace i18n\n";
    return out ? 0 : 1;
}
