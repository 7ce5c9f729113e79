#pragma once

namespace joyvane {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;

    double minX() const { return x; }
    double minY() const { return y; }
    double maxX() const { return x + width; }
    double maxY() const { return y + height; }
    // The null rectangle: the neutral start of a union.
    bool isNull() const { return width == 0 && height == 0 && x == 0 && y == 0; }
};

// Smallest rectangle holding both; a null rectangle contributes nothing.
inline Rect unionRect(const Rect& a, const Rect& b) {
    if (a.isNull()) {
        return b;
    }
    if (b.isNull()) {
        return a;
    }
    double minX = a.minX() < b.minX() ? a.minX() : b.minX();
    double minY = a.minY() < b.minY() ? a.minY() : b.minY();
    double maxX = a.maxX() > b.maxX() ? a.maxX() : b.maxX();
    double maxY = a.maxY() > b.maxY() ? a.maxY() : b.maxY();
    return {minX, minY, maxX - minX, maxY - minY};
}

}  // namespace joyvane
