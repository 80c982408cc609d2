#pragma once
// The opening window: the product's name on two colour bands and a three-page guide, and the way on
// to the data-read window.

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"

namespace shell {

class App;

class frmAg1 : public ui::Form {
 public:
  explicit frmAg1(App& app);

  void Form_Load() override;
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Command1_Click();

 private:
  App& app_;

 public:
  ui::CommandButton Command1{*this, "Command1"};  // "Ｓｔａｒｔ"
  ui::Label Label4{*this, "Label4"};
  ui::Label Label8{*this, "Label8"};
  ui::Label Label5{*this, "Label5"};
  ui::Label Label12{*this, "Label12"};
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};  // the guide page
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::OptionButton Option3{*this, "Option3"};
  ui::OptionButton Option4{*this, "Option4"};  // clears the guide
  ui::Label Label1{*this, "Label1"};

 private:
  void ShowGuidePage(ui::OptionButton& clicked, int page);
  void MarkGuideButton(const ui::OptionButton* clicked);
  void DrawColourBands();
};

}  // namespace shell
