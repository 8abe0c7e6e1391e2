#pragma once

#include <cstring>

namespace ortelia {

// A command-line command, "ortelia <name> args...", and the program beside "ortelia" that runs
// it. Without Qt: the launcher picks the program from this table before any library is loaded,
// so each command loads only the libraries it uses; --help prints the table.
struct CommandEntry {
    const char *name;
    const char *program;
    const char *usage;
    // One line for the help, in German.
    const char *summary;
};

inline constexpr const char *kWindowProgram = "ortelia-windows";
inline constexpr const char *kCommandsProgram = "ortelia-commands";
inline constexpr const char *kPagesProgram = "ortelia-pages";

inline constexpr CommandEntry kCommandCatalogue[] = {
    {"say", "ortelia-say", "say [--wav DATEI] ZEILE...",
     "spricht die Zeilen, Stimm-Markierungen zuerst; mit --wav in eine WAV-Datei"},
    {"lookup", "ortelia-lookup",
     "lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [--details] [--say [--wav DATEI]] "
     "WORT",
     "schlägt ein Wort nach und gibt Übersetzung, deutsche Seite und Zusatz aus; mit --details auch "
     "Grammatik und Aussprache des deutschen Worts; mit --say spricht es die Antwort"},
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

inline bool isHelpOption(const char *argument)
{
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

// The program beside "ortelia" that takes the call "ortelia argv[1]...": a command's own, the
// commands program for the help, the window program for everything else (none, an option).
inline const char *programFor(int argc, char **argv)
{
    if (argc < 2)
        return kWindowProgram;
    if (const CommandEntry *command = findCommandEntry(argv[1]))
        return command->program;
    return isHelpOption(argv[1]) ? kCommandsProgram : kWindowProgram;
}

} // namespace ortelia
