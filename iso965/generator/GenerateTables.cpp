// Writes the compiled-in thread tables (BaseTables.h) from the CSV files of
// iso965/tables. Run by the build:
//   iso965_generate_tables <tables dir> <output .cpp>
// Fails, naming the file and line, on anything the tables must not hold: an
// unexpected header or cell count, a value that is not a whole number of
// micrometres, a deviation of the wrong sign, a tolerance that does not grow
// with the grade or a grade missing between two given ones, pitches out of
// order, a diameter range that is not one of the standard's, the two
// pitch-diameter tables covering different pitches, or a thread of the plan
// that the tables do not cover.
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "BaseTables.h"
#include "CsvTable.h"
#include "ThreadClass.h"

namespace {

using namespace iso965;
namespace t = iso965::tables;

using csvtables::Fault;
using csvtables::readTable;
using csvtables::Table;

// The standard's diameter ranges of T_d2 and T_D2, µm: over one boundary up to the next.
constexpr std::int32_t RangeBoundaries[] = {990, 1400, 2800, 5600, 11200, 22400, 45000, 90000, 180000, 355000};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A positive length in millimetres with at most three decimals, "0.25", "355", as micrometres.
std::int32_t micrometres(const Table& table, std::size_t row, const std::string& text)
{
    std::size_t i = 0;
    std::string integer, fraction;
    while (i < text.size() && isDigit(text[i]))
        integer += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            fraction += text[i++];
        if (fraction.empty())
            throw Fault(table.where(row) + ": \"" + text + "\" is not a length in mm");
    }
    if (i != text.size() || integer.empty() || integer.size() > 4)
        throw Fault(table.where(row) + ": \"" + text + "\" is not a length in mm");
    if (fraction.size() > 3)
        throw Fault(table.where(row) + ": \"" + text + "\" is finer than a micrometre");
    fraction.resize(3, '0');
    const std::int32_t value = std::stoi(integer) * 1000 + std::stoi(fraction);
    if (value == 0)
        throw Fault(table.where(row) + ": a length of zero");
    return value;
}

// A whole number of micrometres, "-32", "180", or NA.
std::int32_t value(const Table& table, std::size_t row, const std::string& text)
{
    if (text == "NA")
        return t::NotDefined;
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (text.empty() || text.size() - i > 5 || !std::all_of(text.begin() + long(i), text.end(), isDigit))
        throw Fault(table.where(row) + ": \"" + text + "\" is not a whole number of micrometres");
    return std::stoi(text);
}

// A tolerance row: positive, growing with the grade, and given from the finest
// grade on (a coarse grade may be missing at a fine pitch, not one in between).
void checkTolerances(const Table& table, std::size_t row, const std::vector<std::int32_t>& values)
{
    if (values.front() == t::NotDefined)
        throw Fault(table.where(row) + ": no tolerance of the finest grade");
    bool ended = false;
    std::int32_t previous = 0;
    for (const std::int32_t v : values) {
        if (v == t::NotDefined) {
            ended = true;
            continue;
        }
        if (ended)
            throw Fault(table.where(row) + ": a grade missing between given ones");
        if (v <= previous)
            throw Fault(table.where(row) + ": tolerance " + std::to_string(v) + " does not grow with the grade");
        previous = v;
    }
}

std::vector<std::int32_t> values(const Table& table, std::size_t row, std::size_t from, std::size_t count)
{
    std::vector<std::int32_t> result;
    for (std::size_t i = from; i < from + count; ++i)
        result.push_back(value(table, row, table.rows[row][i]));
    return result;
}

std::vector<std::string> gradeHeader(std::vector<std::string> header, const std::string& prefix, int first, int count,
                                     const int* grades = nullptr)
{
    for (int i = 0; i < count; ++i)
        header.push_back(prefix + std::to_string(grades ? grades[i] : first + i) + "_um");
    return header;
}

std::string list(const std::vector<std::int32_t>& v)
{
    std::string text;
    for (std::size_t i = 0; i < v.size(); ++i)
        text += (i ? ", " : "") + (v[i] == t::NotDefined ? std::string("NotDefined") : std::to_string(v[i]));
    return text;
}

struct Pitch {
    std::int32_t pitchUm;
    std::vector<std::int32_t> deviation, nutMinor, boltMajor;
};

// Per pitch: the fundamental deviations, T_D1 and T_d, all three on the same pitches.
std::vector<Pitch> readPitches(const std::string& dir)
{
    std::vector<std::string> header = {"P_mm"};
    for (int p = 0; p < PositionCount; ++p) {
        const Position position = Position(p);
        header.push_back(std::string(kindOf(position) == ThreadKind::Internal ? "EI_" : "es_") + positionLetter(position) +
                         "_um");
    }
    const Table deviations = readTable(dir, "fundamental_deviations.csv", header);
    const Table minor =
        readTable(dir, "nut_minor_TD1.csv", gradeHeader({"P_mm"}, "TD1_", t::NutMinorFirstGrade, t::NutMinorGradeCount));
    const Table major = readTable(dir, "bolt_major_Td.csv",
                                  gradeHeader({"P_mm"}, "Td_", 0, t::BoltMajorGradeCount, t::BoltMajorGrades));

    std::vector<Pitch> pitches;
    std::vector<bool> existed(PositionCount, false);
    for (std::size_t r = 0; r < deviations.rows.size(); ++r) {
        Pitch pitch{micrometres(deviations, r, deviations.rows[r][0]), values(deviations, r, 1, PositionCount), {}, {}};
        if (!pitches.empty() && pitch.pitchUm <= pitches.back().pitchUm)
            throw Fault(deviations.where(r) + ": pitches not in increasing order");
        for (int p = 0; p < PositionCount; ++p) {
            const Position position = Position(p);
            const std::int32_t v = pitch.deviation[std::size_t(p)];
            const std::string name(1, positionLetter(position));
            if (v == t::NotDefined) {
                if (position != Position::e && position != Position::f)
                    throw Fault(deviations.where(r) + ": position " + name + " must exist at every pitch");
                if (existed[std::size_t(p)])
                    throw Fault(deviations.where(r) + ": position " + name + " missing at a pitch coarser than one it has");
                continue;
            }
            existed[std::size_t(p)] = true;
            const bool zero = position == Position::H || position == Position::h;
            const bool sign = kindOf(position) == ThreadKind::Internal ? v > 0 : v < 0;
            if (zero ? v != 0 : !sign)
                throw Fault(deviations.where(r) + ": deviation " + std::to_string(v) + " of " + name + " has the wrong sign");
        }
        pitches.push_back(std::move(pitch));
    }
    const auto readGrades = [&](const Table& table, std::size_t count, auto member) {
        if (table.rows.size() != pitches.size())
            throw Fault(table.file + ": " + std::to_string(table.rows.size()) + " pitches, not the " +
                        std::to_string(pitches.size()) + " of fundamental_deviations.csv");
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (micrometres(table, r, table.rows[r][0]) != pitches[r].pitchUm)
                throw Fault(table.where(r) + ": pitch " + table.rows[r][0] + " not the one of fundamental_deviations.csv");
            pitches[r].*member = values(table, r, 1, count);
            checkTolerances(table, r, pitches[r].*member);
        }
    };
    readGrades(minor, t::NutMinorGradeCount, &Pitch::nutMinor);
    readGrades(major, t::BoltMajorGradeCount, &Pitch::boltMajor);
    return pitches;
}

struct Range {
    std::int32_t overUm, upToUm, pitchUm;
    std::vector<std::int32_t> boltPitch, nutPitch;
};

// T_d2 and T_D2: the same (range, pitch) rows, in order, each range one of the standard's.
std::vector<Range> readRanges(const std::string& dir, const std::vector<Pitch>& pitches)
{
    const Table bolt = readTable(dir, "bolt_pitch_Td2.csv", gradeHeader({"d_over_mm", "d_upto_mm", "P_mm"}, "Td2_",
                                                                         t::BoltPitchFirstGrade, t::BoltPitchGradeCount));
    const Table nut = readTable(dir, "nut_pitch_TD2.csv", gradeHeader({"d_over_mm", "d_upto_mm", "P_mm"}, "TD2_",
                                                                       t::NutPitchFirstGrade, t::NutPitchGradeCount));
    if (bolt.rows.size() != nut.rows.size())
        throw Fault("nut_pitch_TD2.csv: " + std::to_string(nut.rows.size()) + " rows, not the " +
                    std::to_string(bolt.rows.size()) + " of bolt_pitch_Td2.csv");
    std::vector<Range> ranges;
    for (std::size_t r = 0; r < bolt.rows.size(); ++r) {
        Range range{};
        for (const Table* table : {&bolt, &nut}) {
            const auto& cells = table->rows[r];
            const std::int32_t over = micrometres(*table, r, cells[0]);
            const std::int32_t upTo = micrometres(*table, r, cells[1]);
            const std::int32_t pitch = micrometres(*table, r, cells[2]);
            const auto* end = std::end(RangeBoundaries);
            const auto* at = std::find(std::begin(RangeBoundaries), end, over);
            if (at == end || at + 1 == end || at[1] != upTo)
                throw Fault(table->where(r) + ": " + cells[0] + "-" + cells[1] + " mm is not a diameter range of the standard");
            if (std::none_of(pitches.begin(), pitches.end(), [&](const Pitch& p) { return p.pitchUm == pitch; }))
                throw Fault(table->where(r) + ": pitch " + cells[2] + " not in fundamental_deviations.csv");
            if (table == &nut && std::tie(over, upTo, pitch) != std::tie(range.overUm, range.upToUm, range.pitchUm))
                throw Fault(table->where(r) + ": range and pitch not those of bolt_pitch_Td2.csv");
            range.overUm = over;
            range.upToUm = upTo;
            range.pitchUm = pitch;
        }
        if (!ranges.empty() && std::tie(range.overUm, range.pitchUm) <= std::tie(ranges.back().overUm, ranges.back().pitchUm))
            throw Fault(bolt.where(r) + ": rows not in order of range and pitch");
        range.boltPitch = values(bolt, r, 3, t::BoltPitchGradeCount);
        range.nutPitch = values(nut, r, 3, t::NutPitchGradeCount);
        checkTolerances(bolt, r, range.boltPitch);
        checkTolerances(nut, r, range.nutPitch);
        ranges.push_back(std::move(range));
    }
    return ranges;
}

struct Thread {
    std::int32_t dUm, pitchUm;
    bool coarse;
    int choice;
    std::size_t pitchRow, rangeRow;
};

// The plan: every thread within the tables; per diameter one choice and at most one coarse pitch.
std::vector<Thread> readThreads(const std::string& dir, const std::vector<Pitch>& pitches, const std::vector<Range>& ranges)
{
    const Table plan = readTable(dir, "threads.csv", {"d_mm", "P_mm", "series", "choice"});
    std::vector<Thread> threads;
    std::map<std::int32_t, int> choices;
    std::set<std::int32_t> coarse;
    std::set<std::pair<std::int32_t, std::int32_t>> seen;
    for (std::size_t r = 0; r < plan.rows.size(); ++r) {
        const auto& cells = plan.rows[r];
        Thread thread{micrometres(plan, r, cells[0]), micrometres(plan, r, cells[1]), cells[2] == "coarse", 0, 0, 0};
        if (cells[2] != "coarse" && cells[2] != "fine")
            throw Fault(plan.where(r) + ": series \"" + cells[2] + "\" is neither coarse nor fine");
        if (cells[3] != "1" && cells[3] != "2" && cells[3] != "3")
            throw Fault(plan.where(r) + ": choice \"" + cells[3] + "\" is not 1, 2 or 3");
        thread.choice = cells[3][0] - '0';
        if (!seen.insert({thread.dUm, thread.pitchUm}).second)
            throw Fault(plan.where(r) + ": M" + cells[0] + "x" + cells[1] + " given twice");
        if (!threads.empty() && thread.dUm < threads.back().dUm)
            throw Fault(plan.where(r) + ": diameters not in increasing order");
        if (const auto [at, added] = choices.emplace(thread.dUm, thread.choice); !added && at->second != thread.choice)
            throw Fault(plan.where(r) + ": diameter " + cells[0] + " given two choices");
        if (thread.coarse && !coarse.insert(thread.dUm).second)
            throw Fault(plan.where(r) + ": diameter " + cells[0] + " given two coarse pitches");
        const auto pitch = std::find_if(pitches.begin(), pitches.end(), [&](const Pitch& p) { return p.pitchUm == thread.pitchUm; });
        if (pitch == pitches.end())
            throw Fault(plan.where(r) + ": pitch " + cells[1] + " not in fundamental_deviations.csv");
        const auto range = std::find_if(ranges.begin(), ranges.end(), [&](const Range& g) {
            return g.overUm < thread.dUm && thread.dUm <= g.upToUm && g.pitchUm == thread.pitchUm;
        });
        if (range == ranges.end())
            throw Fault(plan.where(r) + ": M" + cells[0] + "x" + cells[1] + " has no row in bolt_pitch_Td2.csv");
        thread.pitchRow = std::size_t(pitch - pitches.begin());
        thread.rangeRow = std::size_t(range - ranges.begin());
        threads.push_back(thread);
    }
    // The plan's order: by diameter, the coarse pitch first, then the fine ones from the largest.
    std::stable_sort(threads.begin(), threads.end(), [](const Thread& a, const Thread& b) {
        return std::make_tuple(a.dUm, !a.coarse, -a.pitchUm) < std::make_tuple(b.dUm, !b.coarse, -b.pitchUm);
    });
    return threads;
}

void generate(const std::string& dir, const std::string& output)
{
    const std::vector<Pitch> pitches = readPitches(dir);
    const std::vector<Range> ranges = readRanges(dir, pitches);
    const std::vector<Thread> threads = readThreads(dir, pitches, ranges);

    std::ostringstream out;
    out << "// Generated by iso965_generate_tables from iso965/tables/*.csv. Do not edit.\n"
           "#include \"BaseTables.h\"\n\n#include <iterator>\n\nnamespace iso965::tables {\n\n";
    out << "const PitchRow pitchRows[] = {\n";
    for (const Pitch& p : pitches)
        out << "    {" << p.pitchUm << ", {" << list(p.deviation) << "}, {" << list(p.nutMinor) << "}, {" << list(p.boltMajor)
            << "}},\n";
    out << "};\nconst int pitchRowCount = int(std::size(pitchRows));\n\n";
    out << "const RangeRow rangeRows[] = {\n";
    for (const Range& r : ranges)
        out << "    {" << r.overUm << ", " << r.upToUm << ", " << r.pitchUm << ", {" << list(r.boltPitch) << "}, {"
            << list(r.nutPitch) << "}},\n";
    out << "};\nconst int rangeRowCount = int(std::size(rangeRows));\n\n";
    out << "const ThreadRow threadRows[] = {\n";
    for (const Thread& th : threads)
        out << "    {" << th.dUm << ", " << th.pitchUm << ", " << (th.coarse ? "true" : "false") << ", " << th.choice << ", "
            << th.pitchRow << ", " << th.rangeRow << "},\n";
    out << "};\nconst int threadRowCount = int(std::size(threadRows));\n\n} // namespace iso965::tables\n";

    csvtables::writeIfChanged(output, out.str());
}

} // namespace

int main(int argc, char** argv) { return csvtables::runGenerator(argc, argv, "iso965 tables", generate); }
