#pragma once
// How big and in which colours the programs draw: the scale of the display a
// window is on, and the system's colour theme, which overrides the programs'
// own colours while high contrast is on.
namespace common {

// Figures given in pixels at 100 % (96 dots per inch) turned into the pixels of
// a display of another density. At 96 every figure stays exactly as it is.
class Scale {
 public:
  static constexpr int kBaseDpi = 96;

  Scale() = default;
  // A density the system could not tell (0 or less) counts as 100 %.
  explicit Scale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  int dpi() const { return dpi_; }
  // A length in pixels at 100 %, rounded as the system's MulDiv rounds (halves
  // away from zero), so that negative font heights scale like positive ones.
  int pixels(int atBase) const;
  // The height of a font of so many points, as the system takes it: negative,
  // meaning the height of the characters without their leading.
  int fontHeight(int points) const;
  bool operator==(const Scale& o) const { return dpi_ == o.dpi_; }
  bool operator!=(const Scale& o) const { return dpi_ != o.dpi_; }

 private:
  int dpi_ = kBaseDpi;
};

// The system's colours (as 0x00BBGGRR) that the programs draw with in place of
// their own while the user runs a high-contrast theme.
struct SystemTheme {
  bool highContrast = false;
  int window = 0xFFFFFF;
  int windowText = 0x000000;
  int buttonFace = 0xF0F0F0;
  int buttonText = 0x000000;
  bool operator==(const SystemTheme& o) const {
    return highContrast == o.highContrast && window == o.window && windowText == o.windowText &&
           buttonFace == o.buttonFace && buttonText == o.buttonText;
  }
};

// A text colour on a background colour.
struct ColorPair {
  int text = 0;
  int background = 0;
  bool operator==(const ColorPair& o) const { return text == o.text && background == o.background; }
};

// The program's own pair, or under high contrast the system's text on its
// window colour.
ColorPair textColors(const SystemTheme& theme, ColorPair own);

}  // namespace common
