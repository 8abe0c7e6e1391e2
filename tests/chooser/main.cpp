#include "ChooserTests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    LookupPageTest page;
    failures += QTest::qExec(&page, argc, argv);
    FreedictImportTest import;
    failures += QTest::qExec(&import, argc, argv);
    RealDictionaryTest real;
    failures += QTest::qExec(&real, argc, argv);
    return failures;
}
