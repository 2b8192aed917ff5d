#include "ui/errors/error_display.h"

#include "ui/languages/error_texts.h"

#include <QFont>
#include <QMessageBox>


namespace tumbaro {

QString ErrorText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowError(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), ErrorText(TranslatedError(message)),
                    QMessageBox::Ok);
    box.exec();
}

TumbaroApplication::TumbaroApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TumbaroApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = true;
    ShowErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

} // namespace tumbaro
