#include "DictionaryChoice.h"

#include "ui_DictionaryChoice.h"

#include "HoverHelp.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QKeyEvent>
#include <QPointer>

namespace ortelia {

DictionaryChoice::DictionaryChoice(QWidget *parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::DictionaryChoice>())
{
    ui->setupUi(this);
    ui->uebernehmen->hide();
    connect(ui->File1, &QListWidget::itemClicked, ui->uebernehmen, &QWidget::show);
    connect(ui->uebernehmen, &QPushButton::clicked, this, [this] { take(true, false); });
    connect(ui->File1, &QListWidget::itemDoubleClicked, this, [this] { take(false, true); });
    ui->File1->installEventFilter(this);

    HoverHelp::Options options;
    options.highlight = QColor();
    options.alsoDo = [this] {
        const QListWidgetItem *item = ui->File1->currentItem();
        const QString text = QStringLiteral("Mit Doppelklick markiertes Wörterbuch laden..") +
                             (item ? item->text() : QString());
        HoverHelp::setHelpText(text);
        emit described(text);
    };
    HoverHelp::attach(ui->File1, QString(), options);
}

DictionaryChoice::~DictionaryChoice() = default;

void DictionaryChoice::open()
{
    show();
    raise();
    ui->uebernehmen->hide();
    ui->File1->clear();
    const QDir folder(ProgramFolder::path(QStringLiteral("TranslateDeGb")));
    ui->File1->addItems(
        folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    ui->File1->setFocus();
    ui->File1->setCurrentRow(0);
}

void DictionaryChoice::take(bool mainWindowBar, bool finish)
{
    const QListWidgetItem *item = ui->File1->currentItem();
    if (!item)
        return;
    QPointer<DictionaryChoice> alive(this);
    emit taken(item->text(), mainWindowBar);
    if (!alive)
        return;
    ui->uebernehmen->hide();
    if (finish)
        emit finished();
}

bool DictionaryChoice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            take(true, true);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace ortelia
