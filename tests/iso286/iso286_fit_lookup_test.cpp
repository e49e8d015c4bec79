// Fits of the preferred combinations with their kinds and systems, and the
// reverse look-up of classes by their deviations.
#include <gtest/gtest.h>

#include "RefusalText.h"

#include "ClassList.h"
#include "Fit.h"
#include "ReverseLookup.h"

using namespace iso286;

namespace {

ToleranceClass cls(const char* text)
{
    const auto c = parseClass(text);
    EXPECT_TRUE(c) << text;
    return c.value_or(ToleranceClass{});
}

} // namespace

TEST(Fits, PreferredCombinationsAt25mm)
{
    const struct {
        const char* hole;
        const char* shaft;
        FitKind kind;
        FitSystem system;
        int maxClearance; // µm; both 0: not checked
        int minClearance;
    } fits[] = {
        {"H7", "g6", FitKind::Clearance, FitSystem::HoleBasis, 41, 7},
        {"H7", "h6", FitKind::Clearance, FitSystem::Both, 34, 0},
        {"H7", "k6", FitKind::Transition, FitSystem::HoleBasis, 19, -15},
        {"H7", "n6", FitKind::Transition, FitSystem::HoleBasis, 6, -28},
        {"H7", "p6", FitKind::Interference, FitSystem::HoleBasis, -1, -35},
        {"H7", "s6", FitKind::Interference, FitSystem::HoleBasis, -14, -48},
        {"H7", "u6", FitKind::Interference, FitSystem::HoleBasis, -27, -61},
        {"H8", "f7", FitKind::Clearance, FitSystem::HoleBasis, 74, 20},
        {"H9", "d9", FitKind::Clearance, FitSystem::HoleBasis, 169, 65},
        {"H11", "c11", FitKind::Clearance, FitSystem::HoleBasis, 370, 110},
        {"G7", "h6", FitKind::Clearance, FitSystem::ShaftBasis, 41, 7},
        {"K7", "h6", FitKind::Transition, FitSystem::ShaftBasis, 19, -15},
        {"N7", "h6", FitKind::Transition, FitSystem::ShaftBasis, 6, -28},
        {"P7", "h6", FitKind::Interference, FitSystem::ShaftBasis, -1, -35},
        {"S7", "h6", FitKind::Interference, FitSystem::ShaftBasis, -14, -48},
        {"U7", "h6", FitKind::Interference, FitSystem::ShaftBasis, -27, -61},
        {"F8", "h7", FitKind::Clearance, FitSystem::ShaftBasis, 74, 20},
        {"D9", "h9", FitKind::Clearance, FitSystem::ShaftBasis, 169, 65},
        {"C11", "h11", FitKind::Clearance, FitSystem::ShaftBasis, 370, 110},
        {"F8", "g6", FitKind::Clearance, FitSystem::NonSystem, 0, 0},
        {"K7", "k6", FitKind::Transition, FitSystem::NonSystem, 4, -30},
        {"M6", "k5", FitKind::Interference, FitSystem::NonSystem, -6, -28},
    };
    for (const auto& f : fits) {
        const Fit fit = fitOf(Decimal(25), cls(f.hole), cls(f.shaft));
        SCOPED_TRACE(std::string(f.hole) + "/" + f.shaft);
        ASSERT_TRUE(fit.defined) << reasonText(fit.refusal);
        EXPECT_EQ(fit.kind, f.kind);
        EXPECT_EQ(fit.system, f.system);
        if (f.maxClearance || f.minClearance) {
            EXPECT_EQ(fit.maxClearance, Decimal(f.maxClearance));
            EXPECT_EQ(fit.minClearance, Decimal(f.minClearance));
        }
        EXPECT_EQ(fit.fitTolerance, fit.maxClearance - fit.minClearance);
        EXPECT_EQ(fit.meanClearance.times(2), fit.maxClearance + fit.minClearance);
    }
}

TEST(Fits, HalvesAndRefusals)
{
    // JS9 ±26 at 25 mm over h9 (0/−52): mean of 78 and −26.
    const Fit js = fitOf(Decimal(25), cls("JS9"), cls("h9"));
    EXPECT_EQ(js.maxClearance, Decimal(78));
    EXPECT_EQ(js.meanClearance, Decimal(26));
    const Fit half = fitOf(Decimal(8), cls("JS7"), cls("h6"), Options{true}); // ±7,5 over 0/−9
    EXPECT_EQ(half.meanClearance.toPlainString(), "4.5");
    const Fit refused = fitOf(Decimal(20), cls("H7"), cls("t7"));
    EXPECT_FALSE(refused.defined);
    EXPECT_EQ(reasonText(refused.refusal), "Поле t7 для размеров до 24 мм не определено");
    EXPECT_FALSE(fitOf(Decimal(25), cls("h7"), cls("H7")).defined); // shaft first
}

TEST(ReverseLookup, FindsTheClassItCameFrom)
{
    int found = 0;
    for (const char* size : {"2", "25", "137.5", "600", "2999"}) {
        const Decimal d = Decimal::fromDouble(std::stod(size));
        const ClassesAtSize classes = classesAt(d);
        for (const auto& [list, search] : {std::pair{&classes.holes, Search::Holes}, std::pair{&classes.shafts, Search::Shafts}}) {
            for (std::size_t i = 0; i < list->size(); i += 13) {
                const Limits& l = (*list)[i];
                const Lookup lookup = findClasses(d, l.upper, l.lower, search);
                EXPECT_TRUE(lookup.nearest.empty());
                bool contains = false;
                for (const Match& m : lookup.exact) {
                    const Limits& e = m.limits;
                    EXPECT_EQ(e.upper, l.upper);
                    EXPECT_EQ(e.lower, l.lower);
                    contains = contains || e.toleranceClass == l.toleranceClass;
                }
                EXPECT_TRUE(contains) << size << " " << l.toleranceClass.name();
                ++found;
            }
        }
    }
    EXPECT_GT(found, 300);
}

TEST(ReverseLookup, NearestWhenNoneMatches)
{
    const Lookup lookup = findClasses(Decimal(25), Decimal(22), Decimal(1), Search::Holes);
    EXPECT_TRUE(lookup.exact.empty());
    ASSERT_EQ(lookup.nearest.size(), 5u);
    EXPECT_EQ(lookup.nearest.front().limits.toleranceClass.name(), "H7");
    auto distance = [](const Match& m) {
        const Limits& l = m.limits;
        auto abs = [](Decimal d) { return d.isNegative() ? -d : d; };
        return std::max(abs(l.upper - Decimal(22)), abs(l.lower - Decimal(1)));
    };
    for (std::size_t i = 1; i < lookup.nearest.size(); ++i) {
        EXPECT_LE(distance(lookup.nearest[i - 1]), distance(lookup.nearest[i]));
        EXPECT_EQ(lookup.nearest[i].limits.toleranceClass.kind, Kind::Hole);
    }
    // Both kinds, holes first: 0/−21 at 25 mm is M7 (−8 + Δ 8) and h7.
    const Lookup both = findClasses(Decimal(25), Decimal(0), Decimal(-21), Search::Both);
    ASSERT_EQ(both.exact.size(), 2u);
    EXPECT_EQ(both.exact[0].limits.toleranceClass.name(), "M7");
    EXPECT_EQ(both.exact[1].limits.toleranceClass.name(), "h7");
    EXPECT_TRUE(findClasses(Decimal(0), Decimal(0), Decimal(-21), Search::Both).nearest.empty());
}
