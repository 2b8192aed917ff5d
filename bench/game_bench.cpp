// Timings of the game logic's hot paths: the move search run after every
// move, dealing a new game, and one whole move from two clicks to a settled
// board, the choice of the move included.

#include "engine/board.h"
#include "play/game.h"
#include "tools/replay/replay_view.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace tumbaro {
namespace {

std::vector<Matrix> DealtBoards(int count)
{
    RandomGenerator random;
    random.Seed(1);
    std::vector<Matrix> boards(static_cast<std::size_t>(count));
    for (Matrix& board : boards)
        DealBoard(board, random);
    return boards;
}

void BM_FindLine2(benchmark::State& state)
{
    const auto boards = DealtBoards(1024);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindLine2(boards[i++ & 1023]));
}
BENCHMARK(BM_FindLine2);

void BM_Newgame(benchmark::State& state)
{
    BlankPainter painter;
    ReplayEvents events;
    Game game(painter, events);
    game.Seed(1);
    for (auto _ : state) {
        game.Newgame();
        benchmark::DoNotOptimize(game.State().GameBoard);
    }
}
BENCHMARK(BM_Newgame);

void BM_WholeMove(benchmark::State& state)
{
    BlankPainter painter;
    ReplayEvents events;
    Game game(painter, events);
    game.Seed(1);
    game.Newgame();
    for (auto _ : state) {
        const auto move = FirstMove(game.State().GameBoard);
        if (!move) {
            game.Newgame();
            continue;
        }
        const int first = move->First, second = move->Second;
        game.ButtonClick(first / 8 + 1, first % 8 + 1);
        game.ButtonClick(second / 8 + 1, second % 8 + 1);
        while (game.Tick()) {
        }
        if (events.gameOver) {
            events.gameOver = false;
            game.Newgame();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeMove);

} // namespace
} // namespace tumbaro

BENCHMARK_MAIN();
