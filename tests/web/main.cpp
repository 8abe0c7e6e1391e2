#include "TabularDataTest.h"
#include "WebBrowserTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    TabularDataTest data;
    failures += QTest::qExec(&data, argc, argv);
    WebBrowserTest browser;
    failures += QTest::qExec(&browser, argc, argv);
    return failures;
}
