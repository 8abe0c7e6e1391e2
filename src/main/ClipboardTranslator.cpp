#include "ClipboardTranslator.h"

#include "ClipboardCapture.h"
#include "HoverHelp.h"
#include "ProgramRequests.h"
#include "SlidingPanel.h"
#include "TextRoutines.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QTimer>

namespace ortelia {

namespace {

// Positions and sizes in pixels.
constexpr int kPanelTop = 155;
constexpr int kPanelOut = 360;
constexpr int kArrangedHeight = 7050 / 15;
// The main window comes back in front of the arranged text translator after a second; a
// clipboard translated after opening waits for the arrangement a little longer.
constexpr int kShowAgainDelay = 1000;
constexpr int kTranslateAfterOpenDelay = 1500;

} // namespace

ClipboardTranslator::ClipboardTranslator(WindowServices &services, const Controls &controls, QObject *parent)
    : QObject(parent), m_services(services), m_controls(controls)
{
    connect(controls.open, &QAbstractButton::clicked, this, &ClipboardTranslator::OpenClipboardTranslator);
    connect(controls.german, &QAbstractButton::clicked, this,
            [this] { TranslateClipboard(TextDirection::German); });
    connect(controls.english, &QAbstractButton::clicked, this,
            [this] { TranslateClipboard(TextDirection::Foreign); });
    connect(controls.close, &QAbstractButton::clicked, this, &ClipboardTranslator::CloseClipboardTranslator);
    connect(controls.openGerman, &QAbstractButton::clicked, this,
            [this] { TranslateClipboardAndOpen(TextDirection::German); });
    connect(controls.openEnglish, &QAbstractButton::clicked, this,
            [this] { TranslateClipboardAndOpen(TextDirection::Foreign); });
    connect(controls.mini, &QCheckBox::toggled, this, &ClipboardTranslator::setMini);
    controls.mainWindow->installEventFilter(this);
}

void ClipboardTranslator::OpenClipboardTranslator()
{
    slidePanel(m_controls.panel, kPanelTop);
    emit m_services.requests.arrangeTextTranslatorNarrow(kArrangedHeight);
    m_mainHiddenMeanwhile = false;
    QTimer::singleShot(kShowAgainDelay, this, [this] {
        // The wait belongs to the opening: a main window hidden after it began (the tray's
        // "Uebersetzen-..." entries) was hidden after the opening and stays hidden.
        if (!m_mainHiddenMeanwhile)
            m_controls.mainWindow->show();
        m_controls.chooserPicture->show();
    });
}

bool ClipboardTranslator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.mainWindow && event->type() == QEvent::Hide)
        m_mainHiddenMeanwhile = true;
    return QObject::eventFilter(watched, event);
}

void ClipboardTranslator::TranslateClipboard(TextDirection direction)
{
    const std::optional<QString> text = ClipboardText();
    if (!text) {
        HoverHelp::setHelpText(
            QStringLiteral("Die Zwischenablage enthält keinen Text: es gibt nichts zu übersetzen."));
        return;
    }
    // The user sees what is translated, also when the text translator is loaded for it.
    if (QWidget *translator = m_services.windows.window(windows::TextUeberA))
        translator->show();
    emit m_services.requests.translateText(*text, direction);
}

void ClipboardTranslator::TranslateClipboardAndOpen(TextDirection direction)
{
    const bool german = direction == TextDirection::German;
    if ((german ? m_controls.loadedGerman : m_controls.loadedEnglish)->isChecked()) {
        TranslateClipboard(direction);
        return;
    }
    OpenClipboardTranslator();
    QTimer::singleShot(kTranslateAfterOpenDelay, this, [this, direction] { TranslateClipboard(direction); });
}

void ClipboardTranslator::keyF5()
{
    TranslateClipboard(TextDirection::German);
    m_controls.openGerman->click();
}

void ClipboardTranslator::keyF6()
{
    TranslateClipboard(TextDirection::Foreign);
    m_controls.openEnglish->click();
}

void ClipboardTranslator::CloseClipboardTranslator()
{
    slidePanel(m_controls.panel, kPanelOut);
    emit m_services.requests.dropTextTranslator();
    m_controls.loadedGerman->setChecked(false);
    m_controls.loadedEnglish->setChecked(false);
}

void ClipboardTranslator::setMini(bool mini)
{
    m_controls.mini->setText(mini ? QStringLiteral("Maxi-Fenster") : QStringLiteral("Mini-Fenster"));
    emit m_services.requests.setTextTranslatorMini(mini);
}

} // namespace ortelia
