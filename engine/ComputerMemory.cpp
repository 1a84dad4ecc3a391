#include "engine/ComputerMemory.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

void ComputerMemory::PushMemory(const TCardRef& card) {
    std::shift_right(entries_.begin(), entries_.end(), 1);
    entries_[0] = card;
}

const TCardRef& ComputerMemory::Entry(int position) const {
    if (position < 1 || position > Size) throw std::out_of_range("No such memory entry");
    return entries_[static_cast<std::size_t>(position - 1)];
}

}  // namespace velmora
