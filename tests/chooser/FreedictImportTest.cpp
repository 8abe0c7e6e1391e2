#include "ChooserTests.h"

#include "DictionaryFile.h"
#include "DingSource.h"
#include "FormChoice.h"
#include "FormTableFile.h"
#include "FreedictImport.h"
#include "FunctionWords.h"
#include "GermanGrammar.h"
#include "GrammarTable.h"
#include "Pivot.h"
#include "TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

using namespace ortelia;

namespace {

QByteArray base64Number(qint64 value)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out;
    do {
        out.prepend(digits[value % 64]);
        value /= 64;
    } while (value > 0);
    return out;
}

// A dictd database: index lines "headword TAB offset TAB length" and the gzip-packed texts.
struct Database {
    QTemporaryDir dir;
    QString index() const { return dir.filePath(QStringLiteral("test.index")); }
    QString dict() const { return dir.filePath(QStringLiteral("test.dict.dz")); }
    QString out(const QString &name = QStringLiteral("DeEn.txt")) const { return dir.filePath(name); }
};

void makeDatabase(const Database &db, const QList<QPair<QString, QString>> &entries, const QByteArray &extraIndex = {})
{
    QByteArray data, index;
    for (const auto &[headword, text] : entries) {
        const QByteArray bytes = text.toUtf8();
        index += headword.toUtf8() + '\t' + base64Number(data.size()) + '\t' + base64Number(bytes.size()) + '\n';
        data += bytes;
    }
    index += extraIndex;
    QFile f(db.index());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(index);
    f.close();
    gzFile gz = gzopen(db.dict().toLocal8Bit().constData(), "wb");
    QVERIFY(gz);
    gzwrite(gz, data.constData(), unsigned(data.size()));
    gzclose(gz);
}

QStringList entryLines(const QString &path)
{
    const DictionarySections sections = readDictionarySections(path);
    if (sections.failure)
        return {QStringLiteral("FAILURE")};
    QStringList lines;
    for (const QStringList &section : sections.sections)
        lines << section;
    return lines;
}

} // namespace

void FreedictImportTest::importsKeysTranslationsAndOrder()
{
    Database db;
    makeDatabase(db, {
        {"", "00-database-info\nDescription of the database\n"},
        {"hallo", "Hallo! /hˈaloː/ <int>\nHello! <int>, Hi! <int> [Br.]\n   Synonyms: {Servus!}\n\n"},
        {"haus", "Haus /hˈaʊs/ <neut, n, sg>\n [adm.] establishment <n>, institution <n>\n"},
        {"haus", "Haus /hˈaʊs/ <neut, n, sg>\nhouse <n>, home\n      \"ein Haus bauen\"  - build a house\n"
                 "      \"Haus und Hof\"  - house and home\n"},
        {"haus", "Haus… /hˈaʊs/ <adj>\ndomestic <adj>\n"},
        {"schlag", "Schlag /ʃlak/\n1. blow 2.\nzu einem Zweck\n 3.\nnoch etwas\n2. stroke, beat\nanderes\n"},
        {"thema", "Thema /ˈteːma/\n [Thema; Frage] topic <n>; subject (matter) <n>\n"},
        {"aeneis", "'Aeneis' /x/\n'Aeneid'\n"},
        {"wurzel", "Wurzel /x/\n√2, root\n"},
        {"ärger", "Ärger /ˈɛʁɡɐ/\nanger, annoyance\n"},
        {"arm", "arm /arm/ <adj>\npoor\n"},
        {"ab fahren", "(ab)fahren /x/\nleave\n"},
        {"kaputt", "kaputt /x/\n"},
        {"ding", "Ding /x/\n   Synonym: {Sache}\n"},
    }, "weit\tZZZZZ\tB\nkaputt2\t!!\tB\n");
    const FreedictImportResult result = importFreedict(db.index(), db.dict(), db.out(), QStringLiteral("Englisch"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(!result.utf8);
    QCOMPARE(result.keys, 10);
    QCOMPARE(entryLines(db.out()), QStringList({
        "oberestextfeld;unterestextfeld;zusatztextfeld",
        "??;Deutsch;Englisch",
        "(ab)fahren;leave;",
        "aeneis;Aeneid;",
        "ärger;anger;annoyance",
        "arm;poor;",
        "hallo;hello;hi",
        "haus;house;home, establishment, institution, domestic",
        "schlag;blow;stroke, beat",
        "thema;topic;subject",
        "wurzel;root;",
    }));
    const QByteArray bytes = [&] {
        QFile f(db.out());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(bytes.contains("\xE4rger;anger"));  // Windows-1252
    QCOMPARE(bytes.count(QByteArray(8, '\\') + "\r\n"), 3);
    QVERIFY(bytes.endsWith("wurzel;root;\r\n"));

    // The command takes the language name from the catalogue when none is given.
    QCOMPARE(runImportFreedictCommand({db.index(), db.dict(), QStringLiteral("DeIt.txt")}, QDir(db.dir.path())), 0);
    QCOMPARE(entryLines(db.out(QStringLiteral("DeIt.txt"))).value(1), QStringLiteral("??;Deutsch;Italienisch"));
    QCOMPARE(runImportFreedictCommand({db.index(), db.dict(), QStringLiteral("Eigen.txt")}, QDir(db.dir.path())), 2);
    QCOMPARE(runImportFreedictCommand({db.index(), db.dict(), QStringLiteral("Eigen.txt"), QStringLiteral("Englisch")},
                                      QDir(db.dir.path())),
             0);
    QCOMPARE(runImportFreedictCommand({db.index()}, QDir(db.dir.path())), 2);
}

void FreedictImportTest::otherScriptsAreWrittenAsUtf8()
{
    Database db;
    makeDatabase(db, {
        {"haus", "Haus /haʊ̯s/ <n, neut>\n1. σπίτι, οίκος 2.\nzu einem bestimmten Zweck erbautes Gebäude\n"},
        {"hallo", "hallo /haˈloː/ <interjection>\nγεια\nals Grußwort\n"},
        {"auto", "Auto /x/\nauto\n"},
    });
    const FreedictImportResult result = importFreedict(db.index(), db.dict(), db.out(QStringLiteral("DeGr.txt")),
                                                       QStringLiteral("Griechisch"));
    QVERIFY(result.error.isEmpty());
    QVERIFY(result.utf8);
    QFile f(db.out(QStringLiteral("DeGr.txt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(entryLines(f.fileName()).mid(1), QStringList({"??;Deutsch;Griechisch", "auto;auto;", "hallo;γεια;",
                                                          "haus;σπίτι;οίκος"}));
}

void FreedictImportTest::keepsTheMostUsefulKeys()
{
    Database db;
    QList<QPair<QString, QString>> entries = {
        {"haus", "Haus /x/\nhouse\n      \"das Haus ist gross\"  - the house is big\n"
                 "      \"ins Haus gehen\"  - go into the house\n"},
        {"ist", "ist /x/\nis\n      \"das ist gut\"  - that is good\n"}};
    for (int i = 0; i < 40; ++i)
        entries.append(qMakePair(QStringLiteral("eine sehr lange wendung nummer %1").arg(i),
                                 QStringLiteral("eine sehr lange Wendung Nummer %1 /x/\na very long phrase\n").arg(i)));
    for (int i = 0; i < 40; ++i)
        entries.append(qMakePair(QStringLiteral("donaudampfschifffahrtsgesellschaft%1").arg(i),
                                 QStringLiteral("Donaudampfschifffahrtsgesellschaft%1 /x/\nsteamship company\n").arg(i)));
    makeDatabase(db, entries);
    const FreedictImportResult result = importFreedict(db.index(), db.dict(), db.out(), QStringLiteral("Englisch"), 3);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.keys, 3);
    QCOMPARE(entryLines(db.out()).mid(2), QStringList({"haus;house;", "ist;is;"}));

    // Sections stay even: 82 keys and the header in four parts.
    QVERIFY(importFreedict(db.index(), db.dict(), db.out(), QStringLiteral("Englisch")).error.isEmpty());
    const DictionarySections sections = readDictionarySections(db.out());
    QVERIFY(!sections.failure);
    for (const QStringList &section : sections.sections)
        QVERIFY(section.size() >= 20 && section.size() <= 22);
}

void FreedictImportTest::linkMarksLeaveTheLinkedWord()
{
    Database db;
    makeDatabase(db, {
                         {"haus", "Haus /x/\nmaison, zig#zig (Französisch), chambre\n"},
                         {"möwe", "Möwe /x/\nmouette, mauve#Substantiv, f 2, pigeon de mer\n"},
                         {"etablieren", "etablieren /x/ <v>\n2. établir#s'établir 2.\n"},
                         {"sechs", "sechs /x/\nsix#Substantiv, n, indeklinabel\n"},
                     });
    QVERIFY(importFreedict(db.index(), db.dict(), db.out(), QStringLiteral("Französisch")).error.isEmpty());
    QCOMPARE(entryLines(db.out()).mid(2), QStringList({"etablieren;établir;", "haus;maison;zig, chambre",
                                                       "möwe;mouette;mauve, pigeon de mer", "sechs;six;"}));
}

void FreedictImportTest::badDatabasesAreReported()
{
    Database db;
    makeDatabase(db, {{"hallo", "Hallo /x/\nhello\n"}});
    QVERIFY(!importFreedict(db.dir.filePath(QStringLiteral("fehlt.index")), db.dict(), db.out(), QStringLiteral("E")).error.isEmpty());
    QVERIFY(!importFreedict(db.index(), db.dir.filePath(QStringLiteral("fehlt.dz")), db.out(), QStringLiteral("E")).error.isEmpty());
    QVERIFY(!QFile::exists(db.out()));

    // A damaged data file.
    QFile dz(db.dict());
    QVERIFY(dz.open(QIODevice::ReadWrite));
    QByteArray bytes = dz.readAll();
    for (qsizetype i = 12; i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ 0x5A);
    dz.seek(0);
    dz.write(bytes);
    dz.close();
    QVERIFY(!importFreedict(db.index(), db.dict(), db.out(), QStringLiteral("E")).error.isEmpty());
    QVERIFY(!QFile::exists(db.out()));

    // An index that points nowhere.
    Database empty;
    makeDatabase(empty, {}, "nichts\tZZZZ\tZZ\n\n\t\t\nkaputt\n");
    QVERIFY(!importFreedict(empty.index(), empty.dict(), empty.out(), QStringLiteral("E")).error.isEmpty());
    QVERIFY(!QFile::exists(empty.out()));
}

void FreedictImportTest::dingListFirstTranslationsAndOwners()
{
    Glossary glossary;
    QCOMPARE(DingSource::addText(glossary, QStringLiteral(
        "# Version :: test\n"
        "Bandhaken {m} (Fassbinderei) :: dog (barrel-making)\n"
        "ausgedehnt; groß {adj} :: ample\n"
        "groß; schwer {adj} | größer | ein großes Haus :: big | bigger | a big house\n"
        "Gehen {n} | das Gehen :: going | walking\n"
        "gehen {vi} | ich gehe | nach Hause gehen :: to go | I go | to go home\n"
        "Hund {m} [zool.] | Hunde {pl} | einen Hund halten | Hundehütte {f} :: dog | dogs | to keep a dog | dog kennel\n"
        "Hund {m} :: canine\n"
        "schlecht {adj} | nicht schlecht :: bad ~worse | not bad\n"
        "etw. nehmen {vt} | nehmend :: to take sth. {took; taken} | taking\n"
        "etw. anfertigen {vt} :: to make sth. {made; made} #BE_make#\n"
        "Mal {n} :: time; times\n"
        "Zeit {f} :: time\n"
        "Zeit {f} | keine Zeit :: time | no time\n"
        "allemal {adv} :: always\n"
        "immer {adv} :: always\n"
        "immer {adv} | für immer :: always | forever\n"
        "kaputt\n")),
             16);
    glossary.finish();
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("DeEn.txt"));
        const QString supplement = dir.filePath(QStringLiteral("DeEn-Zusatz.tab"));
        QVERIFY(glossary.write(out, QStringLiteral("Englisch"), 17, supplement).error.isEmpty());
        // The headword's own first sense before a synonym's, verbs before verbal nouns, no
        // placeholders, forms or template marks, the further pieces' phrases; the dog's everyday word owns "dog", the earlier
        // specialist one says its label, an earlier plain one its next translation or, having
        // none, is the first to leave a full file.
        QCOMPARE(TextFile::readLines(supplement).value().mid(1), QStringList({"allemal;always;"}));
        QCOMPARE(entryLines(out).mid(2), QStringList({
            "anfertigen;make;",
            "ausgedehnt;ample;",
            "bandhaken;dog (barrel-making);",
            "für immer;forever;",
            "gehen;go;going",
            "groß;big;ample",
            "hund;dog;canine",
            "immer;always;",
            "keine zeit;no time;",
            "mal;time, times;",
            "nach hause gehen;go home;",
            "nehmen;take;",
            "nicht schlecht;not bad;",
            "schlecht;bad;",
            "schwer;big;",
            "zeit;time;",
        }));
    }
    QVERIFY(glossary.ownsFirstTranslation(QStringLiteral("hund")));
    QVERIFY(!glossary.ownsFirstTranslation(QStringLiteral("bandhaken")));
    // A key's verb and noun as the list marks them, where they differ.
    QCOMPARE(glossary.wordClassLines(FormTable()), QStringList({"gehen;go;going"}));
}

// A fixed phrase among an entry's further pieces is a key of its own; forms (of a verb also without
// a person), sentences, a noun with its article and a phrase with a placeholder are not.
void FreedictImportTest::dingListPhrases()
{
    Glossary glossary;
    DingSource::addText(glossary, QStringLiteral(
        "Fall {m} | Fälle {pl} | auf jeden Fall; auf alle Fälle | das ist der Fall :: case | cases | in any case | "
        "that is the case\n"
        "es {ppron} | es gibt | es ist | Es gibt viel zu tun. :: it | there is | it’s | There is a lot to do.\n"
        "gehen {vi} | gehend | ging hin | ich gehe | nach Hause gehen | etw. kaputt gehen lassen :: to go | going | "
        "went there | I go | to go home | to let sth. go to pot\n"));
    glossary.finish();
    QStringList found;
    for (const QString &key : glossary.keys())
        found << key + QLatin1Char(';') + glossary.firstTranslation(key);
    found.sort();
    QCOMPARE(found, QStringList({"auf alle fälle;in any case", "auf jeden fall;in any case", "es gibt;there is",
                                 "es;it", "fall;case", "gehen;go", "nach hause gehen;go home"}));
}

// Placeholders of either language leave a translation, whatever the source; what follows a
// placeholder's slash fills its slot; a remark keeps them, a placeholder alone is a word, and "so." may
// end a sentence.
void FreedictImportTest::placeholdersLeaveTranslations()
{
    const QStringList texts = {"listen to sb./sth.", "believe capable of sth./of doing",
                               "outfit sth., with",  "jdm. helfen",
                               "decrease (in sth.)", "someone's",
                               "I think so.",        "bandage sb.’s."};
    Glossary glossary;
    for (const QString &text : texts) {
        Candidate c;
        c.text = text;
        c.source = Source::Inverted;
        glossary.add(text, c);
    }
    glossary.finish();
    QStringList found;
    for (const QString &text : texts)
        found << glossary.firstTranslation(text);
    QCOMPARE(found, QStringList({"listen to", "believe capable of", "outfit, with", "helfen",
                                 "decrease (in sth.)", "someone's", "I think so.", "bandage"}));
}

// A key's base form owns the translation it shares with an inflected key, though the inflected one's
// sense is the plainer ("Rote", the Red).
void FreedictImportTest::baseFormOwnsItsTranslation()
{
    Glossary glossary;
    DingSource::addText(glossary, QStringLiteral("rot {adj} (Farbe) :: red (colour)\n"
                                                 "Rote {m,f}; Roter [pol.] :: Red; commie [coll.]\n"));
    glossary.finish();
    QVERIFY(glossary.ownsFirstTranslation(QStringLiteral("rot")));
    QCOMPARE(glossary.firstTranslation(QStringLiteral("rot")), QStringLiteral("red"));
}

void FreedictImportTest::functionWordsGoFirst()
{
    QString error;
    const std::optional<FunctionWords> table = FunctionWords::parse(
        {"# Deutsch;Englisch;Französisch;Spanisch;Italienisch;Griechisch", "und;and;et;y;e;και", "",
         "sich;oneself;se;se;si;τον εαυτό του", "jemand;someone;quelqu'un;;qualcuno;κάποιος"},
        QStringLiteral("Funktionswoerter.tab"), error);
    QVERIFY2(table, qPrintable(error));
    QCOMPARE(table->size(), 3);

    // The source's rare sense and its well-attested evidence come after our word; a key the
    // source lacks is added; an empty field leaves the source's word first.
    Glossary italian;
    Candidate rare;
    rare.text = QStringLiteral("eccetera");
    rare.examples = 10;
    italian.add(QStringLiteral("und"), rare);
    table->addTo(italian, FunctionWords::Italian);
    Glossary spanish;
    Candidate someone;
    someone.text = QStringLiteral("alguien");
    spanish.add(QStringLiteral("jemand"), someone);
    table->addTo(spanish, FunctionWords::Spanish);
    italian.finish();
    spanish.finish();
    QCOMPARE(italian.firstTranslation(QStringLiteral("und")), QStringLiteral("e"));
    QCOMPARE(italian.firstTranslation(QStringLiteral("sich")), QStringLiteral("si"));
    QCOMPARE(spanish.firstTranslation(QStringLiteral("jemand")), QStringLiteral("alguien"));
    QCOMPARE(spanish.firstTranslation(QStringLiteral("und")), QStringLiteral("y"));
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("DeIt.txt"));
    QVERIFY(italian.write(out, QStringLiteral("Italienisch")).error.isEmpty());
    QCOMPARE(entryLines(out).mid(2), QStringList({"jemand;qualcuno;", "sich;si;", "und;e;eccetera"}));
}

void FreedictImportTest::damagedFunctionWordTableIsRefusedNamingTheLine()
{
    QString error;
    for (const QString &bad : {QStringLiteral("und;and;et;y;e"), QStringLiteral("und;and;et;y;e;και;x"),
                               QStringLiteral("Und;and;et;y;e;και"), QStringLiteral(";and;et;y;e;και"),
                               QStringLiteral("und;<b>and</b>;et;y;e;και"), QStringLiteral("und;and,;et;y;e;και"),
                               QStringLiteral("und;and;et;y;e;") + QString(41, QChar(u'κ'))}) {
        error.clear();
        QVERIFY2(!FunctionWords::parse({"# x", "oder;or;ou;o;o;ή", bad}, QStringLiteral("f.tab"), error),
                 qPrintable(bad));
        QVERIFY2(error.startsWith(QStringLiteral("f.tab, Zeile 3:")), qPrintable(error));
    }
    QVERIFY(!FunctionWords::read(QStringLiteral("/nicht/da.tab"), error));
    QVERIFY(error.contains(QStringLiteral("/nicht/da.tab")));
}

// A key that begins with placeholders is the word's key; its senses stay, sentences make no key.
void FreedictImportTest::dingListKeysOfPlaceholderVerbs()
{
    Glossary glossary;
    DingSource::addText(glossary, QStringLiteral(
        "jdn./etw. töten; jdn. umbringen {vt} :: to kill sb./sth.; to murder sb.\n"
        "jdn. töten {vt} [slang] :: to bump off sb.\n"
        "sich etw. merken {v} :: to remember sth.\n"
        "jdm. etw. geben {vt} :: to give sb. sth.\n"));
    glossary.finish();
    QStringList found;
    for (const QString &key : glossary.keys())
        found << key + QLatin1Char(';') + glossary.firstTranslation(key);
    found.sort();
    QCOMPARE(found, QStringList({"geben;give", "merken;remember",
                                 "töten;kill", "umbringen;kill"}));
}

// An adjective's comparison is a key that says the English comparison first, its first headword's
// ("ärmer; bedürftiger": poorer) before a sense of its own; a noun that is also an adjective or a verb's form has that sense for a word in
// lower case.
void FreedictImportTest::dingListComparisonsAndLowerCaseReadings()
{
    Glossary glossary;
    DingSource::addText(glossary, QStringLiteral(
        "Arm {m} | Arme {pl} :: arm | arms\n"
        "arm; bedürftig {adj} | ärmer; bedürftiger | am ärmsten; am bedürftigsten :: poor; needy | poorer; needier | "
        "poorest; neediest\n"
        "ärmer {adj} :: more destitute\n"
        "klein {adj} | kleiner | kleinste/r/s :: small | smaller | smallest\n"
        "etw. suchen {vt} | suchend | gesucht | er/sie sucht :: to look for sth. | looking for | looked for | he/she looks for\n"
        "etw. aussuchen {vt} | aussuchend | ausgesucht | er/sie sucht aus :: to pick out sth. | picking out | picked out | he/she picks out\n"
        "Sucht {f} :: addiction\n"));
    glossary.finish();
    QCOMPARE(glossary.firstTranslation(QStringLiteral("ärmer")), QStringLiteral("poorer"));
    QCOMPARE(glossary.firstTranslation(QStringLiteral("ärmsten")), QStringLiteral("poorest"));
    QCOMPARE(glossary.firstTranslation(QStringLiteral("kleinste")), QStringLiteral("smallest"));
    QCOMPARE(glossary.wordClassLines(FormTable()),
             QStringList({"arm;poor;arm", "sucht;look for;addiction"}));
}

namespace {

// The form table lines of a Ding snippet's forms, every base a key with a general sense but those
// named marked.
QStringList formLinesOf(const QString &text, const QStringList &hand = {}, const QStringList &marked = {})
{
    Glossary glossary;
    DingSource::addText(glossary, text);
    glossary.finish();
    FormList handForms;
    for (const QString &line : hand)
        handForms.add(line.section(QLatin1Char(';'), 0, 0), line.section(QLatin1Char(';'), 1), FormKind::Hand);
    return chooseFormLines(handForms, glossary.forms(), [&](const QString &base) {
        return !glossary.contains(base) ? BaseUse::None : marked.contains(base) ? BaseUse::Marked : BaseUse::General;
    });
}

} // namespace

// The Ding list's verb forms, comparisons and plurals go into the form table, best base first: our
// table's, a verb's, a separable verb's without its particle, an adjective's, a noun's; no form of a
// headword that is no key, no phrase's forms, no marked base where a general one is.
void FreedictImportTest::dingListFormsIntoTheFormTable()
{
    const struct {
        const char *entries;
        QStringList hand;
        QStringList marked;
        QStringList lines;
    } cases[] = {
        {"jdn./etw. töten; jdn. umbringen {vt} | tötend; umbringend | getötet; umgebracht | er/sie tötet; er/sie "
         "bringt um | ich/er/sie tötete; ich/er/sie brachte um | er/sie hat/hatte getötet; er/sie hat/hatte "
         "umgebracht | jdn. töten lassen :: to kill sb./sth. | killing | killed | he/she kills | I/he/she killed | "
         "he/she has/had killed | to have sb. killed\n",
         {},
         {},
         {"tötend;töten", "umbringend;umbringen", "getötet;töten", "umgebracht;umbringen", "tötet;töten",
          "bringt;umbringen", "bringt um;umbringen", "tötete;töten", "brachte;umbringen", "brachte um;umbringen"}},
        {"Haus {n} | Häuser {pl} | Reihenhaus {n} | Reihenhäuser {pl} :: house | houses | terraced house | "
         "terraced houses\n"
         "gut {adj} | besser | am besten :: good | better | best\n",
         {},
         {},
         {"häuser;Haus", "besser;gut", "besten;gut"}},
        {"sich etw. merken; etw. im Gedächtnis behalten {v} | sich merkend; im Gedächtnis behaltend | sich "
         "gemerkt; im Gedächtnis behalten :: to remember sth. | remembering | remembered\n",
         {},
         {},
         {"merkend;merken", "gemerkt;merken"}},
        {"Katze {f} [zool.] | Katzen {pl} :: cat | cats\n"
         "Katz {f} [Süddt.] | Katzen {pl} :: cat | cats\n"
         "Lade {f} | Laden {pl} :: drawer | drawers\n"
         "laden {vt} | ladend | geladen | er/sie lädt :: to load | loading | loaded | he/she loads\n"
         "geladen {adj} :: charged\n",
         {"lud;laden"},
         {"katz"},
         {"lud;laden", "katzen;Katze", "laden;Lade", "ladend;laden", "geladen;laden", "lädt;laden"}},
    };
    for (const auto &c : cases)
        QCOMPARE(formLinesOf(QString::fromUtf8(c.entries), c.hand, c.marked), c.lines);
}

// UTF-8 with a byte-order mark, LF, the header line, sorted by the bytes of the form (a shorter form
// before a longer one it begins), a form's bases in the order given.
void FreedictImportTest::formTableFileFormat()
{
    const QByteArray text = FormTableFile::text({"übte;üben", "bringt um;umbringen", "zug;ziehen", "bringt;bringen",
                                                 "bringt;umbringen", "äpfel;apfel"});
    QCOMPARE(text, QByteArray("\xEF\xBB\xBF# sorted: form;base, in byte order of UTF-8, best base first\n"
                              "bringt;bringen\nbringt;umbringen\nbringt um;umbringen\nzug;ziehen\näpfel;apfel\n"
                              "übte;üben\n"));
}

// The grammar table from a Ding snippet and dictd headword lines: a noun's article and plural (also
// of the second headword), a verb's past and perfect (separable too; without the perfect the
// participle alone), an irregular comparison but no regular one, no verbal noun without plural; a
// fuller text replaces a shorter one; a word given for a field only goes last, a noun first only
// where the key's first sense is one; the written file is read back by binary search.
void FreedictImportTest::dingListGrammarIntoTheGrammarTable()
{
    Glossary glossary;
    GermanGrammar grammar;
    DingSource::addText(glossary, QStringLiteral(
        "Haus {n} | Häuser {pl} :: house | houses\n"
        "Haus {n} :: home\n"
        "Frau {f}; Ehefrau {f} | Frauen {pl}; Ehefrauen {pl} :: wife | wives\n"
        "jdn./etw. töten; jdn. umbringen {vt} | tötend; umbringend | getötet; umgebracht | er/sie tötet; er/sie "
        "bringt um | ich/er/sie tötete; ich/er/sie brachte um | er/sie hat/hatte getötet; er/sie hat/hatte "
        "umgebracht :: to kill sb./sth. | killing | killed | he/she kills | I/he/she killed | he/she has/had killed\n"
        "gehen {vi} | gehend | gegangen | ich/er/sie ging :: to go | going | gone | I/he/she went\n"
        "gehen {vi} | gehend | gegangen | ich/er/sie ging | er/sie ist/war gegangen :: to go | going | gone | "
        "I/he/she went | he/she has/had gone\n"
        "Gehen {n} :: walking\n"
        "gut {adj} | besser | am besten :: good | better | best\n"
        "Gut {n} [econ.] | Güter {pl} :: good | goods\n"
        "Gut {n} [übtr.] :: asset\n"
        "Essen {n} | Essen {pl} :: meal | meals\n"
        "essen {vt} | essend | gegessen | ich/er/sie aß | er/sie hat/hatte gegessen :: to eat | eating | eaten | "
        "I/he/she ate | he/she has/had eaten\n"
        "klein {adj} | kleiner | am kleinsten :: small | smaller | smallest\n"), &grammar);
    grammar.addPronunciations({QStringLiteral("Haus /hˈaʊs/ <neut, n, sg>\nhouse <n>"),
                               QStringLiteral("Haus /haʊ̯s/ <n, neut>\nmaison"),
                               QStringLiteral("zu Hause /tsuː hˈaʊzə/\nat home")});
    const QList<QPair<QString, QString>> expected = {
        {"haus", "das Haus, die Häuser"},
        {"ehefrau", "die Ehefrau, die Ehefrauen"},
        {"töten", "töten, tötete, hat getötet"},
        {"umbringen", "umbringen, brachte um, hat umgebracht"},
        {"gehen", "gehen, ging, ist gegangen"},
        {"gut", "gut, besser, am besten · das Gut, die Güter"},
        {"klein", ""}};
    for (const auto &[key, text] : expected)
        QCOMPARE(grammar.grammarOf(key), text);
    QCOMPARE(grammar.pronunciationOf(QStringLiteral("haus")), QStringLiteral("hˈaʊs"));
    QCOMPARE(grammar.pronunciationOf(QStringLiteral("zu hause")), QString());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Grammatik.tab"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // "gut": good, the econ. noun's; "essen": eat.
    const auto nounFirst = [](const QString &key) { return key == QLatin1String("gut"); };
    file.write(FormTableFile::text(grammar.lines(nounFirst), GermanGrammar::kHeader));
    file.close();
    const GrammarTable table(path);
    QCOMPARE(table.of(QStringLiteral("Haus")).lines(),
             QStringList({"Grammatik: das Haus, die Häuser", "Aussprache: /hˈaʊs/"}));
    QCOMPARE(table.of(QStringLiteral("gut")).grammar, QStringLiteral("gut, besser, am besten · das Gut, die Güter"));
    QCOMPARE(table.of(QStringLiteral("essen")).grammar,
             QStringLiteral("essen, aß, hat gegessen · das Essen, die Essen"));
    QCOMPARE(table.of(QStringLiteral("umbringen")).lines(),
             QStringList({"Grammatik: umbringen, brachte um, hat umgebracht"}));
    QVERIFY(table.of(QStringLiteral("klein")).isEmpty());
    QVERIFY(table.of(QStringLiteral("haus+tür")).isEmpty());
    QVERIFY(GrammarTable(dir.filePath(QStringLiteral("fehlt.tab"))).of(QStringLiteral("haus")).isEmpty());
}

// A key's general sense comes first, however well the source attests a marked one; a field the key's
// own first entry names is the field of the thing itself.
void FreedictImportTest::markedSensesAfterGeneralOnes()
{
    Glossary glossary;
    DingSource::addText(glossary, QStringLiteral(
        "Hund {m} [zool.] | Hunde {pl} :: dog | dogs\n"
        "Hund {m} :: canine\n"
        "Biene {f} [ugs.] | eine flotte Biene :: bird | a smart bird\n"
        "Biene {f} :: bee\n"
        "Gör {n} [Norddt.] :: brat\n"));
    glossary.finish();
    QStringList found;
    for (const char *key : {"hund", "biene", "gör"})
        found << glossary.firstTranslation(QString::fromUtf8(key));
    QCOMPARE(found, QStringList({"dog", "bee", "brat"}));
    QVERIFY(glossary.hasGeneralSense(QStringLiteral("biene")));
    QVERIFY(!glossary.hasGeneralSense(QStringLiteral("gör")));
}

// A foreign word answers with the commoner German word that gives it early in its list, where the
// file's first record for it is a rare one; a key that is about as common keeps it.
void FreedictImportTest::foreignWordsAnswerWithTheCommonerGermanWord()
{
    // "schnell" is met in many entries, as it is in the real list.
    QString text = QStringLiteral("flugs {adv} :: quickly\nschnell {adj} :: fast; quickly\n"
                                  "rasch {adj} :: swift; rapid\nflink {adj} :: swift\n");
    const QStringList verbs = {"gehen:walk", "lernen:learn", "antworten:answer", "handeln:act", "essen:eat",
                               "lesen:read", "denken:think", "fahren:drive", "reagieren:react", "wachsen:grow"};
    for (const QString &verb : verbs)
        text += QStringLiteral("schnell %1 {v} :: to %2 quickly\n").arg(verb.section(':', 0, 0), verb.section(':', 1));
    Glossary glossary;
    DingSource::addText(glossary, text);
    glossary.finish();
    QStringList lines = glossary.foreignOwnerLines();
    lines.sort();
    // "fast" and "rapid" are no record's first translation; "swift" stays with "flink", as common as "rasch".
    QCOMPARE(lines, QStringList({"fast;schnell", "quickly;schnell", "rapid;rasch"}));
}

// German -> French, Italian and Spanish words, each language's words -> English: a word gets the
// English one where two languages lead to it.
void FreedictImportTest::pivotAgreementOfTwoLanguages()
{
    const auto language = [](const QHash<QString, QStringList> &german,
                             const QHash<QString, QList<RankedWord>> &english) {
        return Pivot::Language{german, english};
    };
    const Pivot pivot({language({{"imstande", {"capable"}}, {"einsam", {"seul"}}, {"sowas", {"truc"}}},
                                {{"capable", {{"able", 0}}}, {"seul", {{"alone", 0}}}, {"truc", {{"thing", 0}}}}),
                       language({{"imstande", {"capace", "geniale", "abile"}}, {"einsam", {"solitario"}},
                                 {"usw", {"ecc."}}},
                                {{"capace", {{"capable", 0}, {"able", 1}}}, {"abile", {{"able", 0}}},
                                 {"solitario", {{"lonely", 0}}}, {"ecc.", {{"etc.", 0}}}}),
                       language({{"imstande", {"capaz"}}, {"sowas", {"cosa"}}},
                                {{"capaz", {{"able", 0}, {"capable", 0}}}, {"cosa", {{"something", 0}}}})});
    const QList<QPair<QString, QString>> agreed = {
        {"imstande", "able"}, // French and Spanish ("able" as strong as "capable": the languages together)
        {"einsam", ""},       // two languages, two answers
        {"usw", ""},          // one language only
        {"sowas", ""},        // "thing" and "something"
        {"unbekannt", ""}};
    for (const auto &[german, english] : agreed)
        QCOMPARE(pivot.agreedEnglish(german), english);
    QCOMPARE(pivot.answer(1, QStringLiteral("imstande")), QStringLiteral("capable"));
    // Leaving out Spanish, French and Italian disagree; leaving out Italian, two agree.
    QCOMPARE(pivot.agreedEnglish(QStringLiteral("imstande"), 2), QString());
    QCOMPARE(pivot.agreedEnglish(QStringLiteral("imstande"), 1), QStringLiteral("able"));
    QCOMPARE(pivot.foreignFor(1, QStringLiteral("imstande"), QStringLiteral("able")), QStringLiteral("capace"));
    QCOMPARE(pivot.foreignFor(1, QStringLiteral("imstande"), QStringLiteral("lonely")), QString());
}
