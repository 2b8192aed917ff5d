#include "picture_words.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <stdexcept>

namespace tumbaro::assetgen {

namespace {

// The source texts, marked for the translation tools; "Hight Score" is how
// the heading has always been spelt.
const char* const HeadingSource = QT_TRANSLATE_NOOP("Pictures", "Hight Score");
const char* const SchemeSource = QT_TRANSLATE_NOOP("Pictures", "SCHEME");
const char* const NewGameSource = QT_TRANSLATE_NOOP("Pictures", "NEW");
const char* const UndoSource = QT_TRANSLATE_NOOP("Pictures", "UNDO");

// Source text to translation within the "Pictures" context of one file.
QHash<QString, QString> PictureContext(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    QHash<QString, QString> words;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && context == u"Pictures") {
            const bool finished = xml.attributes().value("type").isEmpty();
            const QString text = xml.readElementText();
            if (finished && !text.isEmpty())
                words.insert(source, text);
        }
    }
    if (xml.hasError())
        throw std::runtime_error(path.toStdString() + ": " + xml.errorString().toStdString());
    return words;
}

} // namespace

PictureWords EnglishWords() { return {HeadingSource, SchemeSource, NewGameSource, UndoSource}; }

std::map<QString, PictureWords> TranslatedWords(const QString& folder)
{
    std::map<QString, PictureWords> languages;
    const QStringList files = QDir(folder).entryList({"tumbaro_*.ts"}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QHash<QString, QString> words = PictureContext(folder + "/" + name);
        const PictureWords english = EnglishWords();
        auto word = [&](const QString& source) { return words.value(source, source); };
        const QString code = name.mid(8, name.size() - 8 - 3);  // tumbaro_<code>.ts
        languages[code] = {word(english.heading), word(english.scheme), word(english.newGame), word(english.undo)};
    }
    return languages;
}

} // namespace tumbaro::assetgen
