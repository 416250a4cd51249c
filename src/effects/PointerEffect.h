// The pointer effects, of which at most one is on screen, and their names as the settings
// database keeps the one last on.
#pragma once
#include <cstdint>
#include <string>

// A new exclusive effect is one more value here, its stored name, and its window in the
// inventory.
enum class PointerEffect : std::uint8_t { None, Picture, Halo, Spotlight, Laser };

std::wstring StoredEffectName(PointerEffect effect);
// The effect a stored name stands for; a missing or unknown name (a newer copy's effect)
// gives the picture, which a first start shows.
PointerEffect EffectFromStoredName(const std::wstring& name);
