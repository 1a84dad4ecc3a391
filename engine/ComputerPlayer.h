#pragma once
// How a computer player picks a card: a pair it remembers within its span of 2 x IQ recently
// turned cards, else a face-down card it does not remember, else any face-down card.

#include "engine/Board.h"
#include "engine/ComputerMemory.h"
#include "engine/RandomSource.h"

namespace velmora {

// The number of memory entries a player of this IQ uses; an IQ read from a damaged library file
// never reaches past the memory.
int MemorySpan(int iq);

// Entries i and j show the same picture on different cells, and one of the cells is face down.
bool PairTest(const Board& board, const ComputerMemory& memory, int i, int j);
// No entry 1..span names this cell.
bool NotRemembered(const ComputerMemory& memory, int span, int col, int row);

// The card to turn next. The board must hold a face-down card.
CellPosition ChooseComputerCard(const Board& board, const ComputerMemory& memory, int iq, RandomSource& random);

}  // namespace velmora
