#pragma once

#include "TextFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace ortelia::fuzz {

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
