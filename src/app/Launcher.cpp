#include "CommandCatalogue.h"
#include "ProgramsBeside.h"

#include <cstdlib>

namespace {

// The module a command handed its call to, taken from the environment so that programs started
// later do not see it; nullptr when there is none or it is no module of the catalogue.
const char *handedModule()
{
    const char *value = std::getenv(ortelia::kHandedModuleVariable);
    const char *module = value ? ortelia::commandModule(value) : nullptr;
    unsetenv(ortelia::kHandedModuleVariable);
    return module;
}

} // namespace

// "ortelia": runs a command in the module that holds it, loaded into this process, so that no
// library but the C library is loaded before the module's own: a command in its module, --help
// in the commands module. Everything else (no arguments, options) goes, arguments unchanged, to
// the window program.
int main(int argc, char **argv)
{
    using namespace ortelia;
    const char *module = handedModule();
    if (!module && argc > 1) {
        const CommandEntry *command = findCommandEntry(argv[1]);
        module = command ? command->program : isHelpOption(argv[1]) ? kCommandsProgram : nullptr;
    }
    return module ? runModuleBeside(argv[0], module, argc, argv)
                  : replaceProcessBeside(argv[0], kWindowProgram, argv);
}
