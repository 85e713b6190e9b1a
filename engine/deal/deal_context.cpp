#include "engine/deal/deal_context.h"

#include <algorithm>

namespace engine {

int DealContext::FoundationCount() const {
    return std::clamp<int>(game[words::kFoundationCount], 0, kDestLineCount);
}

int DealContext::TableauCount() const {
    return std::clamp<int>(game[words::kTableauCount], 0, kFilaLineCount);
}

int DealContext::ReserveCount() const {
    return std::clamp<int>(game[words::kReserveCount], 0, kAppoggLineCount);
}

}  // namespace engine
