#pragma once
// Shrinking a picture by area averaging: every target pixel is the mean of
// the source area it covers, source pixels cut by its edges counted by the
// part that lies inside. Fine patterns so turn into their mean colour, not
// into the stripes and moiré left by dropping rows and columns.
//
// Pixels are 8 bits per channel, 3 (blue, green, red) or 4 (with a fourth
// byte averaged like the others). Source rows are given one at a time, top
// first, so a caller that has to convert rows needs only a band of them.
#include <cstddef>
#include <cstdint>
#include <vector>

class AreaAverager {
public:
    // The largest source side: 255 times it still fits a 32-bit sum down a column.
    static constexpr int kMaxSide = 1 << 24;

    // True when 1 <= target <= source <= kMaxSide on both axes and the
    // target's bytes fit in memory's address range.
    static bool Fits(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);

    // Raises std::invalid_argument unless Fits and channels is 3 or 4.
    AreaAverager(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight, int channels);

    // The next source row, sourceWidth pixels; rows past the last are ignored.
    void AddRow(const std::uint8_t* row);
    bool Complete() const { return rowsAdded_ == sourceHeight_; }

    // Target rows, top first, targetWidth * channels bytes each without padding.
    const std::uint8_t* TargetRow(int y) const { return target_.data() + std::size_t(y) * TargetStride(); }
    std::size_t TargetStride() const { return std::size_t(targetWidth_) * channels_; }
    const std::vector<std::uint8_t>& Target() const { return target_; }

private:
    // The source columns one target column covers: the first with its
    // weight, whole ones between (weight targetWidth each), the last with its
    // weight.
    struct Span {
        int first = 0;
        int last = 0;
        std::uint32_t firstWeight = 0;
        std::uint32_t lastWeight = 0;
    };

    void AddWhole(const std::uint8_t* row);
    void AddPart(const std::uint8_t* row, std::uint32_t weight);
    void EmitRow();

    int sourceWidth_;
    int sourceHeight_;
    int targetWidth_;
    int targetHeight_;
    int channels_;
    int rowsAdded_ = 0;
    int rowsEmitted_ = 0;
    std::vector<Span> spans_;
    // The source rows of the target row being built, summed down: those
    // wholly inside it, and the weighted ones cut by its edges.
    std::vector<std::uint32_t> wholeRows_;
    std::vector<std::uint32_t> partRows_;
    std::vector<std::uint8_t> target_;
};

// The whole picture at once; strides in bytes, negative for bottom-up rows.
// Returns the target rows without padding.
std::vector<std::uint8_t> AreaAverage(const std::uint8_t* firstRow, std::ptrdiff_t stride, int sourceWidth,
                                      int sourceHeight, int targetWidth, int targetHeight, int channels);
