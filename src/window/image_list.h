// The window icon and the nine 16 by 16 list images, loaded from the library's resources.
#pragma once

#include <QIcon>
#include <array>

namespace qarnolog {

class ImageList {
 public:
  // Image indexes shared by the tab strip, the packet lists and the field tree.
  enum Index : int {
    ClosedConnection = 0,
    OpenConnection = 1,
    DirectionOut = 2,
    DirectionIn = 3,
    FolderClosed = 4,
    FolderOpen = 5,
    Leaf = 6,
    PacketRoot = 7,
    MarkedLeaf = 8,
  };
  static constexpr int kCount = 9;

  // Loads resource 1001 as the window icon and 1002 to 1010 as images 0 to 8. Needs a
  // QGuiApplication. A missing or unreadable image stays a null icon.
  ImageList();

  [[nodiscard]] const QIcon& windowIcon() const { return m_windowIcon; }
  // The image of an index; a null icon outside 0 to 8.
  [[nodiscard]] const QIcon& image(int index) const;

 private:
  QIcon m_windowIcon;
  std::array<QIcon, kCount> m_images;
  QIcon m_none;
};

}  // namespace qarnolog
