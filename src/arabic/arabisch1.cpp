#include "arabisch1.h"
#include "ui_arabisch1.h"

#include "ArabicFont.h"
#include "ArabicKeys.h"
#include "Dialogs.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "KeyButton.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "WindowKeys.h"
#include "WindowOrder.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

namespace ortelia {

namespace {

// The key width on the picture, in pixels.
constexpr double kKeyUnit = 40;
// The text translator's height when the keyboard feeds it.
constexpr int kTextTranslatorHeight = 465;
constexpr double kLargestFontSize = 200;
// The keyboard comes back to the front this long after the window it handed a word to, or the
// help window, came forward.
constexpr int kBackToFrontMs = 1000;

} // namespace

arabisch1::arabisch1(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::arabisch1>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    Timer1 = new FormTimer(QStringLiteral("Timer1"), 500, false, this);
    buildKeyAreas();
    drawKeyboard();
    bindServedWindow();

    connect(Timer1, &FormTimer::timeout, this, &arabisch1::rightToLeftTick);
    connect(ui->arabic, &QPushButton::clicked, this, [this] {
        useArabicFont(Qt::AlignLeft, false);
        focusText();
    });
    connect(ui->rl, &QPushButton::clicked, this, [this] { useArabicFont(Qt::AlignRight, true); });
    connect(ui->auswahlRl, &QPushButton::clicked, this, [this] { useChosenFont(Qt::AlignRight, true); });
    connect(ui->auswahlLr, &QPushButton::clicked, this, [this] {
        useChosenFont(Qt::AlignLeft, false);
        focusText();
        ui->Text1->end(false);
    });
    connect(ui->ok, &QPushButton::clicked, this, [this] {
        useChosenFont(Qt::AlignLeft, false);
        focusText();
    });
    connect(ui->Combo1, &QComboBox::activated, ui->ok, &QPushButton::click);
    connect(ui->arial, &QPushButton::clicked, this, [this] {
        setFont(QStringLiteral("Arial"), Qt::AlignLeft, false);
        focusText();
    });
    connect(ui->hiero, &QPushButton::clicked, this, [this] {
        setFont(QStringLiteral("Nahkt"), ui->Text1->alignment(), false);
        focusText();
    });
    connect(ui->Text2, &QLineEdit::textChanged, this, &arabisch1::fontSizeChanged);
    connect(ui->Text1, &QLineEdit::textChanged, this,
            [](const QString &text) { HoverHelp::setHelpText(text); });
    connect(ui->deutschsuche, &QPushButton::clicked, this, [this] { send(Direction::German); });
    connect(ui->englischsuche, &QPushButton::clicked, this, [this] { send(Direction::Foreign); });
    connect(ui->Check4, &QCheckBox::toggled, this, &arabisch1::setTopmost);
    connect(ui->exit, &QPushButton::clicked, this, &QWidget::close);
    ui->Text1->installEventFilter(this);
    attachHoverHelp();
    WindowKeys::bind(services, this, [this] { close(); },
                     {{Qt::Key_F1,
                       [this] {
                           if (QWidget *help = m_services.windows.window(windows::hilfe1))
                               help->show();
                           QTimer::singleShot(kBackToFrontMs, this, [this] {
                               m_services.windows.bringToFront(windows::arabisch1);
                           });
                       }},
                      {Qt::Key_F5, [this] { ui->Text1->clear(); }}});
}

arabisch1::~arabisch1() = default;

void arabisch1::answerRequests(WindowServices &services)
{
    QObject::connect(&services.requests, &ProgramRequests::openArabicKeyboard, &services.requests,
                     [&state = services.state, &registry = services.windows](Served served) {
                         state.keyboardServesTextTranslator.set(served == Served::TextTranslator);
                         if (QWidget *keyboard = registry.window(windows::arabisch1))
                             keyboard->show();
                     });
}

void arabisch1::Form_Load()
{
    ui->Combo1->addItems(QFontDatabase::families());
    ui->Combo1->setEditText(QStringLiteral("Schrift waehlen >"));
}

// The target buttons show whom the keyboard serves, and its send keys carry that window's
// language names.
void arabisch1::bindServedWindow()
{
    ProgramState &state = m_services.state;
    (state.keyboardServesTextTranslator.value() ? ui->Option1_1 : ui->Option1_0)->setChecked(true);
    connect(ui->Option1_1, &QRadioButton::toggled, &state.keyboardServesTextTranslator, &Flag::set);
    connect(&state.keyboardServesTextTranslator, &Flag::changed, this, [this](bool textTranslator) {
        (textTranslator ? ui->Option1_1 : ui->Option1_0)->setChecked(true);
        refreshDirectionLabels();
    });
    connect(&state.translatorPair, &LanguagePair::changed, this, &arabisch1::refreshDirectionLabels);
    connect(&state.textPair, &LanguagePair::changed, this, &arabisch1::refreshDirectionLabels);
    refreshDirectionLabels();
}

void arabisch1::buildKeyAreas()
{
    for (const ArabicKey &key : ArabicKeys::all()) {
        auto *area = new KeyButton(ui->Picture1);
        area->setObjectName(QLatin1String(key.label));
        area->setGeometry(ArabicKeys::area(key, kKeyUnit).toRect());
        area->setText(QString::fromUtf16(key.caption));
        area->setAccessibleName(ArabicKeys::spokenName(key));
        if (*key.right)
            area->setAccessibleDescription(QStringLiteral("Rechte Maustaste: ") + QString::fromUtf16(key.right));
        const ArabicKey *k = &key;
        connect(area, &KeyButton::clicked, this, [this, k] { pressKey(*k, Qt::LeftButton); });
        connect(area, &KeyButton::rightClicked, this, [this, k] { pressKey(*k, Qt::RightButton); });
        if (key.role == KeyRole::SendGerman)
            Label55 = area;
        else if (key.role == KeyRole::SendForeign)
            Label56 = area;
    }
}

void arabisch1::drawKeyboard()
{
    QSvgRenderer picture(ProgramFolder::path(QStringLiteral("art/tastatur-arabisch.svg")));
    if (!picture.isValid())
        return;
    QPixmap pixmap(ui->Picture1->size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture.render(&painter);
    ui->Picture1->setPixmap(pixmap);
}

void arabisch1::pressKey(const ArabicKey &key, Qt::MouseButton button)
{
    switch (key.role) {
    case KeyRole::Character:
        insertCharacter(ArabicKeys::character(key, button));
        break;
    case KeyRole::DeleteBefore:
        deleteBeside(true);
        break;
    case KeyRole::DeleteAfter:
        deleteBeside(false);
        break;
    case KeyRole::Clear:
        ui->Text1->clear();
        break;
    case KeyRole::SendGerman:
        send(Direction::German);
        break;
    case KeyRole::SendForeign:
        send(Direction::Foreign);
        break;
    case KeyRole::Close:
        close();
        break;
    }
}

void arabisch1::insertCharacter(const QString &text)
{
    focusTextUnlessOnKeys();
    ui->Text1->insert(text);
}

void arabisch1::deleteBeside(bool before)
{
    focusTextUnlessOnKeys();
    if (before)
        ui->Text1->backspace();
    else
        ui->Text1->del();
}

void arabisch1::focusTextUnlessOnKeys()
{
    // A key reached with Tab keeps the focus, so that the next key is one Tab away.
    if (!ui->Picture1->isAncestorOf(QApplication::focusWidget()))
        focusText();
}

void arabisch1::focusText()
{
    activateWindow();
    ui->Text1->setFocus();
}

void arabisch1::setFont(const QString &family, Qt::Alignment alignment, bool rightToLeft)
{
    QFont font = ui->Text1->font();
    font.setFamily(family);
    ui->Text1->setFont(font);
    // Right means the right edge: Qt would mirror a right alignment in a right-to-left field.
    ui->Text1->setAlignment(alignment | Qt::AlignAbsolute);
    ui->Text1->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    Timer1->setEnabled(rightToLeft);
}

void arabisch1::useArabicFont(Qt::Alignment alignment, bool rightToLeft)
{
    const QString family = ArabicFont::installed();
    if (family.isEmpty())
        HoverHelp::setHelpText(ArabicFont::missingHint());
    setFont(family.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : family,
            alignment, rightToLeft);
}

void arabisch1::useChosenFont(Qt::Alignment alignment, bool rightToLeft)
{
    setFont(ui->Combo1->currentText(), alignment, rightToLeft);
}

void arabisch1::rightToLeftTick()
{
    // The letters are stored in reading order and drawn right to left, so the next one goes to
    // the end of the text, which the right-to-left field shows on the left. The focus is taken
    // only inside this window: typing in another one stays there.
    if (isActiveWindow())
        ui->Text1->setFocus();
    ui->Text1->end(false);
    refreshDirectionLabels();
}

void arabisch1::fontSizeChanged(const QString &value)
{
    // An emptied field is a value still being typed.
    if (value.trimmed().isEmpty())
        return;
    bool number = false;
    const double size =
        QString(value).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&number);
    if (!number || size <= 0 || size > kLargestFontSize) {
        Dialogs::message(Dialogs::programTitle(),
                         QStringLiteral("Die Schrift muss grosser als [ 0 ] betragen"), this);
        ui->Text2->setText(QStringLiteral("1"));
        return;
    }
    QFont font = ui->Text1->font();
    font.setPointSizeF(size);
    ui->Text1->setFont(font);
    HoverHelp::setHelpText(QStringLiteral("Schrift Groesse [") + value + QLatin1Char(']'));
}

bool arabisch1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
    }
    if (watched == ui->Text1 && event->type() == QEvent::FocusIn)
        HoverHelp::setHelpText(ui->Text1->text() + QStringLiteral(" Mit Taste [ F5 ] Textfeld loeschen!"));
    return QWidget::eventFilter(watched, event);
}

void arabisch1::enterPressed()
{
    const bool german = ui->Check3->isChecked();
    ui->Check3->setText((german ? Label55 : Label56)->text() + QStringLiteral(" Enter"));
    send(german ? Direction::German : Direction::Foreign);
    ui->Text1->setFocus();
}

bool arabisch1::mainWindowIsTarget() const
{
    return ui->Option1_0->isChecked();
}

void arabisch1::send(Direction direction)
{
    const QString text = ui->Text1->text();
    if (mainWindowIsTarget())
        sendToMainWindow(direction, text);
    else
        sendToTextTranslator(direction, text);
}

void arabisch1::sendToMainWindow(Direction direction, const QString &text)
{
    emit m_services.requests.lookUpWord(text, direction);
    ui->Text1->clear();
    QTimer::singleShot(kBackToFrontMs, this, [this] {
        show();
        raise();
    });
}

void arabisch1::sendToTextTranslator(Direction direction, const QString &text)
{
    emit m_services.requests.arrangeTextTranslatorNarrow(kTextTranslatorHeight);
    ui->Text1->clear();
    emit m_services.requests.translateText(text, direction);
}

const LanguagePair &arabisch1::servedPair() const
{
    return mainWindowIsTarget() ? m_services.state.translatorPair : m_services.state.textPair;
}

void arabisch1::refreshDirectionLabels()
{
    // A window that has not named its languages yet leaves the keys' own captions.
    const LanguagePair &pair = servedPair();
    if (!pair.first().isEmpty())
        Label55->setText(pair.first());
    if (!pair.second().isEmpty())
        Label56->setText(pair.second());
}

void arabisch1::setTopmost(bool topmost)
{
    SetTopMost(this, topmost ? ZOrder::Topmost : ZOrder::NotTopmost);
}

void arabisch1::attachHoverHelp()
{
    const auto dynamic = [](QWidget *control, std::function<QString()> text) {
        HoverHelp::Options options;
        options.alsoDo = [text] { HoverHelp::setHelpText(text()); };
        HoverHelp::attach(control, QString(), options);
    };
    const auto germanFirst = [this] {
        return QStringLiteral("Text ") + Label55->text() + QStringLiteral(" in ") + Label56->text() +
               QStringLiteral(" uebersetzen");
    };
    const auto foreignFirst = [this] {
        return QStringLiteral("Text ") + Label56->text() + QStringLiteral(" in ") + Label55->text() +
               QStringLiteral(" uebersetzen");
    };
    dynamic(ui->Check3, [this] {
        const bool german = ui->Check3->isChecked();
        return QStringLiteral("Mit Enter-Klick auf das Textfeld, Text übersetzen ") +
               (german ? Label55 : Label56)->text() + QStringLiteral(" in ") +
               (german ? Label56 : Label55)->text();
    });
    dynamic(ui->Combo1, [this] {
        return QStringLiteral("Schrift auswaehlen [") + ui->Combo1->currentText() + QLatin1Char(']');
    });
    dynamic(ui->deutschsuche, germanFirst);
    dynamic(Label55, germanFirst);
    dynamic(ui->englischsuche, foreignFirst);
    dynamic(Label56, foreignFirst);
    dynamic(ui->arabic, [] {
        return QStringLiteral("Schrift  [Arabic]....... ") +
               (ArabicFont::installed().isEmpty() ? ArabicFont::missingHint() : QString());
    });
    const auto target = [this] {
        return mainWindowIsTarget() ? QStringLiteral("Ueber das Translator-Fenster Text uebersetzen ")
                                    : QStringLiteral("Ueber das Uebersetzungs-Fenster Text uebersetzen");
    };
    dynamic(ui->Option1_0, target);
    dynamic(ui->Option1_1, target);
    HoverHelp::attach(ui->Check4, QStringLiteral("Fenster in Vordergrund"));
    HoverHelp::attach(ui->auswahlLr, QStringLiteral("Schrift Auswal [von links nach rechts schreiben]"));
    HoverHelp::attach(ui->auswahlRl, QStringLiteral("Schrift Auswal [von rechts nach links schreiben]"));
    HoverHelp::attach(ui->rl, QStringLiteral("Von rechts nach links schreiben"));
    HoverHelp::attach(ui->ok, QStringLiteral("Auswahl uebernehmen"));
    HoverHelp::attach(ui->arial, QStringLiteral("Schrift  [Arial]"));
    HoverHelp::attach(ui->hiero, QStringLiteral("Hieroglyphics Schrift [Nahkt]"));
    HoverHelp::Options exit;
    exit.highlight = HoverHelp::lightRed();
    HoverHelp::attach(ui->exit, QStringLiteral("Exit [Fenster schliessen]"), exit);
    if (QWidget *exitArea = ui->Picture1->findChild<QWidget *>(QStringLiteral("Label57")))
        HoverHelp::attach(exitArea, QStringLiteral("Exit [Fenster schliessen]"), exit);
    if (QWidget *space = ui->Picture1->findChild<QWidget *>(QStringLiteral("Label26")))
        HoverHelp::attach(space, QStringLiteral("Leer Zeichen"));
}

void arabisch1::closeEvent(QCloseEvent *event)
{
    // Closing unloads: the timers stop, and the next opening starts afresh.
    event->accept();
    m_services.windows.unload(windows::arabisch1);
}

} // namespace ortelia
