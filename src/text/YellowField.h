#pragma once

#include <QObject>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace ortelia {

class WebBrowser;

// The text translator's yellow field: a result list joined into text through the page text.htm,
// copied to the clipboard, printed, or saved as the guest file Gast.txt.
class YellowField : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QPlainTextEdit *field;  // Text2
        WebBrowser *page;       // WebBrowser1, showing text.htm
        QListWidget *saved;     // List3, the lines written to Gast.txt
    };
    YellowField(const Controls &controls, QObject *parent);

    void loadPage();
    // Joins a list into the page and the field; joined keeps the joined text (Label2, Label3).
    void show(const QListWidget *list, QLabel *joined);
    // Copies the page's whole text to the clipboard.
    void copy();
    void print();
    // Gast.txt holds the field's text and nothing else; a file that cannot be written is
    // reported and the text stays in the field.
    void saveGuestFile();

private:
    QString pageText();

    Controls m_controls;
};

} // namespace ortelia
