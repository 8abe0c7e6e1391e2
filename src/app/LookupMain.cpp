#include "ChooserCommands.h"
#include "CommandCatalogue.h"
#include "Commands.h"
#include "LookupCall.h"

#include <cstdlib>

// "ortelia-lookup": "lookup" on QtCore alone, for the program's own dictionary pages; every other
// page it hands to "ortelia-pages", which runs the page's script, and a lookup to be spoken to the
// window program.
int main(int argc, char **argv)
{
    using namespace ortelia;
    static const Command commands[] = {
        {"lookup", runOwnPageLookupCommand, lookupNeedsWindowProgram, kPagesProgram}};
    CommandCall call(argc, argv);
    // The answer is out and checked: what the lookup built is left to the system.
    std::_Exit(call.run(commands));
}
