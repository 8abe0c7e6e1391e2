#pragma once

#include "SettingsFiles.h"

#include <QLatin1String>

namespace ortelia::VoiceLines {

// The fixed voice lines: the four standard speakers of the voice settings window and the voice
// of the first-run profile.
inline constexpr QLatin1String kBill("#voice=name:lgx.de.bill#");
inline constexpr QLatin1String kSilke("#voice=name:lgx.de.silke#");
inline constexpr QLatin1String kJohanna("#voice=name:lgx.de.johanna#");
inline constexpr QLatin1String kMartin("#voice=name:lgx.de.martin#");
inline constexpr QLatin1String kFirstRunProfile(SettingsFiles::kDefaultVoiceProfile);

// Help texts and the windows' own explanations are always spoken with this line first.
inline constexpr QLatin1String
    kHelpVoice("#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#");

} // namespace ortelia::VoiceLines
