#pragma once
// The graph window: one runner's last five runs as markers over the days before today's race, drawn
// on two empty frames by a press on its name in the analysis window's runner grid. The frames are
// drawn when the window loads and kept as bitmap files, which every press on the grid loads back to
// wipe the last plot.

#include "ui/form.h"
#include "ui/picture.h"
#include "views/graph_frame_files.h"

namespace shell {
class App;
}

namespace views {

class frmAg14 : public ui::Form {
 public:
  explicit frmAg14(shell::App& app);

  // Places the window, draws both empty frames and saves them as GRAPTH1.bmp and GRAPTH2.bmp.
  void Form_Load() override;
  // Both pictures back to their empty frames.
  void RestoreFrames();
  // Where the frames were written (empty when they could not be written anywhere).
  const FrameFile& Frame1() const { return frame1_; }
  const FrameFile& Frame2() const { return frame2_; }

 private:
  shell::App& app_;
  FrameFile frame1_;
  FrameFile frame2_;

 public:
  ui::PictureBox Picture1{*this, "Picture1"};  // evaluation values
  ui::PictureBox Picture2{*this, "Picture2"};  // margins above, finishing positions below
};

}  // namespace views
