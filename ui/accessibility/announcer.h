#pragma once
// The voice of the window for a screen reader: a sentence is said by showing
// it as a notification inside a status bar. Screen readers speak such a
// notification as it appears, whatever has the focus, and Orca keeps it in
// its list of notifications. Neither control draws anything: the window looks
// the same with or without a screen reader.

#include <QObject>


class QAccessibleEvent;
class QWidget;

namespace tumbaro {

class Announcer : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Says `text` now; the same sentence twice is said twice.
    void Say(const QString& text);

signals:
    void Said(const QString& text);

private:
    QWidget* note_;
};

} // namespace tumbaro
