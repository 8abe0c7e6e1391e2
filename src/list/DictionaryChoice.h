#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class DictionaryChoice;
}

namespace ortelia {

// The list translator's dictionary panel "Wörterbuch - Länder Auswahl": the dictionary files of
// TranslateDeGb; a file is taken with "< &übernehmen", Enter or a double click.
class DictionaryChoice : public QGroupBox {
    Q_OBJECT
public:
    explicit DictionaryChoice(QWidget *parent = nullptr);
    ~DictionaryChoice() override;

    // Shows the panel with the files read anew, the first one selected and focused.
    void open();

signals:
    // A file was taken; with the main window's progress bar too ("< &übernehmen" and Enter) or
    // only the window's own (double click).
    void taken(const QString &fileName, bool mainWindowBar);
    // After Enter or a double click the panel is done.
    void finished();
    // A hover text for the window's description panel.
    void described(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void take(bool mainWindowBar, bool finish);

    std::unique_ptr<Ui::DictionaryChoice> ui;
};

} // namespace ortelia
