#pragma once
// A window made the first time it is asked for rather than with its owner: the program builds at
// start-up only what its first frame shows, and a window never opened costs nothing.

#include <functional>
#include <memory>
#include <utility>

namespace velmora {

template <typename Window>
class OnFirstUse {
public:
    using Maker = std::function<std::unique_ptr<Window>()>;

    explicit OnFirstUse(Maker make) : make_(std::move(make)) {}

    // The window, made now if this is the first time. A maker that raises leaves it to be made
    // on the next call.
    Window& Get() {
        if (!made_) made_ = make_();
        return *made_;
    }
    // The window if it has been made, else nullptr; never makes it.
    Window* IfMade() const { return made_.get(); }

private:
    Maker make_;
    std::unique_ptr<Window> made_;
};

}  // namespace velmora
