#include "engine/rules/score_display.h"

#include <optional>
#include <string>

#include "engine/rules/score.h"
#include "engine/ports/shell_port.h"
#include "engine/model/status_context.h"
#include "engine/ports/status_view.h"

namespace engine {

namespace {

constexpr int kNoScoreKind = 9;
// Foundations with these rule codes take jokers, and such games show their pile sizes.
constexpr int kJokerFoundationRule = 72;
constexpr int kJokerFoundationRuleOpen = 75;

void ShowAndStore(StatusContext& ctx, int score) {
    const std::string text = std::to_string(score);
    if (IShellPort* shell = ctx.services.shellPort) {
        shell->SetLabelText(ShellLabel::kScore, text);
        shell->RepaintLabel(ShellLabel::kScore);
    }
    StoreScore(ctx.settings, score);
}

bool ShowsPileSizes(const GameDefRecord& game) {
    const int rule = game[words::kFoundationRuleCode[0]];
    return rule == kJokerFoundationRule || rule == kJokerFoundationRuleOpen;
}

}  // namespace

void ComputeScore(StatusContext& ctx) {
    if (const std::optional<int> score = ScoreByGameKind(ctx.piles, ctx.game, ctx.settings)) {
        ShowAndStore(ctx, *score);
    }
    if (ShowsPileSizes(ctx.game) && ctx.view != nullptr) ctx.view->RedrawPileSizes();
}

void UpdateScore(StatusContext& ctx, int cards) {
    if (ctx.game[words::kGameKind] == kNoScoreKind) return;
    int score = CurrentScore(ctx.settings);
    if (IsVegasScoring(ctx.settings)) score += kPointsPerCard * cards;
    ShowAndStore(ctx, score);
}

}  // namespace engine
