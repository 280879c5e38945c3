#pragma once
// Where inserting, removing and moving lines sends a line, for the models that the random
// sequence tests keep beside the pools and the data store: its new number, or none when it goes.
#include <functional>
#include <optional>

namespace line_remap {
using Line = long long;
using Map = std::function<std::optional<Line>(Line)>;

inline Map Insert(Line at, Line n) {
    return [=](Line x) -> std::optional<Line> { return x >= at ? x + n : x; };
}
inline Map Remove(Line from, Line to) {
    return [=](Line x) -> std::optional<Line> {
        if (x >= from && x <= to) return std::nullopt;
        return x > to ? x - (to - from + 1) : x;
    };
}
// The block from..to lands at dest; the lines between close up behind it.
inline Map Move(Line from, Line to, Line dest) {
    const Line n = to - from + 1;
    return [=](Line x) -> std::optional<Line> {
        if (x >= from && x <= to) return x - from + dest;
        if (dest < from && x >= dest && x < from) return x + n;
        if (dest > from && x > to && x < dest + n) return x - n;
        return x;
    };
}
}  // namespace line_remap
