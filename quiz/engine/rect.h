#pragma once

namespace brainlark
{

/// A point in view pixels.
struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
};

/// A rectangle in view pixels; right and bottom lie just outside it, as with the platform's rectangles.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect fromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    Point center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    /// Left and top edges inside, right and bottom outside.
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    /// Grows by dx on the left and right and dy on the top and bottom (negative values shrink).
    Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    /// The same size, moved so that its top-left corner is at (x, y).
    Rect movedTo(int x, int y) const { return fromSize(x, y, width(), height()); }

    bool operator==(const Rect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};

} // namespace brainlark
