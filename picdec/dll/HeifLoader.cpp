// libheif on Windows: LIBHEIF.DLL, with LIBDE265.DLL beside it, in the folder
// of the module that holds this code (PICDEC32.DLL, or a program linked with
// the decode core), loaded when the first HEIF or AVIF picture is read.
#include <windows.h>

#include <string>

#include "picdec/formats/HeifApi.h"

namespace picdec {

namespace {

std::wstring FolderOfThisModule()
{
    HMODULE self = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCWSTR>(&FolderOfThisModule), &self))
        return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function)
{
    const FARPROC address = ::GetProcAddress(module, name);
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    return address != nullptr;
}

bool ResolveAll(HMODULE module, HeifApi& api)
{
    return Resolve(module, "heif_context_alloc", api.contextAlloc) &&
           Resolve(module, "heif_context_free", api.contextFree) &&
           Resolve(module, "heif_context_read_from_memory_without_copy", api.readFromMemory) &&
           Resolve(module, "heif_context_get_primary_image_handle", api.primaryImageHandle) &&
           Resolve(module, "heif_image_handle_release", api.handleRelease) &&
           Resolve(module, "heif_image_handle_get_width", api.handleWidth) &&
           Resolve(module, "heif_image_handle_get_height", api.handleHeight) &&
           Resolve(module, "heif_image_handle_has_alpha_channel", api.handleHasAlpha) &&
           Resolve(module, "heif_image_handle_get_luma_bits_per_pixel", api.handleLumaBits) &&
           Resolve(module, "heif_image_handle_get_raw_color_profile_size", api.handleIccSize) &&
           Resolve(module, "heif_image_handle_get_raw_color_profile", api.handleIcc) &&
           Resolve(module, "heif_image_handle_get_nclx_color_profile", api.handleNclx) &&
           Resolve(module, "heif_nclx_color_profile_free", api.nclxFree) &&
           Resolve(module, "heif_decode_image", api.decodeImage) &&
           Resolve(module, "heif_image_get_plane_readonly", api.planeReadonly) &&
           Resolve(module, "heif_image_get_width", api.imageWidth) &&
           Resolve(module, "heif_image_get_height", api.imageHeight) &&
           Resolve(module, "heif_image_is_premultiplied_alpha", api.imageIsPremultiplied) &&
           Resolve(module, "heif_image_release", api.imageRelease);
}

// The DLL stays loaded until the process ends: a library may not unload
// another while it is itself being unloaded, and nothing gains from it.
const HeifApi* Load()
{
    const std::wstring path = FolderOfThisModule() + L"LIBHEIF.DLL";
    DWORD oldMode = 0;
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);  // a missing DLL is our message, not a system box
    const HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ::SetThreadErrorMode(oldMode, nullptr);
    if (!module)
        return nullptr;
    static HeifApi api{};
    if (!ResolveAll(module, api)) {
        ::FreeLibrary(module);
        return nullptr;
    }
    return &api;
}

}  // namespace

const HeifApi* HeifLibrary()
{
    static const HeifApi* const api = Load();
    return api;
}

}  // namespace picdec
