// Writes the compiled-in base tables (BaseTables.h) from the CSV files of
// iso286/tables. Run by the build:
//   iso286_generate_tables <tables dir> <output .cpp>
// Fails, naming the file and line, on anything the tables must not hold: an
// unexpected header, a value that is not a number of hundredths of a micrometre,
// an interval that is empty, a gap or overlap between the rows of one letter and
// grade band, or a letter or grade it does not know.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CsvTable.h"
#include "ToleranceClass.h"

namespace {

// The names of the engine's enumerators, as the tables and the generated source write them.
std::string letterName(int letter) { return iso286::letterText(iso286::Letter(letter), iso286::Kind::Hole); }
std::string gradeName(int grade) { return "IT" + iso286::gradeText(iso286::Grade(grade)); }

constexpr int LargestSize = 3150;

using csvtables::Fault;
using csvtables::readTable;
using csvtables::Table;

// "-270", "0.3", "1.5" as hundredths; empty as the Undefined marker.
std::string hundredths(const Table& table, std::size_t row, const std::string& text)
{
    if (text.empty())
        return "Undefined";
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative)
        ++i;
    std::string integer, fraction;
    while (i < text.size() && std::isdigit((unsigned char)text[i]))
        integer += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit((unsigned char)text[i]))
            fraction += text[i++];
        if (fraction.empty())
            throw Fault(table.where(row) + ": \"" + text + "\" is not a number");
    }
    if (i != text.size() || integer.empty() || integer.size() > 6)
        throw Fault(table.where(row) + ": \"" + text + "\" is not a number");
    while (fraction.size() > 2 && fraction.back() == '0')
        fraction.pop_back();
    if (fraction.size() > 2)
        throw Fault(table.where(row) + ": \"" + text + "\" is finer than a hundredth of a micrometre");
    fraction.resize(2, '0');
    const long value = std::stol(integer) * 100 + std::stol(fraction);
    return std::to_string(negative ? -value : value);
}

int millimetres(const Table& table, std::size_t row, const std::string& text)
{
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit((unsigned char)c); }))
        throw Fault(table.where(row) + ": size \"" + text + "\" is not a whole number of millimetres");
    const int value = std::stoi(text);
    if (value > LargestSize)
        throw Fault(table.where(row) + ": size " + text + " beyond " + std::to_string(LargestSize) + " mm");
    return value;
}

// The row's interval; its ends join the boundaries of all the tables.
std::pair<int, int> interval(const Table& table, std::size_t row, std::size_t overColumn, std::set<int>& boundaries)
{
    const int over = millimetres(table, row, table.rows[row][overColumn]);
    const int upTo = millimetres(table, row, table.rows[row][overColumn + 1]);
    if (over >= upTo)
        throw Fault(table.where(row) + ": empty interval " + std::to_string(over) + "-" + std::to_string(upTo));
    boundaries.insert(over);
    boundaries.insert(upTo);
    return {over, upTo};
}

int gradeIndex(const Table& table, std::size_t row, const std::string& text)
{
    for (int g = 0; g < iso286::GradeCount; ++g)
        if (text == gradeName(g))
            return g;
    throw Fault(table.where(row) + ": unknown grade \"" + text + "\"");
}

// The grade band in the two columns from `fromColumn`: its first and its last grade.
std::pair<int, int> gradeBand(const Table& table, std::size_t row, std::size_t fromColumn)
{
    const auto& cells = table.rows[row];
    const int from = gradeIndex(table, row, cells[fromColumn]);
    const int to = gradeIndex(table, row, cells[fromColumn + 1]);
    if (from > to)
        throw Fault(table.where(row) + ": grade band " + cells[fromColumn] + "-" + cells[fromColumn + 1] + " is reversed");
    return {from, to};
}

// Index of the letter in the standard's order; shafts must be written in small letters, holes in capitals.
int letterIndex(const Table& table, std::size_t row, const std::string& text, bool hole)
{
    std::string upper = text;
    for (char& c : upper) {
        const bool ok = hole ? (c >= 'A' && c <= 'Z') : (c >= 'a' && c <= 'z');
        if (!ok)
            throw Fault(table.where(row) + ": letter \"" + text + "\" not written as a " + (hole ? "hole" : "shaft"));
        if (!hole)
            c = char(c - 'a' + 'A');
    }
    for (int l = 0; l < iso286::LetterCount; ++l)
        if (upper == letterName(l))
            return l;
    throw Fault(table.where(row) + ": unknown letter \"" + text + "\"");
}

// Rows of one key must follow each other without gap or overlap from `from` to `to`.
void checkCoverage(const std::string& what, std::vector<std::pair<int, int>> intervals, int from, int to)
{
    std::sort(intervals.begin(), intervals.end());
    int reached = from;
    for (const auto& [over, upTo] : intervals) {
        if (over != reached)
            throw Fault(what + ": " + (over < reached ? "overlap" : "gap") + " at " + std::to_string(std::min(over, reached)) +
                        " mm");
        reached = upTo;
    }
    if (reached != to)
        throw Fault(what + ": ends at " + std::to_string(reached) + " mm, not " + std::to_string(to) + " mm");
}

std::vector<std::string> gradeHeader(const std::string& first, const std::string& last)
{
    std::vector<std::string> header = {"over_mm", "up_to_mm"};
    bool inside = false;
    for (int g = 0; g < iso286::GradeCount; ++g) {
        const std::string name = gradeName(g);
        inside = inside || first == name;
        if (inside)
            header.push_back(name);
        if (last == name)
            break;
    }
    return header;
}

// A table of values by grade (IT, Δ): each row its interval and a cell for each grade of the
// header after the two sizes. Returns the rows' intervals.
std::vector<std::pair<int, int>> writeGradeRows(std::ostream& out, const char* type, const char* name, const char* countName,
                                                const Table& table, std::set<int>& boundaries)
{
    std::vector<std::pair<int, int>> intervals;
    out << "const " << type << " " << name << "[] = {\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto [over, upTo] = interval(table, r, 0, boundaries);
        intervals.emplace_back(over, upTo);
        out << "    {{" << over << ", " << upTo << "}, {";
        for (std::size_t g = 2; g < table.header.size(); ++g)
            out << (g > 2 ? ", " : "") << hundredths(table, r, table.rows[r][g]);
        out << "}},\n";
    }
    out << "};\nconst int " << countName << " = int(std::size(" << name << "));\n\n";
    return intervals;
}

struct DeviationEntry {
    int letter;
    int gradeFrom;
    int gradeTo;
    int over;
    int upTo;
    bool upper;
    std::string value; // hundredths, or Undefined
};

// Sorted by letter, band and size, so that rows of one band follow each other.
void writeDeviationRows(std::ostream& out, const char* name, const char* countName, std::vector<DeviationEntry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const DeviationEntry& a, const DeviationEntry& b) {
        return std::tie(a.letter, a.gradeFrom, a.over) < std::tie(b.letter, b.gradeFrom, b.over);
    });
    out << "const DeviationRow " << name << "[] = {\n";
    for (const DeviationEntry& e : entries)
        out << "    {{" << e.over << ", " << e.upTo << "}, Letter::" << letterName(e.letter) << ", Grade::"
            << gradeName(e.gradeFrom) << ", Grade::" << gradeName(e.gradeTo) << ", " << (e.upper ? "true" : "false") << ", "
            << e.value << "},\n";
    out << "};\nconst int " << countName << " = int(std::size(" << name << "));\n\n";
}

void generate(const std::string& dir, const std::string& output)
{
    std::set<int> boundaries;
    std::ostringstream out;
    out << "// Generated by iso286_generate_tables from iso286/tables/*.csv. Do not edit.\n"
           "#include \"BaseTables.h\"\n\n#include <iterator>\n\nnamespace iso286::tables {\n\n";

    // Standard tolerances.
    const Table it = readTable(dir, "it_grades.csv", gradeHeader("IT01", "IT18"));
    checkCoverage("it_grades.csv", writeGradeRows(out, "ItRow", "itRows", "itRowCount", it, boundaries), 0, LargestSize);

    // Δ.
    const Table delta = readTable(dir, "delta.csv", gradeHeader("IT3", "IT8"));
    const auto deltaIntervals = writeGradeRows(out, "DeltaRow", "deltaRows", "deltaRowCount", delta, boundaries);
    // Δ stops where the rule stops (500 mm); below that, no gaps.
    int deltaEnd = 0;
    for (const auto& rowInterval : deltaIntervals)
        deltaEnd = std::max(deltaEnd, rowInterval.second);
    checkCoverage("delta.csv", deltaIntervals, 0, deltaEnd);

    // Fundamental deviations of the shafts: each letter and band from 0 to 3150 mm.
    const Table shafts = readTable(dir, "shaft_deviations.csv",
                                   {"over_mm", "up_to_mm", "letter", "grade_from", "grade_to", "kind", "value_um"});
    std::vector<DeviationEntry> shaftEntries;
    std::map<std::tuple<std::string, int, int>, std::vector<std::pair<int, int>>> bands;
    for (std::size_t r = 0; r < shafts.rows.size(); ++r) {
        const auto& cells = shafts.rows[r];
        const auto [over, upTo] = interval(shafts, r, 0, boundaries);
        const int letter = letterIndex(shafts, r, cells[2], false);
        const auto [from, to] = gradeBand(shafts, r, 3);
        const std::string& kind = cells[5];
        const bool upper = kind == "es";
        if (kind != "es" && kind != "ei")
            throw Fault(shafts.where(r) + ": kind \"" + kind + "\" is neither es nor ei");
        bands[{cells[2], from, to}].emplace_back(over, upTo);
        shaftEntries.push_back({letter, from, to, over, upTo, upper, hundredths(shafts, r, cells[6])});
    }
    // The bands of one letter do not share a grade.
    for (auto a = bands.begin(); a != bands.end(); ++a)
        for (auto b = std::next(a); b != bands.end(); ++b)
            if (std::get<0>(a->first) == std::get<0>(b->first) && std::get<1>(b->first) <= std::get<2>(a->first) &&
                std::get<1>(a->first) <= std::get<2>(b->first))
                throw Fault("shaft_deviations.csv, " + std::get<0>(a->first) + ": grade bands overlap");
    for (const auto& [key, intervals] : bands)
        checkCoverage("shaft_deviations.csv, " + std::get<0>(key) + " " + gradeName(std::get<1>(key)) + "-" +
                          gradeName(std::get<2>(key)),
                      intervals, 0, LargestSize);
    writeDeviationRows(out, "shaftRows", "shaftRowCount", shaftEntries);

    // Hole values the general rules do not give. Rows may cover several main intervals.
    const Table holes = readTable(dir, "hole_exceptions.csv",
                                  {"letter", "grade_from", "grade_to", "over_mm", "up_to_mm", "deviation", "value_um", "note"});
    std::vector<DeviationEntry> holeEntries;
    for (std::size_t r = 0; r < holes.rows.size(); ++r) {
        const auto& cells = holes.rows[r];
        const auto [over, upTo] = interval(holes, r, 3, boundaries);
        const int letter = letterIndex(holes, r, cells[0], true);
        const auto [from, to] = gradeBand(holes, r, 1);
        if (cells[5] != "ES")
            throw Fault(holes.where(r) + ": deviation \"" + cells[5] + "\" is not ES");
        for (const DeviationEntry& e : holeEntries)
            if (e.letter == letter && from <= e.gradeTo && e.gradeFrom <= to &&
                over < e.upTo && e.over < upTo)
                throw Fault(holes.where(r) + ": overlaps an earlier row of " + cells[0]);
        holeEntries.push_back({letter, from, to, over, upTo, true, hundredths(holes, r, cells[6])});
    }
    writeDeviationRows(out, "holeExceptionRows", "holeExceptionRowCount", holeEntries);

    out << "const std::int32_t boundaries[] = {";
    bool first = true;
    for (const int b : boundaries) {
        out << (first ? "" : ", ") << b;
        first = false;
    }
    out << "};\nconst int boundaryCount = int(std::size(boundaries));\n\n} // namespace iso286::tables\n";

    csvtables::writeIfChanged(output, out.str());
}

} // namespace

int main(int argc, char** argv) { return csvtables::runGenerator(argc, argv, "iso286 tables", generate); }
