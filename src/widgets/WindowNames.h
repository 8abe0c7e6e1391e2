#pragma once

// The names by which one window reaches another: the windows, and every control of one window
// that another window presses, reads or writes, with the kind of control it must be. Cross-window
// access goes through these names only, so a test can walk them all and find a name that has no
// control of that kind.

#include <QLatin1String>

class QAbstractButton;
class QAbstractSlider;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace ortelia {

class FormTimer;

// A control of a window, of kind T.
template <class T> struct ControlName {
    const char *window;
    const char *control;
};

// X(window)
#define ORTELIA_WINDOWS(X)                                                                             \
    X(Form3) X(hilfe1) X(TextUeberA) X(Speaking) X(supertrans1) X(worter1) X(arabisch1) X(Logox4)    \
        X(up1) X(zeit) X(ortelia)

// X(window, control, kind)
#define ORTELIA_CROSS_WINDOW_CONTROLS(X)                                                               \
    X(Form3, Picture2, QAbstractButton)                                                                \
    X(Form3, Hilfe, QAbstractButton)                                                                   \
    X(Form3, auswahl2, QAbstractButton)                                                                \
    X(Form3, Check7, QCheckBox)                                                                        \
    X(Form3, Command15, QAbstractButton)                                                               \
    X(Form3, Command16, QAbstractButton)                                                               \
    X(Form3, Command19, QAbstractButton)                                                               \
    X(Form3, Command20, QAbstractButton)                                                               \
    X(Form3, Check8, QCheckBox)                                                                        \
    X(Form3, suche, QAbstractButton)                                                                   \
    X(Form3, englisch, QAbstractButton)                                                                \
    X(Form3, Frame5, QWidget)                                                                          \
    X(Form3, Label26, QWidget)                                                                         \
    X(Form3, ProgressBar1, QProgressBar)                                                               \
    X(Form3, Text2, QLineEdit)                                                                         \
    X(Form3, HScroll3, QAbstractSlider)                                                                \
    X(Form3, Command14, QAbstractButton)                                                               \
    X(Form3, List3, QListWidget)                                                                       \
    X(Form3, url, QAbstractButton)                                                                     \
    X(Form3, supertrannn, QAbstractButton)                                                             \
    X(Form3, zwischenab, QAbstractButton)                                                              \
    X(Form3, Command8, QAbstractButton)                                                                \
    X(Form3, Command9, QAbstractButton)                                                                \
    X(Form3, op, QAbstractButton)                                                                      \
    X(Form3, Check5, QCheckBox)                                                                        \
    X(Form3, TextD, QLineEdit)                                                                         \
    X(Form3, TextEng, QLineEdit)                                                                       \
    X(hilfe1, pla, QAbstractButton)                                                                    \
    X(hilfe1, Check1, QCheckBox)                                                                       \
    X(TextUeberA, HScroll1, QAbstractSlider)                                                           \
    X(TextUeberA, Text, QPlainTextEdit)                                                                \
    X(TextUeberA, TextE, QPlainTextEdit)                                                               \
    X(TextUeberA, SpeakButton, QAbstractButton)                                                        \
    X(TextUeberA, SpeakButtonE, QAbstractButton)                                                       \
    X(TextUeberA, fensterschlissen, QAbstractButton)                                                   \
    X(TextUeberA, Picture7, QWidget)                                                                   \
    X(TextUeberA, Picture8, QWidget)                                                                   \
    X(TextUeberA, Picture9, QWidget)                                                                   \
    X(TextUeberA, Frame2, QWidget)                                                                     \
    X(TextUeberA, fensterauf, QAbstractButton)                                                         \
    X(TextUeberA, CloseButton, QAbstractButton)                                                        \
    X(TextUeberA, auswahl2, QAbstractButton)                                                           \
    X(TextUeberA, Text5, QLineEdit)                                                                    \
    X(TextUeberA, Text6, QLineEdit)                                                                    \
    X(worter1, Check1, QCheckBox)                                                                      \
    X(arabisch1, Label55, QLabel)                                                                      \
    X(arabisch1, Label56, QLabel)                                                                      \
    X(arabisch1, Option1_0, QRadioButton)                                                              \
    X(arabisch1, Option1_1, QRadioButton)                                                              \
    X(Speaking, zu1, QAbstractButton)                                                                  \
    X(supertrans1, Check4, QCheckBox)                                                                  \
    X(zeit, Command14, QAbstractButton)                                                                \
    X(up1, Timer5, FormTimer)                                                                          \
    X(ortelia, ende, QAbstractButton)                                                                  \
    X(ortelia, ude, QAction)                                                                           \
    X(ortelia, ued, QAction)

namespace windows {
#define ORTELIA_WINDOW_NAME(w) inline constexpr QLatin1String w{#w};
ORTELIA_WINDOWS(ORTELIA_WINDOW_NAME)
#undef ORTELIA_WINDOW_NAME
} // namespace windows

namespace ctl {
#define ORTELIA_CONTROL_NAME(w, c, T) inline constexpr ControlName<T> w##_##c{#w, #c};
ORTELIA_CROSS_WINDOW_CONTROLS(ORTELIA_CONTROL_NAME)
#undef ORTELIA_CONTROL_NAME
} // namespace ctl

} // namespace ortelia
