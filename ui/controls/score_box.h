#pragma once
// The score box: one line of text, centred, in a sunken panel. At rest it
// draws the line itself, and the steady text cursor after it while it has the
// focus, as it has when the window opens; the read-only text editor that lets
// a player select and copy the score is built when the player reaches for it.

#include "ui/controls/on_demand_control.h"

class QTextEdit;

namespace tumbaro {

class ScoreBox : public OnDemandControl {
public:
    explicit ScoreBox(QWidget* parent);

    QString Text() const { return text_; }
    void SetText(const QString& text);

protected:
    QAbstractScrollArea* CreateReal() override;
    bool ShowsFocusAtRest() const override { return true; }
    void PaintContents(QPainter& painter, const QRect& inside) override;

private:
    QTextEdit* Edit() const;

    QString text_;
};

} // namespace tumbaro
