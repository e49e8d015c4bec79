#include "Derivation.h"

#include <algorithm>
#include <array>
#include <vector>

#include "Limits.h"

namespace iso286 {

using namespace tables;

namespace {

bool covers(const Interval& interval, Span span) { return interval.over <= span.lo && span.hi <= interval.upTo; }

Interval narrower(Interval a, const Interval& b)
{
    a.over = std::max(a.over, b.over);
    a.upTo = std::min(a.upTo, b.upTo);
    return a;
}

// The rows of one letter in a table sorted by letter: [first, end).
struct LetterRows {
    std::array<int, LetterCount> first{};
    std::array<int, LetterCount> end{};
};

LetterRows indexByLetter(const DeviationRow* rows, int count)
{
    LetterRows index;
    for (int r = count; r-- > 0;) {
        const auto l = std::size_t(rows[r].letter);
        if (index.end[l] == 0)
            index.end[l] = r + 1;
        index.first[l] = r;
    }
    return index;
}

const LetterRows& shaftIndex()
{
    static const LetterRows index = indexByLetter(shaftRows, shaftRowCount);
    return index;
}
const LetterRows& holeExceptionIndex()
{
    static const LetterRows index = indexByLetter(holeExceptionRows, holeExceptionRowCount);
    return index;
}

// Index of the row of `letter` whose band holds `grade` and whose interval holds the span; -1 if none.
int findRow(const DeviationRow* rows, const LetterRows& index, Letter letter, Grade grade, Span span)
{
    const auto l = std::size_t(letter);
    for (int r = index.first[l]; r < index.end[l]; ++r) {
        const DeviationRow& row = rows[r];
        if (row.gradeFrom <= grade && grade <= row.gradeTo && covers(row.interval, span))
            return r;
    }
    return -1;
}

// The empty rows next to an empty row, of the same letter and band, as one interval.
Interval emptyRun(const DeviationRow* rows, int count, int r)
{
    auto sameBand = [&](int a, int b) {
        return rows[a].letter == rows[b].letter && rows[a].gradeFrom == rows[b].gradeFrom &&
               rows[a].gradeTo == rows[b].gradeTo;
    };
    Interval run = rows[r].interval;
    for (int i = r - 1; i >= 0 && sameBand(i, r) && rows[i].value == Undefined && rows[i].interval.upTo == run.over; --i)
        run.over = rows[i].interval.over;
    for (int i = r + 1; i < count && sameBand(i, r) && rows[i].value == Undefined && rows[i].interval.over == run.upTo; ++i)
        run.upTo = rows[i].interval.upTo;
    return run;
}

// Grades of the bands a letter has at all in a table: j has 5 to 8, J 6 to 8.
Derived& noBand(Derived& d, const DeviationRow* rows, const LetterRows& index, Letter letter)
{
    const auto l = std::size_t(letter);
    d.gradeFrom = Grade::IT18;
    d.gradeTo = Grade::IT01;
    for (int r = index.first[l]; r < index.end[l]; ++r) {
        d.gradeFrom = std::min(d.gradeFrom, rows[r].gradeFrom);
        d.gradeTo = std::max(d.gradeTo, rows[r].gradeTo);
    }
    d.interval = {0, LargestSize};
    d.refusal = RefusalKind::LetterGrades;
    return d;
}

Derived& emptyRow(Derived& d, const DeviationRow* rows, int count, int r)
{
    d.interval = emptyRun(rows, count, r);
    d.refusal = RefusalKind::ClassNotDefined;
    return d;
}

const ItRow& itRowOf(Span span)
{
    for (int r = 0; r < itRowCount; ++r)
        if (covers(itRows[r].interval, span))
            return itRows[r];
    return itRows[itRowCount - 1]; // not reached inside the system
}

// The empty IT cells of one grade next to the one at `row`.
Interval emptyItRun(const ItRow& row, std::size_t grade)
{
    Interval run = row.interval;
    const int r = int(&row - itRows);
    for (int i = r - 1; i >= 0 && itRows[i].value[grade] == Undefined; --i)
        run.over = itRows[i].interval.over;
    for (int i = r + 1; i < itRowCount && itRows[i].value[grade] == Undefined; ++i)
        run.upTo = itRows[i].interval.upTo;
    return run;
}

const DeltaRow* deltaRowOf(Span span)
{
    for (int r = 0; r < deltaRowCount; ++r)
        if (covers(deltaRows[r].interval, span))
            return &deltaRows[r];
    return nullptr;
}

// The IT table's footnote: the first row of IT14 ... IT18 holds only over 1 mm.
constexpr Grade FirstGradeOverOneMm = Grade::IT14;
constexpr std::int32_t FootnoteSize = 1;

bool takesDelta(Letter letter, Grade grade)
{
    if (letter == Letter::K || letter == Letter::M || letter == Letter::N)
        return grade <= Grade::IT8;
    return letter >= Letter::P && grade <= Grade::IT7;
}

constexpr std::int32_t OneMicrometre = 100;

} // namespace

Span spanOf(const number::Decimal& size)
{
    static const std::vector<number::Decimal> bounds(boundaries, boundaries + boundaryCount);
    // The first boundary at or above the size closes its span.
    const auto it = std::lower_bound(bounds.begin() + 1, bounds.end(), size);
    const auto i = std::size_t(std::min(it, bounds.end() - 1) - bounds.begin());
    return {boundaries[i - 1], boundaries[i]};
}

Derived derive(Span span, const ToleranceClass& c, const Options& options)
{
    Derived d;
    const auto grade = std::size_t(c.grade);

    const ItRow& itRow = itRowOf(span);
    d.it = itRow.value[grade];
    d.interval = itRow.interval;
    if (d.it == Undefined) {
        d.interval = emptyItRun(itRow, grade);
        d.refusal = RefusalKind::GradeNotDefined;
        return d;
    }
    if (c.grade >= FirstGradeOverOneMm && span.hi <= FootnoteSize) {
        d.interval = {0, FootnoteSize};
        d.refusal = RefusalKind::GradeOverOneMm;
        return d;
    }
    if (c.grade >= Grade::IT1 && c.grade <= Grade::IT5 && span.lo >= 500)
        d.notes |= NoteExperimental;

    if (c.letter == Letter::JS) {
        std::int32_t half = d.it / 2;
        const bool oddIt7 = c.grade == Grade::IT7 && d.it % OneMicrometre == 0 && (d.it / OneMicrometre) % 2 == 1;
        if (oddIt7 && !options.js7Exact) {
            half = (d.it - OneMicrometre) / 2;
            d.notes |= NoteJs7Rounded;
        } else if (oddIt7) {
            d.notes |= NoteJs7ExactHalves;
        }
        d.upper = half;
        d.lower = -half;
        d.defined = true;
        return d;
    }

    if (c.kind == Kind::Hole) {
        // Holes: the tabulated values first.
        const LetterRows& exceptions = holeExceptionIndex();
        if (const int r = findRow(holeExceptionRows, exceptions, c.letter, c.grade, span); r >= 0) {
            const DeviationRow& row = holeExceptionRows[r];
            if (row.value == Undefined)
                return emptyRow(d, holeExceptionRows, holeExceptionRowCount, r);
            d.interval = narrower(d.interval, row.interval);
            d.upper = row.value;
            d.lower = row.value - d.it;
            d.defined = true;
            return d;
        }
        if (c.letter == Letter::J)
            return noBand(d, holeExceptionRows, exceptions, c.letter);
    }

    // The fundamental deviation of the shaft letter, for the shaft and for the hole that
    // takes it: K up to IT8 with the k of the IT4-IT7 band.
    const LetterRows& shafts = shaftIndex();
    const bool kWithMiddleBand = c.kind == Kind::Hole && c.letter == Letter::K && c.grade <= Grade::IT8;
    const int r = findRow(shaftRows, shafts, c.letter, kWithMiddleBand ? Grade::IT4 : c.grade, span);
    if (r < 0)
        return noBand(d, shaftRows, shafts, c.letter);
    const DeviationRow& row = shaftRows[r];
    if (row.value == Undefined)
        return emptyRow(d, shaftRows, shaftRowCount, r);
    d.interval = narrower(d.interval, row.interval);
    if (c.kind == Kind::Shaft) {
        if (row.upper) {
            d.upper = row.value;
            d.lower = row.value - d.it;
        } else {
            d.lower = row.value;
            d.upper = row.value + d.it;
        }
        d.defined = true;
        return d;
    }

    // A ... H mirror the shaft of the same letter: EI = −es.
    // K ... ZC: ES = −ei, plus Δ.
    if (c.letter <= Letter::H) {
        d.lower = -row.value;
        d.upper = d.lower + d.it;
    } else {
        d.upper = -row.value;
        if (takesDelta(c.letter, c.grade)) {
            if (const DeltaRow* delta = deltaRowOf(span)) {
                if (c.grade >= DeltaFirstGrade) {
                    d.upper += delta->value[std::size_t(c.grade) - std::size_t(DeltaFirstGrade)];
                    d.interval = narrower(d.interval, delta->interval);
                } else if (std::any_of(delta->value, delta->value + DeltaGradeCount, [](std::int32_t v) { return v != 0; })) {
                    d.notes |= NoteDeltaAssumedZero;
                }
            }
        }
        d.lower = d.upper - d.it;
    }
    d.defined = true;
    return d;
}

} // namespace iso286
