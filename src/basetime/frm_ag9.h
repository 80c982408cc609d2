#pragma once
// The standard-time view: the meeting's turf or dirt standard times, ten courses by twelve
// distances, each shown as minutes, seconds and tenths.

#include "model/table.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {
class App;
}

namespace basetime {

// The grid's corner names the surface on show.
inline const model::Text kTurfCorner = u"(   芝   ) ";
inline const model::Text kDirtCorner = u"( ダ－ト ) ";

class frmAg9 : public ui::Form {
 public:
  explicit frmAg9(shell::App& app);

  void Form_Load() override;
  void Option1_Click();
  void Option2_Click();

  // Shows one surface: every cell's time text goes into std_text as it comes and into the grid
  // without its outer blanks. The caption says who filled the view (an option here, or the
  // analysis window's launcher with its own caption).
  void Fill(const model::TextTable& std_time, model::TextTable& std_text, const model::Text& caption);

 private:
  shell::App& app_;

 public:
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // the corner names the surface on show
};

}  // namespace basetime
