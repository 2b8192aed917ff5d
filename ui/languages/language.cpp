#include "language.h"

#include "ui/pictures/picture_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tumbaro {

// The translations' texts and pictures, built into the program and handed
// to Qt only when a translation is taken (languages_blob.cpp).
void RegisterLanguageResources();

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& available)
{
    for (QString wanted : uiLanguages) {
        wanted.replace('-', '_');
        const QString language = wanted.section('_', 0, 0).toLower();
        if (language.isEmpty() || language == u"c" || language == u"posix" || language == u"en")
            return {};
        if (available.contains(wanted))
            return wanted;
        for (const QString& code : available)
            if (code.section('_', 0, 0) == language)
                return code;
    }
    return {};
}

QString InstallLanguage()
{
    const QString code = ChooseLanguage(QLocale::system().uiLanguages(),
                                        QString::fromLatin1(TUMBARO_LANGUAGES).split(',', Qt::SkipEmptyParts));
    if (code.isEmpty())
        return {};
    RegisterLanguageResources();
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(QStringLiteral(":/languages/%1/tumbaro.qm").arg(code)))
        QCoreApplication::installTranslator(own);
    // Qt's own words (the dialogs' Yes, No, OK) where the desktop has them.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    SetPictureLanguage(code);
    return code;
}

} // namespace tumbaro
