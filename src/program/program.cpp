#include "program/program.h"

#include "basetime/stage_handlers.h"
#include "recommend/stage_handlers.h"

namespace program {

Program::Program() {
  CreateTableGroups(meeting);
  RegisterWindows(*this);
  basetime::AttachHandlers(*this);
  recommend::AttachHandlers(*this);
}

}  // namespace program
