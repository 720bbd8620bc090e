#pragma once
// The functions of libheif that the HEIF codec calls, reached through one
// table: on Windows libheif is a DLL of its own beside the library, loaded
// when the first HEIF or AVIF picture is read, so that the library starts and
// reads every other format without it.

#include <libheif/heif.h>

namespace picdec {

struct HeifApi {
    decltype(&heif_context_alloc) contextAlloc;
    decltype(&heif_context_free) contextFree;
    decltype(&heif_context_read_from_memory_without_copy) readFromMemory;
    decltype(&heif_context_get_primary_image_handle) primaryImageHandle;
    decltype(&heif_image_handle_release) handleRelease;
    decltype(&heif_image_handle_get_width) handleWidth;
    decltype(&heif_image_handle_get_height) handleHeight;
    decltype(&heif_image_handle_has_alpha_channel) handleHasAlpha;
    decltype(&heif_image_handle_get_luma_bits_per_pixel) handleLumaBits;
    decltype(&heif_image_handle_get_raw_color_profile_size) handleIccSize;
    decltype(&heif_image_handle_get_raw_color_profile) handleIcc;
    decltype(&heif_image_handle_get_nclx_color_profile) handleNclx;
    decltype(&heif_nclx_color_profile_free) nclxFree;
    decltype(&heif_decode_image) decodeImage;
    decltype(&heif_image_get_plane_readonly) planeReadonly;
    decltype(&heif_image_get_width) imageWidth;
    decltype(&heif_image_get_height) imageHeight;
    decltype(&heif_image_is_premultiplied_alpha) imageIsPremultiplied;
    decltype(&heif_image_release) imageRelease;
};

// libheif, or nullptr where it cannot be loaded.
const HeifApi* HeifLibrary();

}  // namespace picdec
