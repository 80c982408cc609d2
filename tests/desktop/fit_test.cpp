// Every text of every window against the box it is drawn in, measured with the faces the desktop draws
// with, after a whole race: on the sample meeting and on generated meetings whose horse names are as long
// as a registered name can be (nine katakana) and as long as the record holds (fifteen characters).
// Captions of buttons, check boxes and option buttons must not break inside a word or be cut, and grid
// cells must not be cut where their column was designed to hold them. What is only condensed, and the
// boxes the windows' design makes too small for any face, are printed as the list of texts that do not fit.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QWidget>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/control_views.h"
#include "desktop/grid_view.h"
#include "desktop/painting.h"
#include "intake/record_layouts.h"
#include "program/program.h"
#include "tests/desktop/qt_fixture.h"
#include "tests/support/sample_road.h"
#include "tests/support/temp_dir.h"
#include "tools/writer/meeting_generator.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "views/frm_ag8.h"

namespace desktop::testing {
namespace {

// Where a line of a wrapped text may break: between two characters of one script run it breaks a word.
enum class Script { kNone, kKatakana, kHiragana, kHan, kLatin };

Script ScriptOf(QChar ch) {
  const char16_t c = ch.unicode();
  if ((c >= 0x30A0 && c <= 0x30FF) || (c >= 0xFF65 && c <= 0xFF9F) || c == u'－') return Script::kKatakana;
  if (c >= 0x3040 && c <= 0x309F) return Script::kHiragana;
  if ((c >= 0x4E00 && c <= 0x9FFF) || c == u'々') return Script::kHan;
  if (ch.isLetterOrNumber() && c < 0x3000) return Script::kLatin;
  if (c == u'.' || (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) ||
      (c >= 0xFF41 && c <= 0xFF5A))
    return Script::kLatin;
  return Script::kNone;
}

// Whether the lines of a paragraph break one of its words.
bool BreaksAWord(const QStringList& lines) {
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i - 1].isEmpty() || lines[i].isEmpty()) continue;
    const Script before = ScriptOf(lines[i - 1].back()), after = ScriptOf(lines[i].front());
    if (before != Script::kNone && before == after) return true;
  }
  return false;
}

enum class Box { kButton, kLabel, kList, kGridCell };

struct Misfit {
  std::string where;  // FORM.CONTROL, or FORM.GRID(col) for a grid column
  std::string what;   // "breaks a word", "cut", "condensed", "overflows"
  QString text;
  Box box;
  bool operator<(const Misfit& o) const {
    return std::tie(where, what, text) < std::tie(o.where, o.what, o.text);
  }
};

std::string Utf8(const QString& s) {
  return s.toStdString();
}

class FitCheck {
 public:
  void Caption(const std::string& where, const ui::Control& control, const QWidget& widget,
               const QString& text) {
    std::optional<CaptionLayout> layout = CaptionLayoutOf(control, widget.size());
    if (!layout || text.isEmpty()) return;
    const QRect area = layout->box;
    // A label grows downwards to show its lines; a button does not.
    const Box box = dynamic_cast<const ui::Label*>(&control) != nullptr ? Box::kLabel : Box::kButton;
    QStringList lines = LayoutLines(text, layout->font, area.width(), area.height(), layout->wrap);
    const QStringList paragraphs = LayoutLines(text, layout->font, area.width(), area.height(), false);
    if (lines.size() > paragraphs.size() && BreaksAWord(lines))
      Add({where, "breaks a word", lines.join(u'/'), box});
    Widths(where, box, layout->font, lines, area.width());
    if (box == Box::kButton && lines.size() * LineHeight(layout->font) > area.height() + 1)
      Add({where, "overflows", lines.join(u'/'), box});
  }

  void ListEntries(const std::string& where, const ui::ListChoice& list, const QWidget& widget) {
    const QFont font = MapFont(list.Font());
    // Inside the sunken edge, beside the scroll bar.
    const int width = widget.width() - 4 - 16 - 2;
    for (const ui::Text& entry : list.Entries()) Widths(where, Box::kList, font, {ToQString(entry)}, width);
  }

  void Grid(const std::string& where, const ui::FlexGrid& grid) {
    for (int r = 0; r < grid.Rows(); ++r) {
      for (int c = 0; c < grid.Cols(); ++c) {
        if (MergesWithLeft(grid, r, c)) continue;
        const QString text = ToQString(grid.TextMatrix(r, c));
        if (text.isEmpty()) continue;
        int span = c, pixels = 0;
        do pixels += TwipsToPixels(grid.ColWidth(span++));
        while (span < grid.Cols() && MergesWithLeft(grid, r, span));
        const int width = CellTextBox(QRect(0, 0, pixels, 20)).width();
        // A column too narrow for any text is not there to show one.
        if (width <= 0) continue;
        const QFont font = MapFont(grid.Font(), grid.CellFontSizeAt(r, c), grid.CellFontBoldAt(r, c));
        Widths(where + "(" + std::to_string(c) + ")", Box::kGridCell, font,
               {ShownLine(text, CellTextAlignment(grid, r, c))}, width);
      }
    }
  }

  const std::set<Misfit>& Misfits() const { return misfits_; }

 private:
  // A line wider than its box is condensed; condensed as far as the drawing goes and still wider, it is cut.
  void Widths(const std::string& where, Box box, const QFont& font, const QStringList& lines, double width) {
    const QFontMetricsF metrics(font);
    for (const QString& line : lines) {
      const double natural = metrics.horizontalAdvance(line);
      if (natural * kMinCondense > width + 0.5)
        Add({where, "cut", line, box});
      else if (natural > width + 0.5)
        Add({where, "condensed", line, box});
    }
  }
  void Add(Misfit m) { misfits_.insert(std::move(m)); }

  std::set<Misfit> misfits_;
};

// The road and the second race through every user action as the benchmark runs it, but its last NEXT.
std::string WholeRaceScript(const std::filesystem::path& meeting) {
  std::ifstream in(TARVELO_SOURCE_DIR "/bench/whole_meeting.script");
  std::ostringstream script;
  std::string line, held;
  bool going_chosen = false;
  for (bool started = false; std::getline(in, line);) {
    if (line == "# race 3") break;
    if (line.rfind("folder ", 0) == 0) line = "folder " + meeting.string();
    // The going is chosen once for the meeting; its list is disabled after that.
    if (line.rfind("select frmAg3.Combo1 ", 0) == 0) {
      if (going_chosen) continue;
      going_chosen = true;
    }
    if (started) script << held << '\n';
    held = line;
    started = true;
  }
  return script.str();
}

std::set<Misfit> MeasureEveryWindow(const std::filesystem::path& meeting) {
  program::Program app;
  Frontend frontend(app, false);
  app.Start();
  EXPECT_EQ(testsupport::RunLines(app, WholeRaceScript(meeting)), "");
  for (const std::string& name : app.RegisteredNames()) app.FormByName(name);
  frontend.Sync();

  FitCheck check;
  for (ui::Form* form : app.LoadedForms()) {
    FormWindow* window = frontend.WindowOf(*form);
    if (window == nullptr) continue;
    for (ui::Control* control : form->Controls()) {
      const QWidget* widget = window->WidgetOf(*control);
      if (widget == nullptr) continue;
      const std::string where = form->Name() + "." + control->Name();
      if (const ui::Captioned* captioned = control->AsCaptioned())
        check.Caption(where, *control, *widget, StripAccessKeys(ToQString(captioned->Caption())));
      if (const auto* list = dynamic_cast<const ui::ListControl*>(control))
        check.ListEntries(where, *list, *widget);
      if (const auto* grid = dynamic_cast<const ui::FlexGrid*>(control)) check.Grid(where, *grid);
    }
  }
  return check.Misfits();
}

// The generated meeting with every horse named in wide katakana, as long as asked.
std::filesystem::path LongNameMeeting(const std::filesystem::path& folder, int length) {
  writer::MeetingFiles files = writer::GenerateMeeting(3);
  const std::u16string wide = u"ヴィクトリーダイヤモンドムーンライトグラスワンダー";
  const std::u16string lasts = u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ";
  for (size_t i = 0; i < files.runners.size(); ++i) {
    std::u16string name = wide.substr(0, static_cast<size_t>(length - 1)) + lasts[i % lasts.size()];
    files.runners[i].Set(intake::Den2Record::kHorseName, name);
    files.horses[i].Set(intake::UmaRecord::kHorseName, name);
  }
  files.Write(folder);
  return folder;
}

// Boxes the windows' design makes too small for the texts they are given, whatever the face: a name of
// fifteen characters in a column drawn for the nine katakana a registered name can have.
bool DesignedTooSmall(const Misfit& m, int name_length) {
  // The analysis window's runner grid and the navigator's axis-horse grid.
  static const std::set<std::string> kNameColumns = {"frmAg3.MSFlexGrid2(0)", "frmAg13.MSFlexGrid2(1)"};
  return name_length > 9 && kNameColumns.count(m.where) > 0 && m.text.size() == name_length;
}

// The texts that do not fit, one line per box and kind of misfit with how many texts and one of them.
void PrintNote(const std::set<Misfit>& misfits, const std::string& meeting) {
  std::map<std::pair<std::string, std::string>, std::pair<int, QString>> boxes;
  for (const Misfit& m : misfits) {
    auto& [count, example] = boxes[{m.where, m.what}];
    ++count;
    example = m.text;
  }
  for (const auto& [box, found] : boxes)
    std::cout << "does not fit (" << meeting << "): " << box.first << " " << box.second << " x" << found.first
              << ": \"" << Utf8(found.second) << "\"\n";
}

void ExpectEverythingFits(const std::set<Misfit>& misfits, int name_length, const std::string& meeting) {
  for (const Misfit& m : misfits) {
    const bool grid_cut = m.box == Box::kGridCell && m.what == "cut";
    const bool fault =
        (m.box == Box::kButton && m.what != "condensed") || (grid_cut && !DesignedTooSmall(m, name_length));
    EXPECT_FALSE(fault) << meeting << ": " << m.where << " " << m.what << ": " << Utf8(m.text);
  }
  PrintNote(misfits, meeting);
}

TEST(TextsFitTheirBoxes, TheWindowsAreDrawnWithTheIpaFaces) {
  Application();
  ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("IPAPGothic")));
  const QFont proportional = MapFont(ui::Font{u"ＭＳ Ｐゴシック", 9, false, false, false});
  EXPECT_EQ(QFontInfo(proportional).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(QFontInfo(MapFont(ui::Font{})).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(QFontInfo(MapFont(ui::Font{u"ＭＳ ゴシック", 9, false, false, false})).family(),
            QStringLiteral("IPAGothic"));
  EXPECT_EQ(QFontInfo(MapFont(ui::Font{u"ＭＳ 明朝", 9, false, false, false})).family(),
            QStringLiteral("IPAMincho"));
  // The proportional face's kana are narrower than the em, as the windows were drawn for.
  QFontMetricsF metrics(proportional);
  EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("エイシンサンライズ")), 9 * 12 * 0.9);
}

TEST(TextsFitTheirBoxes, OnTheSampleMeeting) {
  Application();
  ExpectEverythingFits(MeasureEveryWindow(TARVELO_SOURCE_DIR "/sample"), 9, "sample");
}

TEST(TextsFitTheirBoxes, WithNamesOfNineKatakana) {
  Application();
  testsupport::ScopedTempDir dir;
  ExpectEverythingFits(MeasureEveryWindow(LongNameMeeting(dir.Path() / "nine", 9)), 9, "nine");
}

TEST(TextsFitTheirBoxes, WithNamesAsLongAsTheRecordHolds) {
  Application();
  testsupport::ScopedTempDir dir;
  const int longest = intake::Den2Record::kFields.at(intake::Den2Record::kHorseName).width / 2;
  ExpectEverythingFits(MeasureEveryWindow(LongNameMeeting(dir.Path() / "longest", longest)), longest,
                       "longest");
}

// The rows of a picture's area that hold ink (pixels much darker than the button face).
std::vector<int> InkRows(const QImage& image, const QRect& area) {
  std::vector<int> rows;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 96) {
        rows.push_back(y);
        break;
      }
    }
  }
  return rows;
}

TEST(TextsFitTheirBoxes, TheIndividualDataInstructionLineSitsInsideTheWindow) {
  Application();
  program::Program app;
  Frontend frontend(app, false);
  app.Start();
  auto& window_model = app.Show<views::frmAg8>();
  frontend.Sync();
  FormWindow* window = frontend.WindowOf(window_model);
  ASSERT_NE(window, nullptr);
  const QImage image = window->Render();
  // The client area sits inside the border and under the caption bar.
  const int border = (image.width() - window->width()) / 2;
  const QPoint client(border, image.height() - window->height() - border);
  const QWidget* label = window->WidgetOf(window_model.Label1);
  const QWidget* grid = window->WidgetOf(window_model.MSFlexGrid1);
  const QRect line(client + label->mapTo(window, QPoint(0, 0)), label->size());
  const int grid_top = client.y() + grid->mapTo(window, QPoint(0, 0)).y();
  const std::vector<int> ink =
      InkRows(image, QRect(line.left(), client.y(), line.width(), grid_top - client.y()));
  ASSERT_FALSE(ink.empty());
  // Clear of the window's top edge and of the grid below, within the label's own box.
  EXPECT_GE(ink.front(), line.top());
  EXPECT_GE(ink.front() - client.y(), 3);
  EXPECT_LT(ink.back(), grid_top);
}

}  // namespace
}  // namespace desktop::testing
