#include <gtest/gtest.h>

#include "tests/qt/qt_fixture.h"
#include "ui/qt/form_window.h"

namespace qtui::testing {
namespace {

TEST(LookTest, SampleWindowPicture) {
  Application();
  auto app = MakeApp();
  Frontend frontend(*app, false);
  ui::Form& form = app->FormByName("frmSample");
  form.Show();
  frontend.Sync();
  QImage image = frontend.WindowOf(form)->Render();
  image.save("/tmp/sample.png");
}

}  // namespace
}  // namespace qtui::testing
