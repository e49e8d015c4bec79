// The lists of classes: the standard's recommended ones at a thread, and every
// combination the tables can give.
#include "ThreadLimits.h"

#include "ToleranceLookup.h"

namespace iso965 {

namespace {

// ISO 965-1 and GOST 16093, by tolerance quality (fine, medium, coarse) and
// length of engagement.
constexpr const char* kNutClasses[] = {"4H", "5H", "6H", "5G", "6G", "7G", "7H", "8G", "8H"};
constexpr const char* kBoltClasses[] = {"3h4h", "4g", "4h", "5g4g", "5h4h", "5g6g", "5h6h", "6e", "6f", "6g",
                                        "6h", "7e6e", "7g6g", "7h6h", "8e", "8g", "9e8e", "9g8g"};

template <std::size_t N>
std::vector<ThreadClass> readAll(const char* const (&names)[N])
{
    std::vector<ThreadClass> classes;
    for (const char* name : names)
        classes.push_back(*readThreadClass(name));
    return classes;
}

const std::vector<ThreadClass>& standardClasses(ThreadKind kind)
{
    static const std::vector<ThreadClass> nuts = readAll(kNutClasses);
    static const std::vector<ThreadClass> bolts = readAll(kBoltClasses);
    return kind == ThreadKind::Internal ? nuts : bolts;
}

} // namespace

std::vector<ThreadClass> classesFor(const PlanThread& thread, ThreadKind kind)
{
    std::vector<ThreadClass> classes;
    const ThreadRows rows = rowsOf(thread);
    if (!rows.thread)
        return classes;
    for (const ThreadClass& c : standardClasses(kind))
        if (!refusalAt(rows, c))
            classes.push_back(c);
    return classes;
}

const std::vector<ThreadClass>& everyClass(ThreadKind kind)
{
    static const auto every = [](ThreadKind k) {
        const ThreadDiameter pitch = k == ThreadKind::Internal ? ThreadDiameter::NutPitch : ThreadDiameter::BoltPitch;
        const ThreadDiameter crest = k == ThreadKind::Internal ? ThreadDiameter::NutMinor : ThreadDiameter::BoltMajor;
        std::vector<ThreadClass> classes;
        for (int p = 0; p < PositionCount; ++p) {
            if (kindOf(Position(p)) != k)
                continue;
            for (int pg = 0; pg < 10; ++pg)
                for (int cg = 0; cg < 10; ++cg)
                    if ((standardGrades(pitch) >> pg & 1) && (standardGrades(crest) >> cg & 1))
                        classes.push_back({{pg, Position(p)}, {cg, Position(p)}});
        }
        return classes;
    };
    static const std::vector<ThreadClass> nuts = every(ThreadKind::Internal);
    static const std::vector<ThreadClass> bolts = every(ThreadKind::External);
    return kind == ThreadKind::Internal ? nuts : bolts;
}

} // namespace iso965
