#include "ClassList.h"

#include "Derivation.h"

namespace iso286 {

namespace {

std::vector<ToleranceClass> enumerate(Kind kind)
{
    std::vector<ToleranceClass> classes;
    classes.reserve(LetterCount * GradeCount);
    for (int l = 0; l < LetterCount; ++l)
        for (int g = 0; g < GradeCount; ++g)
            classes.push_back({kind, Letter(l), Grade(g)});
    return classes;
}

void collect(const SizePoint& point, Kind kind, const Options& options, std::vector<Limits>& out)
{
    for (const ToleranceClass& c : allClasses(kind))
        if (const Derived d = derive(point.span, c, options); d.defined) // no decimals for the refused
            if (Limits l = limitsFrom(point, c, d); l.defined)
                out.push_back(std::move(l));
}

} // namespace

const std::vector<ToleranceClass>& allClasses(Kind kind)
{
    static const std::vector<ToleranceClass> holes = enumerate(Kind::Hole);
    static const std::vector<ToleranceClass> shafts = enumerate(Kind::Shaft);
    return kind == Kind::Hole ? holes : shafts;
}

ClassesAtSize classesAt(const Decimal& size, const Options& options)
{
    ClassesAtSize result;
    if (!sizeInRange(size))
        return result;
    const SizePoint point = sizePoint(size);
    result.holes.reserve(LetterCount * GradeCount);
    result.shafts.reserve(LetterCount * GradeCount);
    collect(point, Kind::Hole, options, result.holes);
    collect(point, Kind::Shaft, options, result.shafts);
    return result;
}

} // namespace iso286
