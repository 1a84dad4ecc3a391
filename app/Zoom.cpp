#include "app/Zoom.h"

#include <cmath>
#include <numeric>

namespace velmora {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

Extent Grown(Extent e, Extent by) { return {e.Width + by.Width, e.Height + by.Height}; }

bool Fits(Extent inner, Extent outer) { return inner.Width <= outer.Width && inner.Height <= outer.Height; }

}  // namespace

Scale::Scale(std::int64_t num, std::int64_t den) {
    if (num <= 0 || den <= 0) return;  // stays 1
    const std::int64_t g = std::gcd(num, den);
    num_ = num / g;
    den_ = den / g;
}

int Scale::Map(int x) const { return static_cast<int>(FloorDiv(x * num_, den_)); }

int Scale::Unmap(int p) const {
    // Map(x) <= p  <=>  x * num < (p + 1) * den.
    return static_cast<int>(FloorDiv((static_cast<std::int64_t>(p) + 1) * den_ - 1, num_));
}

ZoomRect Scale::Map(const ZoomRect& r) const {
    const int left = Map(r.X);
    const int top = Map(r.Y);
    return {left, top, Map(r.X + r.Width) - left, Map(r.Y + r.Height) - top};
}

Scale Scale::Min(const Scale& a, const Scale& b) { return a.num_ * b.den_ <= b.num_ * a.den_ ? a : b; }

Scale Scale::FromRatio(double ratio) {
    if (!(ratio > 0) || !std::isfinite(ratio)) return {};
    return {std::llround(ratio * 120.0), 120};
}

std::string ZoomName(Zoom zoom) {
    switch (zoom) {
        case Zoom::Percent100: return "100";
        case Zoom::Percent150: return "150";
        case Zoom::Percent200: return "200";
        case Zoom::Percent300: return "300";
        case Zoom::Fit: return "fit";
    }
    return "100";
}

std::optional<Zoom> ZoomNamed(const std::string& name) {
    for (const Zoom zoom : {Zoom::Percent100, Zoom::Percent150, Zoom::Percent200, Zoom::Percent300, Zoom::Fit})
        if (ZoomName(zoom) == name) return zoom;
    return std::nullopt;
}

Scale FixedScale(Zoom zoom) {
    switch (zoom) {
        case Zoom::Percent150: return {3, 2};
        case Zoom::Percent200: return {2, 1};
        case Zoom::Percent300: return {3, 1};
        default: return {};
    }
}

Scale FitScale(Extent room) {
    if (room.Width < kClientExtent.Width || room.Height < kClientExtent.Height) return {};
    // room.Width / 651 against room.Height / 398, compared without division.
    if (static_cast<std::int64_t>(room.Width) * kClientExtent.Height <=
        static_cast<std::int64_t>(room.Height) * kClientExtent.Width)
        return {room.Width, kClientExtent.Width};
    return {room.Height, kClientExtent.Height};
}

Extent ZoomedRoom(Zoom zoom) { return FixedScale(zoom).Map(kClientExtent); }

Scale ShownScale(Zoom zoom, Extent room) {
    // A fixed zoom's own room can be half a pixel short of the fraction (651 at 150 % is 976).
    if (zoom != Zoom::Fit && Fits(ZoomedRoom(zoom), room)) return FixedScale(zoom);
    const Scale fit = FitScale(room);
    return zoom == Zoom::Fit ? fit : Scale::Min(FixedScale(zoom), fit);
}

Zoom FirstStartZoom(Extent available, Extent chrome) {
    const Extent room{static_cast<int>(available.Width * 85LL / 100), static_cast<int>(available.Height * 85LL / 100)};
    Zoom chosen = Zoom::Percent100;
    for (const Zoom zoom : kFixedZooms)
        if (Fits(Grown(ZoomedRoom(zoom), chrome), room)) chosen = zoom;
    return chosen;
}

}  // namespace velmora
