#include "picdec/colour/WuQuantizer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace picdec {

namespace {

// Wu's boxes work on 32 levels a channel: finer would cost memory and time
// for little, as the k-means passes afterwards use the full histogram.
constexpr int kLevelBits = 5;
constexpr int kSide = (1 << kLevelBits) + 1;

enum class Axis { Red, Green, Blue };

struct Box {
    int r0 = 0, r1 = 0, g0 = 0, g1 = 0, b0 = 0, b1 = 0;
    int Volume() const { return (r1 - r0) * (g1 - g0) * (b1 - b0); }
};

struct Moments {
    double weight = 0;
    double red = 0;
    double green = 0;
    double blue = 0;
};

constexpr std::size_t At(int r, int g, int b)
{
    return (static_cast<std::size_t>(r) * kSide + static_cast<std::size_t>(g)) * kSide + static_cast<std::size_t>(b);
}

// Cumulative moments: entry (r, g, b) sums all cells at or below it.
class MomentCube {
public:
    explicit MomentCube(const ColourHistogram& histogram);

    Moments Volume(const Box& box) const;
    double SquareVolume(const Box& box) const;
    Moments Bottom(const Box& box, Axis axis) const;
    Moments Top(const Box& box, Axis axis, int position) const;

private:
    void Accumulate();
    Moments Get(std::size_t index) const { return {weight_[index], red_[index], green_[index], blue_[index]}; }

    std::vector<double> weight_, red_, green_, blue_, square_;
};

MomentCube::MomentCube(const ColourHistogram& histogram)
    : weight_(At(kSide, 0, 0)), red_(weight_.size()), green_(weight_.size()), blue_(weight_.size()),
      square_(weight_.size())
{
    const auto& cells = histogram.Cells();
    constexpr int side = ColourHistogram::kSide;
    constexpr int shift = ColourHistogram::kBits - kLevelBits;
    std::size_t index = 0;
    for (int r = 0; r < side; ++r) {
        for (int g = 0; g < side; ++g) {
            for (int b = 0; b < side; ++b, ++index) {
                const HistogramCell& cell = cells[index];
                if (cell.count == 0)
                    continue;
                const std::size_t i = At((r >> shift) + 1, (g >> shift) + 1, (b >> shift) + 1);
                const double count = cell.count;
                const auto red = static_cast<double>(cell.red);
                const auto green = static_cast<double>(cell.green);
                const auto blue = static_cast<double>(cell.blue);
                weight_[i] += count;
                red_[i] += red;
                green_[i] += green;
                blue_[i] += blue;
                square_[i] += (red * red + green * green + blue * blue) / count;
            }
        }
    }
    Accumulate();
}

void MomentCube::Accumulate()
{
    std::vector<double>* arrays[] = {&weight_, &red_, &green_, &blue_, &square_};
    for (std::vector<double>* array : arrays) {
        std::vector<double>& m = *array;
        for (int r = 1; r < kSide; ++r) {
            std::vector<double> area(kSide, 0.0);
            for (int g = 1; g < kSide; ++g) {
                double line = 0;
                for (int b = 1; b < kSide; ++b) {
                    line += m[At(r, g, b)];
                    area[static_cast<std::size_t>(b)] += line;
                    m[At(r, g, b)] = m[At(r - 1, g, b)] + area[static_cast<std::size_t>(b)];
                }
            }
        }
    }
}

double Corner(const std::vector<double>& m, const Box& box)
{
    return m[At(box.r1, box.g1, box.b1)] - m[At(box.r1, box.g1, box.b0)] - m[At(box.r1, box.g0, box.b1)] +
           m[At(box.r1, box.g0, box.b0)] - m[At(box.r0, box.g1, box.b1)] + m[At(box.r0, box.g1, box.b0)] +
           m[At(box.r0, box.g0, box.b1)] - m[At(box.r0, box.g0, box.b0)];
}

Moments MomentCube::Volume(const Box& box) const
{
    return {Corner(weight_, box), Corner(red_, box), Corner(green_, box), Corner(blue_, box)};
}

double MomentCube::SquareVolume(const Box& box) const { return Corner(square_, box); }

// The moments of the box's face at its lower bound on an axis, negated as
// the split formula needs it.
Moments MomentCube::Bottom(const Box& box, Axis axis) const
{
    Box face = box;
    if (axis == Axis::Red)
        face.r1 = box.r0, face.r0 = 0;
    else if (axis == Axis::Green)
        face.g1 = box.g0, face.g0 = 0;
    else
        face.b1 = box.b0, face.b0 = 0;
    const Moments m = Volume(face);
    return {-m.weight, -m.red, -m.green, -m.blue};
}

Moments MomentCube::Top(const Box& box, Axis axis, int position) const
{
    Box face = box;
    if (axis == Axis::Red)
        face.r1 = position, face.r0 = 0;
    else if (axis == Axis::Green)
        face.g1 = position, face.g0 = 0;
    else
        face.b1 = position, face.b0 = 0;
    return Volume(face);
}

double Variance(const MomentCube& cube, const Box& box)
{
    const Moments m = cube.Volume(box);
    if (m.weight <= 0)
        return 0;
    return cube.SquareVolume(box) - (m.red * m.red + m.green * m.green + m.blue * m.blue) / m.weight;
}

double SplitGain(const Moments& part)
{
    return part.weight > 0 ? (part.red * part.red + part.green * part.green + part.blue * part.blue) / part.weight : -1;
}

struct Cut {
    double gain = 0;
    int position = -1;
};

Cut BestCut(const MomentCube& cube, const Box& box, Axis axis, const Moments& whole)
{
    const int first = axis == Axis::Red ? box.r0 : axis == Axis::Green ? box.g0 : box.b0;
    const int last = axis == Axis::Red ? box.r1 : axis == Axis::Green ? box.g1 : box.b1;
    const Moments base = cube.Bottom(box, axis);
    Cut best;
    for (int i = first + 1; i < last; ++i) {
        const Moments top = cube.Top(box, axis, i);
        const Moments lower{base.weight + top.weight, base.red + top.red, base.green + top.green, base.blue + top.blue};
        const Moments upper{whole.weight - lower.weight, whole.red - lower.red, whole.green - lower.green,
                            whole.blue - lower.blue};
        if (lower.weight <= 0 || upper.weight <= 0)
            continue;
        const double gain = SplitGain(lower) + SplitGain(upper);
        if (gain > best.gain) {
            best.gain = gain;
            best.position = i;
        }
    }
    return best;
}

bool SplitBox(const MomentCube& cube, Box& box, Box& other)
{
    const Moments whole = cube.Volume(box);
    const Cut red = BestCut(cube, box, Axis::Red, whole);
    const Cut green = BestCut(cube, box, Axis::Green, whole);
    const Cut blue = BestCut(cube, box, Axis::Blue, whole);
    other = box;
    if (red.gain >= green.gain && red.gain >= blue.gain) {
        if (red.position < 0)
            return false;
        box.r1 = other.r0 = red.position;
    } else if (green.gain >= blue.gain) {
        box.g1 = other.g0 = green.position;
    } else {
        box.b1 = other.b0 = blue.position;
    }
    return true;
}

Colour MeanColour(const MomentCube& cube, const Box& box)
{
    const Moments m = cube.Volume(box);
    auto channel = [&m](double sum) { return static_cast<std::uint8_t>(std::lround(std::clamp(sum / m.weight, 0.0, 255.0))); };
    return Colour{channel(m.red), channel(m.green), channel(m.blue)};
}

}  // namespace

Palette WuPalette(const ColourHistogram& histogram, int maxColours)
{
    const MomentCube cube(histogram);
    std::vector<Box> boxes(1, Box{0, kSide - 1, 0, kSide - 1, 0, kSide - 1});
    std::vector<double> variance(1, Variance(cube, boxes[0]));
    while (static_cast<int>(boxes.size()) < maxColours) {
        std::size_t next = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            if (variance[i] > variance[next])
                next = i;
        }
        if (variance[next] <= 0)
            break;
        Box other;
        if (!SplitBox(cube, boxes[next], other)) {
            variance[next] = 0;
            continue;
        }
        boxes.push_back(other);
        variance[next] = boxes[next].Volume() > 1 ? Variance(cube, boxes[next]) : 0;
        variance.push_back(other.Volume() > 1 ? Variance(cube, other) : 0);
    }
    Palette palette;
    for (const Box& box : boxes) {
        if (cube.Volume(box).weight > 0)
            palette.push_back(MeanColour(cube, box));
    }
    return palette;
}

}  // namespace picdec
