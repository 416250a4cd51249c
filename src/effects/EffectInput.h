// What the settings group of the spotlight, laser pointer and click rings accepts when
// saved: the three number boxes, checked in the order they stand, against the ranges the
// stored values are checked against at start-up.
#pragma once
#include <optional>
#include <string>

struct EffectInput {
    std::wstring spotlightDim;
    std::wstring spotlightRadius;
    std::wstring laserSize;
};

// The message to show, or nothing when the boxes may be stored. A box that holds no
// 32-bit integer (only possible by pasting) throws the conversion error.
std::optional<std::wstring> EffectInputMessage(const EffectInput& input);
