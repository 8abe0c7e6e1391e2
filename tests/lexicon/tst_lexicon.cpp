#include "BaseFormFinder.h"
#include "FormTable.h"
#include "Stemmer.h"
#include "TestSupport.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace ortelia;

namespace {

const QString kHunspell = QStringLiteral("/usr/share/hunspell");

// A dictionary of a few keys, as the page's data object answers.
BaseFormFinder::Known dictionary(const QSet<QString> &keys)
{
    return [keys](const QString &word) { return keys.contains(word); };
}

std::unique_ptr<Stemmer> stemmer(const QString &language)
{
    QString error;
    std::unique_ptr<Stemmer> s = Stemmer::open(kHunspell, language, error);
    if (!s)
        qWarning("%s", qPrintable(error));
    return s;
}

FormTable table(const QStringList &lines)
{
    QString error;
    return *FormTable::parse(lines, QStringLiteral("test"), error);
}

// A sorted table as the import writes it, in dir.
QString writeSorted(const QTemporaryDir &dir, const QByteArray &body)
{
    const QString path = dir.filePath(QStringLiteral("Grundformen.tab"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("\xEF\xBB\xBF# sorted: form;base, in byte order of UTF-8, best base first\n" + body);
    return path;
}

// "aaa", "aab", ...: n forms (at most 26³) in byte order.
QByteArray sortedForms(int n)
{
    QByteArray lines;
    for (int i = 0; i < n; ++i) {
        QByteArray form;
        for (int k = 0, v = i; k < 3; ++k, v /= 26)
            form.prepend(char('a' + v % 26));
        lines += form + ";" + form + "x\n";
    }
    return lines;
}

} // namespace

class LexiconTest : public QObject {
    Q_OBJECT
private slots:
    void germanFormsStemsAndCompounds();
    void germanRulesBeforeHunspell();
    void englishForms();
    void englishFormsTellTheirKind();
    void frenchItalianSpanishGreekForms();
    void sortedTableIsSearchedInPlace();
    void damagedSortedTableAnswersNothing();
    void badWords();
    void damagedTableIsRefusedNamingTheLine();
    void missingHunspellDictionary();
};

void LexiconTest::germanFormsStemsAndCompounds()
{
    const BaseFormFinder finder(
        table({"# Kommentar", "ist;sein", "im;in", "daß;dass", "", "bin;nicht-im-wörterbuch"}),
        stemmer(QStringLiteral("de_DE")));
    const auto known =
        dictionary({"sein",   "in",      "dass", "haus",  "kind",  "gehen", "sehen",  "machen", "meister",
                    "arbeit", "zimmer",  "tür",  "schön", "auto",  "bahn",  "fahrer", "auge",   "mann",
                    "buch",   "meinung", "böse", "vor",   "sicht", "durch", "aus"});
    // The table first, in any case; a base form the dictionary lacks is no answer.
    QCOMPARE(finder.german(QStringLiteral("ist"), known), QStringList{"sein"});
    QCOMPARE(finder.german(QStringLiteral("Im"), known), QStringList{"in"});
    QCOMPARE(finder.german(QStringLiteral("daß"), known), QStringList{"dass"});
    QCOMPARE(finder.german(QStringLiteral("bin"), known), QStringList());
    // Hunspell stems, also of lower-case nouns; participles without their "ge".
    QCOMPARE(finder.german(QStringLiteral("häuser"), known), QStringList{"haus"});
    QCOMPARE(finder.german(QStringLiteral("kindern"), known), QStringList{"kind"});
    QCOMPARE(finder.german(QStringLiteral("gehst"), known), QStringList{"gehen"});
    QCOMPARE(finder.german(QStringLiteral("schönen"), known), QStringList{"schön"});
    QCOMPARE(finder.german(QStringLiteral("gesehen"), known), QStringList{"sehen"});
    QCOMPARE(finder.german(QStringLiteral("gemacht"), known), QStringList{"machen"});
    // Endings Hunspell leaves on, an umlaut undone.
    QCOMPARE(finder.german(QStringLiteral("Augen"), known), QStringList{"auge"});
    QCOMPARE(finder.german(QStringLiteral("männer"), known), QStringList{"mann"});
    QCOMPARE(finder.german(QStringLiteral("büchern"), known), QStringList{"buch"});
    QCOMPARE(finder.german(QStringLiteral("meinungen"), known), QStringList{"meinung"});
    QCOMPARE(finder.german(QStringLiteral("bösen"), known), QStringList{"böse"});
    QCOMPARE(finder.german(QStringLiteral("bücherei"), known), QStringList());
    // Compounds: the longest known head, a linking s, three parts at most.
    QCOMPARE(finder.german(QStringLiteral("hausmeister"), known), QStringList({"haus", "meister"}));
    QCOMPARE(finder.german(QStringLiteral("Arbeitszimmer"), known), QStringList({"arbeit", "zimmer"}));
    QCOMPARE(finder.german(QStringLiteral("autobahnfahrer"), known), QStringList({"auto", "bahn", "fahrer"}));
    QCOMPARE(finder.german(QStringLiteral("hauszzz"), known), QStringList());
    // A preposition or prefix makes a derivation, no compound.
    QCOMPARE(finder.german(QStringLiteral("vorsicht"), known), QStringList());
    QCOMPARE(finder.german(QStringLiteral("durchaus"), known), QStringList());
    QCOMPARE(finder.german(QStringLiteral("xyzabc"), known), QStringList());
}

void LexiconTest::germanRulesBeforeHunspell()
{
    std::unique_ptr<Stemmer> hunspell = stemmer(QStringLiteral("de_DE"));
    const Stemmer *stems = hunspell.get();
    const BaseFormFinder finder(table({"gestanden;stehen", "genommen;nehmen", "frisst;fressen"}),
                                std::move(hunspell));
    const auto known = dictionary(
        {"kochen",   "koch",    "aufstehen", "zuhören", "abholen", "mitnehmen", "aussprechen", "töten",
         "arbeiten", "warten",  "verschwinden", "beruhen", "gewöhnen", "fahren", "halten",  "groß",
         "schön",    "alt",     "böse",    "mann",     "virus",    "museum",   "thema",    "beamte",
         "kind",     "auto",    "zitrone", "saft",     "zimmer",   "arbeit",   "hund",     "hütte",
         "buch",     "regal",   "muss",    "dass",     "fressen",  "straße",   "schön",    "wandern"});
    const QList<QPair<const char *, QStringList>> cases = {
        // participles, also of separable verbs, and zu-infinitives
        {"gekocht", {"kochen"}},         {"getötet", {"töten"}},          {"gearbeitet", {"arbeiten"}},
        {"gewandert", {"wandern"}},      {"aufgestanden", {"aufstehen"}}, {"zugehört", {"zuhören"}},
        {"abgeholt", {"abholen"}},       {"mitgenommen", {"mitnehmen"}},  {"auszusprechen", {"aussprechen"}},
        // verb endings, umlaut and e-insertion
        {"verschwindet", {"verschwinden"}}, {"beruht", {"beruhen"}},      {"gewöhnt", {"gewöhnen"}},
        {"fährst", {"fahren"}},          {"hältst", {"halten"}},          {"wartest", {"warten"}},
        {"arbeitete", {"arbeiten"}},     {"kochten", {"kochen"}},
        // adjectives, comparative and superlative
        {"größer", {"groß"}},            {"größten", {"groß"}},           {"schönsten", {"schön"}},
        {"ältesten", {"alt"}},           {"bösen", {"böse"}},
        // noun plurals
        {"männer", {"mann"}},            {"kindern", {"kind"}},           {"autos", {"auto"}},
        {"viren", {"virus"}},            {"museen", {"museum"}},          {"themen", {"thema"}},
        {"beamten", {"beamte"}},
        // compounds with linking elements
        {"zitronensaft", {"zitrone", "saft"}}, {"kinderzimmer", {"kind", "zimmer"}},
        {"hundehütte", {"hund", "hütte"}},     {"bücherregal", {"buch", "regal"}},
        {"arbeitszimmer", {"arbeit", "zimmer"}},
        // old and typed spellings
        {"muß", {"muss"}},               {"daß", {"dass"}},               {"frißt", {"fressen"}},
        {"strasse", {"straße"}},         {"schoenen", {"schön"}}};
    for (const auto &[form, expected] : cases)
        QCOMPARE(finder.german(QString::fromUtf8(form), known), expected);
    QVERIFY(stems == nullptr || !stems->isLoaded());
}

void LexiconTest::englishForms()
{
    const BaseFormFinder finder(std::nullopt, nullptr,
                                table({"went;go", "children;child", "is;be", "does;do"}));
    const auto known = dictionary({"go", "child", "be", "do", "doe", "i", "dog", "house", "box", "study",
                                   "walk", "hope", "hop", "stop", "make", "run", "watch", "agree", "knife",
                                   "wolf", "city", "heavy", "big", "large", "fast"});
    // The table first: "is" is no plural of "I", "does" none of "doe".
    QCOMPARE(finder.foreign(QStringLiteral("Went"), known), QStringList{"go"});
    QCOMPARE(finder.foreign(QStringLiteral("children"), known), QStringList{"child"});
    QCOMPARE(finder.foreign(QStringLiteral("is"), known), QStringList{"be"});
    QCOMPARE(finder.foreign(QStringLiteral("does"), known), QStringList{"do"});
    // Regular endings, the likelier base first.
    const QList<QPair<const char *, const char *>> regular = {
        {"dogs", "dog"},      {"houses", "house"},  {"boxes", "box"},    {"watches", "watch"},
        {"studies", "study"}, {"studied", "study"}, {"walked", "walk"},  {"hoped", "hope"},
        {"hopped", "hop"},    {"stopped", "stop"},  {"agreed", "agree"}, {"making", "make"},
        {"running", "run"},   {"walking", "walk"},  {"knives", "knife"}, {"wolves", "wolf"},
        {"cities", "city"},   {"heavier", "heavy"}, {"heaviest", "heavy"}, {"biggest", "big"},
        {"bigger", "big"},    {"larger", "large"},  {"faster", "fast"}};
    for (const auto &[form, base] : regular)
        QCOMPARE(finder.foreign(QString::fromLatin1(form), known), QStringList{QString::fromLatin1(base)});
    QCOMPARE(finder.foreign(QStringLiteral("cats"), known), QStringList());
    QCOMPARE(finder.foreign(QStringLiteral("sing"), known), QStringList());
    // Only German words are split.
    QCOMPARE(finder.foreign(QStringLiteral("doghouse"), known), QStringList());
}

void LexiconTest::englishFormsTellTheirKind()
{
    const BaseFormFinder finder(std::nullopt, nullptr,
                                table({"fought;fight", "children;child", "men;man", "feet;foot", "better;good"}));
    const auto known = dictionary({"fight", "child", "man", "foot", "good", "walk", "run", "knife"});
    const QList<QPair<const char *, WordKind>> cases = {
        {"fought", WordKind::Verb},  {"walked", WordKind::Verb}, {"running", WordKind::Verb},
        {"children", WordKind::Noun}, {"men", WordKind::Noun},    {"feet", WordKind::Noun},
        {"fights", WordKind::Noun},  {"knives", WordKind::Noun}, {"better", WordKind::Any}};
    for (const auto &[form, kind] : cases) {
        const std::optional<BaseCandidate> found = finder.foreignBase(QString::fromLatin1(form), known);
        QVERIFY2(found, form);
        QVERIFY2(found->kind == kind, form);
    }
}

// The program's own tables of irregular forms and the rules of endings, against a dictionary of the
// bases (and of readings a form must not take: "porter" for "portes", "vestir" for "visto", "estar"
// for "estados", whose participle is a word of its own).
void LexiconTest::frenchItalianSpanishGreekForms()
{
    struct Case {
        const char *form;
        const char *base;
        WordKind kind;
    };
    const auto V = WordKind::Verb, N = WordKind::Noun, A = WordKind::Any;
    const struct {
        const char *language;
        QList<Case> cases;
    } languages[] = {
        {"fr_FR",
         {{"maisons", "maison", N},  {"chevaux", "cheval", N},   {"bateaux", "bateau", N},  {"yeux", "œil", A},
          {"portes", "porte", A},    {"heureuse", "heureux", A}, {"première", "premier", A}, {"parlées", "parler", V},
          {"finissons", "finir", V}, {"vendu", "vendre", V},     {"parlerions", "parler", V}, {"suis", "être", V},
          {"allé", "aller", V},      {"fut", "être", V},         {"viendra", "venir", V},    {"comprenne", "comprendre", V},
          {"achète", "acheter", V},  {"mangeons", "manger", V},  {"meilleure", "bon", A},
          {"faits", "fait", A},      {"faites", "faire", V}}},
        {"it_IT",
         {{"case", "casa", A},        {"libri", "libro", N},      {"belle", "bello", A},    {"tedeschi", "tedesco", N},
          {"parlato", "parlare", V},  {"finisco", "finire", V},   {"parlerò", "parlare", V}, {"vendevano", "vendere", V},
          {"sono", "essere", V},      {"andato", "andare", V},    {"ottengo", "ottenere", V}, {"cerchiamo", "cercare", V},
          {"uomini", "uomo", A},      {"migliore", "buono", A}}},
        {"es_ES",
         {{"casas", "casa", A},        {"luces", "luz", N},       {"naciones", "nación", N}, {"hablado", "hablar", V},
          {"comido", "comer", V},      {"hablaré", "hablar", V},  {"comíamos", "comer", V},  {"voy", "ir", V},
          {"tengo", "tener", V},       {"fui", "ser", V},         {"visto", "ver", V},       {"durmió", "dormir", V},
          {"busqué", "buscar", V},     {"mejor", "bueno", A},    {"estados", "estado", A}}},
        {"el_GR",
         {{"άνθρωποι", "άνθρωπος", N}, {"σπίτια", "σπίτι", N},    {"γυναίκες", "γυναίκα", A}, {"βιβλία", "βιβλίο", A},
          {"πόλεις", "πόλη", A},       {"μεγάλη", "μεγάλος", A},  {"γράφουμε", "γράφω", V},   {"μιλάμε", "μιλάω", V},
          {"έρχονται", "έρχομαι", V},  {"πήγα", "πηγαίνω", V},    {"ήταν", "είμαι", V},      {"είπε", "λέω", V}}},
    };
    for (const auto &[language, cases] : languages) {
        QString error;
        std::optional<FormTable> forms = FormTable::read(
            test::assembledProgramFolder() + QStringLiteral("/Grundformen-%1.tab").arg(QLatin1String(language)), error);
        QVERIFY2(forms, qPrintable(error));
        QSet<QString> keys = {"porter", "vestir", "estar"};
        for (const Case &c : cases)
            keys.insert(QString::fromUtf8(c.base));
        const BaseFormFinder finder(std::nullopt, nullptr, std::move(forms), QString::fromLatin1(language));
        for (const Case &c : cases) {
            const std::optional<BaseCandidate> found = finder.foreignBase(QString::fromUtf8(c.form), dictionary(keys));
            QVERIFY2(found, c.form);
            QCOMPARE(found->base, QString::fromUtf8(c.base));
            QVERIFY2(found->kind == c.kind, c.form);
        }
        // A word of no known base finds nothing.
        QVERIFY(!finder.foreignBase(QStringLiteral("xyzzies"), dictionary(keys)));
    }
}

void LexiconTest::sortedTableIsSearchedInPlace()
{
    QTemporaryDir dir;
    // Enough lines that the search takes steps; a form with two bases and one of two words among them.
    QByteArray body = sortedForms(6000);
    body.replace("baa;baax\n", "baa;erste\nbaa;zweite\nbaa b;zwei wörter\n");
    const QString path = writeSorted(dir, body + "zzzz;ende\nöl;ölen");
    QString error;
    const std::optional<FormTable> forms = FormTable::read(path, error);
    QVERIFY2(forms, qPrintable(error));
    const QList<QPair<const char *, QStringList>> cases = {
        {"aaa", {"aaax"}},   {"aab", {"aabx"}},   {"BAA", {"erste", "zweite"}}, {"baa b", {"zwei wörter"}},
        {"bab", {"babx"}},   {"ifx", {"ifxx"}},   {"zzzz", {"ende"}},           {"öl", {"ölen"}},
        {"aa", {}},          {"baaa", {}},        {"zzzzz", {}},                {"", {}}};
    for (const auto &[form, bases] : cases)
        QCOMPARE(forms->basesOf(QString::fromUtf8(form)), bases);
    QCOMPARE(forms->baseOf(QStringLiteral("baa")), QStringLiteral("erste"));
}

void LexiconTest::damagedSortedTableAnswersNothing()
{
    // A line without its semicolon, a line longer than any form's, where the form "dma" would be.
    for (const QByteArray &damage : {QByteArray("ohne trenner"), QByteArray(5000, 'q')}) {
        QTemporaryDir dir;
        QByteArray body = sortedForms(3000);
        body.replace("dma;dmax", damage);
        QString error;
        const std::optional<FormTable> forms = FormTable::read(writeSorted(dir, body), error);
        QVERIFY(forms);
        QCOMPARE(forms->basesOf(QStringLiteral("dma")), QStringList());
        QCOMPARE(forms->basesOf(QStringLiteral("aab")), QStringList());
    }
    // A first line too long to be a table's.
    QTemporaryDir dir;
    const QString path = writeSorted(dir, QByteArray(1000, 'x') + "\naaaa;b\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll().replace('\n', ' ');
    file.seek(0);
    file.write(bytes);
    file.close();
    QString error;
    QVERIFY(!FormTable::read(path, error));
    QVERIFY(error.contains(path));
}

void LexiconTest::badWords()
{
    const BaseFormFinder finder(table({"ist;sein"}), stemmer(QStringLiteral("de_DE")), table({"was;be"}));
    int asked = 0;
    const BaseFormFinder::Known known = [&asked](const QString &word) {
        ++asked;
        return word == QLatin1String("haus");
    };
    for (const QString &word :
         {QString(10000, QLatin1Char('a')), QString(10000, QLatin1Char('-')), QStringLiteral("---"),
          QStringLiteral("hausδσ"), QStringLiteral("haus1"), QStringLiteral("h"), QString(),
          QStringLiteral("haus-haus"), QStringLiteral("сhaus")}) {
        QCOMPARE(finder.german(word, known), QStringList());
        QCOMPARE(finder.foreign(word, known), QStringList());
    }
    QVERIFY(asked < 100);
}

void LexiconTest::damagedTableIsRefusedNamingTheLine()
{
    QString error;
    QVERIFY(FormTable::parse({"# Formen", "ist;sein", "", "war;sein;x"}, QStringLiteral("Grundformen.tab"),
                             error) == std::nullopt);
    QVERIFY2(error.startsWith(QStringLiteral("Grundformen.tab, Zeile 4:")), qPrintable(error));
    for (const QString &bad :
         {QStringLiteral("ohne Trenner"), QStringLiteral(";sein"), QStringLiteral("ist;"),
          QStringLiteral("ist;sein 2"), QString(100, QLatin1Char('x')) + QStringLiteral(";sein")}) {
        error.clear();
        QVERIFY(!FormTable::parse({"ist;sein", bad}, QStringLiteral("t"), error));
        QVERIFY2(error.startsWith(QStringLiteral("t, Zeile 2:")), qPrintable(error));
    }
    const std::optional<FormTable> good =
        FormTable::parse({"Ist ; Sein", "  # x"}, QStringLiteral("t"), error);
    QVERIFY(good);
    QCOMPARE(good->baseOf(QStringLiteral("IST")), QStringLiteral("sein"));
    QVERIFY(!FormTable::read(QStringLiteral("/nicht/da.tab"), error));
    QVERIFY(error.contains(QStringLiteral("/nicht/da.tab")));
}

void LexiconTest::missingHunspellDictionary()
{
    QTemporaryDir empty;
    QString error;
    QVERIFY(!Stemmer::open(empty.path(), QStringLiteral("de_DE"), error));
    QVERIFY(error.contains(QStringLiteral("de_DE")));
    // Without stems the table, the rules of endings and the compound split still answer.
    const BaseFormFinder finder(table({"ist;sein"}), nullptr);
    const auto known = dictionary({"sein", "haus", "tür", "gehen"});
    QCOMPARE(finder.german(QStringLiteral("ist"), known), QStringList{"sein"});
    QCOMPARE(finder.german(QStringLiteral("gehst"), known), QStringList{"gehen"});
    QCOMPARE(finder.german(QStringLiteral("häuser"), known), QStringList{"haus"});
    QCOMPARE(finder.german(QStringLiteral("haustür"), known), QStringList({"haus", "tür"}));
}

QTEST_GUILESS_MAIN(LexiconTest)
#include "tst_lexicon.moc"
