#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ortelia {

// The list translator's fixed hover texts, attached to its controls by name: each goes into the
// help window's label and, through describe, into the window's description panel.
void attachListHoverHelp(QWidget *window, const std::function<void(const QString &)> &describe);

} // namespace ortelia
