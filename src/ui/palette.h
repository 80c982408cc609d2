#pragma once
// The named colours the windows use, as &H00BBGGRR numbers, and the mouse pointer shapes by name.

#include "ui/control.h"

namespace ui {

namespace palette {
constexpr Color kBlack = colors::kBlack;
constexpr Color kWhite = colors::kWhite;
constexpr Color kRed = 0x000000FF;
constexpr Color kBlue = 0x00FF0000;
constexpr Color kGreen = 0x0000FF00;
constexpr Color kDarkGreen = 0x0000C000;
constexpr Color kLightGreen = 0x0080FF80;
constexpr Color kYellow = 0x0000FFFF;
constexpr Color kPaleYellow = 0x0080FFFF;
constexpr Color kLightYellow = Rgb(255, 255, 192);
constexpr Color kOrange = 0x000080FF;
constexpr Color kGrey = 0x00C0C0C0;
constexpr Color kLightGrey = 0x00E0E0E0;
constexpr Color kPink = Rgb(255, 192, 255);
constexpr Color kLightCyan = Rgb(192, 255, 255);
constexpr Color kPaleGreen = Rgb(192, 255, 192);
constexpr Color kLavender = Rgb(192, 192, 255);
constexpr Color kPeach = Rgb(255, 224, 192);
constexpr Color kRose = Rgb(255, 192, 192);
}  // namespace palette

// Mouse pointer shapes, numbered as the platform numbers them.
namespace pointer {
constexpr int kDefault = 0;
constexpr int kArrow = 1;
constexpr int kCross = 2;
constexpr int kIBeam = 3;
constexpr int kHourglass = 11;
constexpr int kNoDrop = 12;
constexpr int kArrowHourglass = 13;
constexpr int kSizeAll = 15;
}  // namespace pointer

}  // namespace ui
