#include "picdec/formats/WebpProfile.h"

#include <memory>

#include <webp/demux.h>

namespace picdec {

namespace {

struct DemuxerRelease {
    void operator()(WebPDemuxer* demuxer) const { WebPDemuxDelete(demuxer); }
};

struct ChunkRelease {
    void operator()(WebPChunkIterator* chunk) const { WebPDemuxReleaseChunkIterator(chunk); }
};

}  // namespace

IccProfile WebpProfile(Bytes file)
{
    const WebPData data{file.data(), file.size()};
    const std::unique_ptr<WebPDemuxer, DemuxerRelease> demuxer(WebPDemux(&data));
    if (!demuxer || (WebPDemuxGetI(demuxer.get(), WEBP_FF_FORMAT_FLAGS) & ICCP_FLAG) == 0)
        return {};
    WebPChunkIterator chunk{};
    if (WebPDemuxGetChunk(demuxer.get(), "ICCP", 1, &chunk) == 0)
        return {};
    const std::unique_ptr<WebPChunkIterator, ChunkRelease> release(&chunk);
    const Bytes profile(chunk.chunk.bytes, chunk.chunk.size);
    return IsWholeIccProfile(profile) ? IccProfile(profile.begin(), profile.end()) : IccProfile{};
}

}  // namespace picdec
