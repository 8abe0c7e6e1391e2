#include "TextTranslatorLayout.h"

#include "WindowRegistry.h"

namespace ortelia {

namespace {
// Pixels (twips / 15).
constexpr int kResultsLeft = 50 / 15;
constexpr int kNarrowWidth = 4600 / 15;
} // namespace

QWidget *ArrangeTextTranslatorNarrow(int height)
{
    QWidget *translator = WindowRegistry::window(windows::TextUeberA);
    if (!translator)
        return nullptr;
    translator->show();
    if (QWidget *results = WindowRegistry::control(ctl::TextUeberA_Frame2))
        results->move(kResultsLeft, results->y());
    translator->resize(kNarrowWidth, translator->height());
    if (QWidget *narrow = WindowRegistry::control(ctl::TextUeberA_Picture7))
        narrow->hide();
    if (QWidget *wide = WindowRegistry::control(ctl::TextUeberA_Picture8))
        wide->show();
    if (QWidget *low = WindowRegistry::control(ctl::TextUeberA_Picture9))
        low->hide();
    translator->resize(translator->width(), height);
    translator->move(0, 0);
    return translator;
}

} // namespace ortelia
