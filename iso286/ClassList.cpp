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

void collect(const Decimal& size, Span span, Kind kind, const Options& options, std::vector<Limits>& out)
{
    for (const ToleranceClass& c : allClasses(kind))
        if (derive(span, c, options).defined) // cheap: no decimals, no reasons
            out.push_back(limitsOf(size, c, options));
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
    const Span span = spanOf(size);
    collect(size, span, Kind::Hole, options, result.holes);
    collect(size, span, Kind::Shaft, options, result.shafts);
    return result;
}

} // namespace iso286
