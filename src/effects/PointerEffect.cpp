#include "effects/PointerEffect.h"

namespace {

struct StoredName {
    PointerEffect effect;
    const wchar_t* name;
};
constexpr StoredName kStoredNames[] = {
    {PointerEffect::None, L"none"},
    {PointerEffect::Picture, L"picture"},
    {PointerEffect::Halo, L"halo"},
    {PointerEffect::Spotlight, L"spotlight"},
    {PointerEffect::Laser, L"laser"},
};

}  // namespace

std::wstring StoredEffectName(PointerEffect effect) {
    for (const StoredName& stored : kStoredNames)
        if (stored.effect == effect) return stored.name;
    return {};
}

PointerEffect EffectFromStoredName(const std::wstring& name) {
    for (const StoredName& stored : kStoredNames)
        if (name == stored.name) return stored.effect;
    return PointerEffect::Picture;
}
