#include "RunTests.h"
#include "UpdateTests.h"

int main(int argc, char **argv)
{
    return ortelia::test::runTests<UpdateListTest, HttpGetTest>(argc, argv);
}
