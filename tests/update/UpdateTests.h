#pragma once

#include <QObject>

// The update list's rules, the update server setting and the published list.
class UpdateListTest : public QObject {
    Q_OBJECT
private slots:
    void splitsFieldsLikeTheWordSplitter();
    void newOnlyWithEightDigitsAndALaterDate();
    void refusesHostileEntries();
    void downloadsAreJudgedAsDictionaries();
    void hostileListsAndDictionariesNameTheirCause();
    void serverAddressFromSettingOrEnvironment();
    void publishesListAndDictionaries();
};

// One request against a local server: limits, failures and the atomic file.
class HttpGetTest : public QObject {
    Q_OBJECT
private slots:
    void fetchesTextAsTheUpdateClient();
    void cutsTheListAtItsLimit();
    void failuresAreNamed();
    void fileIsWrittenWholeOrNotAtAll();
    void redirectOnlyToTheWeb();
    void fullDiskDuringADownloadSaysSo();
};
