#include "error_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tumbaro {

namespace {

// Every form an error message takes; %1 and %2 stand for what it names.
constexpr const char* Forms[] = {
    QT_TRANSLATE_NOOP("Errors", "Cannot open file %1"),
    QT_TRANSLATE_NOOP("Errors", "Cannot create file %1"),
    QT_TRANSLATE_NOOP("Errors", "Cannot read picture %1: no JPEG library"),
    QT_TRANSLATE_NOOP("Errors", "Cannot read picture %1: out of memory"),
    QT_TRANSLATE_NOOP("Errors", "Cannot read picture %1: %2"),
    QT_TRANSLATE_NOOP("Errors", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("Errors", "List index out of bounds (%1)"),
    QT_TRANSLATE_NOOP("Errors", "Invalid data type for '%1'"),
    QT_TRANSLATE_NOOP("Errors", "Failed to set data for '%1'"),
};

QRegularExpression Pattern(const QString& form)
{
    QString pattern = QRegularExpression::escape(form);
    pattern.replace(QStringLiteral("%1"), QStringLiteral("(.*)")).replace(QStringLiteral("%2"), QStringLiteral("(.*)"));
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

QString TranslatedError(const QString& message)
{
    for (const char* form : Forms) {
        const QString english = QString::fromLatin1(form);
        const QString translated = QCoreApplication::translate("Errors", form);
        if (translated == english)
            continue;
        const QRegularExpressionMatch match = Pattern(english).match(message);
        if (!match.hasMatch())
            continue;
        QString text = translated;
        for (int k = 1; k <= match.lastCapturedIndex(); ++k)
            text.replace(QStringLiteral("%") + QString::number(k), match.captured(k));
        return text;
    }
    return message;
}

} // namespace tumbaro
