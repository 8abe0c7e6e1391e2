#include "ChooserTests.h"
#include "RunTests.h"

int main(int argc, char **argv)
{
    return ortelia::test::runTests<LookupPageTest, FreedictImportTest, RealDictionaryTest>(argc, argv);
}
