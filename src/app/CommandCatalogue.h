#pragma once

#include <cstring>

namespace ortelia {

// A command-line command, "ortelia <name> args...", and the module beside "ortelia" that runs
// it. Without Qt: the launcher chooses the module from it before any library is loaded, so each
// command loads only the libraries it uses.
struct CommandEntry {
    const char *name;
    const char *program;
    const char *usage;
    // One line for the help, in German.
    const char *summary;
};

// The launcher and the window program are executables, the rest modules the launcher loads.
inline constexpr const char *kLauncherProgram = "ortelia";
inline constexpr const char *kWindowProgram = "ortelia-windows";
inline constexpr const char *kCommandsProgram = "ortelia-commands";
inline constexpr const char *kPagesProgram = "ortelia-pages";
// Names the module a command hands its call to; the launcher reads it and takes it away.
inline constexpr const char *kHandedModuleVariable = "ORTELIA_MODULE";

inline constexpr CommandEntry kCommandCatalogue[] = {
    {"say", "ortelia-say", "say [--wav DATEI] ZEILE...",
     "spricht die Zeilen, Stimm-Markierungen zuerst; mit --wav in eine WAV-Datei"},
    {"lookup", "ortelia-lookup", "lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT",
     "schlägt ein Wort nach und gibt Übersetzung, deutsche Seite und Zusatz aus"},
    {"translate", kPagesProgram,
     "translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [DATEI]",
     "übersetzt einen Text (DATEI oder Standardeingabe) Wort für Wort"},
    {"import-freedict", kCommandsProgram, "import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]",
     "macht aus einem FreeDict-Wörterbuch ein Wörterbuch dieses Programms"},
    {"publish-updates", kCommandsProgram, "publish-updates ORDNER BASIS-ADRESSE [DATUM]",
     "schreibt die Update-Liste und die Wörterbücher für einen Update-Server in ORDNER"},
    {"install", kCommandsProgram, "install",
     "trägt Ortelia mit Symbol und Fenster-Aktionen ins Menü des Desktops ein"},
    {"uninstall", kCommandsProgram, "uninstall", "nimmt den Menüeintrag und das Symbol wieder heraus"},
};

inline const CommandEntry *findCommandEntry(const char *name)
{
    for (const CommandEntry &entry : kCommandCatalogue) {
        if (std::strcmp(name, entry.name) == 0)
            return &entry;
    }
    return nullptr;
}

// The catalogue's own name of the command module called name; nullptr for any other name.
inline const char *commandModule(const char *name)
{
    if (std::strcmp(name, kCommandsProgram) == 0)
        return kCommandsProgram;
    for (const CommandEntry &entry : kCommandCatalogue) {
        if (std::strcmp(name, entry.program) == 0)
            return entry.program;
    }
    return nullptr;
}

inline bool isHelpOption(const char *argument)
{
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

} // namespace ortelia
