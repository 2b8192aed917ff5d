#pragma once
// The small modal window that congratulates the player on a high score and
// takes the name to enter; the name is left in the string given at creation.

#include <string>

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tumbaro {

class THScore : public QDialog {
    Q_OBJECT

public:
    // `playerName` must outlive the dialog; only the OK button writes it.
    explicit THScore(std::string& playerName, QWidget* parent = nullptr);

    void FormActivate();
    void Button1Click();
    // Takes the name as typed so far, as OK would, without closing: for an
    // entry that must be made while the dialog is still open.
    void TakeTypedName();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CentreOnScreen();

    std::string& playerName_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QPushButton* Button1;
};

} // namespace tumbaro
