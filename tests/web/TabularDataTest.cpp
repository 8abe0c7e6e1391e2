#include "TabularDataTest.h"

#include "CaseFold.h"
#include "DictionaryFormat.h"
#include "Phrases.h"
#include "TabularData.h"
#include "TabularDataObject.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <thread>

#include <sys/stat.h>

using namespace ortelia;
using namespace ortelia::web;

namespace {

const QString kHeader = QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld\r\n");

// The text as a file holds it: Windows-1252, or UTF-8 with a byte-order mark.
TabularData table(const QString &text, QChar delimiter, bool useHeader)
{
    return TabularData(EncodedText::of(TextFile::encode(text)), delimiter, useHeader);
}

TabularData dictionary(const QString &lines)
{
    return table(kHeader + lines, QLatin1Char(';'), true);
}

QStringList keys(const TabularData &data, const Selection &selection)
{
    QStringList result;
    for (int i = 0; i < selection.size(); ++i)
        result << data.field(selection.record(i), 0);
    return result;
}

QStringList select(const TabularData &data, const QString &filter, bool caseSensitive = false)
{
    return keys(data, data.select(filter, caseSensitive));
}

} // namespace

void TabularDataTest::readsRecordsFieldsAndHeader()
{
    const TabularData data =
        dictionary(QStringLiteral("hallo;hello;Gruss\r\n\r\nauto;car;\nnur ein feld\rx;y;z;extra\r\n"));
    QCOMPARE(data.columns(), QStringList({"oberestextfeld", "unterestextfeld", "zusatztextfeld"}));
    QCOMPARE(data.column(u"UnteresTextfeld"), 1);
    QCOMPARE(data.column(u"zusatz1"), -1);
    QCOMPARE(data.recordCount(), 4); // the blank line is no record
    QCOMPARE(data.field(0, 2), QStringLiteral("Gruss"));
    QCOMPARE(data.field(1, 2), QString());
    QCOMPARE(data.field(2, 0), QStringLiteral("nur ein feld"));
    QCOMPARE(data.field(2, 1), QString());
    QCOMPARE(data.field(3, 2), QStringLiteral("z"));
    QVERIFY(data.field(9, 0).isEmpty());
    QVERIFY(data.field(0, 7).isEmpty());

    const TabularData headerless = table(QStringLiteral("a,b\r\nc,d\r\n"), QLatin1Char(','), false);
    QCOMPARE(headerless.columns(), QStringList({"Column1", "Column2"}));
    QCOMPARE(headerless.recordCount(), 2);
}

void TabularDataTest::filterComparesWholeValuesWithoutCase()
{
    const TabularData data = dictionary(QStringLiteral(
        "??;Deutsch;Englisch\r\nab und zu;every now and then;\r\nhalle;hall;\r\nhallo;hello;Gruss\r\n"
        "Hallo;Hello;\r\nrock & roll;rock and roll;\r\n\\\\\\\\\\\\\\\\\r\nx\"y;quote;\r\n"));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hallo")), QStringList({"hallo", "Hallo"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hallo"), true), QStringList({"hallo"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hall")), QStringList());
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = ab und zu")), QStringList({"ab und zu"}));
    QCOMPARE(select(data, QStringLiteral("  oberestextfeld   =   ab und zu  ")), QStringList({"ab und zu"}));
    QCOMPARE(select(data, QStringLiteral("unterestextfeld = HELLO")), QStringList({"hallo", "Hallo"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = ??")), QStringList({"??"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = \"ab und zu\"")), QStringList({"ab und zu"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = x\"y")), QStringList({"x\"y"}));
    // A separator line is an ordinary record.
    QCOMPARE(select(data, QStringLiteral("unterestextfeld = ")), QStringList({"\\\\\\\\\\\\\\\\"}));
}

void TabularDataTest::filterWildcardsAndTerms()
{
    const TabularData data = dictionary(QStringLiteral(
        "??;Deutsch;Englisch\r\nhalle;hall;\r\nhallo;hello;Gruss\r\nhallöchen;hi;\r\nhaus;house;home\r\n"
        "rock & roll;rock and roll;\r\nschall;sound;\r\n"));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hall*")),
             QStringList({"halle", "hallo", "hallöchen"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = HALLO*")), QStringList({"hallo"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = *all*")),
             QStringList({"halle", "hallo", "hallöchen", "schall"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = h*o")), QStringList({"hallo"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = *")).size(), data.recordCount());
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hall* & unterestextfeld = h*")),
             QStringList({"halle", "hallo", "hallöchen"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hall* & zusatztextfeld = gruss")),
             QStringList({"hallo"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hall* & unterestextfeld <> hello")),
             QStringList({"halle", "hallöchen"}));
    // "&" that starts no new term belongs to the value.
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = rock & roll")), QStringList({"rock & roll"}));
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = &")), QStringList());
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = \"")), QStringList());
    // No filter selects all; an unreadable filter or unknown column selects nothing.
    QCOMPARE(data.select(QString(), false).size(), data.recordCount());
    QCOMPARE(data.select(QStringLiteral("   "), false).size(), data.recordCount());
    QCOMPARE(select(data, QStringLiteral("zusatz1 = hallo")), QStringList());
    QCOMPARE(select(data, QStringLiteral("hallo")), QStringList());
    QCOMPARE(select(data, QStringLiteral("= hallo")), QStringList());
    QCOMPARE(select(data, QStringLiteral("&")), QStringList());
    QCOMPARE(select(data, QStringLiteral("oberestextfeld = hallo &")), QStringList());
}

// The sorted indexes must find exactly what a plain scan finds, in file order, for sorted,
// nearly sorted (separators, "??") and unsorted columns.
void TabularDataTest::indexAgreesWithScan()
{
    QRandomGenerator random(42);
    const QString letters = QStringLiteral("abhlouöAß*");
    QString text;
    for (int i = 0; i < 3000; ++i) {
        QString word;
        const int length = 1 + int(random.bounded(4));
        for (int c = 0; c < length; ++c)
            word += letters[int(random.bounded(letters.size() - 1))];
        text +=
            QStringLiteral("k%1;%2;%3\r\n").arg(i / 10, 4, 10, QLatin1Char('0')).arg(word, word.toUpper());
        if (i % 700 == 0)
            text += QStringLiteral("\\\\\\\\\\\\\\\\;;\r\n");
    }
    const TabularData data = dictionary(QStringLiteral("??;Deutsch;Englisch\r\n") + text);
    const QStringList patterns = {"k0042", "k02*", "*", "a", "ab", "h*", "*o", "B*U", "", "ö*", "k*2", "zz"};
    for (const QString &column : {QStringLiteral("oberestextfeld"), QStringLiteral("unterestextfeld")}) {
        const int c = data.column(column);
        for (const QString &pattern : patterns) {
            for (bool caseSensitive : {false, true}) {
                std::vector<int> expected;
                for (int r = 0; r < data.recordCount(); ++r) {
                    if (ortelia::casefold::wildcardMatch(data.field(r, c), pattern, caseSensitive))
                        expected.push_back(r);
                }
                const Selection found = data.select(column + QStringLiteral(" = ") + pattern, caseSensitive);
                QCOMPARE(size_t(found.size()), expected.size());
                for (int i = 0; i < found.size(); ++i)
                    QCOMPARE(found.record(i), expected[size_t(i)]);
            }
        }
    }
}

void TabularDataTest::cacheSharesFilesUntilTheyChange()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DeEn.txt"));
    auto write = [&](const QByteArray &bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    write(kHeader.toLatin1() + "hallo;hello;\r\n");
    TabularDataCache::clear();
    const auto first = TabularDataCache::load(path, QLatin1Char(';'), true);
    QCOMPARE(first->recordCount(), 1);
    QCOMPARE(TabularDataCache::load(path, QLatin1Char(';'), true).get(), first.get());
    // Another format of the same file is a separate entry.
    QVERIFY(TabularDataCache::load(path, QLatin1Char(','), true).get() != first.get());

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    write(kHeader.toLatin1() + "hallo;hello;\r\nhaus;house;\r\n");
    const auto second = TabularDataCache::load(path, QLatin1Char(';'), true);
    QVERIFY(second.get() != first.get());
    QCOMPARE(second->recordCount(), 2);
    QCOMPARE(first->recordCount(), 1); // a page still holding the old data keeps it intact

    QCOMPARE(TabularDataCache::load(dir.filePath(QStringLiteral("fehlt.txt")), QLatin1Char(';'), true)
                 ->recordCount(),
             0);
    QCOMPARE(TabularDataCache::load(dir.path(), QLatin1Char(';'), true)->recordCount(), 0);
}

void TabularDataTest::badFilesGiveNoCrash()
{
    QByteArray junk(1 << 16, '\0');
    QRandomGenerator random(7);
    for (char &c : junk)
        c = char(random.bounded(256));
    const TabularData binary(EncodedText::of(junk), QLatin1Char(';'), true);
    QVERIFY(binary.recordCount() >= 0);
    binary.select(QStringLiteral("oberestextfeld = *a*"), false);

    // Ten megabytes without a single line break: one record, one huge field.
    const TabularData huge(EncodedText::of(QByteArray(10 * 1024 * 1024, 'x')), QLatin1Char(';'), false);
    QCOMPARE(huge.recordCount(), 1);
    QCOMPARE(huge.select(QStringLiteral("Column1 = x*"), false).size(), 1);
    QCOMPARE(huge.select(QStringLiteral("Column1 = x"), false).size(), 0);

    const TabularData empty(EncodedText::of({}), QLatin1Char(';'), true);
    QCOMPARE(empty.recordCount(), 0);
    QCOMPARE(empty.select(QStringLiteral("oberestextfeld = a"), false).size(), 0);
}

void TabularDataTest::fieldsDecodeFromTheFilesEncoding()
{
    const TabularData latin(EncodedText::of(kHeader.toLatin1() + "s\xFC\xDF;sweet;\x80 2\r\nStra\xDF"
                                                                 "e;street;\r\n"),
                            QLatin1Char(';'), true);
    QCOMPARE(latin.field(0, 0), QStringLiteral("süß"));
    QCOMPARE(latin.field(0, 2), QStringLiteral("€ 2"));
    QCOMPARE(select(latin, QStringLiteral("oberestextfeld = SÜSS")), QStringList());
    QCOMPARE(select(latin, QStringLiteral("oberestextfeld = SÜß")), QStringList({"süß"}));
    QCOMPARE(select(latin, QStringLiteral("oberestextfeld = str*")), QStringList({"Straße"}));

    const QByteArray greek = "\xEF\xBB\xBF" + kHeader.toUtf8() +
                             QStringLiteral("καλημέρα;good morning;\r\nνερό;water;\r\n").toUtf8();
    const TabularData utf8(EncodedText::of(greek), QLatin1Char(';'), true);
    QCOMPARE(utf8.columns().first(), QStringLiteral("oberestextfeld"));
    QCOMPARE(select(utf8, QStringLiteral("oberestextfeld = ΝΕΡΌ")), QStringList({"νερό"}));
    QCOMPARE(select(utf8, QStringLiteral("unterestextfeld = good*")), QStringList({"καλημέρα"}));
    // A byte-order mark at the start of a record and a broken sequence (found by fuzzing): the
    // binary search reads the fields as the index was sorted by them.
    const TabularData odd(EncodedText::of("\xEF\xBB\xBF" + kHeader.toUtf8() +
                                          "hallo\x9C\xDF;x;\r\n\xEF\xBB\xBFha;y;\r\n];z;\r\n"),
                          QLatin1Char(';'), true);
    QCOMPARE(odd.select(QStringLiteral("oberestextfeld = hall*"), false).size(), 1);
}

void TabularDataTest::wideHeaderKeepsOnlyPresentFields()
{
    QString header = QStringLiteral("oberestextfeld;unterestextfeld;zusatztextfeld");
    for (int c = 3; c < 1000; ++c)
        header += QStringLiteral(";zusatz%1").arg(c);
    const TabularData data =
        table(header + QStringLiteral("\r\nhallo;hello;Gruss\r\nauto;car\r\n"), QLatin1Char(';'), true);
    QCOMPARE(data.columns().size(), 1000);
    QCOMPARE(data.field(0, 2), QStringLiteral("Gruss"));
    QCOMPARE(data.field(1, 2), QString());
    QCOMPARE(data.field(0, 999), QString());
    QCOMPARE(select(data, QStringLiteral("zusatz999 = ")), QStringList({"hallo", "auto"}));
    QCOMPARE(select(data, QStringLiteral("zusatz999 = x")), QStringList());

    // Fields beyond the columns are not kept; the last column ends at its own delimiter.
    const TabularData narrow = table(QStringLiteral("a;b\r\n1;2;3;4\r\n"), QLatin1Char(';'), true);
    QCOMPARE(narrow.field(0, 1), QStringLiteral("2"));
    QCOMPARE(select(narrow, QStringLiteral("b = 2")).size(), 1);
}

// Indexes are written beside the file and taken from there while the file stays as it was; a
// changed file, a damaged index file or a folder that cannot be written still give right answers.
void TabularDataTest::indexesAreKeptBesideTheFile()
{
    const test::TempProgramFolder folder;
    const QDir dir(folder.path());
    const QString path = dir.filePath(QStringLiteral("DeEn.txt"));
    const QString indexPath = ColumnIndexFile::pathFor(path);
    const auto write = [](const QString &file, const QByteArray &bytes) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    const auto foreign = [&](const QString &word) {
        TabularDataCache::clear();
        const auto data = TabularDataCache::load(path, QLatin1Char(';'), true);
        return keys(*data, data->select(QStringLiteral("unterestextfeld = ") + word, false));
    };
    write(path, kHeader.toLatin1() + "auto;car;\r\nhallo;hello;\r\nhaus;house;\r\nwagen;car;\r\n");
    QCOMPARE(foreign(QStringLiteral("car")), QStringList({"auto", "wagen"}));
    QVERIFY(QFile::exists(indexPath));
    QCOMPARE(foreign(QStringLiteral("car")), QStringList({"auto", "wagen"}));
    QCOMPARE(foreign(QStringLiteral("house")), QStringList({"haus"}));
    // A later run searching another column adds its index and keeps the first.
    const qint64 oneColumn = QFileInfo(indexPath).size();
    TabularDataCache::clear();
    QCOMPARE(select(*TabularDataCache::load(path, QLatin1Char(';'), true),
                    QStringLiteral("oberestextfeld = haus")),
             QStringList({"haus"}));
    QVERIFY(QFileInfo(indexPath).size() > oneColumn);

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    write(path,
          kHeader.toLatin1() + "auto;zar;\r\nhallo;hello;\r\nhaus;house;\r\nwagen;bar;\r\n"); // same size
    QCOMPARE(foreign(QStringLiteral("bar")), QStringList({"wagen"}));

    QFile damaged(indexPath);
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    damaged.seek(damaged.size() - 8);
    damaged.write("\xFF\xFF\xFF\x7F\xFF\xFF\xFF\x7F", 8);
    damaged.close();
    QCOMPARE(foreign(QStringLiteral("zar")), QStringList({"auto"}));
    damaged.resize(30);
    QCOMPARE(foreign(QStringLiteral("hello")), QStringList({"hallo"}));

    // An index of the earlier layout (version 2, times in milliseconds) is written anew.
    const auto version = [&] {
        QFile file(indexPath);
        quint32 number = 0;
        return file.open(QIODevice::ReadOnly) && file.seek(4) &&
                       file.read(reinterpret_cast<char *>(&number), 4) == 4
                   ? number
                   : 0;
    };
    QCOMPARE(version(), 3u);
    QVERIFY(damaged.open(QIODevice::ReadWrite) && damaged.seek(4));
    const quint32 earlier = 2;
    damaged.write(reinterpret_cast<const char *>(&earlier), 4);
    damaged.close();
    QCOMPARE(foreign(QStringLiteral("house")), QStringList({"haus"}));
    QCOMPARE(version(), 3u);

    QFile::remove(indexPath);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QCOMPARE(foreign(QStringLiteral("house")), QStringList({"haus"}));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A run that finds the index file takes the record starts from it instead of reading the whole
// file; a key before the first or after the last finds nothing, equal keys in a row give the
// first one first, and record starts out of order make the file stale.
void TabularDataTest::lookupFromTheIndexFileFindsTheFirstOfEqualKeys()
{
    const test::TempProgramFolder folder;
    const QDir dir(folder.path());
    const QString path = dir.filePath(QStringLiteral("DeEn.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kHeader.toLatin1() + "\r\n??;Deutsch;Englisch\r\naal;eel;\r\nhallo;hello;\r\nHallo;hi;\r\n"
                                    "hallo;hullo;\r\nhaus;house;\r\nzug;train;");
    file.close();
    const auto lookUp = [&](const QString &filter) {
        TabularDataCache::clear();
        const auto data = TabularDataCache::load(path, QLatin1Char(';'), true);
        QStringList found;
        const Selection selection = data->select(filter, false);
        for (int i = 0; i < selection.size(); ++i)
            found << data->field(selection.record(i), 1);
        return found;
    };
    for (int run = 0; run < 2; ++run) { // without the index file, then with it
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = hallo")), QStringList({"hello", "hi", "hullo"}));
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = aal")), QStringList({"eel"}));
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = zug")), QStringList({"train"}));
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = a")), QStringList());
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = zzz")), QStringList());
        QCOMPARE(lookUp(QStringLiteral("unterestextfeld = train")), QStringList({"train"}));
        QVERIFY(QFile::exists(ColumnIndexFile::pathFor(path)));
    }
    const auto data = TabularDataCache::load(path, QLatin1Char(';'), true);
    QCOMPARE(data->field(data->firstRecord(0, u"HALLO"), 1), QStringLiteral("hello"));
    QCOMPARE(data->firstRecord(0, u"a"), -1);
    QCOMPARE(data->firstRecord(0, u"zzz"), -1);
    QCOMPARE(data->firstRecord(3, u"hallo"), -1);

    // The first two record starts swapped: out of order, so the file is not used.
    QFile index(ColumnIndexFile::pathFor(path));
    QVERIFY(index.open(QIODevice::ReadWrite));
    QByteArray bytes = index.readAll();
    const QByteArray first = bytes.mid(40, 4);
    bytes.replace(40, 4, bytes.mid(44, 4));
    bytes.replace(44, 4, first);
    index.seek(0);
    index.write(bytes);
    index.close();
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = haus")), QStringList({"house"}));
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = ??")), QStringList({"Deutsch"}));
}

// A dictionary changed under the pages (cut short, rewritten in place): data a page holds stays
// whole, and the next search reads the file again.
void TabularDataTest::changedFileIsReadAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DeEn.txt"));
    QFile file(path);
    const auto rewrite = [&](const QByteArray &bytes) {
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
    };
    rewrite(kHeader.toLatin1() + "auto;car;\r\nhallo;hello;\r\nhaus;house;\r\n");
    TabularDataCache::clear();
    TabularDataObject page({{QStringLiteral("DataURL"), QStringLiteral("DeEn.txt")},
                            {QStringLiteral("UseHeader"), QStringLiteral("true")},
                            {QStringLiteral("FieldDelim"), QStringLiteral(";")}},
                           dir.path());
    const auto lookUp = [&](const QString &word) {
        page.setFilter(QStringLiteral("oberestextfeld = ") + word);
        page.Reset();
        return page.field(QStringLiteral("unterestextfeld"));
    };
    QCOMPARE(lookUp(QStringLiteral("haus")), QStringLiteral("house"));
    const auto held = TabularDataCache::load(path, QLatin1Char(';'), true);

    QVERIFY(file.resize(kHeader.size() + 10)); // inside the first record, after "auto;car;"
    QCOMPARE(held->field(2, 1), QStringLiteral("house"));
    QCOMPARE(lookUp(QStringLiteral("haus")), QString());
    QCOMPARE(lookUp(QStringLiteral("auto")), QStringLiteral("car"));

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    rewrite(kHeader.toLatin1() + "auto;wagon;\r\nhaus;home;\r");
    QCOMPARE(lookUp(QStringLiteral("haus")), QStringLiteral("home"));
    QCOMPARE(page.loadFailure(), FileRead::Failure::None);
    QCOMPARE(held->field(0, 1), QStringLiteral("car"));
}

// A single search reads through the index file only the records it compares, and answers as the
// whole file does. Where the index file cannot answer (no index of the column, record starts that
// are not where the lines begin, a file cut short while it is open) or belongs to an earlier state
// of the file, the whole file answers.
void TabularDataTest::oneSearchReadsThroughTheIndexFile()
{
    const test::TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("DeEn.txt"));
    const auto lookUp = [&](const QString &filter) {
        TabularDataCache::clear();
        TabularDataObject page({{QStringLiteral("DataURL"), QStringLiteral("DeEn.txt")},
                                {QStringLiteral("UseHeader"), QStringLiteral("true")},
                                {QStringLiteral("FieldDelim"), QStringLiteral(";")}},
                               folder.path(), nullptr, TabularDataObject::Reading::OneSearch);
        page.setFilter(filter);
        page.Reset();
        QStringList found;
        for (int i = 0; i < page.recordCount(); ++i)
            found << page.fieldAt(i, QStringLiteral("unterestextfeld"));
        return found;
    };
    const auto pieces = [&] { return TabularData::inPieces(path, QLatin1Char(';'), true); };
    const QByteArray text = kHeader.toLatin1() + "\r\n??;Deutsch;Englisch\r\naal;eel;\r\nhallo;hello;\r\n"
                                                 "Hallo;hi;\r\nhaus;house;\r\nzug;train;";
    folder.writeBytes(QStringLiteral("DeEn.txt"), text);
    QVERIFY(!pieces());
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = hallo")), QStringList({"hello", "hi"}));

    const auto data = pieces();
    QVERIFY(data);
    QCOMPARE(keys(*data, data->select(QStringLiteral("oberestextfeld = hallo"), false)),
             QStringList({"hallo", "Hallo"}));
    QCOMPARE(data->firstRecord(0, u"??"), 0);
    QCOMPARE(data->field(data->firstRecord(0, u"zug"), 1), QStringLiteral("train"));
    QCOMPARE(data->firstRecord(0, u"zzz"), -1);
    QVERIFY(!data->wholeFileNeeded());
    data->select(QStringLiteral("unterestextfeld = train"), false);
    QVERIFY(data->wholeFileNeeded());
    QCOMPARE(lookUp(QStringLiteral("unterestextfeld = train")), QStringList({"train"}));

    const auto held = pieces();
    QVERIFY(QFile::resize(path, kHeader.size() + 10));
    QCOMPARE(held->firstRecord(0, u"haus"), -1);
    QVERIFY(held->wholeFileNeeded());
    folder.writeBytes(QStringLiteral("DeEn.txt"), text);
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = haus")), QStringList({"house"}));

    // The first two record starts swapped.
    QFile index(ColumnIndexFile::pathFor(path));
    QVERIFY(index.open(QIODevice::ReadWrite));
    QByteArray bytes = index.readAll();
    const QByteArray first = bytes.mid(40, 4);
    bytes.replace(40, 4, bytes.mid(44, 4));
    bytes.replace(44, 4, first);
    index.seek(0);
    index.write(bytes);
    index.close();
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = ??")), QStringList({"Deutsch"}));
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = aal")), QStringList({"eel"}));

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    folder.writeBytes(QStringLiteral("DeEn.txt"), QByteArray(text).replace("house", "horse"));
    QVERIFY(!pieces());
    QCOMPARE(lookUp(QStringLiteral("oberestextfeld = haus")), QStringList({"horse"}));
}

// A data file outside the program folder, also behind a link inside it, gets no index file: its
// indexes live in memory.
// The entries past the list translator's ceiling, in the supplementary file beside the dictionary:
// asked only for one word the dictionary lacks, in both ways of reading, before the base forms.
void TabularDataTest::supplementAnswersWhatTheDictionaryLacks()
{
    const test::TempProgramFolder folder;
    folder.writeBytes(QStringLiteral("Mini.txt"),
                      kHeader.toLatin1() + "haus;house;\r\nhund;dog;\r\nsein;be;\r\n");
    folder.writeBytes(QStringLiteral("Grundformen.tab"), "ist;sein\r\n");
    folder.writeBytes(supplementName(QStringLiteral("Mini.txt")),
                      kHeader.toLatin1() + "guten morgen;good morning;\r\nhaus;home;\r\nhundehaus;kennel;\r\n"
                                           "ist;is;\r\n");
    for (const auto reading : {TabularDataObject::Reading::Shared, TabularDataObject::Reading::OneSearch}) {
        const auto lookUp = [&](const QString &filter) {
            TabularDataObject page({{QStringLiteral("DataURL"), QStringLiteral("mini.txt")},
                                    {QStringLiteral("UseHeader"), QStringLiteral("true")},
                                    {QStringLiteral("FieldDelim"), QStringLiteral(";")},
                                    {QStringLiteral("BaseForms"), QStringLiteral("Grundformen.tab")}},
                                   folder.path(), nullptr, reading);
            page.setFilter(filter);
            page.Reset();
            QStringList found;
            for (int i = 0; i < page.recordCount(); ++i)
                found << page.fieldAt(i, QStringLiteral("unterestextfeld"));
            return found;
        };
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = Guten Morgen")), QStringList{"good morning"});
        QCOMPARE(lookUp(QStringLiteral("unterestextfeld = kennel")), QStringList{"kennel"});
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = haus")), QStringList{"house"});
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = hund*")), QStringList{"dog"});
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = ist")), QStringList{"is"});
        QCOMPARE(lookUp(QStringLiteral("oberestextfeld = xyz")), QStringList());
    }
}

void TabularDataTest::longestPhraseAtAWord()
{
    const TabularData data = dictionary(QStringLiteral("auf;on;\r\nauf jeden fall;in any case;\r\n"
                                                       "guten morgen;good morning;\r\njeden;every;\r\n"));
    const Phrases::Known known = [&data](const QString &phrase) { return data.firstRecord(0, phrase) >= 0; };
    const QStringList words = {"Guten", "Morgen", "auf", "jeden", "Fall", "und", "auf", "jeden"};
    QCOMPARE(Phrases::longestAt(words, 0, known), 2);
    QCOMPARE(Phrases::longestAt(words, 1, known), 0);
    QCOMPARE(Phrases::longestAt(words, 2, known), 3);
    QCOMPARE(Phrases::longestAt(words, 6, known), 0); // "auf jeden" alone is no entry
    QCOMPARE(Phrases::longestAt(words, 8, known), 0);
}

void TabularDataTest::noIndexFileOutsideTheProgramFolder()
{
    const test::TempProgramFolder folder;
    QTemporaryDir outside;
    const QString path = outside.filePath(QStringLiteral("data.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kHeader.toLatin1() + "auto;car;\r\nhaus;house;\r\n");
    file.close();
    const QString link = folder.file(QStringLiteral("TranslateDeGb/Verweis.txt"));
    QVERIFY(QFile::link(path, link));
    const auto lookUp = [](const QString &data, const QString &pageDir) {
        TabularDataCache::clear();
        TabularDataObject page({{QStringLiteral("DataURL"), data},
                                {QStringLiteral("UseHeader"), QStringLiteral("true")},
                                {QStringLiteral("FieldDelim"), QStringLiteral(";")}},
                               pageDir);
        page.setFilter(QStringLiteral("unterestextfeld = house"));
        page.Reset();
        return page.field(QStringLiteral("oberestextfeld"));
    };
    // A page of the program reads no data outside the program folder, also not through a link.
    const QString ownPages = folder.file(QStringLiteral("TranslateDeGb"));
    QCOMPARE(lookUp(QUrl::fromLocalFile(path).toString(), ownPages), QString());
    QCOMPARE(lookUp(QStringLiteral("Verweis.txt"), ownPages), QString());
    // A page of the user's own elsewhere reads the data of its folder; the index stays in memory.
    QCOMPARE(lookUp(QStringLiteral("data.txt"), outside.path()), QStringLiteral("haus"));
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("data.txt")});
    QVERIFY(!QFile::exists(ColumnIndexFile::pathFor(link)));

    // A user's page folder whose data and index are links into the program folder and to a file
    // of the user's: the index stays in memory, the user's file as it was.
    QDir(outside.path()).mkdir(QStringLiteral("seiten"));
    const QString pages = outside.filePath(QStringLiteral("seiten"));
    folder.writeBytes(QStringLiteral("TranslateDeGb/Eigen.txt"), kHeader.toLatin1() + "haus;house;\r\n");
    QVERIFY(QFile::link(folder.file(QStringLiteral("TranslateDeGb/Eigen.txt")),
                        pages + QStringLiteral("/l.txt")));
    QVERIFY(QFile::link(path, pages + QStringLiteral("/.l.txt.index")));
    QCOMPARE(lookUp(QStringLiteral("l.txt"), pages), QStringLiteral("haus"));
    QVERIFY(QFileInfo(pages + QStringLiteral("/.l.txt.index")).isSymLink());
    // The program's own index in the place of a link is written as a file of its own.
    const QString ownIndex = ColumnIndexFile::pathFor(folder.file(QStringLiteral("TranslateDeGb/Eigen.txt")));
    QFile::remove(ownIndex);
    QVERIFY(QFile::link(path, ownIndex));
    QCOMPARE(lookUp(QStringLiteral("Eigen.txt"), ownPages), QStringLiteral("haus"));
    QVERIFY(!QFileInfo(ownIndex).isSymLink() && QFileInfo(ownIndex).size() > 0);
    QFile data(path);
    QVERIFY(data.open(QIODevice::ReadOnly));
    QCOMPARE(data.readAll(), kHeader.toLatin1() + "auto;car;\r\nhaus;house;\r\n");
}

// A data file that is a FIFO (also behind a link) or larger than the bound (a sparse file) is
// refused unread: no records, and the object says why.
void TabularDataTest::specialAndHugeFilesAreRefused()
{
    QTemporaryDir dir;
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("Rohr.txt"))).constData(), 0600), 0);
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("Rohr.txt")), dir.filePath(QStringLiteral("Link.txt"))));
    QFile huge(dir.filePath(QStringLiteral("Riesig.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write(kHeader.toLatin1() + "haus;house;\r\n") > 0);
    QVERIFY(huge.resize(kMaxDictionaryBytes + 1));
    huge.close();
    const QList<std::pair<QString, FileRead::Failure>> cases = {
        {QStringLiteral("Rohr.txt"), FileRead::Failure::NotRegular},
        {QStringLiteral("Link.txt"), FileRead::Failure::NotRegular},
        {QStringLiteral("Riesig.txt"), FileRead::Failure::TooLarge},
        {QStringLiteral("fehlt.txt"), FileRead::Failure::Missing}};
    for (const auto &[name, failure] : cases) {
        TabularDataObject page({{QStringLiteral("DataURL"), name},
                                {QStringLiteral("UseHeader"), QStringLiteral("true")},
                                {QStringLiteral("FieldDelim"), QStringLiteral(";")}},
                               dir.path());
        page.setFilter(QStringLiteral("oberestextfeld = haus"));
        page.Reset();
        QCOMPARE(page.loadFailure(), failure);
        QCOMPARE(page.recordCount(), 0);
    }
}
