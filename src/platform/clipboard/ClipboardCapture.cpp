#include "ClipboardCapture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace ortelia {

std::optional<QString> ClipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText())
        return std::nullopt;
    QString text = data->text().left(kMaxClipboardText);
    // Never keep half of a character that needs two UTF-16 units.
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

bool CaptureClipboard(QObject *target)
{
    if (!target)
        return false;
    const std::optional<QString> text = ClipboardText();
    if (!text)
        return false;
    const char *property = target->property("plainText").isValid() ? "plainText" : "text";
    return target->setProperty(property, *text);
}

} // namespace ortelia
