// The engine against the program's own catalogue: every one of the forty fields
// at sizes across every interval the tolerance page accepts gives the catalogue's
// deviations. The catalogue's interval below 1 mm is the engine's own answer and
// is left aside; so is exactly 1 mm, which the catalogue counts into its 1-3 mm
// interval (the tolerance page asks the engine there).
#include <gtest/gtest.h>

#include "RefusalText.h"

#include "Data_Unit.h"
#include "Limits.h"

using namespace iso286;

namespace {

Decimal micrometres(double value) { return Decimal::fromDouble(value); }

} // namespace

TEST(CatalogueConsistency, EveryFieldEveryInterval)
{
    int compared = 0;
    for (int field = 1; field <= Data_Unit::FieldCount; ++field) {
        const std::string designation = Data_Unit::Designation(field);
        const auto c = parseClass(designation);
        ASSERT_TRUE(c) << designation;
        for (int range = 2; range <= Data_Unit::RangeCount; ++range) {
            const Data_Unit::DeviationCell& cell = Data_Unit::DeviationTable(field, range);
            if (!cell.Present)
                continue;
            const Data_Unit::SizeRange& r = Data_Unit::SizeRangeTable(range);
            const Decimal over(r.LowerBound), upTo(r.UpperBound);
            // Just over the lower bound, in the middle, and on the upper bound.
            const Decimal sizes[] = {over + Decimal::fromDigits(false, "1", -3), (over + upTo).half(), upTo};
            for (const Decimal& size : sizes) {
                const Limits l = limitsOf(size, *c);
                SCOPED_TRACE(designation + " at " + size.toPlainString() + " mm");
                ASSERT_TRUE(l.defined) << reasonText(l.refusal);
                EXPECT_EQ(l.upper, micrometres(cell.UpperDeviation));
                EXPECT_EQ(l.lower, micrometres(cell.LowerDeviation));
                ++compared;
            }
        }
    }
    // 40 fields over 24 intervals up to 500 mm, and the 16 coarse ones above.
    EXPECT_EQ(compared, 3 * (40 * 24 + 16 * 3));
}
