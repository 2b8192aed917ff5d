#include "tools/replay/replay.h"

#include "engine/board.h"
#include "play/game.h"
#include "tools/replay/replay_view.h"
#ifdef TUMBARO_CHECK_INVARIANTS
#include "tools/replay/invariants.h"
#endif

#include <ostream>
#include <string>

namespace tumbaro {

namespace {

struct Totals {
    std::int64_t Moves = 0;
    std::int64_t Games = 0;
    std::int64_t EndedGamePoints = 0;
};

class Replay {
public:
    Replay(const ReplayArgs& args, std::ostream& out) : args_(args), out_(out), game_(painter_, events_) {}

    void Run()
    {
        game_.Seed(args_.Seed);
        Deal();
        if (args_.AutoMoves)
            PlayAuto(*args_.AutoMoves);
        else
            for (const ReplayMove& move : args_.Moves)
                if (move.IsUndo)
                    Undo();
                else
                    Play(move.First, move.Second, move.Text);
        if (args_.Summary)
            out_ << "summary moves " << totals_.Moves << " games " << totals_.Games << " points "
                 << totals_.EndedGamePoints + game_.State().Score << '\n';
    }

private:
    void Deal()
    {
        game_.Newgame();
#ifdef TUMBARO_CHECK_INVARIANTS
        CheckSettledBoard(game_.State().GameBoard, args_.Seed, totals_.Moves);
#endif
        if (!args_.Summary) {
            out_ << "deal\n";
            PrintBoard();
        }
    }

    void PrintBoard()
    {
        const Matrix& board = game_.State().GameBoard;
        char line[BoardSize + 1];
        line[BoardSize] = '\n';
        for (int r = 0; r < BoardSize; ++r) {
            for (int c = 0; c < BoardSize; ++c)
                line[c] = static_cast<char>('0' + board[BoardSize * r + c]);
            out_.write(line, sizeof line);
        }
    }

    // Two clicks, then every timer tick until the board has settled.
    void Play(Pick first, Pick second, const std::string& text)
    {
        events_.refused = false;
        game_.ButtonClick(first.Row, first.Column);
        game_.ButtonClick(second.Row, second.Column);
        if (events_.refused || !game_.Animating()) {
            if (!args_.Summary)
                out_ << "refused " << text << '\n';
            return;
        }
        while (game_.Tick()) {
        }
        ++totals_.Moves;
        const GameState& state = game_.State();
#ifdef TUMBARO_CHECK_INVARIANTS
        CheckSettledBoard(state.GameBoard, args_.Seed, totals_.Moves);
#endif
        if (!args_.Summary) {
            out_ << "accepted " << text << " score " << state.Score << " lines " << game_.LastMove().Lines.size()
                 << " cascades " << game_.LastMove().Cascades << '\n';
            PrintBoard();
        }
        if (events_.gameOver) {
            events_.gameOver = false;
            ++totals_.Games;
            totals_.EndedGamePoints += state.Score;
            if (!args_.Summary)
                out_ << "game over score " << state.Score << '\n';
            game_.Newgame(); // as a player who always plays again
            if (!args_.Summary) {
                out_ << "deal\n";
                PrintBoard();
            }
        }
    }

    void Undo()
    {
        const bool possible = game_.UndoPossible();
        game_.Undo();
        if (!args_.Summary) {
            out_ << (possible ? "undo score " + std::to_string(game_.State().Score) : std::string("refused undo"))
                 << '\n';
            if (possible)
                PrintBoard();
        }
    }

    void PlayAuto(std::int64_t count)
    {
        while (totals_.Moves < count) {
            const auto move = FirstMove(game_.State().GameBoard);
            if (!move) {
                if (!args_.Summary)
                    out_ << "no move\n";
                Deal();
                continue;
            }
            const Pick first{move->First / BoardSize + 1, move->First % BoardSize + 1};
            const Pick second{move->Second / BoardSize + 1, move->Second % BoardSize + 1};
            std::string text;
            if (!args_.Summary)
                text = {char('0' + first.Row), char('0' + first.Column), '-', char('0' + second.Row),
                        char('0' + second.Column)};
            Play(first, second, text);
        }
    }

    const ReplayArgs& args_;
    std::ostream& out_;
    BlankPainter painter_;
    ReplayEvents events_;
    Game game_;
    Totals totals_;
};

} // namespace

void RunReplay(const ReplayArgs& args, std::ostream& out) { Replay(args, out).Run(); }

} // namespace tumbaro
