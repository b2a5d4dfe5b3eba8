// One connection tab of a log window: the connection's identity and state, its packet store,
// the list model over the store and the list view, which fills the tab.
#pragma once

#include <QTableView>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "host/packet_store.h"
#include "treegrid/packet_list_model.h"

namespace qarnolog {

class TLogTab : public QWidget {
  Q_OBJECT

 public:
  // Titles and pixel widths of the four host columns.
  struct HostColumns {
    std::array<QString, 4> titles;
    std::array<int, 4> widths{};
  };

  // Builds the tab around `list` (which it takes as a child and sets up as a report-style
  // packet list with the columns "#" 50, "Date/Time" 140, "Length" 50 and the host columns).
  TLogTab(std::uint32_t connId, HostColumns columns, QTableView* list, QWidget* parent = nullptr);
  ~TLogTab() override;

  [[nodiscard]] std::uint32_t ConnId() const { return m_connId; }
  [[nodiscard]] bool Closed() const { return m_closed; }
  void setClosed() { m_closed = true; }
  // The tab image: 1 (open connection) or 0 (closed); the window draws it.
  [[nodiscard]] int image() const { return m_image; }
  void setImage(int image) { m_image = image; }

  [[nodiscard]] QTableView* List() const { return m_list; }
  [[nodiscard]] PacketStore& store() { return m_store; }
  [[nodiscard]] const PacketStore& store() const { return m_store; }
  [[nodiscard]] PacketListModel* model() const { return m_model.get(); }

 private:
  std::uint32_t m_connId;
  bool m_closed = false;
  int m_image = 0;
  PacketStore m_store;
  std::unique_ptr<PacketListModel> m_model;
  QTableView* m_list;
};

}  // namespace qarnolog
