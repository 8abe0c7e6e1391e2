#include "DictionaryFailureBox.h"

#include "Dialogs.h"
#include "DictionaryFile.h"

namespace ortelia {

void showDictionaryFailure()
{
    for (const QString &text : dictionaryFailureMessages())
        Dialogs::message(Dialogs::programTitle(), text);
}

} // namespace ortelia
