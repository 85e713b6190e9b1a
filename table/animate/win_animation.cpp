#include "table/animate/win_animation.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/registers.h"
#include "platform/core/random.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_window.h"
#include "table/animate/win_effects.h"

namespace table {

namespace {

using Effect = void (*)(WinAnimationRun&);

struct WinEffect {
    std::string_view name;
    Effect run;
};

constexpr std::array<WinEffect, kWinningAnimationNames.size()> kEffects{{
    {kWinningAnimationNames[0], AnimateOpenOrder},
    {kWinningAnimationNames[1], AnimateLeftToRight},
    {kWinningAnimationNames[2], AnimateUpToDown},
    {kWinningAnimationNames[3], AnimateFestoons},
    {kWinningAnimationNames[4], AnimateLines},
    {kWinningAnimationNames[5], AnimateCircles},
}};

Effect EffectNamed(std::string_view name) {
    for (const WinEffect& effect : kEffects)
        if (effect.name == name) return effect.run;
    return nullptr;
}

// Without a toolbar the animations start this far down.
constexpr int kTopWithoutToolbar = 5;
constexpr std::int64_t kMillisecondsPerSecond = 1000;

std::uint32_t DurationOf(int seconds) {
    const std::int64_t ms = std::max<std::int64_t>(seconds, 0) * kMillisecondsPerSecond;
    return static_cast<std::uint32_t>(std::min<std::int64_t>(ms, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

std::string ChooseWinningAnimation(std::string_view name, platform::RandomGenerator& random) {
    if (name == kRandomWinningAnimation)
        return std::string(kWinningAnimationNames[static_cast<std::size_t>(random.Random(kRandomPickCount))]);
    return std::string(name);
}

WinArea WinAnimationAreaOf(const DrawContext& context) {
    const ITableWindow& window = context.window;
    WinArea area;
    area.width = window.WindowWidth();
    area.height = window.WindowHeight();
    area.clientWidth = window.ClientWidth();
    area.clientHeight = window.ClientHeight();
    if (window.IsPanelVisible(TablePanel::kLargeToolbar))
        area.top = window.PanelBottom(TablePanel::kLargeToolbar);
    else if (window.IsPanelVisible(TablePanel::kSmallToolbar))
        area.top = window.PanelBottom(TablePanel::kSmallToolbar);
    else
        area.top = kTopWithoutToolbar;
    return area;
}

std::string PlayWinningAnimation(DrawContext& context, WinAnimationHost& host, std::string_view name, int seconds) {
    host.registers.SetFlag(engine::flag::kWinAnimationRunning, 1);
    if (host.takeFocus) host.takeFocus();
    const WinArea area = WinAnimationAreaOf(context);
    std::string chosen(name);
    if (name.empty()) {
        const engine::PreferenceFile preferences(context.paths);
        chosen = preferences.ReadString(engine::kSectionPreference, kWinningAnimationsKey, kRandomWinningAnimation);
        seconds = preferences.ReadInteger(engine::kSectionPreference, kWinningAnimationsTimeKey,
                                          kDefaultWinningSeconds);
    }
    chosen = ChooseWinningAnimation(chosen, host.random);
    if (const Effect effect = EffectNamed(chosen)) {
        WinAnimationRun run(context, host.registers, host.random, area, DurationOf(seconds));
        effect(run);
    }
    host.registers.SetFlag(engine::flag::kWinAnimationRunning, 0);
    return chosen;
}

}  // namespace table
