#include "picture_language.h"

#include <QFile>

namespace tumbaro {

namespace {
QString& Language()
{
    static QString code;
    return code;
}
} // namespace

void SetPictureLanguage(const QString& code) { Language() = code; }

const QString& PictureLanguage() { return Language(); }

QString InPictureLanguage(const QString& path)
{
    if (Language().isEmpty())
        return path;
    // ":/controls/Image10.png" -> ":/languages/de/controls/Image10.png"; the
    // list pictures drop their "lists/" folder there.
    QString inner = path.mid(2);
    if (inner.startsWith(QStringLiteral("lists/")))
        inner = inner.mid(6);
    const QString translated = QStringLiteral(":/languages/%1/%2").arg(Language(), inner);
    return QFile::exists(translated) ? translated : path;
}

} // namespace tumbaro
