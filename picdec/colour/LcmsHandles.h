#pragma once
// Little CMS's profiles and transforms, each owned by one object.

#include <memory>

#include <lcms2.h>

namespace picdec {

struct ProfileClose {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using LcmsProfile = std::unique_ptr<void, ProfileClose>;

struct TransformDelete {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using LcmsTransform = std::unique_ptr<void, TransformDelete>;

}  // namespace picdec
