#include "ChooserTests.h"
#include "RunTests.h"
#include "TabularDataPages.h"

int main(int argc, char **argv)
{
    ortelia::registerTabularDataObject();
    return ortelia::test::runTests<LookupPageTest, FreedictImportTest, RealDictionaryTest>(argc, argv);
}
