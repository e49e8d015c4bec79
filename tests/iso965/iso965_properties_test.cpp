// Properties over every thread of the plan and every class: the limits are
// ordered, their tolerances and deviations are the ones of the project's CSV
// tables (read here on their own, not through the generated source), a class
// is defined exactly where the tables give all its values, and fits of these
// positions never have a negative clearance.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "Designation.h"

using namespace iso965;

namespace {

constexpr int NA = -1000000;

// A CSV table of the project, cells as whole micrometres (lengths in mm times 1000).
std::vector<std::vector<long>> csv(const char* file, int lengthColumns)
{
    std::ifstream in(std::string(ISO965_TABLES) + "/" + file);
    EXPECT_TRUE(in) << file;
    std::vector<std::vector<long>> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<long> row;
        std::istringstream cells(line);
        std::string cell;
        for (int i = 0; std::getline(cells, cell, ','); ++i)
            row.push_back(cell == "NA" ? NA : i < lengthColumns ? std::lround(std::stod(cell) * 1000) : std::stol(cell));
        rows.push_back(row);
    }
    return rows;
}

long um(const Decimal& mm) { return std::lround(mm.toDouble() * 1000); }
long whole(const Decimal& value) { return std::lround(value.toDouble()); }

struct Oracle {
    std::map<long, std::vector<long>> deviations, nutMinor, boltMajor; // by pitch
    std::map<std::tuple<long, long, long>, std::vector<long>> nutPitch, boltPitch; // by over, up to, pitch

    Oracle()
    {
        for (auto& r : csv("fundamental_deviations.csv", 1))
            deviations[r[0]] = {r.begin() + 1, r.end()};
        for (auto& r : csv("nut_minor_TD1.csv", 1))
            nutMinor[r[0]] = {r.begin() + 1, r.end()};
        for (auto& r : csv("bolt_major_Td.csv", 1))
            boltMajor[r[0]] = {r.begin() + 1, r.end()};
        for (auto& r : csv("nut_pitch_TD2.csv", 3))
            nutPitch[{r[0], r[1], r[2]}] = {r.begin() + 3, r.end()};
        for (auto& r : csv("bolt_pitch_Td2.csv", 3))
            boltPitch[{r[0], r[1], r[2]}] = {r.begin() + 3, r.end()};
    }

    // The deviation of a position (columns G H e f g h); NA where it does not exist.
    long deviation(long p, Position position) const { return deviations.at(p)[std::size_t(position)]; }
    // A tolerance by grade, NA where the standard gives none.
    static long grade(const std::vector<long>& row, int first, int grade, int step = 1)
    {
        const int i = (grade - first) / step;
        return grade < first || (grade - first) % step || i >= int(row.size()) ? NA : row[std::size_t(i)];
    }
    const std::vector<long>& pitchRow(const std::map<std::tuple<long, long, long>, std::vector<long>>& table, long d,
                                      long p) const
    {
        for (const auto& [key, row] : table)
            if (std::get<0>(key) < d && d <= std::get<1>(key) && std::get<2>(key) == p)
                return row;
        ADD_FAILURE() << "no row for " << d << " " << p;
        static const std::vector<long> none;
        return none;
    }
};

const Oracle& oracle()
{
    static const Oracle o;
    return o;
}

// The basic diameter d − k·P rounded to the micrometre, in floating point, for comparison.
long basic(const PlanThread& t, long double k) { return std::lround(t.dUm - k * t.pitchUm); }

} // namespace

TEST(Properties, EveryClassListed)
{
    EXPECT_EQ(everyClass(ThreadKind::Internal).size(), 2u * 5 * 5);
    EXPECT_EQ(everyClass(ThreadKind::External).size(), 4u * 7 * 3);
}

TEST(Properties, BasicDiametersOfEveryThread)
{
    const long double root3 = std::sqrt(3.0L);
    for (const PlanThread& t : planThreads()) {
        const BasicDiameters b = basicDiameters(t);
        EXPECT_EQ(um(b.major), t.dUm);
        EXPECT_EQ(um(b.pitch), basic(t, 3 * root3 / 8)) << threadName(t);
        EXPECT_EQ(um(b.minor), basic(t, 5 * root3 / 8)) << threadName(t);
        EXPECT_EQ(um(b.root), basic(t, 17 * root3 / 24)) << threadName(t);
    }
}

TEST(Properties, NutsOfEveryThreadAndClass)
{
    const Oracle& o = oracle();
    int defined = 0;
    for (const PlanThread& t : planThreads())
        for (const ThreadClass& c : everyClass(ThreadKind::Internal)) {
            const NutLimits n = nutLimits(t, c);
            const long ei = o.deviation(t.pitchUm, c.pitch.position);
            const long eiMinor = o.deviation(t.pitchUm, c.crest.position);
            const long tPitch = Oracle::grade(o.pitchRow(o.nutPitch, t.dUm, t.pitchUm), 4, c.pitch.grade);
            const long tMinor = Oracle::grade(o.nutMinor.at(t.pitchUm), 4, c.crest.grade);
            const bool tabulated = ei != NA && eiMinor != NA && tPitch != NA && tMinor != NA;
            ASSERT_EQ(n.defined, tabulated) << threadName(t) << "-" << c.name();
            if (!n.defined) {
                EXPECT_TRUE(n.refusal.code == RefusalCode::GradeNotDefined || n.refusal.code == RefusalCode::PositionNotDefined);
                EXPECT_FALSE(refusalText(n.refusal).empty());
                continue;
            }
            ++defined;
            SCOPED_TRACE(threadName(t) + "-" + c.name());
            EXPECT_EQ(whole(n.eiPitch), ei);
            EXPECT_EQ(whole(n.tPitch), tPitch);
            EXPECT_EQ(whole(n.tMinor), tMinor);
            EXPECT_EQ(um(n.pitchMax) - um(n.pitchMin), tPitch);
            EXPECT_EQ(um(n.minorMax) - um(n.minorMin), tMinor);
            EXPECT_EQ(um(n.majorMin), t.dUm + ei);
            EXPECT_EQ(um(n.pitchMin), um(n.basic.pitch) + ei);
            EXPECT_EQ(um(n.minorMin), um(n.basic.minor) + eiMinor);
            EXPECT_LT(n.minorMin, n.minorMax);
            EXPECT_LE(n.minorMax, n.pitchMin);
            EXPECT_LT(n.pitchMin, n.pitchMax);
            EXPECT_LT(n.pitchMax, n.majorMin);
        }
    EXPECT_GT(defined, 352 * 10);
}

TEST(Properties, BoltsOfEveryThreadAndClass)
{
    const Oracle& o = oracle();
    int defined = 0;
    for (const PlanThread& t : planThreads())
        for (const ThreadClass& c : everyClass(ThreadKind::External)) {
            const BoltLimits b = boltLimits(t, c);
            const long es = o.deviation(t.pitchUm, c.pitch.position);
            const long esMajor = o.deviation(t.pitchUm, c.crest.position);
            const long tPitch = Oracle::grade(o.pitchRow(o.boltPitch, t.dUm, t.pitchUm), 3, c.pitch.grade);
            const long tMajor = Oracle::grade(o.boltMajor.at(t.pitchUm), 4, c.crest.grade, 2);
            const bool tabulated = es != NA && esMajor != NA && tPitch != NA && tMajor != NA;
            ASSERT_EQ(b.defined, tabulated) << threadName(t) << "-" << c.name();
            if (!b.defined) {
                EXPECT_TRUE(b.refusal.code == RefusalCode::GradeNotDefined || b.refusal.code == RefusalCode::PositionNotDefined);
                EXPECT_FALSE(refusalText(b.refusal).empty());
                continue;
            }
            ++defined;
            SCOPED_TRACE(threadName(t) + "-" + c.name());
            EXPECT_EQ(whole(b.esPitch), es);
            EXPECT_EQ(whole(b.tPitch), tPitch);
            EXPECT_EQ(whole(b.tMajor), tMajor);
            EXPECT_EQ(um(b.pitchMax) - um(b.pitchMin), tPitch);
            EXPECT_EQ(um(b.majorMax) - um(b.majorMin), tMajor);
            EXPECT_EQ(um(b.majorMax), t.dUm + esMajor);
            EXPECT_EQ(um(b.pitchMax), um(b.basic.pitch) + es);
            EXPECT_EQ(um(b.rootMax), um(b.basic.root) + es);
            EXPECT_LT(b.rootMax, b.pitchMin);
            EXPECT_LT(b.pitchMin, b.pitchMax);
            EXPECT_LT(b.pitchMax, b.majorMin);
            EXPECT_LT(b.majorMin, b.majorMax);
        }
    EXPECT_GT(defined, 352 * 20);
}

TEST(Properties, FitsOfTheStandardClassesNeverInterfere)
{
    int fits = 0;
    for (const PlanThread& t : planThreads()) {
        const auto nuts = classesFor(t, ThreadKind::Internal);
        const auto bolts = classesFor(t, ThreadKind::External);
        ASSERT_FALSE(nuts.empty()) << threadName(t);
        ASSERT_FALSE(bolts.empty()) << threadName(t);
        for (const ThreadClass& nut : nuts)
            for (const ThreadClass& bolt : bolts) {
                const ThreadFit f = threadFit(t, nut, bolt);
                ASSERT_TRUE(f.defined) << threadName(t) << "-" << nut.name() << "/" << bolt.name();
                ++fits;
                EXPECT_GE(f.pitchClearanceMin, Decimal{});
                EXPECT_GE(f.minorClearanceMin, Decimal{});
                EXPECT_GE(f.majorClearanceMin, Decimal{});
                EXPECT_EQ(f.pitchClearanceMin, f.nut.eiPitch - f.bolt.esPitch);
                EXPECT_EQ(f.pitchClearanceMax, f.pitchClearanceMin + f.nut.tPitch + f.bolt.tPitch);
            }
    }
    EXPECT_GT(fits, 352 * 10);
}

TEST(Properties, EveryThreadAnswersByItsName)
{
    for (const PlanThread& t : planThreads()) {
        const ThreadAnswer a = answer(threadName(t) + "-6g");
        ASSERT_NE(a.kind, AnswerKind::Refused) << threadName(t);
        EXPECT_EQ(a.thread, t);
        const ThreadAnswer withPitch = answer(threadName(t, {"М", "×", '.', true}));
        EXPECT_EQ(withPitch.kind, AnswerKind::Thread);
        EXPECT_EQ(withPitch.thread, t);
    }
}
