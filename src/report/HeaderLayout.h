// The placement of logo, title, date and page number in the page header, in layout units of
// 1/96 inch: the usable width of the page is 718 units and the date caption starts at 554.
#pragma once

namespace laytime {

inline constexpr int HeaderUsableWidth = 718;
inline constexpr int HeaderDateLeft = 554;
/// Points per layout unit.
inline constexpr double PointsPerLayoutUnit = 72.0 / 96.0;

struct THeaderBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool operator==(const THeaderBox&) const = default;
};

struct THeaderLayout {
  THeaderBox Logo;
  THeaderBox Title;
  THeaderBox Date;       ///< its Left stays at HeaderDateLeft
  THeaderBox PageNumber; ///< right-aligned at the right margin
  int HeaderHeight = 0;
};

/// Lays out title and logo for a title position. Position 0 centres the title: the logo starts
/// at 8 and the title between logo and date, their bottoms aligned. Positions 1 and 2 put the
/// title at the left: the title starts at 8 and the logo between title and date. Any other
/// position leaves logo and title where `current` has them. Then the date and the page number
/// are aligned with the bottom of the title, and the header ends 6 units below the title.
/// A title taller than the logo and the space above it moves down with the logo just enough
/// to start at the top of the header instead of above it.
THeaderLayout AdjustHeader(int position, const THeaderLayout& current);

} // namespace laytime
