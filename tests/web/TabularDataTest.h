#pragma once

#include <QObject>

class TabularDataTest : public QObject {
    Q_OBJECT
private slots:
    void readsRecordsFieldsAndHeader();
    void filterComparesWholeValuesWithoutCase();
    void filterWildcardsAndTerms();
    void indexAgreesWithScan();
    void cacheSharesFilesUntilTheyChange();
    void badFilesGiveNoCrash();
    void fieldsDecodeFromTheFilesEncoding();
    void wideHeaderKeepsOnlyPresentFields();
    void indexesAreKeptBesideTheFile();
    void lookupFromTheIndexFileFindsTheFirstOfEqualKeys();
    void changedFileIsReadAgain();
    void oneSearchReadsThroughTheIndexFile();
    void supplementAnswersWhatTheDictionaryLacks();
    void longestPhraseAtAWord();
    void noIndexFileOutsideTheProgramFolder();
    void specialAndHugeFilesAreRefused();
};
