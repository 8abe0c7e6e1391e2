#pragma once

#include "FileSave.h"
#include "UpdateList.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// The update list as last fetched, and where the update window keeps it: the stored list
// TranslateDeGb/update.chk, the whole text update.chk, and a text stored by name in TranslateDeGb.
// Each store returns the message to show when nothing was written; empty when the file was.
class UpdateFiles {
public:
    // TranslateDeGb in the program folder, where the dictionaries are.
    static QString dictionaryFolder();
    // The dictionary files there (*.txt and *.chk), the stored list not counted.
    static qsizetype dictionaryCount();
    // Where an entry is downloaded to: TranslateDeGb/<name>.chk.
    static QString downloadPath(const UpdateList::Entry &entry);
    // Makes a checked download choosable: the choosers list TranslateDeGb/*.txt, so the download
    // stays as written and a copy goes to <name>.txt (without a ".txt" or ".chk" of the entry's
    // name), or to <name>-<date>.txt where that is taken. An existing dictionary is never
    // replaced: the user may have edited it. Returns the save, whose path is the file written
    // (empty when every name was taken); a failed one says why (a full disk above all).
    static SaveResult installDownload(const UpdateList::Entry &entry);
    // The lines of the stored list; nullopt when it cannot be read.
    static std::optional<QStringList> storedLines();

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

    // An empty answer or a page without entries keeps the list the window already has; address
    // names the list in the message.
    QString storeList(const QString &address) const;
    // Only a plain name inside the dictionary folder, and only a dictionary, is written: the name
    // may come from the server.
    QString storeByName(const QString &name) const;
    QString storeWholeText() const;

private:
    QString m_text;
};

} // namespace ortelia
