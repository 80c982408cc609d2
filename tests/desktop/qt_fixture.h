#pragma once
// Shared by the frontend tests: Qt's application under the offscreen platform, and a window that holds
// one control of every kind.

#include <QApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/frontend.h"
#include "shell/app.h"
#include "ui/controls.h"
#include "ui/file_lists.h"
#include "ui/grid.h"
#include "ui/picture.h"
#include "ui/printer.h"

namespace desktop::testing {

// Qt's application, made once for the whole test program.
QApplication& Application();

// Red, green and blue of a pixel.
struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
Rgb PixelAt(const QImage& image, int x, int y);
// How many pixels of a rectangle have exactly that colour.
int CountColor(const QImage& image, const QRect& area, QColor color);

class SampleForm : public ui::Form {
 public:
  explicit SampleForm(ui::Desktop& desktop);
  void Form_Load() override;

  ui::Menu mnuFile{*this, "mnuFile"};
  ui::Menu mnuOpen{mnuFile, "mnuOpen"};
  ui::Menu mnuLine{mnuFile, "mnuLine"};
  ui::Menu mnuExit{mnuFile, "mnuExit"};
  ui::Menu mnuPrint{*this, "mnuPrint"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label1{Frame1, "Label1"};
  ui::CommandButton Command1{Frame1, "Command1"};
  ui::CheckBox Check1{Frame1, "Check1"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton Command2{*this, "Command2"};
  ui::CheckBox Check2{*this, "Check2"};
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::TextBox Text1{*this, "Text1"};
  ui::ComboBox Combo1{*this, "Combo1"};
  ui::ListBox List1{*this, "List1"};
  ui::Shape Shape1{*this, "Shape1"};
  ui::Line Line1{*this, "Line1"};
  ui::PictureBox Picture1{*this, "Picture1"};
  ui::DriveListBox Drive1{*this, "Drive1"};
  ui::DirListBox Dir1{*this, "Dir1"};
  ui::FileListBox File1{*this, "File1"};
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};
  ui::Timer Timer1{*this, "Timer1"};

  int grid_presses = 0;
  int last_button = 0, last_shift = 0;
  double last_x = -1, last_y = -1;
  int ticks = 0;
  int menu_clicks = 0;
  int check_clicks = 0;
};

// An App with the sample window registered as "frmSample".
std::unique_ptr<shell::App> MakeApp();

// What pdftotext with these options gives for a PDF file; nothing when it cannot be run.
std::optional<std::string> PdfText(const QString& pdf, const char* options);
// The texts of a printed document in the order drawn, and the text layer of a PDF in the order its
// page draws them (pdftotext -raw), each without white space (ideographic spaces included), which the
// text layer renders as gaps: the two are equal when every character of the page copies as printed.
std::u16string PrintedCharacters(const ui::PrintedDocument& doc);
std::u16string WithoutSpaces(const QString& text);
std::optional<std::u16string> PdfCharacters(const QString& pdf);

// The files of a folder, by their names as the file system has them, sorted.
std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder);

// A dispatcher that drops every user action, for views shown only to be looked at.
class NoInput : public Dispatcher {
 public:
  void Dispatch(const std::function<void()>&) override {}
};

// The printing's notice as the desktop shows it, each box closed with its OK as soon as it opens; the
// texts of the boxes shown, in order.
struct NoticeReader {
  std::function<void(const QString&)> Notice();
  QStringList texts;
};

}  // namespace desktop::testing
