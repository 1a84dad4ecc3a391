// How long a computer player takes to choose a card in the worst case: IQ 50 (span 100), a full
// memory and the Fanatic board.
#include <benchmark/benchmark.h>

#include "engine/ComputerPlayer.h"
#include "engine/Simulation.h"

namespace {

using namespace velmora;

class NoonClock : public Clock {
public:
    TimeOfDay Now() override { return {12, 0, 0, 0}; }
};

// A dealt Fanatic board and 100 remembered cards. With one card of each of 50 pictures seen
// twice over, no pair is known and every entry is examined before the candidates are collected.
struct WorstCase {
    NoonClock clock;
    RandomSource random{clock};
    Board board;
    ComputerMemory memory;

    explicit WorstCase(bool pairKnownAtTheEnd) {
        board.SetSize(10, 10);
        board.DealBoard(random);
        std::vector<bool> pictureSeen(51, false);
        std::vector<TCardRef> singles;
        for (int row = 1; row <= 10; ++row) {
            for (int col = 1; col <= 10; ++col) {
                const int picture = board.Cell(col, row).Picture;
                if (pictureSeen[static_cast<std::size_t>(picture)]) continue;
                pictureSeen[static_cast<std::size_t>(picture)] = true;
                singles.push_back({col, row, picture});
            }
        }
        for (int round = 0; round < 2; ++round) {
            for (const TCardRef& card : singles) memory.PushMemory(card);
        }
        if (pairKnownAtTheEnd) {
            // The partner of the oldest entry, seen just now: the pair is found at the last j.
            const TCardRef oldest = memory.Entry(100);
            for (int row = 1; row <= 10; ++row) {
                for (int col = 1; col <= 10; ++col) {
                    if (board.Cell(col, row).Picture == oldest.Picture && (col != oldest.Col || row != oldest.Row)) {
                        memory.PushMemory({col, row, oldest.Picture});
                    }
                }
            }
        }
    }
};

void BM_ComputerChoiceNoPairKnown(benchmark::State& state) {
    WorstCase worst(false);
    for (auto _ : state) benchmark::DoNotOptimize(ChooseComputerCard(worst.board, worst.memory, 50, worst.random));
}
BENCHMARK(BM_ComputerChoiceNoPairKnown)->Unit(benchmark::kMicrosecond);

void BM_ComputerChoicePairFoundLast(benchmark::State& state) {
    WorstCase worst(true);
    for (auto _ : state) benchmark::DoNotOptimize(ChooseComputerCard(worst.board, worst.memory, 50, worst.random));
}
BENCHMARK(BM_ComputerChoicePairFoundLast)->Unit(benchmark::kMicrosecond);

// A whole game between IQ 50 players on the Fanatic board, each computer flip included.
void BM_FanaticGameIq50(benchmark::State& state) {
    const std::vector<int> iqs{50, 50};
    std::uint32_t seed = 1;
    for (auto _ : state) benchmark::DoNotOptimize(SimulateComputerGame(iqs, 3, seed++));
}
BENCHMARK(BM_FanaticGameIq50)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
