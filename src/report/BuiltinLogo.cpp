#include "report/BuiltinLogo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace laytime {
namespace {

constexpr int LogoWidth = 72;
constexpr int LogoHeight = 40;
constexpr int Samples = 4; // per axis, for smooth edges

constexpr std::uint32_t Navy = 0xFF1F3A5F;
constexpr std::uint32_t Sea = 0xFF6FA8DC;
constexpr std::uint32_t Hull = 0xFFFFFFFF;
constexpr std::uint32_t Funnel = 0xFFE69138;
constexpr std::uint32_t Transparent = 0x00000000;

bool InsideBadge(double x, double y) {
  constexpr double r = 7.0;
  const double cx = std::clamp(x, r, LogoWidth - r);
  const double cy = std::clamp(y, r, LogoHeight - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// The colour of the drawing at a point of the 72 × 40 plane.
std::uint32_t ColourAt(double x, double y) {
  if (!InsideBadge(x, y)) {
    return Transparent;
  }
  if (y > 30.0 + 1.6 * std::sin(x / 4.0)) {
    return Sea;
  }
  const bool inHull =
      y >= 22.0 && y <= 29.5 && x >= 12.0 + (y - 22.0) * 1.2 && x <= 60.0 - (y - 22.0) * 0.5;
  const bool inBridge = y >= 15.0 && y < 22.0 && x >= 38.0 && x <= 52.0;
  if (inHull || inBridge) {
    return Hull;
  }
  if (y >= 9.0 && y < 15.0 && x >= 43.0 && x <= 47.5) {
    return Funnel;
  }
  return Navy;
}

std::uint32_t Average(const std::uint32_t (&samples)[Samples * Samples]) {
  double a = 0, r = 0, g = 0, b = 0;
  for (const std::uint32_t s : samples) {
    const double alpha = static_cast<double>(s >> 24) / 255.0;
    a += alpha;
    r += alpha * ((s >> 16) & 0xFF);
    g += alpha * ((s >> 8) & 0xFF);
    b += alpha * (s & 0xFF);
  }
  if (a <= 0.0) {
    return Transparent;
  }
  const auto channel = [](double v) { return static_cast<std::uint32_t>(std::lround(v)); };
  return (channel(a / (Samples * Samples) * 255.0) << 24) | (channel(r / a) << 16) |
         (channel(g / a) << 8) | channel(b / a);
}

TReportImage DrawLogo() {
  TReportImage image;
  image.Width = LogoWidth;
  image.Height = LogoHeight;
  image.Pixels.reserve(static_cast<std::size_t>(LogoWidth) * LogoHeight);
  for (int py = 0; py < LogoHeight; ++py) {
    for (int px = 0; px < LogoWidth; ++px) {
      std::uint32_t samples[Samples * Samples];
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          samples[sy * Samples + sx] =
              ColourAt(px + (sx + 0.5) / Samples, py + (sy + 0.5) / Samples);
        }
      }
      image.Pixels.push_back(Average(samples));
    }
  }
  return image;
}

} // namespace

std::shared_ptr<const TReportImage> BuiltinLogo() {
  static const std::shared_ptr<const TReportImage> logo =
      std::make_shared<const TReportImage>(DrawLogo());
  return logo;
}

} // namespace laytime
