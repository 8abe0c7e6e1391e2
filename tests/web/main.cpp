#include "HeadlessPageTest.h"
#include "PageHostTest.h"
#include "RunTests.h"
#include "TabularDataPages.h"
#include "TabularDataTest.h"
#include "WebBrowserTest.h"

int main(int argc, char **argv)
{
    ortelia::registerTabularDataObject();
    return ortelia::test::runTests<TabularDataTest, WebBrowserTest, HeadlessPageTest, PageHostTest>(argc, argv);
}
