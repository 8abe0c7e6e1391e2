#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ortelia {

// What the list translator's hover texts need of the window.
struct ListHoverHooks {
    // Puts a text into the window's description panel.
    std::function<void(const QString &)> describe;
    std::function<QString()> voiceLine;
    std::function<void()> hideLists;
};

// The list translator's hover texts, attached to its controls by name: each goes into the help
// window's label and, through describe, into the window's description panel. Some are made
// when the pointer comes: the voice, the line, the loaded dictionary.
void attachListHoverHelp(QWidget *window, const ListHoverHooks &hooks);

// The text the pointer on a dictionary line shows: the grammar of its German key (GrammarTable of
// the program folder, opened on the first line asked).
std::function<QString(const QString &line)> lineGrammarHelp();

} // namespace ortelia
