#pragma once

#include <QObject>

// The lookup page: its bytes, its names, its search (also the 64,572 rule) on the test dictionaries.
class LookupPageTest : public QObject {
    Q_OBJECT
private slots:
    void writtenPageBytes();
    void pageNamesAndLook();
    void germanAndForeignSearch();
    void wildcardAndHitTable();
    void emptySearchAndFilterInput();
    void hitListLimit64572();
    void everyPairPageAnswersInItsLanguage();
    void badDictionariesGiveEmptyAnswers();
    void fixedPagesAnswerWithBaseForms();
    void capitalsChooseTheReading();
    void furtherTranslationsAnswerForeignWords();
    void ownPagesAreKnownByTheirWholeText();
    void dictionaryAnswersOwnAndUserPagesAlike();
};

// The dictionaries built from FreeDict and the lookup command on them.
class RealDictionaryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filesFollowTheDictionaryRules();
    void noMarksOrOwnKeysInTranslations();
    void pagesAnswerFromRealData();
    void lookupCommand();
    void lookupCommandSuggestsSpellings();
    void lookupDetailsGiveTheGermanAnswersGrammar();
    void ownPagesAnswerAsTheirScriptDoes();
    void everydayFirstTranslations();
    void spellingsAndEnglishForms();
    void formsOfTheSmallPairs();
    void everyWordOfAnInflectedSentence();
    void functionWordsAndSensesInSentences();
    void missingHunspellIsSaidOnce();
    void generalSensesFirstAndFormsInTheTable();
    void wordsOnlyOtherLanguagesHold();
};

// The dictionary import on small dictd databases and word lists made by the test.
class FreedictImportTest : public QObject {
    Q_OBJECT
private slots:
    void importsKeysTranslationsAndOrder();
    void otherScriptsAreWrittenAsUtf8();
    void keepsTheMostUsefulKeys();
    void linkMarksLeaveTheLinkedWord();
    void badDatabasesAreReported();
    void dingListFirstTranslationsAndOwners();
    void dingListPhrases();
    void placeholdersLeaveTranslations();
    void baseFormOwnsItsTranslation();
    void functionWordsGoFirst();
    void damagedFunctionWordTableIsRefusedNamingTheLine();
    void dingListKeysOfPlaceholderVerbs();
    void dingListFormsIntoTheFormTable();
    void dingListComparisonsAndLowerCaseReadings();
    void formTableFileFormat();
    void dingListGrammarIntoTheGrammarTable();
    void markedSensesAfterGeneralOnes();
    void foreignWordsAnswerWithTheCommonerGermanWord();
    void pivotAgreementOfTwoLanguages();
};
