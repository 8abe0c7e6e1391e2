#include "Shell.h"

#include <QtTest>

using namespace ortelia;

namespace {
QStringList g_started;
void record(const QString &kind, const QString &target) { g_started << kind + QLatin1Char(' ') + target; }
} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void requestsCarryTheirTargetUnchanged()
    {
        Shell::setRecorder(record);
        // Names with blanks and shell characters are handed over as one argument.
        QVERIFY(Shell::openDocument(QStringLiteral("/p/hilfe-t/bild+text.html")));
        QVERIFY(Shell::editTextFile(QStringLiteral("/p/Translate DeGb/DeEn.txt; rm -rf x")));
        QVERIFY(Shell::openMail(QStringLiteral("ortelia@example.org")));
        QCOMPARE(g_started, (QStringList{"open /p/hilfe-t/bild+text.html",
                                         "edit /p/Translate DeGb/DeEn.txt; rm -rf x",
                                         "mail ortelia@example.org"}));
        Shell::setRecorder(nullptr);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
