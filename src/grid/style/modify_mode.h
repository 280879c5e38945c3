#pragma once
// How one style (or font) is combined into another.
enum class ModifyMode : int {
    Override = 0,  // the source's attributes replace this one's
    ApplyNew = 1,  // the source's attributes fill only what this one lacks
    Copy = 2,      // this one becomes a copy of the source
    Exclude = 3,   // the attributes the source has are removed from this one
};
