#pragma once
// The graph window's empty frames kept as bitmap files between presses on the runner grid. A frame
// goes to the program's folder when a file can be written there, else to the user's data folder;
// the drawing as it was saved is kept too and serves whenever the file cannot be read back, so a
// missing or unwritable file never costs the frame.

#include <optional>

#include "model/text.h"
#include "ui/picture.h"

namespace views {

// folder, then "/" unless folder already ends with one, then name.
model::Text FramePath(const model::Text& folder, const model::Text& name);

// $XDG_DATA_HOME/tarvelo, or ~/.local/share/tarvelo when XDG_DATA_HOME is unset, empty or relative;
// nothing when neither names an absolute folder.
std::optional<model::Text> UserDataFolder();

// One empty frame: where its file was written and the drawing it holds.
class FrameFile {
 public:
  // Saves the picture's drawing as name in program_folder, or failing that in the user's data folder
  // (created when missing). A failed write is silent.
  void Save(ui::PictureBox& picture, const model::Text& program_folder, const model::Text& name);
  // Clears the picture's drawing and shows the saved frame: read from its file, or the drawing kept
  // at Save when the file cannot be read.
  void Restore(ui::PictureBox& picture) const;
  // Empty when neither folder took the file.
  const model::Text& Path() const { return path_; }

 private:
  model::Text path_;
  ui::PictureImage empty_;
};

}  // namespace views
