#include <QImage>

#include "engine/preference_fields.h"
#include "shell/splash_form.h"
#include "tests/shell/program_fixture.h"

namespace shell_test {
namespace {

TEST_F(ProgramTest, LookAtIt) {
    ASSERT_EQ(Start(), 0);
    Activate();
    engine::fields::Field game = engine::fields::kGameNumber;
    G().settings.SetField(game.position, game.width, "0000000031417");
    StartFreecell();
    Shown().save("/tmp/main_window.png");
}

}  // namespace
}  // namespace shell_test
