#include "ListHoverHelp.h"

#include "GrammarTable.h"
#include "HoverHelp.h"
#include "ListLine.h"
#include "ListTexts.h"

#include <QLabel>
#include <QLineEdit>

#include <memory>
#include <optional>

namespace ortelia {

namespace {

enum class Look { Yellow, Exit, Plain };

struct Text {
    const char *control;
    const char *help;
    const char *panel; // nullptr: the same as help
    Look look;
};

const QString kSearchHelp = QStringLiteral(
    "Unteres Textfeld 2 eignet sich um ganze Sätze im Wörterbuch zu finden! Geben Sie einfach die ersten "
    "Buchstaben ein, und schon wird eine alphabetische Liste verwandter und ähnlich geschriebener Wörter "
    "angezeigt.");

constexpr Text kTexts[] = {
    {"Check2", "Übersetzte Worte sammeln um einen Brief zu schreiben", nullptr, Look::Yellow},
    {"Check4", "Ton ein und ausschalten", "Ton ein und ausschalten\"", Look::Yellow},
    {"uebernehmen", "Markiertes Wörterbuch laden ", nullptr, Look::Yellow},
    {"land", "Land:.. Neues Wörterbuch laden  klicken Sie.", nullptr, Look::Yellow},
    {"auswahlzu", "Wörterbuch Auswahl schliessen", nullptr, Look::Yellow},
    {"hoch", "Auswahl hoch", nullptr, Look::Yellow},
    {"runter", "Auswahl runter", nullptr, Look::Yellow},
    {"exit", "[EXIT].. Fenster schließen", nullptr, Look::Exit},
    {"lese1", "List erstes Wort der Auswahl", nullptr, Look::Yellow},
    {"lese2", "List zweites Wort der Auswahl", nullptr, Look::Yellow},
    {"lese3", "List drittes Wort", nullptr, Look::Yellow},
    {"lese12", "List erstes und zweites Wort der Auswahl", "List erstes und zweites Wort der Auswahlt",
     Look::Yellow},
    {"lesegesamt", "Lese gesamte Auswahl", nullptr, Look::Yellow},
    {"stimmmuster", "[^Stimme^].. individuelle Stimmuster einstellen", nullptr, Look::Yellow},
    {"aufnehmen", "Liste Auswahl in Brief-Textfeld übernehmen", nullptr, Look::Yellow},
    {"Label2", "Worterbuch markieren und  mit Doppelklick laden. Oder nach markieren übernehmen  klicken !",
     nullptr, Look::Plain},
    {"Text3", "Textfeld 1: Eingabefeld. Bei Suchtreffer wird das Textfeld 1 in gelber Farbe dargestellt ! ",
     nullptr, Look::Plain},
};

// The texts made when the pointer comes over a control.
void attachMadeTexts(QWidget *window, const ListHoverHooks &hooks)
{
    const auto control = [window](const char *name) {
        return window->findChild<QWidget *>(QLatin1String(name));
    };
    const auto text = [window](const char *name) {
        if (const auto *field = window->findChild<QLineEdit *>(QLatin1String(name)))
            return field->text();
        const auto *label = window->findChild<QLabel *>(QLatin1String(name));
        return label ? label->text() : QString();
    };
    const auto made = [](QWidget *control, std::function<void()> show, QColor highlight = QColor()) {
        if (!control)
            return;
        HoverHelp::Options options;
        options.highlight = highlight;
        options.alsoDo = std::move(show);
        HoverHelp::attach(control, QString(), options);
    };
    const auto both = [hooks](const QString &text) {
        HoverHelp::setHelpText(text);
        hooks.describe(text);
    };
    QWidget *voice = control("Check3");
    made(
        voice,
        [hooks, voice] {
            HoverHelp::setHelpText(hooks.voiceLine() + ListTexts::kVoiceHelp);
            hooks.describe(hooks.voiceLine() + QStringLiteral("Stimme:..") + ListTexts::kVoiceHelp);
            voice->setToolTip(QStringLiteral("Ihr Ausgewählte Stimme:  ") + hooks.voiceLine());
        },
        HoverHelp::yellow());
    for (const char *list : {"List1", "List2", "List3", "List4"})
        made(control(list), [text] { HoverHelp::setHelpText(text("Text5")); });
    made(control("Text2"), [text, both] {
        both(QStringLiteral("Das Momentan geladene Wörterbuch ist .. ") + text("Label3") + QLatin1Char(' ') +
             text("Text2"));
    });
    made(control("X"), [hooks, both] {
        both(QStringLiteral("Liste ausblenden"));
        hooks.hideLists();
    });
    made(control("eins"), [both] { both(ListTexts::kExampleText); });
    made(control("beschreibung2"), [both] { both(ListTexts::descriptionHovered()); });
}

} // namespace

void attachListHoverHelp(QWidget *window, const ListHoverHooks &hooks)
{
    const auto attach = [&](QWidget *control, const QString &help, const QString &panel, Look look) {
        HoverHelp::Options options;
        options.highlight = look == Look::Exit     ? HoverHelp::lightRed()
                            : look == Look::Yellow ? HoverHelp::yellow()
                                                   : QColor();
        options.alsoDo = [describe = hooks.describe, panel] { describe(panel); };
        HoverHelp::attach(control, help, options);
    };
    for (const Text &t : kTexts) {
        if (auto *control = window->findChild<QWidget *>(QLatin1String(t.control))) {
            const QString help = QString::fromUtf8(t.help);
            attach(control, help, t.panel ? QString::fromUtf8(t.panel) : help, t.look);
        }
    }
    const QString focus = QStringLiteral("Den Fokus auf Textfeld 1 setzen nach Übersetzen mit Enter oder auf "
                                         "Textfeld 2 ! ") +
                          kSearchHelp;
    const QString second = QStringLiteral("Textfeld 2: ") + kSearchHelp;
    const QString secondFocus = QStringLiteral("Den Fokus auf Textfeld 2 setzen ! ") + kSearchHelp;
    for (const auto &[name, text, look] :
         {std::tuple{"Check1", focus, Look::Yellow}, std::tuple{"Text1", second, Look::Plain},
          std::tuple{"zwei", secondFocus, Look::Plain}}) {
        if (auto *control = window->findChild<QWidget *>(QLatin1String(name)))
            attach(control, text, text, look);
    }
    attachMadeTexts(window, hooks);
}

std::function<QString(const QString &line)> lineGrammarHelp()
{
    auto table = std::make_shared<std::optional<GrammarTable>>();
    return [table](const QString &line) {
        if (!*table)
            *table = GrammarTable::ofProgram();
        return (*table)->of(lineField(line, 0)).text();
    };
}

} // namespace ortelia
