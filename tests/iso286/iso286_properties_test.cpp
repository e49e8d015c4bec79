// Properties every class must have at every size: the width is the standard
// tolerance, JS is symmetric, A ... H mirror a ... h, the letters keep their
// order, limit sizes follow from the deviations, and a size on an interval
// boundary belongs to the lower row.
#include <gtest/gtest.h>

#include <random>

#include "ClassList.h"

using namespace iso286;

namespace {

Decimal mm(long thousandths) { return Decimal(thousandths).scaled(-3); }

// Every table boundary, just above it and half-way to the next, and 130 sizes drawn at random.
std::vector<Decimal> sampleSizes()
{
    const long bounds[] = {1, 3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250, 280, 315,
                           355, 400, 450, 500, 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240,
                           2500, 2800, 3150};
    std::vector<Decimal> sizes = {mm(1), mm(500)};
    long previous = 0;
    for (const long b : bounds) {
        sizes.push_back(mm(b * 1000));
        sizes.push_back(mm(previous * 1000 + 1));
        sizes.push_back(mm((previous + b) * 500));
        previous = b;
    }
    std::mt19937 random(286);
    std::uniform_int_distribution<long> thousandths(1, 3150000);
    for (int i = 0; i < 130; ++i)
        sizes.push_back(mm(thousandths(random)));
    return sizes;
}

bool rounded(const Limits& l) { return l.toleranceClass.grade == Grade::IT7 && !l.notes.empty() && l.toleranceClass.letter == Letter::JS; }

} // namespace

TEST(Properties, EveryClassAtSampledSizes)
{
    const Decimal one(1);
    const Decimal tenth = Decimal::fromDigits(false, "1", -4);
    for (const Decimal& size : sampleSizes()) {
        SCOPED_TRACE(size.toPlainString() + " mm");
        for (const Kind kind : {Kind::Hole, Kind::Shaft}) {
            for (const ToleranceClass& c : allClasses(kind)) {
                const Limits l = limitsOf(size, c);
                SCOPED_TRACE(c.name());
                // On a boundary, the row below: the same answer as just under it.
                if (size.exponent() >= 0) {
                    const Limits below = limitsOf(size - tenth, c);
                    EXPECT_EQ(l.defined, below.defined);
                    EXPECT_EQ(l.upper, below.upper);
                    EXPECT_EQ(l.lower, below.lower);
                }
                if (!l.defined) {
                    ASSERT_TRUE(l.refusal);
                    if (l.refusal->kind == RefusalKind::NoPositiveSize) {
                        EXPECT_LE(l.refusal->smallest, 0);
                    }
                    continue;
                }
                EXPECT_EQ(l.upper - l.lower, rounded(l) ? l.it - one : l.it);
                EXPECT_EQ(l.largest, size + l.upper.scaled(-3));
                EXPECT_EQ(l.smallest, size + l.lower.scaled(-3));
                EXPECT_GT(l.smallest, Decimal{}); // no part is 0 mm or less
                EXPECT_TRUE(Decimal(l.over) < size && size <= Decimal(l.upTo)) << l.over << "-" << l.upTo;
                if (c.letter == Letter::JS) {
                    EXPECT_EQ(l.upper, -l.lower);
                }
                if (kind == Kind::Hole && c.letter <= Letter::H) {
                    const Limits shaft = limitsOf(size, {Kind::Shaft, c.letter, c.grade});
                    if (shaft.refusal && shaft.refusal->kind == RefusalKind::NoPositiveSize)
                        continue; // below the hole's zone, the shaft's would reach 0
                    ASSERT_TRUE(shaft.defined);
                    EXPECT_EQ(l.lower, -shaft.upper); // EI = −es
                }
            }
            // Shafts a ... h: es rises towards h = 0; k ... zc: ei rises towards zc.
            for (const Grade grade : {Grade::IT6, Grade::IT11}) {
                std::optional<Decimal> previous;
                for (int letter = 0; letter < LetterCount; ++letter) {
                    if (Letter(letter) == Letter::J || Letter(letter) == Letter::JS)
                        continue;
                    const Limits l = limitsOf(size, {Kind::Shaft, Letter(letter), grade});
                    if (!l.defined)
                        continue;
                    const Decimal value = Letter(letter) <= Letter::H ? l.upper : l.lower;
                    if (Letter(letter) == Letter::K)
                        previous.reset();
                    if (previous) {
                        EXPECT_LE(*previous, value) << letterText(Letter(letter), Kind::Shaft) << gradeText(grade);
                    }
                    previous = value;
                }
            }
        }
    }
}

TEST(Properties, ClassesAtSizeInStableOrder)
{
    const ClassesAtSize classes = classesAt(Decimal(25));
    ASSERT_FALSE(classes.holes.empty());
    ASSERT_FALSE(classes.shafts.empty());
    for (const auto* list : {&classes.holes, &classes.shafts})
        for (std::size_t i = 1; i < list->size(); ++i) {
            const ToleranceClass& a = (*list)[i - 1].toleranceClass;
            const ToleranceClass& b = (*list)[i].toleranceClass;
            EXPECT_TRUE(a.letter < b.letter || (a.letter == b.letter && a.grade < b.grade)) << a.name() << " " << b.name();
        }
    EXPECT_EQ(classes.holes.front().toleranceClass.name(), "A01");
    EXPECT_EQ(classes.shafts.back().toleranceClass.name(), "zc18");
    for (const auto* list : {&classes.holes, &classes.shafts})
        for (const Limits& l : *list)
            EXPECT_TRUE(l.defined) << l.toleranceClass.name();
    EXPECT_TRUE(classesAt(Decimal(3151)).holes.empty());
}
