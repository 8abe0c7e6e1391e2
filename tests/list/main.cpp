#include "ListTests.h"
#include "RunTests.h"

int main(int argc, char **argv)
{
    return ortelia::test::runTests<ListRulesTest, ListWindowTest>(argc, argv);
}
