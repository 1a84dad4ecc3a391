#pragma once
// The keys the board reacts to; the window maps its key codes onto these.

namespace velmora {

enum class BoardKey { Left, Right, Down, Up, Space, Other };

}  // namespace velmora
