#pragma once
// Little CMS's profiles and transforms, each owned by one object, and a
// profile opened from a file's bytes.

#include <cstdint>
#include <memory>
#include <span>

#include <lcms2.h>

#include "picdec/colour/IccProfile.h"

namespace picdec {

struct ProfileClose {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using LcmsProfile = std::unique_ptr<void, ProfileClose>;

struct TransformDelete {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using LcmsTransform = std::unique_ptr<void, TransformDelete>;

// The profile these bytes hold, if they are a whole one (IsWholeIccProfile)
// that Little CMS reads; else none.
inline LcmsProfile OpenWholeProfile(std::span<const std::uint8_t> bytes)
{
    if (!IsWholeIccProfile(bytes))
        return nullptr;
    return LcmsProfile(cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size())));
}

}  // namespace picdec
