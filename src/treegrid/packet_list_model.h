// The packet list of one connection tab as a virtual table model over the tab's packet store:
// the model keeps only the vector of visible record indexes and builds cell texts when asked.
// New packets reach the view in batches, one row insertion per event-loop turn.
#pragma once

#include <QAbstractTableModel>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/packet_store.h"

namespace qarnolog {

class PacketListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column : int {
    ColumnNumber = 0,
    ColumnTime = 1,
    ColumnLength = 2,
    ColumnHost1 = 3,  // host columns 1 to 4 follow
    ColumnCount = 7,
  };
  // Decides whether a newly arrived packet that parsed becomes a visible row.
  using ArrivalHook = std::function<bool(std::uint32_t record)>;

  PacketListModel(const PacketStore& store, std::array<QString, 4> hostTitles,
                  QObject* parent = nullptr);

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

  // The cell text of a record: "#", "Date/Time", "Length", then the four host columns.
  [[nodiscard]] QString cellText(std::uint32_t record, int column) const;

  [[nodiscard]] const PacketStore& store() const { return m_store; }
  // The record shown in a row (row below rowCount()).
  [[nodiscard]] std::uint32_t recordAt(int row) const { return m_visible[std::size_t(row)]; }
  // The row of a record, or -1 when it is hidden or not yet inserted.
  [[nodiscard]] int rowOf(std::uint32_t record) const;
  [[nodiscard]] const std::vector<std::uint32_t>& visibleRows() const { return m_visible; }

  // Called right after a record was appended to the store: a packet that does not parse is
  // always shown, one that parses when the arrival hook says so. The row is inserted at the
  // next flush (the next event-loop turn).
  void recordAppended(std::uint32_t record);
  void setArrivalHook(ArrivalHook hook);
  // Replaces the visible rows (a model reset). `rows` are record indexes; entries past the
  // store's end are dropped and the rest are put in ascending order without duplicates. Every
  // record in the store counts as decided: arrivals not yet flushed are dropped.
  void setVisibleRows(std::vector<std::uint32_t> rows);
  // Inserts the rows of the pending arrivals now (one insertion).
  void flush();
  [[nodiscard]] std::size_t pendingCount() const { return m_pending.size(); }

  // The record the user focused last in this list. It outlives resets of the visible rows, so
  // a focused row that a filter hides is still the focused one when it shows again.
  [[nodiscard]] std::optional<std::uint32_t> focusedRecord() const { return m_focused; }
  void setFocusedRecord(std::optional<std::uint32_t> record) { m_focused = record; }

 private:
  const PacketStore& m_store;
  std::array<QString, 4> m_hostTitles;
  std::vector<std::uint32_t> m_visible;
  std::vector<std::uint32_t> m_pending;
  ArrivalHook m_arrivalHook;
  std::optional<std::uint32_t> m_focused;
  QTimer m_flushTimer;
};

}  // namespace qarnolog
