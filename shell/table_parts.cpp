#include "shell/table_parts.h"

#include <QGuiApplication>
#include <QScreen>

#include "engine/state/game.h"
#include "platform/core/system_colours.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_images.h"
#include "table/layout/table_layout.h"
#include "table/mouse/table_mouse.h"
#include "table/table_view.h"

namespace shell {

namespace {

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
}

}  // namespace

int TableWindowProxy::ScreenWidth() const {
    return m_target != nullptr ? m_target->ScreenWidth() : ScreenSize().width();
}

int TableWindowProxy::ScreenHeight() const {
    return m_target != nullptr ? m_target->ScreenHeight() : ScreenSize().height();
}

struct TableParts::Parts {
    Parts(engine::Game& game, TableParts& owner)
        : layout(game.services, {game.settings, game.mainGame, game.gameDef, game.Piles(), game.registers},
                 owner.m_window, nullptr),
          images(owner.m_bitmaps, game.settings, layout.Geometry()),
          context{game.settings,           game.gameDef,           game.mainGame,     game.Piles(),
                  game.registers,          layout,                 images,            owner.m_buffers,
                  owner.m_surface,         owner.m_window,         owner.m_services.clock,
                  owner.m_bitmaps,         owner.m_services.paths, owner.m_services.messages},
          view(context, table::WinAnimationHost{game.registers, owner.m_services.random, {}}),
          mouse(game, context) {
        layout.SetCardImages(&images);
        context.media = &game.media;
        context.displayColours = owner.m_displayColours;
        context.resolveSystemColour = &platform::ResolveColour;
    }

    table::TableLayout layout;
    table::TableImages images;
    table::DrawContext context;
    table::TableView view;
    table::TableMouse mouse;
};

TableParts::TableParts(const TableServices& services)
    : m_services(services),
      m_bitmaps(services.library, services.paths, services.requireImageFile),
      m_displayColours(engine::kManyColours) {}

TableParts::~TableParts() = default;

void TableParts::Attach(engine::Game& game) {
    m_parts = std::make_unique<Parts>(game, *this);
    game.services.tableView = &m_parts->view;
}

table::DrawContext* TableParts::Context() { return m_parts ? &m_parts->context : nullptr; }
table::TableMouse* TableParts::Mouse() { return m_parts ? &m_parts->mouse : nullptr; }
table::TableView* TableParts::View() { return m_parts ? &m_parts->view : nullptr; }
table::TableLayout* TableParts::Layout() { return m_parts ? &m_parts->layout : nullptr; }

void TableParts::CreateTableGlobals() {
    const QSize screen = ScreenSize();
    m_buffers.SetSize(screen.width(), screen.height());
}

void TableParts::FreeTableGlobals() {
    m_parts.reset();
    m_buffers.SetSize(0, 0);
}

void TableParts::ClearDragState() {
    if (!m_parts) return;
    m_parts->layout.SetDragRects(0, 0, 0, 0);
    m_parts->layout.SetDragHeight(m_parts->layout.CardHeight());
    m_parts->context.dragGrab = {};
}

void TableParts::SetShadowOffset(int pixels) {
    if (m_parts) m_parts->layout.SetShadowOffset(pixels);
}

void TableParts::SetCardSize(std::string_view) {
    // The size letter is the settings' Card_Size, which the setup reads itself.
    if (m_parts) m_parts->layout.Setup().SetCardSize();
}

void TableParts::SetDisplayColours(int colours) {
    m_displayColours = colours;
    if (m_parts) m_parts->context.displayColours = colours;
}

}  // namespace shell
