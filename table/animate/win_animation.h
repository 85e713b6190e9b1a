#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "table/animate/win_animation_run.h"

namespace table {

// The animation names of the preference Winning_Animations. "(Random)" picks one of
// the first three; any other name draws nothing.
inline constexpr std::array<std::string_view, 6> kWinningAnimationNames{
    "Open order", "Left to right", "Up to down", "Festoons", "Lines", "Circles"};
inline constexpr std::string_view kRandomWinningAnimation = "(Random)";
inline constexpr int kRandomPickCount = 3;

inline constexpr std::string_view kWinningAnimationsKey = "Winning_Animations";
inline constexpr std::string_view kWinningAnimationsTimeKey = "Winning_Animations_Time";
inline constexpr int kDefaultWinningSeconds = 30;

// What the winning animation needs besides the table: the flag register (flag 6 runs it,
// the main window's input filter clears it), the random generator, and a way to give the
// main window the input focus (none: nothing to do).
struct WinAnimationHost {
    engine::Registers& registers;
    platform::RandomGenerator& random;
    std::function<void()> takeFocus;
};

// The name resolved: "(Random)" becomes one of the first three names; any other stays.
std::string ChooseWinningAnimation(std::string_view name, platform::RandomGenerator& random);

// The main window's sizes and the first row below the visible toolbar (5 without one).
// The client width is the part of the window the table uses, less the scroll bar.
WinArea WinAnimationAreaOf(const DrawContext& context);

// PlayWinningAnimation: sets flag 6, gives the main window the focus, and runs the named
// animation for the seconds given (an empty name: both from the preference file) until
// the time is up or the flag is cleared; then clears the flag. Returns the name of the
// animation that ran ("(Random)" resolved); an unknown name runs nothing.
std::string PlayWinningAnimation(DrawContext& context, WinAnimationHost& host, std::string_view name, int seconds);

}  // namespace table
