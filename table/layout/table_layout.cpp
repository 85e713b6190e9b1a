#include "table/layout/table_layout.h"

#include "engine/model/pile_store.h"

namespace table {

TableLayout::TableLayout(const engine::Services& services, const TableGameState& state, ITableWindow& window,
                         ICardImages* images)
    : m_piles(GeometrySources{m_geometry, state.mainGame, state.gameDef, state.piles, state.registers, state.settings}),
      m_setup(TableSetupParts{services, state.settings, state.mainGame, state.gameDef, m_geometry, window, images}) {}

}  // namespace table
