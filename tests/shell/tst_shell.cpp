#include "Shell.h"
#include "TestSupport.h"

#include <QtTest>

using namespace ortelia;

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void requestsCarryTheirTargetUnchanged()
    {
        test::DesktopRecorder desktop;
        // Names with blanks and shell characters are handed over as one argument.
        QVERIFY(Shell::openDocument(QStringLiteral("/p/hilfe-t/bild+text.html")));
        QVERIFY(Shell::editTextFile(QStringLiteral("/p/Translate DeGb/DeEn.txt; rm -rf x")));
        QVERIFY(Shell::openMail(QStringLiteral("ortelia@example.org")));
        QVERIFY(Shell::openAddress(QStringLiteral("https://example.org/a?b=c")));
        QVERIFY(!Shell::openAddress(QStringLiteral("javascript:alert(1)")));
        QCOMPARE(desktop.opened, (QStringList{"file:///p/hilfe-t/bild+text.html",
                                              "file:///p/Translate DeGb/DeEn.txt; rm -rf x",
                                              "mailto:ortelia@example.org", "https://example.org/a?b=c"}));
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
