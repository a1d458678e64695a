#pragma once
#include <string>

namespace skin {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inside, right and bottom just outside, as window rectangles.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Colours are written 0x00BBGGRR, red in the lowest byte.
using Colour = int;

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct SkinFont {
  std::string name = "Arial";
  int height = 14;
  FontStyle style;
  Colour colour = 0;
};

enum class Alignment { LeftJustify, RightJustify, Center };

enum class MorphKind {
  Default = 0,
  Gradient = 1,
  LeftGradient = 2,
  RightGradient = 3,
  LeftSlide = 4,
  RightSlide = 5,
  Push = 6,
};

enum class InactiveEffect {
  Brightness = 0,
  Darkness = 1,
  Grayscale = 2,
  Noise = 3,
  SplitBlur = 4,
  Invert = 5,
};

enum class Command {
  Close = 0,
  Maximize = 1,
  Minimize = 2,
  SysMenu = 3,
  Default = 4,
  RollUp = 5,
  MinimizeToTray = 6,
};

// The three state pictures of a pair of up and down arrow buttons.
struct UpDownButtonRects {
  Rect up, active_up, down_up;
  Rect down, active_down, down_down;
};

}  // namespace skin
