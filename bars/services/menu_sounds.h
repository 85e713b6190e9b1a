#pragma once

#include <array>
#include <string_view>

namespace bars {

inline constexpr int kMenuSoundPopup = 0;    // a menu opens
inline constexpr int kMenuSoundCommand = 1;  // a menu command runs
inline constexpr std::array<std::string_view, 2> kMenuSoundNames{"MenuPopup", "MenuCommand"};

// Plays the named desktop sound of the index without waiting and without cutting off a sound
// that plays; silent where the desktop has none. Other indexes are ignored.
void PlayMenuSound(int index);

}  // namespace bars
