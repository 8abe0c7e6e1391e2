#include "HeadlessPageTest.h"
#include "RunTests.h"
#include "TabularDataTest.h"
#include "WebBrowserTest.h"

int main(int argc, char **argv)
{
    return ortelia::test::runTests<TabularDataTest, WebBrowserTest, HeadlessPageTest>(argc, argv);
}
