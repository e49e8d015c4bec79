// What the tolerance diagrams of fits and of threads share in placing a zone: a
// zone too low to see is drawn higher, and the deviations written at its upper
// and lower edges are kept apart. Pixels of a drawing area, y growing downwards.
#pragma once

namespace zone_geometry {

// Grows a zone drawn lower than `minHeight` to that height, away from the zero line, so that
// it stays on its side of it: upwards when it lies on or over the line (`onOrOver`, its lower
// deviation not negative), downwards when on or under it (`onOrUnder`, its upper deviation not
// positive), else about its middle. Whether it was grown, and so is not to scale.
inline bool growToMinimum(double& top, double& bottom, bool onOrOver, bool onOrUnder, double minHeight)
{
    if (bottom - top >= minHeight)
        return false;
    if (onOrOver)
        top = bottom - minHeight;
    else if (onOrUnder)
        bottom = top + minHeight;
    else {
        const double middle = (top + bottom) / 2;
        top = middle - minHeight / 2;
        bottom = middle + minHeight / 2;
    }
    return true;
}

// The heights of the upper and the lower deviation's texts of a zone from `top` to `bottom`:
// at its edges, or `spacing` apart about its middle when the edges are closer.
struct DeviationHeights {
    double upper;
    double lower;
};
inline DeviationHeights deviationHeights(double top, double bottom, double spacing)
{
    if (bottom - top >= spacing)
        return {top, bottom};
    const double middle = (top + bottom) / 2;
    return {middle - spacing / 2, middle + spacing / 2};
}

} // namespace zone_geometry
