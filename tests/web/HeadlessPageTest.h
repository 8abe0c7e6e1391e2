#pragma once

#include <QObject>

class HeadlessPageTest : public QObject {
    Q_OBJECT
private slots:
    void runawayScriptsAreInterruptedAndThePageStaysUsable();
    void timersAreBounded();
    void replacedContentLeavesNoNodesBehind();
    void everyHandlerThrowing();
    void longNativeWorkIsStoppedAndThePageGoesOn();
    void memoryBombsAreStoppedAndThePageGoesOn();
    void markupBeyondItsBoundsIsRefused();
};
