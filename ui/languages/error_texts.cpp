#include "error_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tumbaro {

namespace {

// Every form an error message takes; %1 and %2 stand for what it names.
constexpr const char* Forms[] = {
    QT_TRANSLATE_NOOP("Errors", "Cannot open file %1"),
    QT_TRANSLATE_NOOP("Errors", "Cannot create file %1"),
    QT_TRANSLATE_NOOP("Errors", "Cannot lock file %1"),
    QT_TRANSLATE_NOOP("Errors", "Cannot read picture %1: no JPEG library"),
    QT_TRANSLATE_NOOP("Errors", "Cannot read picture %1: out of memory"),
    QT_TRANSLATE_NOOP("Errors", "Cannot read picture %1: %2"),
    QT_TRANSLATE_NOOP("Errors", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("Errors", "List index out of bounds (%1)"),
    QT_TRANSLATE_NOOP("Errors", "Invalid data type for '%1'"),
    QT_TRANSLATE_NOOP("Errors", "Failed to set data for '%1'"),
    QT_TRANSLATE_NOOP("Errors", "Invalid name for the high-score table"),
};

// The English form as a pattern: its words taken literally, each %N a
// capture. The words are escaped piece by piece between the placeholders,
// since escaping the whole form would escape the placeholders' % as well.
// A capture takes as little as it can: a picture's name ends at the first
// ": ", since the decoder's reason after it may hold one of its own ("Not a
// JPEG file: starts with ...").
QRegularExpression Pattern(const QString& form)
{
    static const QRegularExpression placeholder(QStringLiteral("%[12]"));
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(form); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        pattern += QRegularExpression::escape(form.mid(from, found.capturedStart() - from)) + QStringLiteral("(.*?)");
        from = found.capturedEnd();
    }
    pattern += QRegularExpression::escape(form.mid(from)) + QStringLiteral("$");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
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
