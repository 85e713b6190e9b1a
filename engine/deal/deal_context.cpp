#include "engine/deal/deal_context.h"
#include "engine/model/board_measures.h"

#include <algorithm>

namespace engine {

int DealContext::FoundationCount() const {
    return FoundationCountOf(game);
}

int DealContext::TableauCount() const {
    return TableauCountOf(game);
}

int DealContext::ReserveCount() const {
    return ReserveCountOf(game);
}

}  // namespace engine
