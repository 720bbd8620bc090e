#include "picdec/formats/HeifApi.h"

namespace picdec {

// Where libheif is linked in, as in the native build.
const HeifApi* HeifLibrary()
{
    static constexpr HeifApi api{
        heif_context_alloc,
        heif_context_free,
        heif_context_read_from_memory_without_copy,
        heif_context_get_primary_image_handle,
        heif_image_handle_release,
        heif_image_handle_get_width,
        heif_image_handle_get_height,
        heif_image_handle_has_alpha_channel,
        heif_image_handle_get_luma_bits_per_pixel,
        heif_image_handle_get_raw_color_profile_size,
        heif_image_handle_get_raw_color_profile,
        heif_image_handle_get_nclx_color_profile,
        heif_nclx_color_profile_free,
        heif_decode_image,
        heif_image_get_plane_readonly,
        heif_image_get_width,
        heif_image_get_height,
        heif_image_is_premultiplied_alpha,
        heif_image_release,
    };
    return &api;
}

}  // namespace picdec
