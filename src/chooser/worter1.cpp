#include "worter1.h"
#include "ui_worter1.h"

#include "Catalogue.h"
#include "Dialogs.h"
#include "HoverHelp.h"
#include "LookupPage.h"
#include "ProgramFolder.h"
#include "ProgramState.h"
#include "Shell.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>

namespace ortelia {

namespace {

const QString kFolder = QStringLiteral("TranslateDeGb");
const QString kPage = QStringLiteral("TranslateDeGb/sysx");
const QString kForMainWindow = QStringLiteral("Wörterbücher-Translator");
const QString kForTextTranslator = QStringLiteral("Wörterbücher-Uebersetzer:");
constexpr int kLoadDelayMs = 500;

QString bareName(const QString &fileName)
{
    // Any case of the extension: the program finds files without regard to case, so "Foo.TXT"
    // is the dictionary "Foo" whose page asks for "Foo.txt".
    return QString(fileName).remove(QLatin1String(".txt"), Qt::CaseInsensitive);
}

void colourWhileFocused(QWidget *control, bool focused)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, focused ? HoverHelp::lightYellow()
                                             : QApplication::palette(control).color(QPalette::Base));
    control->setPalette(palette);
}

} // namespace

worter1::worter1(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::worter1>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    setFixedSize(width(), kHeight);
    ui->Text4->setText(LookupPage::dataSourceLine(ui->Text1->text()));

    connect(ui->Text1, &QLineEdit::textChanged, this, &worter1::nameChanged);
    connect(ui->File1, &QListWidget::itemClicked, this, &worter1::choose);
    connect(ui->File1, &QListWidget::currentItemChanged, this, [this](const QListWidgetItem *item) {
        if (item)
            choose(item);
    });
    connect(ui->File1, &QListWidget::itemDoubleClicked, this, &worter1::applyFromDoubleClick);
    connect(ui->Command1, &QPushButton::clicked, this, &worter1::apply);
    connect(ui->Command2, &QPushButton::clicked, this, &worter1::editSelected);
    connect(ui->arabisch, &QPushButton::clicked, this,
            [this] { emit m_services.requests.openArabicKeyboard(Served::TextTranslator); });

    ui->Text1->installEventFilter(this);
    ui->File1->installEventFilter(this);
    WindowKeys::bind(services, this, [this] { close(); });
    attachHoverHelp();
}

worter1::~worter1() = default;

void worter1::answerRequests(WindowServices &services)
{
    QObject::connect(&services.requests, &ProgramRequests::openChooser, &services.requests,
                     [&registry = services.windows](Served served) {
                         if (auto *chooser = static_cast<worter1 *>(registry.window(windows::worter1)))
                             chooser->openFor(served);
                     });
}

void worter1::openFor(Served served)
{
    ui->Check1->setChecked(served == Served::Translator);
    if (served == Served::Translator)
        setWindowTitle(kForMainWindow);
    show();
}

Served worter1::served() const
{
    return ui->Check1->isChecked() ? Served::Translator : Served::TextTranslator;
}

void worter1::Form_Load()
{
    refreshFileList();
    setWindowTitle(ui->Check1->isChecked() ? kForMainWindow : kForTextTranslator);
    m_services.windows.hideControlsWithoutWindow(this);
}

void worter1::attachHoverHelp()
{
    HoverHelp::Options load;
    load.highlight = HoverHelp::lightYellow();
    load.onFocus = true;
    load.clearOnFocusOut = true;
    HoverHelp::attach(ui->Command1, QStringLiteral("Mit Klick wird das ausgewählte Wörterbuch geladen!"),
                      load);
    HoverHelp::Options edit = load;
    edit.highlight = HoverHelp::yellow();
    HoverHelp::attach(
        ui->Command2,
        QStringLiteral("Mit Klick wird das ausgewählte Wörterbuch geöffnet um es zu bearbeiten!"), edit);
}

void worter1::showEvent(QShowEvent *event)
{
    // A dictionary added since the last time appears.
    refreshFileList();
    QWidget::showEvent(event);
}

void worter1::refreshFileList()
{
    const QStringList names =
        QDir(ProgramFolder::path(kFolder))
            .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    // Refreshing is no choice of the user; the entry of the current name stays the selected one.
    const QSignalBlocker blocker(ui->File1);
    ui->File1->clear();
    ui->File1->addItems(names);
    for (int row = 0; row < ui->File1->count(); ++row) {
        if (bareName(ui->File1->item(row)->text()).compare(ui->Text1->text(), Qt::CaseInsensitive) == 0) {
            ui->File1->setCurrentRow(row);
            break;
        }
    }
}

void worter1::choose(const QListWidgetItem *item)
{
    ui->Text1->setText(item->text());
}

void worter1::nameChanged(const QString &name)
{
    ui->Text4->setText(LookupPage::dataSourceLine(name));
    const QString bare = bareName(name);
    if (bare != name) {
        // The change this makes rebuilds the line, the caption and the height from the bare name.
        ui->Text1->setText(bare);
        return;
    }
    setWindowTitle(catalogueEntry(name).chooserCaption);
    const bool arabic = name.compare(QLatin1String("Deutsch-Arabisch"), Qt::CaseInsensitive) == 0;
    setFixedHeight(arabic ? kArabicHeight : kHeight);
    // The keyboard button lies in the part that only the Arabic dictionary uncovers.
    if (arabic)
        m_services.windows.showIfPossible(ui->arabisch);
    else
        ui->arabisch->hide();
}

bool worter1::writePage()
{
    const QString path = ProgramFolder::path(kPage);
    if (LookupPage::writeWithSourceLine(path, ui->Text4->text()))
        return true;
    // The target would load the page that was there before.
    Dialogs::message(Dialogs::programTitle(),
                     QStringLiteral("Achtung : Die Wörterbuch-Seite [%1] kann nicht geschrieben werden! "
                                    "Fehlt der Ordner TranslateDeGb oder ist die Datei schreibgeschützt?")
                         .arg(QDir::toNativeSeparators(path)),
                     this);
    return false;
}

void worter1::apply()
{
    if (writePage())
        QTimer::singleShot(kLoadDelayMs, this, &worter1::loadInTarget);
}

void worter1::loadInTarget()
{
    const Served target = served();
    const QPointer<worter1> self(this);
    emit m_services.requests.dictionaryChosen(target);
    if (!self)
        return;
    setWindowTitle(target == Served::Translator ? kForMainWindow : kForTextTranslator);
    hide();
}

void worter1::applyFromDoubleClick(const QListWidgetItem *item)
{
    choose(item);
    if (!writePage())
        return;
    // Only the text translator loads the page and so names its languages again; a page that was
    // not written leaves them as they are.
    if (served() == Served::TextTranslator)
        m_services.state.textPair.set(QStringLiteral("Lade..."), QStringLiteral("Lade..."));
    QTimer::singleShot(kLoadDelayMs, this, &worter1::apply);
}

void worter1::editSelected()
{
    if (const QListWidgetItem *item = ui->File1->currentItem())
        Shell::editTextFile(ProgramFolder::path(kFolder + QLatin1Char('/') + item->text()));
}

void worter1::showFileListHelp()
{
    HoverHelp::setHelpText(QStringLiteral("Mit Doppelklick wird das ausgewählte Wörterbuch geladen! ") +
                           windowTitle());
}

bool worter1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
        (watched == ui->Text1 || watched == ui->File1))
        colourWhileFocused(static_cast<QWidget *>(watched), type == QEvent::FocusIn);
    if (watched == ui->File1 &&
        (type == QEvent::Enter || type == QEvent::FocusIn || type == QEvent::KeyPress))
        showFileListHelp();
    return false;
}

} // namespace ortelia
