#include "ui/window/game_recorder.h"

#include "ui/errors/error_display.h"

#include <QCoreApplication>

#include <cstring>
#include <ctime>

namespace tumbaro {

void GameRecorder::Started(std::chrono::milliseconds before)
{
    start_ = std::chrono::steady_clock::now();
    before_ = before;
    recorded_ = false;
}

std::chrono::milliseconds GameRecorder::TimePlayed() const
{
    return before_ + std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
}

void GameRecorder::Replaced(Way played, const GameTally& tally, std::int32_t score)
{
    if (tally.Moves > 0)
        Record(played, tally, score, false);
}

void GameRecorder::Record(Way played, const GameTally& tally, std::int32_t score, bool ended)
{
    if (recorded_ || !log_)
        return;
    recorded_ = true;
    GameRecord record;
    record.When = static_cast<std::int64_t>(std::time(nullptr));
    record.Played = played;
    record.Deal = tally.Deal;
    record.Score = score;
    record.Moves = tally.Moves;
    record.Lines = tally.Lines;
    record.LongestCascade = tally.LongestCascade;
    record.Seconds = std::chrono::duration_cast<std::chrono::seconds>(TimePlayed()).count();
    record.UndoUsed = tally.UndoUsed;
    record.Ended = ended;
    if (const auto problem = log_->Record(record))
        ShowError(QCoreApplication::translate("Statistics",
                                              "Your games cannot be counted: the game log %1 cannot be written (%2). "
                                              "The game plays on")
                      .arg(QString::fromStdString(problem->File.string()),
                           QString::fromLocal8Bit(std::strerror(problem->Error))));
}

} // namespace tumbaro
