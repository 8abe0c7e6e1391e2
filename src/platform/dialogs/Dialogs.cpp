#include "Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace ortelia {

namespace {

DialogResponder *g_responder = nullptr;

DialogPresenter *g_presenter = nullptr;

DialogAnswer showBox(const DialogRequest &request, QWidget *parent)
{
    if (g_responder)
        return g_responder->answer(request);
    if (g_presenter)
        return g_presenter->show(request, parent);
    std::fprintf(stderr, "%s\n", qPrintable(request.text));
    switch (request.kind) {
    case DialogRequest::Kind::Message:
        return DialogAnswer::Ok;
    case DialogRequest::Kind::YesNo:
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
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
    const DialogRequest request = makeRequest(kind, title, folder, false);
    if (g_responder)
        return g_responder->fileName(request);
    return g_presenter ? g_presenter->fileName(request, filter, parent) : QString();
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

void Dialogs::setPresenter(DialogPresenter *presenter) { g_presenter = presenter; }

void Dialogs::setResponder(DialogResponder *responder) { g_responder = responder; }

DialogResponder *Dialogs::responder() { return g_responder; }

QString Dialogs::programTitle() { return QStringLiteral("Ortelia"); }

} // namespace ortelia
