#include "tools/replay/proof_check.h"

#include "deals/game_proof.h"
#include "play/game.h"
#include "tools/replay/replay_view.h"

#include <ostream>
#include <string>

namespace tumbaro {

namespace {

// Why the steps are no game, or nothing when every step could be played.
std::optional<std::string> PlaySteps(const GameProof& proof, Game& game, ReplayEvents& events)
{
    game.Deal(proof.Deal, proof.Played);
    for (std::size_t i = 0; i < proof.Steps.size(); ++i) {
        const ProofStep& step = proof.Steps[i];
        const std::string where = "step " + std::to_string(i + 1);
        if (step.IsUndo) {
            if (!game.UndoPossible())
                return where + ": there is no move to undo";
            game.Undo();
            continue;
        }
        // Timed and Zen deal anew from the same generator when no move is
        // left, so only a Classic game can have ended.
        if (events.gameOver)
            return where + ": the game had already ended";
        events.refused = false;
        game.ButtonClick(step.First.Row, step.First.Column);
        game.ButtonClick(step.Second.Row, step.Second.Column);
        if (events.refused || !game.Animating())
            return where + ": that swap makes no line";
        while (game.Tick()) {
        }
    }
    return std::nullopt;
}

} // namespace

int CheckProofLine(std::string_view line, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto proof = ReadProof(line, error);
    if (!proof) {
        err << "tumbaro-replay: " << error << '\n';
        return 2;
    }
    BlankPainter painter;
    ReplayEvents events;
    Game game(painter, events);
    if (const auto fault = PlaySteps(*proof, game, events)) {
        out << "false: " << *fault << '\n';
        return 1;
    }
    const std::int32_t score = game.State().Score;
    if (score != proof->Score) {
        out << "false: the moves score " << score << ", not " << proof->Score << '\n';
        return 1;
    }
    out << "true: the moves score " << score << '\n';
    return 0;
}

} // namespace tumbaro
