#pragma once
// The arithmetic of the zoomed main window. The window is laid out in the pixels of its 100 % view
// (651 x 398, the board area 540 x 374) and every drawn or hit-tested position goes through one
// Scale, an exact fraction, so that a cell's drawn edges and its hit-test edges are the same pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

struct Extent {
    int Width = 0;
    int Height = 0;
    bool operator==(const Extent&) const = default;
};

struct ZoomRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const ZoomRect&) const = default;
};

// The client area of the 100 % view: board area and side panel above a 22-pixel status line.
inline constexpr Extent kClientExtent{651, 398};

// num / den, at least 1 in every use the window makes of it.
class Scale {
public:
    constexpr Scale() = default;
    Scale(std::int64_t num, std::int64_t den);

    std::int64_t Num() const { return num_; }
    std::int64_t Den() const { return den_; }
    double Factor() const { return static_cast<double>(num_) / static_cast<double>(den_); }
    bool IsOne() const { return num_ == den_; }

    // The zoomed pixel where the 100 % position x begins: floor(x * num / den).
    int Map(int x) const;
    // The 100 % position whose zoomed pixels hold pixel p: the largest x with Map(x) <= p.
    int Unmap(int p) const;
    // Both edges mapped, so neighbouring rectangles stay edge to edge without gaps.
    ZoomRect Map(const ZoomRect& r) const;
    Extent Map(Extent e) const { return {Map(e.Width), Map(e.Height)}; }

    Scale Times(const Scale& other) const { return {num_ * other.num_, den_ * other.den_}; }
    // The smaller of the two.
    static Scale Min(const Scale& a, const Scale& b);
    // A device pixel ratio such as 1.5 or 2 as a fraction (to 1/120, which holds every ratio in use).
    static Scale FromRatio(double ratio);

    bool operator==(const Scale& other) const { return num_ * other.den_ == other.num_ * den_; }

private:
    std::int64_t num_ = 1;
    std::int64_t den_ = 1;
};

enum class Zoom { Percent100, Percent150, Percent200, Percent300, Fit };

inline constexpr std::array<Zoom, 4> kFixedZooms = {Zoom::Percent100, Zoom::Percent150, Zoom::Percent200,
                                                    Zoom::Percent300};

// "100", "150", "200", "300", "fit": the value kept in the settings file.
std::string ZoomName(Zoom zoom);
std::optional<Zoom> ZoomNamed(const std::string& name);

// The scale of a fixed zoom; Fit gives 1 (it depends on the room, see FitScale).
Scale FixedScale(Zoom zoom);
// The largest scale at which the client fits in room, keeping its aspect; never below 1, as the
// window is never smaller than its 100 % view.
Scale FitScale(Extent room);
// What the client is drawn at in room: Fit fills it, a fixed zoom shrinks only when room is short.
Scale ShownScale(Zoom zoom, Extent room);

// The room below the menu bar a fixed zoom asks for: its client at that zoom (Fit: the 100 % one).
Extent ZoomedRoom(Zoom zoom);
// The first start's zoom: the largest fixed zoom whose window (client plus chrome, the menu bar
// and frame that do not scale) fits in 85 % of the available area.
Zoom FirstStartZoom(Extent available, Extent chrome);

}  // namespace velmora
