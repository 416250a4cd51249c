#include "effects/PointerEffect.h"

#include "base/NameTable.h"

namespace {

constexpr Named<PointerEffect> kStoredNames[] = {
    {PointerEffect::None, L"none"},           {PointerEffect::Picture, L"picture"}, {PointerEffect::Halo, L"halo"},
    {PointerEffect::Spotlight, L"spotlight"}, {PointerEffect::Laser, L"laser"},
};

}  // namespace

std::wstring StoredEffectName(PointerEffect effect) {
    const wchar_t* name = NameIn<PointerEffect>(kStoredNames, effect);
    return name ? name : L"";
}

PointerEffect EffectFromStoredName(const std::wstring& name) {
    return ValueIn<PointerEffect>(kStoredNames, name).value_or(PointerEffect::Picture);
}
