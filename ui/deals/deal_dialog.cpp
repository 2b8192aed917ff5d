#include "ui/deals/deal_dialog.h"

#include "deals/game_proof.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tumbaro {

namespace {

QString FaultText(DealNumberFault fault, const QString& text)
{
    switch (fault) {
    case DealNumberFault::Empty:
        return QCoreApplication::translate("Deals", "Type the number of a deal, from 0 to 4294967295.");
    case DealNumberFault::TooLarge:
        return QCoreApplication::translate("Deals", "%1 is too large: deal numbers go from 0 to 4294967295.").arg(text);
    default:
        return QCoreApplication::translate("Deals", "“%1” is not a deal number: type only the digits 0 to 9.")
            .arg(text);
    }
}

} // namespace

std::optional<DealNumber> AskDealNumber(QWidget* parent, DealNumber current)
{
    const QString title = QCoreApplication::translate("Deals", "Deal number");
    bool accepted = false;
    const QString text = QInputDialog::getText(
        parent, title, QCoreApplication::translate("Deals", "Play the deal numbered (0 to 4294967295):"),
        QLineEdit::Normal, QString::number(current), &accepted);
    if (!accepted)
        return std::nullopt;
    const QByteArray digits = text.trimmed().toUtf8();
    const DealNumberParse parse = ParseDealNumber(std::string_view(digits.constData(), std::size_t(digits.size())));
    if (!parse.Number)
        QMessageBox::warning(parent, title, FaultText(parse.Fault, text));
    return parse.Number;
}

QString GameLine(const Game& game)
{
    const GameTally& tally = game.Tally();
    GameProof proof{game.CurrentWay(), tally.Deal, tally.Steps, game.State().Score};
    if (game.Animating() && !proof.Steps.empty()) {
        proof.Steps.pop_back();
        proof.Score = game.State().UndoScore;
    }
    return QString::fromStdString(WriteProof(proof));
}

} // namespace tumbaro
