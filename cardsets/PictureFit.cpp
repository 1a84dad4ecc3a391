#include "cardsets/PictureFit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

// The source pixels one output pixel takes along an axis, with their weights (summing to 1).
struct Taps {
    std::int32_t First = 0;
    std::vector<float> Weights;
};

// n output pixels from the source span [start, start + length) of an axis of sourceLength pixels.
std::vector<Taps> AxisTaps(double start, double length, std::int32_t n, std::int32_t sourceLength) {
    std::vector<Taps> taps(static_cast<std::size_t>(n));
    const double step = length / n;
    const auto last = sourceLength - 1;
    for (std::int32_t i = 0; i < n; ++i) {
        Taps& tap = taps[static_cast<std::size_t>(i)];
        if (step >= 1.0) {
            // Shrinking: the area each output pixel covers, partial source pixels by their share.
            const double low = start + i * step;
            const double high = low + step;
            const auto first = std::clamp(static_cast<std::int32_t>(std::floor(low)), 0, last);
            const auto end = std::clamp(static_cast<std::int32_t>(std::ceil(high)), first + 1, sourceLength);
            tap.First = first;
            for (std::int32_t k = first; k < end; ++k)
                tap.Weights.push_back(static_cast<float>(std::min(high, k + 1.0) - std::max(low, double(k))));
        } else {
            // Enlarging: between the two nearest source pixel centres.
            const double centre = start + (i + 0.5) * step - 0.5;
            const auto below = static_cast<std::int32_t>(std::floor(centre));
            const auto fraction = static_cast<float>(centre - below);
            tap.First = std::clamp(below, 0, last);
            const std::int32_t above = std::clamp(below + 1, 0, last);
            if (above == tap.First) {
                tap.Weights = {1.0f};
            } else {
                tap.Weights = {1.0f - fraction, fraction};
            }
        }
        float sum = 0;
        for (float w : tap.Weights) sum += w;
        for (float& w : tap.Weights) w = sum > 0 ? w / sum : 1.0f / static_cast<float>(tap.Weights.size());
    }
    return taps;
}

using Channels = std::array<float, 3>;

Channels Split(std::uint32_t pixel) {
    return {static_cast<float>(pixel >> 16 & 0xFF), static_cast<float>(pixel >> 8 & 0xFF),
            static_cast<float>(pixel & 0xFF)};
}

std::uint32_t Join(const Channels& c) {
    auto byte = [](float v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
    return byte(c[0]) << 16 | byte(c[1]) << 8 | byte(c[2]);
}

struct SourceSpan {
    double X, Y, Width, Height;
};

// The span of picture resampled to size: rows first, then columns.
Picture Resample(const Picture& picture, SourceSpan span, PictureSize size) {
    const std::vector<Taps> across = AxisTaps(span.X, span.Width, size.Width, picture.Width);
    const std::vector<Taps> down = AxisTaps(span.Y, span.Height, size.Height, picture.Height);
    const auto rowsUsedFrom = down.front().First;
    const auto rowsUsedTo = down.back().First + static_cast<std::int32_t>(down.back().Weights.size());
    std::vector<Channels> rows(static_cast<std::size_t>(rowsUsedTo - rowsUsedFrom) * static_cast<std::size_t>(size.Width));
    for (std::int32_t y = rowsUsedFrom; y < rowsUsedTo; ++y)
        for (std::int32_t x = 0; x < size.Width; ++x) {
            const Taps& tap = across[static_cast<std::size_t>(x)];
            Channels sum{};
            for (std::size_t k = 0; k < tap.Weights.size(); ++k) {
                const Channels c = Split(picture.At(tap.First + static_cast<std::int32_t>(k), y));
                for (std::size_t i = 0; i < 3; ++i) sum[i] += c[i] * tap.Weights[k];
            }
            rows[static_cast<std::size_t>(y - rowsUsedFrom) * static_cast<std::size_t>(size.Width) + static_cast<std::size_t>(x)] = sum;
        }
    Picture result(size.Width, size.Height);
    result.Palette = picture.Palette;
    for (std::int32_t y = 0; y < size.Height; ++y) {
        const Taps& tap = down[static_cast<std::size_t>(y)];
        for (std::int32_t x = 0; x < size.Width; ++x) {
            Channels sum{};
            for (std::size_t k = 0; k < tap.Weights.size(); ++k) {
                const auto row = static_cast<std::size_t>(tap.First - rowsUsedFrom) + k;
                const Channels& c = rows[row * static_cast<std::size_t>(size.Width) + static_cast<std::size_t>(x)];
                for (std::size_t i = 0; i < 3; ++i) sum[i] += c[i] * tap.Weights[k];
            }
            result.At(x, y) = Join(sum);
        }
    }
    return result;
}

std::int32_t Scaled(std::int32_t side, double scale) {
    return static_cast<std::int32_t>(std::min<double>(std::lround(side * scale), 16384.0));
}

}  // namespace

std::optional<FitMode> FitModeNamed(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "crop") return FitMode::Crop;
    if (lower == "fit") return FitMode::Fit;
    if (lower == "exact") return FitMode::Exact;
    return std::nullopt;
}

const char* FitModeName(FitMode mode) {
    switch (mode) {
        case FitMode::Crop: return "crop";
        case FitMode::Fit: return "fit";
        case FitMode::Exact: break;
    }
    return "exact";
}

PictureSize ScaledSize(PictureSize picture, PictureSize target, FitMode mode) {
    if (mode == FitMode::Exact || picture.Width < 1 || picture.Height < 1) return target;
    const double across = static_cast<double>(target.Width) / picture.Width;
    const double down = static_cast<double>(target.Height) / picture.Height;
    if (mode == FitMode::Crop) {
        const double scale = std::max(across, down);
        return {std::max(target.Width, Scaled(picture.Width, scale)), std::max(target.Height, Scaled(picture.Height, scale))};
    }
    const double scale = std::min(across, down);
    return {std::clamp(Scaled(picture.Width, scale), 1, target.Width), std::clamp(Scaled(picture.Height, scale), 1, target.Height)};
}

Picture ScalePicture(const Picture& picture, PictureSize size) {
    if (picture.Width == size.Width && picture.Height == size.Height) return picture;
    return Resample(picture, {0, 0, double(picture.Width), double(picture.Height)}, size);
}

Picture FitPicture(const Picture& picture, PictureSize target, FitMode mode, std::uint32_t marginColour) {
    if (mode == FitMode::Exact || (picture.Width == target.Width && picture.Height == target.Height) ||
        picture.Empty())
        return picture;
    const PictureSize scaled = ScaledSize({picture.Width, picture.Height}, target, mode);
    if (mode == FitMode::Crop) {
        // The card's window on the scaled picture, centred, taken back to source pixels.
        const double perScaledX = static_cast<double>(picture.Width) / scaled.Width;
        const double perScaledY = static_cast<double>(picture.Height) / scaled.Height;
        const SourceSpan span{(scaled.Width - target.Width) / 2.0 * perScaledX,
                              (scaled.Height - target.Height) / 2.0 * perScaledY, target.Width * perScaledX,
                              target.Height * perScaledY};
        return Resample(picture, span, target);
    }
    const Picture inner = ScalePicture(picture, scaled);
    Picture card(target.Width, target.Height, marginColour & 0x00FFFFFFu);
    card.Palette = picture.Palette;
    const std::int32_t left = (target.Width - scaled.Width) / 2;
    const std::int32_t top = (target.Height - scaled.Height) / 2;
    for (std::int32_t y = 0; y < scaled.Height; ++y)
        for (std::int32_t x = 0; x < scaled.Width; ++x) card.At(left + x, top + y) = inner.At(x, y);
    return card;
}

PictureSize LargestCardFor(const CardSetFormat& format, PictureSize picture) {
    return ScaledSize(picture, {format.MaxCardWidth, format.MaxCardHeight}, FitMode::Fit);
}

}  // namespace velmora
