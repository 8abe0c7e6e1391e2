#include "DialogBoxes.h"

#include "Dialogs.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ortelia {

namespace {

class DialogBoxes : public DialogPresenter {
public:
    DialogAnswer show(const DialogRequest &request, QWidget *parent) override;
    QString fileName(const DialogRequest &request, const QString &filter, QWidget *parent) override;
};

// A box as narrow as a short text ("Zu viele Worte!") leaves a window manager room only for "..."
// of its title: the box is made as wide as the title with the frame's buttons beside it.
void keepTitleReadable(QMessageBox &box, const QString &title)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const QString shown = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    constexpr int kFrameButtons = 160;
    const int width = box.fontMetrics().horizontalAdvance(shown) * 3 / 2 + kFrameButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

DialogAnswer DialogBoxes::show(const DialogRequest &request, QWidget *parent)
{
    QMessageBox box(request.warning ? QMessageBox::Warning : QMessageBox::NoIcon, request.title, request.text,
                    QMessageBox::NoButton, parent);
    QPushButton *yes = nullptr, *no = nullptr, *ok = nullptr;
    switch (request.kind) {
    case DialogRequest::Kind::Message:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case DialogRequest::Kind::YesNo:
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        break;
    case DialogRequest::Kind::YesNoCancel:
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        break;
    default:
        break;
    }
    keepTitleReadable(box, request.title);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked && clicked == ok)
        return DialogAnswer::Ok;
    if (clicked && clicked == yes)
        return DialogAnswer::Yes;
    if (clicked && clicked == no)
        return DialogAnswer::No;
    return request.kind == DialogRequest::Kind::Message ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

QString DialogBoxes::fileName(const DialogRequest &request, const QString &filter, QWidget *parent)
{
    return request.kind == DialogRequest::Kind::OpenFile
               ? QFileDialog::getOpenFileName(parent, request.title, request.text, filter)
               : QFileDialog::getSaveFileName(parent, request.title, request.text, filter, nullptr,
                                              QFileDialog::DontConfirmOverwrite);
}

} // namespace

void useDialogBoxes()
{
    static DialogBoxes boxes;
    Dialogs::setPresenter(&boxes);
}

} // namespace ortelia
