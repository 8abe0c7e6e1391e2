#include "DictionarySet.h"

#include "Catalogue.h"
#include "DictionaryFormat.h"
#include "DictdDatabase.h"
#include "DingSource.h"
#include "FormTableFile.h"
#include "FreedictSource.h"
#include "FunctionWords.h"
#include "Glossary.h"
#include "TextFile.h"

#include <QFileInfo>

#include <cstdio>

namespace ortelia {

namespace {

struct Pair {
    const char *fileName;
    const char *code; // FreeDict's language code
    bool reverse;     // FreeDict has X-German too
    FunctionWords::Language language;
};

std::optional<QStringList> database(const QString &dictdDir, const QString &name)
{
    const QString base = dictdDir + QStringLiteral("/freedict-") + name;
    QString error;
    std::optional<QStringList> entries =
        readDictdEntries(base + QStringLiteral(".index"), base + QStringLiteral(".dict.dz"), error);
    if (!entries)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return entries;
}

QHash<QString, QStringList> englishTable(const QString &dictdDir, const QString &code, bool alsoReversed)
{
    QHash<QString, QStringList> table;
    if (const auto entries = database(dictdDir, QStringLiteral("eng-") + code))
        FreedictSource::addEnglishTranslations(table, *entries, false);
    if (!alsoReversed)
        return table;
    QHash<QString, QStringList> reversed;
    if (const auto entries = database(dictdDir, code + QStringLiteral("-eng")))
        FreedictSource::addEnglishTranslations(reversed, *entries, true);
    for (auto it = reversed.begin(); it != reversed.end(); ++it) {
        if (!table.contains(it.key()))
            table.insert(it.key(), it.value());
    }
    return table;
}

// Words the pair lacks, through their English first translation when that is the everyday
// English word for them and English-X knows exactly one translation of it.
void bridge(Glossary &glossary, const Glossary &english, const QHash<QString, QStringList> &table)
{
    for (const QString &key : english.keys()) {
        if (glossary.contains(key) || !english.ownsFirstTranslation(key))
            continue;
        const QStringList found = table.value(english.firstTranslation(key).toLower());
        if (found.size() != 1)
            continue;
        Candidate c;
        c.text = found.first();
        c.source = Source::Bridge;
        glossary.add(key, c);
    }
}

QString written(Glossary &glossary, const FormTable &forms, const QString &outDir, const QString &fileName)
{
    glossary.leaveOutForms(forms);
    glossary.finish();
    const GlossaryResult result =
        glossary.write(outDir + QLatin1Char('/') + fileName, catalogueEntry(fileName).languageName,
                       kMaxImportedKeys, outDir + QLatin1Char('/') + supplementName(fileName));
    if (result.error.isEmpty())
        std::printf("%s: %d Einträge, %d im Zusatz\n", qPrintable(fileName), result.keys, result.furtherKeys);
    return result.error;
}

} // namespace

QString importDictionarySet(const QString &dictdDir, const QString &transPath, const QString &formsPath,
                            const QString &functionWordsPath, const QString &outDir)
{
    QString error;
    const std::optional<FormTable> forms = FormTable::read(formsPath, error);
    if (!forms)
        return error;
    const std::optional<FunctionWords> functionWords = FunctionWords::read(functionWordsPath, error);
    if (!functionWords)
        return error;
    Glossary english;
    if (DingSource::add(english, transPath, error) < 0)
        return error;
    functionWords->addTo(english, FunctionWords::English);
    error = written(english, *forms, outDir, QStringLiteral("DeEn.txt"));
    if (!error.isEmpty())
        return error;
    // Only the German-English source marks parts of speech.
    const QString wordClasses = outDir + QLatin1Char('/') + wordClassesName(QStringLiteral("DeEn.txt"));
    if (!TextFile::writeLines(wordClasses, english.wordClassLines()))
        return QStringLiteral("%1 kann nicht geschrieben werden.").arg(wordClasses);
    // The form tables beside TranslateDeGb, with the forms the German-English list gives.
    error = FormTableFile::writeAll(english, formsPath, QFileInfo(outDir).path());
    if (!error.isEmpty())
        return error;

    for (const Pair &pair : {Pair{"DeFr.txt", "fra", true, FunctionWords::French},
                             Pair{"DeIt.txt", "ita", true, FunctionWords::Italian},
                             Pair{"DeSp.txt", "spa", true, FunctionWords::Spanish},
                             Pair{"DeGr.txt", "ell", false, FunctionWords::Greek}}) {
        const QString code = QString::fromLatin1(pair.code);
        Glossary glossary;
        glossary.countGermanWordsAlso(&english.evidence());
        const std::optional<QStringList> own = database(dictdDir, QStringLiteral("deu-") + code);
        if (!own)
            return QStringLiteral("FreeDict deu-%1 fehlt.").arg(code);
        FreedictSource::addGerman(glossary, *own);
        if (pair.reverse) {
            const std::optional<QStringList> reverse = database(dictdDir, code + QStringLiteral("-deu"));
            if (!reverse)
                return QStringLiteral("FreeDict %1-deu fehlt.").arg(code);
            FreedictSource::addInverted(glossary, *reverse);
        }
        functionWords->addTo(glossary, pair.language);
        bridge(glossary, english, englishTable(dictdDir, code, false));
        error = written(glossary, *forms, outDir, QString::fromLatin1(pair.fileName));
        if (!error.isEmpty())
            return error;
    }

    Glossary arabic;
    arabic.countGermanWordsAlso(&english.evidence());
    bridge(arabic, english, englishTable(dictdDir, QStringLiteral("ara"), true));
    if (arabic.empty())
        return QStringLiteral("FreeDict eng-ara und ara-eng fehlen.");
    return written(arabic, *forms, outDir, QStringLiteral("Deutsch-Arabisch.txt"));
}

} // namespace ortelia
