#include "ClipboardTranslator.h"

#include "ClipboardCapture.h"
#include "HoverHelp.h"
#include "TextRoutines.h"
#include "TextTranslatorLayout.h"
#include "WindowRegistry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPointer>

namespace ortelia {

namespace {

// Positions and sizes in pixels (twips / 15).
constexpr int kPanelTop = 155;
constexpr int kPanelOut = 360;
constexpr int kArrangedHeight = 7050 / 15;
constexpr int kMiniOffHeight = 7000 / 15;

void movePanel(QWidget *panel, int top)
{
    panel->move(panel->x(), top);
    panel->raise();
}

} // namespace

ClipboardTranslator::ClipboardTranslator(const Controls &controls, QObject *parent)
    : QObject(parent), m_controls(controls)
{
    connect(controls.open, &QAbstractButton::clicked, this, &ClipboardTranslator::OpenClipboardTranslator);
    connect(controls.german, &QAbstractButton::clicked, this, &ClipboardTranslator::TranslateClipboardGerman);
    connect(controls.english, &QAbstractButton::clicked, this, &ClipboardTranslator::TranslateClipboardEnglish);
    connect(controls.close, &QAbstractButton::clicked, this, &ClipboardTranslator::CloseClipboardTranslator);
    connect(controls.openGerman, &QAbstractButton::clicked, this, [this] { openIfNeeded(Side::German); });
    connect(controls.openEnglish, &QAbstractButton::clicked, this, [this] { openIfNeeded(Side::English); });
    connect(controls.mini, &QCheckBox::toggled, this, &ClipboardTranslator::setMini);
}

void ClipboardTranslator::OpenClipboardTranslator()
{
    m_controls.panel->show();
    movePanel(m_controls.panel, kPanelTop);
    if (!ArrangeTextTranslatorNarrow(kArrangedHeight))
        return;
    QPointer<QWidget> window(m_controls.mainWindow);
    pause(1.0);
    if (!window)
        return;
    window->show();
    m_controls.chooserPicture->show();
}

void ClipboardTranslator::TranslateClipboardGerman()
{
    translateClipboard(Side::German);
}

void ClipboardTranslator::TranslateClipboardEnglish()
{
    translateClipboard(Side::English);
}

void ClipboardTranslator::translateClipboard(Side side)
{
    const bool german = side == Side::German;
    // Capturing into the text translator loads it when it is not loaded.
    QPlainTextEdit *source = WindowRegistry::control(german ? ctl::TextUeberA_Text : ctl::TextUeberA_TextE);
    if (!source || !CaptureClipboard(source)) {
        HoverHelp::setHelpText(
            QStringLiteral("Die Zwischenablage enthält keinen Text: es gibt nichts zu übersetzen."));
        return;
    }
    // The user sees what is translated, also when the capture has just loaded the window.
    source->window()->show();
    QPointer<QWidget> window(m_controls.mainWindow);
    pause(2.0);
    // A text translator closed during the wait is not opened again for the press.
    if (window)
        WindowRegistry::pressIfOpen(german ? ctl::TextUeberA_SpeakButton : ctl::TextUeberA_SpeakButtonE);
}

void ClipboardTranslator::openIfNeeded(Side side)
{
    const bool german = side == Side::German;
    if ((german ? m_controls.loadedGerman : m_controls.loadedEnglish)->isChecked()) {
        translateClipboard(side);
        return;
    }
    OpenClipboardTranslator();
    QPointer<QWidget> window(m_controls.mainWindow);
    pause(1.5);
    if (window)
        translateClipboard(side);
}

void ClipboardTranslator::keyF5()
{
    QPointer<QWidget> window(m_controls.mainWindow);
    TranslateClipboardGerman();
    if (window)
        m_controls.openGerman->click();
}

void ClipboardTranslator::keyF6()
{
    QPointer<QWidget> window(m_controls.mainWindow);
    TranslateClipboardEnglish();
    if (window)
        m_controls.openEnglish->click();
}

void ClipboardTranslator::CloseClipboardTranslator()
{
    movePanel(m_controls.panel, kPanelOut);
    WindowRegistry::pressIfOpen(ctl::TextUeberA_fensterschlissen);
    m_controls.loadedGerman->setChecked(false);
    m_controls.loadedEnglish->setChecked(false);
}

void ClipboardTranslator::setMini(bool mini)
{
    m_controls.mini->setText(mini ? QStringLiteral("Maxi-Fenster") : QStringLiteral("Mini-Fenster"));
    if (QWidget *translator = WindowRegistry::window(windows::TextUeberA))
        translator->resize(translator->width(), mini ? 0 : kMiniOffHeight);
}

} // namespace ortelia
