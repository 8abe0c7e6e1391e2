#pragma once

#include "Dialogs.h"
#include "TextFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace ortelia::fuzz {

// Message boxes (such as "Zu viele Worte!") are answered at once: a fuzzer has no user.
class SilentResponder : public DialogResponder {
public:
    DialogAnswer answer(const DialogRequest &) override { return DialogAnswer::Ok; }
    QString fileName(const DialogRequest &) override { return {}; }
};

// Called once from LLVMFuzzerInitialize.
inline void answerDialogs()
{
    static SilentResponder responder;
    Dialogs::setResponder(&responder);
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input as the program reads its text files.
inline QString text(const uint8_t *data, size_t size)
{
    return TextFile::decode(bytes(data, size));
}

} // namespace ortelia::fuzz
