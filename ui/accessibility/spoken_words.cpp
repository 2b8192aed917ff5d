#include "ui/accessibility/spoken_words.h"

#include "ui/accessibility/ball_names.h"

#include <QCoreApplication>
#include <QStringList>

namespace tumbaro::spoken {

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("Spoken", text); }

QString Line(int scheme, const RemovedLine& line)
{
    //: %1 is the ball, as "pink sphere"; %2 the points.
    const char* const byLength[] = {QT_TRANSLATE_NOOP("Spoken", "Line of three: %1, %2 points."),
                                    QT_TRANSLATE_NOOP("Spoken", "Line of four: %1, %2 points."),
                                    QT_TRANSLATE_NOOP("Spoken", "Line of five: %1, %2 points.")};
    const int k = line.Length >= 5 ? 2 : line.Length == 4 ? 1 : 0;
    return Translated(byLength[k]).arg(BallName(scheme, line.Colour)).arg(line.Points);
}

QString Score(std::int32_t score) { return Translated(QT_TRANSLATE_NOOP("Spoken", "Score %1.")).arg(score); }

} // namespace

QString MoveReport(int scheme, const std::vector<RemovedLine>& lines, std::int32_t score)
{
    QStringList sentences;
    int cascade = 0;
    for (const RemovedLine& line : lines) {
        if (line.Cascade != cascade) {
            cascade = line.Cascade;
            //: A cascade: lines that formed by themselves after the balls fell.
            sentences << Translated(QT_TRANSLATE_NOOP("Spoken", "Cascade %1.")).arg(cascade);
        }
        sentences << Line(scheme, line);
    }
    sentences << Score(score);
    return sentences.join(QLatin1Char(' '));
}

QString Refused(Refusal why)
{
    return why == Refusal::NoLine ? Translated(QT_TRANSLATE_NOOP("Spoken", "No line, not swapped."))
                                  : Translated(QT_TRANSLATE_NOOP("Spoken", "Not neighbours, not swapped."));
}

QString Undone(std::int32_t score)
{
    return Translated(QT_TRANSLATE_NOOP("Spoken", "Move taken back.")) + QLatin1Char(' ') + Score(score);
}

QString NewGame() { return Translated(QT_TRANSLATE_NOOP("Spoken", "New game.")); }

QString Scheme(int scheme)
{
    const char* const names[] = {QT_TRANSLATE_NOOP("Spoken", "Spheres."), QT_TRANSLATE_NOOP("Spoken", "Cones."),
                                 QT_TRANSLATE_NOOP("Spoken", "Rings.")};
    return Translated(names[scheme >= 1 && scheme <= 3 ? scheme - 1 : 0]);
}

QString Hint(const QString& first, const QString& second)
{
    //: %1 and %2 are cells as the cursor reads them, "Row 4, column 5: pink sphere".
    return Translated(QT_TRANSLATE_NOOP("Spoken", "Hint: swap %1 with %2.")).arg(first, second);
}

QString Sound(bool on)
{
    return on ? Translated(QT_TRANSLATE_NOOP("Spoken", "Sound on.")) : Translated(QT_TRANSLATE_NOOP("Spoken", "Sound off."));
}

QString Symbols(bool on)
{
    return on ? Translated(QT_TRANSLATE_NOOP("Spoken", "Symbols on.")) : Translated(QT_TRANSLATE_NOOP("Spoken", "Symbols off."));
}

QString GameEnd(std::int32_t score, int place)
{
    if (place < 1)
        return Translated(QT_TRANSLATE_NOOP("Spoken", "No moves left. Score %1.")).arg(score);
    return Translated(QT_TRANSLATE_NOOP("Spoken", "No moves left. Score %1, place %2 in the table."))
        .arg(score)
        .arg(place);
}

QString NameBoxTitle() { return Translated(QT_TRANSLATE_NOOP("Spoken", "New high score")); }

QString GameOverTitle() { return Translated(QT_TRANSLATE_NOOP("Spoken", "Game over")); }

} // namespace tumbaro::spoken
