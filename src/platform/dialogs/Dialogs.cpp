#include "Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace ortelia {

namespace {

DialogResponder *g_responder = nullptr;

DialogAnswer showBox(const DialogRequest &request, QWidget *parent)
{
    if (g_responder)
        return g_responder->answer(request);

    QMessageBox box(request.warning ? QMessageBox::Warning : QMessageBox::NoIcon, request.title,
                    request.text, QMessageBox::NoButton, parent);
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

DialogRequest makeRequest(DialogRequest::Kind kind, const QString &title, const QString &text,
                          bool warning)
{
    DialogRequest r;
    r.kind = kind;
    r.title = title;
    r.text = text;
    r.warning = warning;
    switch (kind) {
    case DialogRequest::Kind::Message:
        r.buttons = {QStringLiteral("OK")};
        break;
    case DialogRequest::Kind::YesNo:
        r.buttons = {QStringLiteral("Ja"), QStringLiteral("Nein")};
        break;
    case DialogRequest::Kind::YesNoCancel:
        r.buttons = {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Abbrechen")};
        break;
    default:
        r.buttons = {QStringLiteral("OK"), QStringLiteral("Abbrechen")};
        break;
    }
    return r;
}

QString askFileName(DialogRequest::Kind kind, const QString &title, const QString &folder,
                    const QString &filter, QWidget *parent)
{
    if (g_responder)
        return g_responder->fileName(makeRequest(kind, title, folder, false));
    return kind == DialogRequest::Kind::OpenFile
               ? QFileDialog::getOpenFileName(parent, title, folder, filter)
               : QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr,
                                              QFileDialog::DontConfirmOverwrite);
}

} // namespace

void Dialogs::message(const QString &title, const QString &text, QWidget *parent)
{
    showBox(makeRequest(DialogRequest::Kind::Message, title, text, false), parent);
}

DialogAnswer Dialogs::yesNo(const QString &title, const QString &text, bool warning, QWidget *parent)
{
    return showBox(makeRequest(DialogRequest::Kind::YesNo, title, text, warning), parent);
}

DialogAnswer Dialogs::yesNoCancel(const QString &title, const QString &text, bool warning,
                                  QWidget *parent)
{
    return showBox(makeRequest(DialogRequest::Kind::YesNoCancel, title, text, warning), parent);
}

QString Dialogs::openFileName(const QString &title, const QString &folder, const QString &filter,
                              QWidget *parent)
{
    return askFileName(DialogRequest::Kind::OpenFile, title, folder, filter, parent);
}

QString Dialogs::saveFileName(const QString &title, const QString &folder, const QString &filter,
                              QWidget *parent)
{
    const QString path = askFileName(DialogRequest::Kind::SaveFile, title, folder, filter, parent);
    // Asked here rather than by the file dialog, so that every caller and every test sees the question.
    if (!path.isEmpty() && QFileInfo::exists(path) &&
        yesNo(title,
              QStringLiteral("Die Datei \"%1\" ist schon vorhanden. Soll sie ersetzt werden?")
                  .arg(QDir::toNativeSeparators(path)),
              true, parent) != DialogAnswer::Yes)
        return QString();
    return path;
}

void Dialogs::setResponder(DialogResponder *responder) { g_responder = responder; }

DialogResponder *Dialogs::responder() { return g_responder; }

QString Dialogs::programTitle() { return QStringLiteral("Ortelia"); }

} // namespace ortelia
