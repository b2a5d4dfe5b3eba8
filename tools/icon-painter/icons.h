// The ten pictures of the log window: the window icon (1001) and the image list (1002-1010).
#pragma once

#include <QImage>
#include <array>
#include <string_view>

namespace qarnolog::icons {

inline constexpr int kIconSize = 16;

struct IconPicture {
  int resource;           // resource number and file stem: 1001 -> 1001.ico
  std::string_view what;  // what the picture shows
  QImage (*paint)();      // draws it on a transparent 16 by 16 ARGB32 image
};

[[nodiscard]] const std::array<IconPicture, 10>& iconPictures();

}  // namespace qarnolog::icons
