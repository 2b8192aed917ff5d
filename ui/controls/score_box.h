#pragma once
// The score box: one line of text, centred, in a sunken panel. The player
// may select and copy the score but not change it.

#include <QTextEdit>

namespace tumbaro {

class ScoreBox : public QTextEdit {
    Q_OBJECT
public:
    explicit ScoreBox(QWidget* parent);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& text);
};

} // namespace tumbaro
