#include "program/program.h"

#include "basetime/stage_handlers.h"
#include "basic/stage_handlers.h"
#include "recommend/stage_handlers.h"
#include "secondary/stage_handlers.h"
#include "views/stage_handlers.h"

namespace program {

Program::Program() {
  CreateTableGroups(meeting);
  RegisterWindows(*this);
  basetime::AttachHandlers(*this);
  basic::AttachHandlers(*this);
  secondary::AttachHandlers(*this);
  recommend::AttachHandlers(*this);
  views::AttachHandlers(*this);
}

}  // namespace program
