#include "Commands.h"

#include <array>

namespace ortelia {

namespace {
const std::array<Command, 0> kCommands = {};
} // namespace

const Command *findCommand(const QString &name)
{
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QString commandUsage()
{
    QString text = QStringLiteral("Aufruf: ortelia [Befehl]\n");
    for (const Command &command : kCommands)
        text += QStringLiteral("  ortelia %1\n").arg(QLatin1String(command.usage));
    return text;
}

} // namespace ortelia
