#include <gtest/gtest.h>

#include "ui/desktop.h"

namespace ui {
namespace {

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() : form_(desktop_, "frmGraph") {}
  Desktop desktop_;
  Form form_;
  PictureBox pic_{form_, "Picture1"};
};

TEST_F(DrawingTest, LinesTakeTheirOwnColourElseTheForeColourAndThePenOfTheMoment) {
  pic_.SetDrawWidth(2);
  pic_.Box(900, 200, 6900, 2600);
  pic_.SetDrawWidth(1);
  pic_.SetDrawStyle(kDrawDot);
  pic_.Line(1200, 1400, 6600, 1400, 0xFF00);
  ASSERT_EQ(pic_.Drawing().Ops().size(), 2u);
  const DrawOp& box = pic_.Drawing().Ops()[0];
  EXPECT_EQ(box.kind, DrawOpKind::kBox);
  EXPECT_EQ(box.color, colors::kBlack);
  EXPECT_EQ(box.width, 2);
  EXPECT_EQ(box.style, kDrawSolid);
  const DrawOp& line = pic_.Drawing().Ops()[1];
  EXPECT_EQ(line.color, 0xFF00u);
  EXPECT_EQ(line.style, kDrawDot);
  EXPECT_EQ(pic_.CurrentX(), 6600);  // the pen stays at the line's end
  EXPECT_EQ(pic_.CurrentY(), 1400);
}

TEST_F(DrawingTest, TextStartsAtTheCurrentPositionInTheForeColour) {
  pic_.SetForeColor(0xFF);
  pic_.SetCurrentX(1100);
  pic_.SetCurrentY(500);
  pic_.Print(u"▲");
  const DrawOp& text = pic_.Drawing().Ops().at(0);
  EXPECT_EQ(text.kind, DrawOpKind::kText);
  EXPECT_EQ(text.x1, 1100);
  EXPECT_EQ(text.y1, 500);
  EXPECT_EQ(text.text, u"▲");
  EXPECT_EQ(text.color, 0xFFu);
  EXPECT_EQ(pic_.CurrentX(), 0);
  EXPECT_GT(pic_.CurrentY(), 500);
}

TEST_F(DrawingTest, SavedPictureLoadsBackAsTheBackgroundAndClearsTheDrawing) {
  pic_.Line(0, 0, 10, 10);
  pic_.Print(u"- 50");
  ASSERT_TRUE(pic_.SavePicture(u"/prog/GRAPTH1.bmp"));
  PictureImage saved = pic_.Content();
  pic_.Print(u"marker");
  ASSERT_TRUE(pic_.LoadPicture(u"/prog/GRAPTH1.bmp"));
  EXPECT_TRUE(pic_.Drawing().Ops().empty());
  EXPECT_EQ(pic_.Content(), saved);
  EXPECT_FALSE(pic_.LoadPicture(u"/prog/missing.bmp"));
  EXPECT_EQ(pic_.Content(), saved);
  pic_.Cls();
  EXPECT_EQ(pic_.BackgroundOps().size(), 2u);  // the loaded picture stays
}

TEST_F(DrawingTest, PrintedOpsAreListedForTheDriver) {
  pic_.SetDrawStyle(kDrawDot);
  pic_.Line(1, 2, 3, 4);
  pic_.Print(u"t");
  PropertyList props;
  ListDrawOps(pic_.Drawing().Ops(), props);
  std::vector<std::string> names;
  for (const Property& p : props) names.push_back(p.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Ops", "Op[1].Kind", "Op[1].X1", "Op[1].Y1", "Op[1].X2", "Op[1].Y2",
                                      "Op[1].Color", "Op[1].Width", "Op[1].Style", "Op[2].Kind", "Op[2].X",
                                      "Op[2].Y", "Op[2].Text", "Op[2].Color"}));
  EXPECT_EQ(std::get<Text>(props[8].value), u"dotted");
}

TEST(Printer, RecordsEachDocumentWithItsSettingsAtTheEnd) {
  Printer p;
  std::vector<size_t> sunk;
  p.SetSink([&](const PrintedDocument& d) { sunk.push_back(d.ops.size()); });
  p.EndDoc();  // nothing printed: no document
  EXPECT_TRUE(p.Documents().empty());
  p.SetScaleMode(kScaleMillimeters);
  p.SetPaperSize(kPaperA4);
  p.SetOrientation(kLandscape);
  p.SetCurrentX(27);
  p.SetCurrentY(8);
  p.Print(u"");
  p.Line(25, 59, 271, 59);
  p.SetFontSize(9);
  p.EndDoc();
  ASSERT_EQ(p.Documents().size(), 1u);
  const PrintedDocument& d = p.Documents()[0];
  EXPECT_EQ(d.scale_mode, kScaleMillimeters);
  EXPECT_EQ(d.orientation, kLandscape);
  EXPECT_EQ(d.font_size, 9);
  ASSERT_EQ(d.ops.size(), 2u);
  EXPECT_EQ(d.ops[0].kind, DrawOpKind::kText);
  EXPECT_EQ(d.ops[0].x1, 27);
  EXPECT_EQ(d.ops[0].y1, 8);
  EXPECT_EQ(d.ops[1].x2, 271);
  EXPECT_EQ(sunk, (std::vector<size_t>{2}));
  EXPECT_TRUE(p.PendingOps().empty());
  // Each setting as it was made, in order; the next document starts a list of its own.
  EXPECT_EQ(d.settings, (std::vector<PrinterSetting>{{PrinterSetting::kScaleMode, kScaleMillimeters},
                                                     {PrinterSetting::kPaperSize, kPaperA4},
                                                     {PrinterSetting::kOrientation, kLandscape},
                                                     {PrinterSetting::kFontSize, 9}}));
  p.Print(u"x");
  p.EndDoc();
  EXPECT_TRUE(p.Documents()[1].settings.empty());
}

TEST(MessageBoxes, AnswerFromTheQueueElseWithTheFirstButton) {
  Desktop d;
  EXPECT_EQ(d.MsgBox(u"a", kRetryCancel + kInformation), kRetry);
  d.ScriptedAnswers()->Queue(kCancel);
  EXPECT_EQ(d.MsgBox(u"b", 69), kCancel);
  EXPECT_EQ(d.MsgBox(u"c"), kOk);
  d.ScriptedAnswers()->Queue(kYes);
  EXPECT_THROW(d.MsgBox(u"d", kOkOnly), std::invalid_argument);
  ASSERT_EQ(d.Messages().size(), 4u);
  EXPECT_EQ(d.Messages()[1].text, u"b");
  EXPECT_EQ(d.Messages()[1].answer, kCancel);
  EXPECT_STREQ(ButtonsWord(69), "retrycancel");
  EXPECT_STREQ(IconWord(69), "information");
  EXPECT_EQ(ParseAnswerWord("retry"), kRetry);
  EXPECT_EQ(ParseAnswerWord("Retry"), std::nullopt);
}

TEST(Screen, SizeIsInTwips) {
  Screen s;
  EXPECT_EQ(s.Width(), 28800);
  EXPECT_EQ(s.Height(), 16200);
  s.SetSizePixels(1024, 768);
  EXPECT_EQ(s.Width(), 15360);
  EXPECT_EQ(s.Height(), 11520);
}

}  // namespace
}  // namespace ui
