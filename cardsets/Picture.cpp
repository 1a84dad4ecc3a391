#include "cardsets/Picture.h"

namespace velmora {

Picture::Picture(std::int32_t width, std::int32_t height, std::uint32_t fill)
    : Width(width),
      Height(height),
      Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

}  // namespace velmora
