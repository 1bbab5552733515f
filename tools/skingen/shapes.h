#pragma once
// Shapes for the skin's grey templates. A shape answers whether a point lies inside it;
// pixel (i, j) covers the square [i, i+1) x [j, j+1), so a shape with edges on whole
// coordinates covers whole pixels and comes out crisp at 1:1.
#include <functional>

#include <vorn/util/filter.h>

using Shape = std::function<bool(double x, double y)>;

// Axis-aligned rectangle [x0, x1) x [y0, y1) with corners rounded by radius r.
Shape RoundRect(double x0, double y0, double x1, double y1, double r);
Shape Disc(double cx, double cy, double r);
// Triangle through three points (either winding).
Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy);
// Points in a but not in b; in a or b.
Shape Minus(Shape a, Shape b);
Shape Union(Shape a, Shape b);
// The band of width w just inside the edge of a rounded rectangle.
Shape RoundRing(double x0, double y0, double x1, double y1, double r, double w = 1.0);

// Writes grey `level` x coverage (4 x 4 samples a pixel) wherever that is brighter than
// what the pixel holds, so shapes combine as a union.
void Fill(vorn::Filter& f, const Shape& shape, double level = 1.0);
// One-pixel line between pixel centres, through the raster layer (crisp when straight).
void Stroke(vorn::Filter& f, double x0, double y0, double x1, double y1, double level = 1.0);
