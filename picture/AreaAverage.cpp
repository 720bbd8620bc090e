#include "picture/AreaAverage.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

// Coordinates are kept in whole numbers by measuring each axis in units of
// 1 / (source * target) of its length: a source pixel is `target` units long,
// a target pixel `source` units. Every weight is then an exact integer, no
// source pixel needs a division, and the one division per target value at
// the end divides by sourceWidth * sourceHeight with rounding.

bool AreaAverager::Fits(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight)
{
    const auto axisFits = [](int source, int target) { return target >= 1 && target <= source && source <= kMaxSide; };
    if (!axisFits(sourceWidth, targetWidth) || !axisFits(sourceHeight, targetHeight))
        return false;
    const std::uint64_t bytes = std::uint64_t(targetWidth) * std::uint64_t(targetHeight) * 4;
    return bytes <= std::uint64_t(std::numeric_limits<std::ptrdiff_t>::max());
}

AreaAverager::AreaAverager(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight, int channels)
    : sourceWidth_(sourceWidth), sourceHeight_(sourceHeight), targetWidth_(targetWidth), targetHeight_(targetHeight),
      channels_(channels)
{
    if (!Fits(sourceWidth, sourceHeight, targetWidth, targetHeight) || (channels != 3 && channels != 4))
        throw std::invalid_argument("area average: unsupported sizes");
    const std::uint64_t sw = std::uint64_t(sourceWidth), tw = std::uint64_t(targetWidth);
    spans_.resize(std::size_t(targetWidth));
    for (std::uint64_t j = 0; j < tw; ++j) {
        const std::uint64_t begin = j * sw, end = begin + sw;
        Span& span = spans_[j];
        span.first = int(begin / tw);
        span.last = int((end - 1) / tw);
        if (span.first == span.last) {
            span.firstWeight = std::uint32_t(sw);
        } else {
            span.firstWeight = std::uint32_t((std::uint64_t(span.first) + 1) * tw - begin);
            span.lastWeight = std::uint32_t(end - std::uint64_t(span.last) * tw);
        }
    }
    wholeRows_.assign(std::size_t(sourceWidth) * channels, 0);
    partRows_.assign(std::size_t(sourceWidth) * channels, 0);
    target_.resize(TargetStride() * std::size_t(targetHeight));
}

// Source rows are summed down first: plain additions over whole rows, which
// the compiler turns into vector code, and only one pass across per target row.
void AreaAverager::AddWhole(const std::uint8_t* row)
{
    std::uint32_t* sums = wholeRows_.data();
    const std::size_t count = wholeRows_.size();
    for (std::size_t i = 0; i < count; ++i)
        sums[i] += row[i];
}

void AreaAverager::AddPart(const std::uint8_t* row, std::uint32_t weight)
{
    std::uint32_t* sums = partRows_.data();
    const std::size_t count = partRows_.size();
    for (std::size_t i = 0; i < count; ++i)
        sums[i] += weight * row[i];
}

void AreaAverager::EmitRow()
{
    // A column's sum down is at most 255 * sourceHeight (fits 32 bits); the
    // sum across a span at most 255 * sourceWidth * sourceHeight.
    const std::uint32_t wholeRowWeight = std::uint32_t(targetHeight_);
    std::uint32_t* columns = wholeRows_.data();
    const std::uint32_t* parts = partRows_.data();
    for (std::size_t i = 0; i < wholeRows_.size(); ++i)
        columns[i] = columns[i] * wholeRowWeight + parts[i];
    const std::uint64_t wholeColumnWeight = std::uint64_t(targetWidth_);
    const auto column = [&](int x, int c) { return std::uint64_t(columns[std::size_t(x) * channels_ + c]); };
    const std::uint64_t total = std::uint64_t(sourceWidth_) * std::uint64_t(sourceHeight_);
    std::uint8_t* out = target_.data() + std::size_t(rowsEmitted_) * TargetStride();
    for (const Span& span : spans_) {
        for (int c = 0; c < channels_; ++c) {
            std::uint64_t sum = span.firstWeight * column(span.first, c);
            if (span.last > span.first) {
                std::uint64_t whole = 0;
                for (int x = span.first + 1; x < span.last; ++x)
                    whole += column(x, c);
                sum += whole * wholeColumnWeight + span.lastWeight * column(span.last, c);
            }
            *out++ = std::uint8_t((sum + total / 2) / total);
        }
    }
    std::fill(wholeRows_.begin(), wholeRows_.end(), 0);
    std::fill(partRows_.begin(), partRows_.end(), 0);
    ++rowsEmitted_;
}

void AreaAverager::AddRow(const std::uint8_t* row)
{
    if (Complete())
        return;
    // Down, a source row is targetHeight units long and a target row
    // sourceHeight units; a source row meets at most two target rows.
    const std::uint64_t th = std::uint64_t(targetHeight_);
    const std::uint64_t rowBegin = std::uint64_t(rowsAdded_) * th, rowEnd = rowBegin + th;
    const std::uint64_t boundary = (std::uint64_t(rowsEmitted_) + 1) * std::uint64_t(sourceHeight_);
    ++rowsAdded_;
    if (rowEnd <= boundary) {
        AddWhole(row);
        if (rowEnd == boundary)
            EmitRow();
    } else {
        AddPart(row, std::uint32_t(boundary - rowBegin));
        EmitRow();
        AddPart(row, std::uint32_t(rowEnd - boundary));
    }
}

std::vector<std::uint8_t> AreaAverage(const std::uint8_t* firstRow, std::ptrdiff_t stride, int sourceWidth,
                                      int sourceHeight, int targetWidth, int targetHeight, int channels)
{
    AreaAverager averager(sourceWidth, sourceHeight, targetWidth, targetHeight, channels);
    for (int y = 0; y < sourceHeight; ++y)
        averager.AddRow(firstRow + y * stride);
    return averager.Target();
}
