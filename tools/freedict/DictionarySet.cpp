#include "DictionarySet.h"

#include "Catalogue.h"
#include "DictionaryFormat.h"
#include "DictdDatabase.h"
#include "DingSource.h"
#include "FileSave.h"
#include "FormTableFile.h"
#include "FreedictSource.h"
#include "FunctionWords.h"
#include "GermanGrammar.h"
#include "Glossary.h"
#include "Pivot.h"
#include "TextFile.h"

#include <QFileInfo>

#include <algorithm>

#include <cstdio>

namespace ortelia {

namespace {

const QString kForeignOwnersHeader = QStringLiteral("# sorted: foreign word;German key, in byte order of UTF-8");

struct Pair {
    const char *fileName;
    const char *code; // FreeDict's language code
    bool reverse;     // FreeDict has X-German too
    FunctionWords::Language language;
    int pivot; // the pair's language among the pivot's, or -1
};

const Pair kPairs[] = {{"DeFr.txt", "fra", true, FunctionWords::French, 0},
                       {"DeIt.txt", "ita", true, FunctionWords::Italian, 1},
                       {"DeSp.txt", "spa", true, FunctionWords::Spanish, 2},
                       {"DeGr.txt", "ell", false, FunctionWords::Greek, -1}};

// German keys of more words are descriptions in the X-German dictionaries, not words one types.
constexpr int kMaxPivotKeyWords = 3;
// Lines of the Ding list that hold a German word before its first translation may be chosen
// through the pivot: the words the user meets most, where the small dictionaries' order matters.
constexpr int kCommonGermanLines = 20;

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

// One pair's FreeDict databases: German-X, X-German (where FreeDict has it) and English-X.
struct PairDatabases {
    QStringList own;
    QStringList reverse;
    QStringList english;
};

std::optional<PairDatabases> readPair(const QString &dictdDir, const Pair &pair, QString &error)
{
    const QString code = QString::fromLatin1(pair.code);
    PairDatabases read;
    const std::optional<QStringList> own = database(dictdDir, QStringLiteral("deu-") + code);
    if (!own) {
        error = QStringLiteral("FreeDict deu-%1 fehlt.").arg(code);
        return std::nullopt;
    }
    read.own = *own;
    if (pair.reverse) {
        const std::optional<QStringList> reverse = database(dictdDir, code + QStringLiteral("-deu"));
        if (!reverse) {
            error = QStringLiteral("FreeDict %1-deu fehlt.").arg(code);
            return std::nullopt;
        }
        read.reverse = *reverse;
    }
    read.english = database(dictdDir, QStringLiteral("eng-") + code).value_or(QStringList());
    return read;
}

QHash<QString, QStringList> englishTable(const QStringList &englishToForeign,
                                         const QStringList &foreignToEnglish = QStringList())
{
    QHash<QString, QStringList> table;
    FreedictSource::addEnglishTranslations(table, englishToForeign, false);
    QHash<QString, QStringList> reversed;
    FreedictSource::addEnglishTranslations(reversed, foreignToEnglish, true);
    for (auto it = reversed.begin(); it != reversed.end(); ++it) {
        if (!table.contains(it.key()))
            table.insert(it.key(), it.value());
    }
    return table;
}

Pivot::Language pivotLanguage(const PairDatabases &databases)
{
    Pivot::Language language;
    FreedictSource::addGermanTranslations(language.germanToForeign, databases.own, false);
    FreedictSource::addGermanTranslations(language.germanToForeign, databases.reverse, true);
    FreedictSource::addForeignToEnglish(language.foreignToEnglish, databases.english);
    return language;
}

// A phrase the pivot answers as one of its words ("wert sein": be) lost the rest of its English
// in a source.
bool answersOneOfItsWords(const Pivot &pivot, const QString &german, const QString &english)
{
    const QStringList words = german.split(QLatin1Char(' '));
    return words.size() > 1 && std::any_of(words.begin(), words.end(), [&](const QString &word) {
               return pivot.agreedEnglish(word).compare(english, Qt::CaseInsensitive) == 0;
           });
}

// German words the Ding list lacks, with the English word two other languages agree on. The Ding
// list holds a reflexive verb without "sich".
void addPivotWords(Glossary &english, const Pivot &pivot)
{
    const QString reflexive = QStringLiteral("sich ");
    for (const QString &german : pivot.germanWords()) {
        if (english.contains(german) || german.count(QLatin1Char(' ')) >= kMaxPivotKeyWords ||
            (german.startsWith(reflexive) && english.contains(german.mid(reflexive.size()))))
            continue;
        Candidate c;
        c.text = pivot.agreedEnglish(german);
        c.source = Source::Pivot;
        // Not a plain sense: the Ding list's word for the English one stays its owner.
        c.sense = 1;
        if (!c.text.isEmpty() && !answersOneOfItsWords(pivot, german, c.text))
            english.add(german, c);
    }
}

// A common German word's sense first where every other language leads to it and the Ding list
// gives it in a general sense: "verstehen" understand (not "get"), "Zug" train. Two of three
// languages agree on learned words too often ("zeigen" indicate, "Lehrer" instructor).
void preferAgreedEnglish(Glossary &english, const Pivot &pivot)
{
    // Three languages agreeing are evidence enough for a word of few lines ("Gabel" fork).
    constexpr int kFewLines = 5;
    for (const QString &german : pivot.germanWords()) {
        if (german.contains(QLatin1Char(' ')) || english.evidence().germanCount(german) < kFewLines)
            continue;
        Candidate c;
        c.text = pivot.answer(0, german);
        c.source = Source::Pivot;
        bool all = !c.text.isEmpty();
        for (int language = 1; all && language < pivot.languageCount(); ++language)
            all = pivot.answer(language, german).compare(c.text, Qt::CaseInsensitive) == 0;
        if (all && english.useOf(german, c.text) == Glossary::Use::General &&
            english.hasOneWordClassFor(german, c.text))
            english.add(german, c);
    }
}

// A common German word's translation first where the Ding list and the two other languages lead
// to the same English word and the pair's dictionaries give a word for it.
void preferAgreedWords(Glossary &glossary, const Glossary &english, const Pivot &pivot, int language)
{
    for (const QString &german : pivot.germanWords()) {
        // A phrase's English first translation is often only one of its words.
        if (german.contains(QLatin1Char(' ')) || english.evidence().germanCount(german) < kCommonGermanLines)
            continue;
        const QString agreed = pivot.agreedEnglish(german, language);
        if (agreed.isEmpty() || agreed.compare(english.firstTranslation(german), Qt::CaseInsensitive) != 0)
            continue;
        Candidate c;
        c.text = pivot.foreignFor(language, german, agreed);
        c.source = Source::Pivot;
        if (!c.text.isEmpty())
            glossary.add(german, c);
    }
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
    if (!result.error.isEmpty())
        return result.error;
    std::printf("%s: %d Einträge, %d im Zusatz\n", qPrintable(fileName), result.keys, result.furtherKeys);
    const SaveResult saved = saveFile(outDir + QLatin1Char('/') + foreignOwnersName(fileName),
                                      FormTableFile::text(glossary.foreignOwnerLines(), kForeignOwnersHeader));
    return saved ? QString() : saved.message();
}

// The grammar table beside the dictionaries: the Ding list's grammar, the pronunciations of FreeDict
// German-English first, then of the other pairs' German-X databases.
QString writeGrammar(GermanGrammar &grammar, const Glossary &english, const QString &dictdDir,
                     const std::vector<PairDatabases> &pairs, const QString &outDir)
{
    grammar.addPronunciations(database(dictdDir, QStringLiteral("deu-eng")).value_or(QStringList()));
    for (const PairDatabases &databases : pairs)
        grammar.addPronunciations(databases.own);
    const auto nounFirst = [&english](const QString &key) { return english.firstWordClass(key) == WordClass::Noun; };
    const SaveResult saved = saveFile(outDir + QStringLiteral("/Grammatik.tab"),
                                      FormTableFile::text(grammar.lines(nounFirst), GermanGrammar::kHeader));
    return saved ? QString() : saved.message();
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
    GermanGrammar grammar;
    if (DingSource::add(english, transPath, error, &grammar) < 0)
        return error;
    functionWords->addTo(english, FunctionWords::English);

    std::vector<PairDatabases> pairDatabases;
    std::vector<Pivot::Language> pivotLanguages;
    for (const Pair &pair : kPairs) {
        std::optional<PairDatabases> read = readPair(dictdDir, pair, error);
        if (!read)
            return error;
        if (pair.pivot >= 0)
            pivotLanguages.push_back(pivotLanguage(*read));
        pairDatabases.push_back(std::move(*read));
    }
    const Pivot pivot(std::move(pivotLanguages),
                      [&english](const QString &word) { return english.evidence().foreignCount(word); });
    preferAgreedEnglish(english, pivot);
    addPivotWords(english, pivot);

    error = written(english, *forms, outDir, QStringLiteral("DeEn.txt"));
    if (!error.isEmpty())
        return error;
    // Only the German-English source marks parts of speech.
    const QString wordClasses = outDir + QLatin1Char('/') + wordClassesName(QStringLiteral("DeEn.txt"));
    if (!TextFile::writeLines(wordClasses, english.wordClassLines(*forms)))
        return QStringLiteral("%1 kann nicht geschrieben werden.").arg(wordClasses);
    // The form tables beside TranslateDeGb, with the forms the German-English list gives.
    error = FormTableFile::writeAll(english, formsPath, QFileInfo(outDir).path());
    if (!error.isEmpty())
        return error;

    error = writeGrammar(grammar, english, dictdDir, pairDatabases, outDir);
    if (!error.isEmpty())
        return error;

    for (size_t i = 0; i < std::size(kPairs); ++i) {
        const Pair &pair = kPairs[i];
        const PairDatabases &databases = pairDatabases[i];
        Glossary glossary;
        glossary.countGermanWordsAlso(&english.evidence());
        FreedictSource::addGerman(glossary, databases.own);
        FreedictSource::addInverted(glossary, databases.reverse);
        functionWords->addTo(glossary, pair.language);
        if (pair.pivot >= 0)
            preferAgreedWords(glossary, english, pivot, pair.pivot);
        bridge(glossary, english, englishTable(databases.english));
        error = written(glossary, *forms, outDir, QString::fromLatin1(pair.fileName));
        if (!error.isEmpty())
            return error;
    }

    Glossary arabic;
    arabic.countGermanWordsAlso(&english.evidence());
    bridge(arabic, english,
           englishTable(database(dictdDir, QStringLiteral("eng-ara")).value_or(QStringList()),
                        database(dictdDir, QStringLiteral("ara-eng")).value_or(QStringList())));
    if (arabic.empty())
        return QStringLiteral("FreeDict eng-ara und ara-eng fehlen.");
    return written(arabic, *forms, outDir, QStringLiteral("Deutsch-Arabisch.txt"));
}

} // namespace ortelia
