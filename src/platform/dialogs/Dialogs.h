#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ortelia {

// What a box asked: kept by test responders, handed to the real boxes otherwise.
struct DialogRequest {
    enum class Kind { Message, YesNo, YesNoCancel, OpenFile, SaveFile };
    Kind kind = Kind::Message;
    QString title;
    QString text;
    QStringList buttons;   // captions in order, e.g. {"OK"} or {"Ja", "Nein"}
    bool warning = false;  // shown with the warning icon
};

enum class DialogAnswer { Ok, Yes, No, Cancel };

// Answers boxes instead of the user; installed by tests so that no test blocks on a modal box.
class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual DialogAnswer answer(const DialogRequest &request) = 0;
    // For file dialogs: the chosen path, or an empty string for "cancelled".
    virtual QString fileName(const DialogRequest &request) = 0;
};

// Shows boxes to the user. The window program installs the real ones (DialogBoxes.h).
class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    virtual DialogAnswer show(const DialogRequest &request, QWidget *parent) = 0;
    // request.text holds the folder to start in; an empty string for "cancelled".
    virtual QString fileName(const DialogRequest &request, const QString &filter, QWidget *parent) = 0;
};

// Every message box and file dialog of the program goes through here. Without a presenter (the
// commands) a message goes to standard error, a question is answered "Abbrechen" (or "Nein")
// and a file dialog is cancelled.
class Dialogs {
public:
    static void message(const QString &title, const QString &text, QWidget *parent = nullptr);
    static DialogAnswer yesNo(const QString &title, const QString &text, bool warning = false,
                              QWidget *parent = nullptr);
    static DialogAnswer yesNoCancel(const QString &title, const QString &text, bool warning = false,
                                    QWidget *parent = nullptr);
    static QString openFileName(const QString &title, const QString &folder, const QString &filter,
                                QWidget *parent = nullptr);
    // Asks before replacing a file that exists; "Nein" counts as cancelled (an empty name).
    static QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                                QWidget *parent = nullptr);

    // Installs the presenter of the real boxes (not owned).
    static void setPresenter(DialogPresenter *presenter);

    // Installs a responder (not owned); nullptr restores the real boxes.
    static void setResponder(DialogResponder *responder);
    static DialogResponder *responder();

    // The caption of boxes that carry the program's title.
    static QString programTitle();
};

} // namespace ortelia
