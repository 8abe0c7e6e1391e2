#pragma once
// Stand-ins until the platform layers land on main; removed when they do.

#include <QStringList>

namespace ortelia {

struct StereoGain;
QStringList LoadVoiceProfile();

} // namespace ortelia
