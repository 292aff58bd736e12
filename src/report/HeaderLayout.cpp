#include "report/HeaderLayout.h"

#include <algorithm>

namespace laytime {
namespace {

// The gap that centres `width` between `leftEdge` and the date, truncated and never negative.
int CentringGap(int leftEdge, int width) {
  return std::max((HeaderDateLeft - leftEdge - width) / 2, 0);
}

// Aligns the bottom of `title` with the bottom of `logo`. A title taller than the logo and the
// space above it would start above the page header and be cut off; then both move down just
// enough for the title to start at the top of the header.
void AlignBottoms(THeaderBox& logo, THeaderBox& title) {
  title.Top = logo.Bottom() - title.Height;
  if (title.Top < 0) {
    logo.Top -= title.Top;
    title.Top = 0;
  }
}

} // namespace

THeaderLayout AdjustHeader(int position, const THeaderLayout& current) {
  THeaderLayout layout = current;
  THeaderBox& logo = layout.Logo;
  THeaderBox& title = layout.Title;
  switch (position) {
  case 0:
    logo.Left = 8;
    AlignBottoms(logo, title);
    title.Left = logo.Right() + CentringGap(logo.Right(), title.Width);
    break;
  case 1:
  case 2:
    title.Left = 8;
    AlignBottoms(logo, title);
    logo.Left = title.Right() + CentringGap(title.Right(), logo.Width);
    break;
  default:
    break;
  }
  layout.Date.Left = HeaderDateLeft;
  layout.Date.Top = title.Bottom() - layout.Date.Height;
  layout.PageNumber.Top = layout.Date.Top;
  layout.PageNumber.Left = HeaderUsableWidth - layout.PageNumber.Width;
  layout.HeaderHeight = title.Bottom() + 6;
  return layout;
}

} // namespace laytime
