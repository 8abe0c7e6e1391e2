#pragma once

#include <QString>

#include <optional>

class QObject;

namespace ortelia {

// The most characters a capture takes from the clipboard.
inline constexpr int kMaxClipboardText = 32767;

// The clipboard's text at this moment, cut to its first 32,767 characters; nullopt when the
// clipboard holds no text (an image, nothing at all).
std::optional<QString> ClipboardText();

// One-shot capture into a text field: sets the target's text (its "plainText" property, else its
// "text" property) to the clipboard's text, which counts as a change of the field. A clipboard
// without text leaves the target unchanged. Returns whether the target was set.
bool CaptureClipboard(QObject *target);

} // namespace ortelia
