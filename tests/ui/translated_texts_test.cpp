// Every language's own words where the game shows them: each error message
// with what it names in place, the name box's lines whole inside the box,
// and a help page, the one F1 opens, that names every key of the game as
// the game's translation names it.

#include "engine/game_error.h"
#include "scores/name_dialog.h"
#include "ui/languages/error_texts.h"
#include "ui/pictures/jpeg_loader.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMetaEnum>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

QStringList Languages()
{
    const QStringList codes = QDir(QStringLiteral(":/languages")).entryList(QDir::Dirs);
    if (codes.size() < 8)
        throw std::runtime_error("the translations are not all there");
    return codes;
}

// One language's translation over the German one the tests start with.
class InLanguage {
public:
    explicit InLanguage(const QString& code)
    {
        if (!code.isEmpty() && translation_.load(QStringLiteral(":/languages/%1/tumbaro.qm").arg(code)))
            QCoreApplication::installTranslator(&translation_);
    }
    ~InLanguage() { QCoreApplication::removeTranslator(&translation_); }

private:
    QTranslator translation_;
};

QString Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

// The error forms of a translation file, English and translated.
QList<QPair<QString, QString>> ErrorForms(const QString& code)
{
    QXmlStreamReader xml(Read(QStringLiteral(TUMBARO_SOURCE_DIR "/translations/tumbaro_%1.ts").arg(code)));
    QList<QPair<QString, QString>> forms;
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && context == u"Errors")
            forms.append({source, xml.readElementText()});
    }
    return forms;
}

QString Filled(QString form)
{
    // A name full of what a pattern would take for its own signs.
    return form.replace(QStringLiteral("%1"), QStringLiteral("C:\\Spiele (alt)/b1+[2].jpg"))
        .replace(QStringLiteral("%2"), QStringLiteral("Not a JPEG file: starts with 0x89 0x50"));
}

TEST(TranslatedErrors, EveryMessageIsShownInEveryLanguageWithWhatItNames)
{
    for (const QString& code : Languages()) {
        InLanguage language(code);
        const auto forms = ErrorForms(code);
        ASSERT_GE(forms.size(), 10) << code.toStdString();
        for (const auto& [english, translated] : forms)
            EXPECT_EQ(tumbaro::TranslatedError(Filled(english)).toStdString(), Filled(translated).toStdString());
    }
}

TEST(TranslatedErrors, AMissingBackgroundIsNamedInGermanAndRussian)
{
    QTemporaryDir empty;
    const QString before = QDir::currentPath();
    QDir::setCurrent(empty.path());
    const std::pair<const char*, QString> cases[] = {
        {"de", QStringLiteral("Die Datei b1.jpg lässt sich nicht öffnen")},
        {"ru", QStringLiteral("Не удаётся открыть файл b1.jpg")},
    };
    for (const auto& [code, expected] : cases) {
        InLanguage language(QString::fromLatin1(code));
        try {
            tumbaro::LoadJpegFile(QStringLiteral("b1.jpg"));
            ADD_FAILURE() << "b1.jpg opened";
        } catch (const tumbaro::GameError& error) {
            EXPECT_EQ(tumbaro::TranslatedError(QString::fromStdString(error.what())).toStdString(), expected.toStdString());
        }
    }
    QDir::setCurrent(before);
}

TEST(TranslatedDialogs, EveryLineOfTheNameBoxIsWholeInEveryLanguage)
{
    for (const QString& code : Languages()) {
        InLanguage language(code);
        std::string name;
        tumbaro::THScore box(name);
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            const std::string what = code.toStdString() + " " + label->text().toStdString();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width()) << what;
            EXPECT_TRUE(box.rect().contains(label->geometry())) << what;
        }
        const auto* ok = box.findChild<QPushButton*>(QStringLiteral("Button1"));
        EXPECT_LT(ok->fontMetrics().horizontalAdvance(ok->text()), ok->width() - 8) << code.toStdString();
    }
}

// The game's key table, read from where the game keeps it.
QList<QKeySequence> GameKeys()
{
    const QString source = Read(QStringLiteral(TUMBARO_SOURCE_DIR "/ui/input/shortcuts.cpp"));
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    QList<QKeySequence> found;
    static const QRegularExpression binding(QStringLiteral(R"(\{Qt::(Key_\w+), (true|false), Action::)"));
    for (auto it = binding.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto key = static_cast<Qt::Key>(keys.keyToValue(m.captured(1).toLatin1()));
        found.append(QKeySequence(QKeyCombination(m.captured(2) == u"true" ? Qt::ControlModifier : Qt::NoModifier, key)));
    }
    return found;
}

TEST(HelpPages, EveryLanguageHasItsPageAndItNamesEveryKey)
{
    const QList<QKeySequence> keys = GameKeys();
    ASSERT_GE(keys.size(), 20) << "the key table has moved";
    QStringList codes = Languages();
    codes.prepend(QString()); // English, whose words are Qt's own
    for (const QString& code : codes) {
        InLanguage language(code);
        const QString page = code.isEmpty() ? QStringLiteral("Help/Vendrask.html")
                                            : QCoreApplication::translate("HelpPage", "Help/Vendrask.html");
        const QString lang = code.isEmpty() ? QStringLiteral("en") : QString(code).replace('_', '-');
        EXPECT_EQ(page.toStdString(), QStringLiteral("Help/Vendrask%1.html").arg(code.isEmpty() ? "" : "." + code).toStdString());
        const QString text = Read(QStringLiteral(TUMBARO_SOURCE_DIR "/assets/runtime/") + page);
        EXPECT_TRUE(text.contains(QStringLiteral("<html lang=\"%1\">").arg(lang))) << page.toStdString();
        for (const QKeySequence& key : keys) {
            const QString name = key.toString(code.isEmpty() ? QKeySequence::PortableText : QKeySequence::NativeText);
            EXPECT_TRUE(text.contains(QStringLiteral("<kbd>%1</kbd>").arg(name.toHtmlEscaped())))
                << page.toStdString() << " never names " << name.toStdString();
        }
    }
}

} // namespace
