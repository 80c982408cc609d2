#pragma once
// Message boxes as real dialogs with the buttons and icon the model asks for.

#include <QMessageBox>
#include <functional>
#include <map>
#include <memory>

#include "ui/services.h"

namespace desktop {

// A dialog for a message box style (buttons + icon); answers maps each button to the model's answer.
// The first button is the default; Escape and the close button give Cancel where the box offers it.
std::unique_ptr<QMessageBox> MakeMessageBox(const ui::Text& text, int style, const ui::Text& title,
                                            std::map<QAbstractButton*, int>& answers);

// Tells the user something of the desktop's own, beside the program's message boxes: a box with the
// program's name as its title, an information icon and OK, shown until the user closes it.
void ShowNotice(const QString& text);

class DialogMessageBoxes : public ui::MessageBoxService {
 public:
  // before_showing runs first (the frontend brings the windows up to date behind the box).
  explicit DialogMessageBoxes(std::function<void()> before_showing)
      : before_showing_(std::move(before_showing)) {}
  int Ask(const ui::Text& text, int style, const ui::Text& title) override;

 private:
  std::function<void()> before_showing_;
};

}  // namespace desktop
