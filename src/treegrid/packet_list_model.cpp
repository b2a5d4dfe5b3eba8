// Packet list model: cell texts from the store, batched row insertion.
#include "treegrid/packet_list_model.h"

#include <algorithm>
#include <functional>  // std::greater_equal
#include <limits>

namespace qarnolog {

PacketListModel::PacketListModel(const PacketStore& store, std::array<QString, 4> hostTitles,
                                 QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_hostTitles(std::move(hostTitles)) {
  m_flushTimer.setSingleShot(true);
  m_flushTimer.setInterval(0);
  connect(&m_flushTimer, &QTimer::timeout, this, &PacketListModel::flush);
}

int PacketListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(m_visible.size());
}

int PacketListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QString PacketListModel::cellText(std::uint32_t record, int column) const {
  switch (column) {
    case ColumnNumber:
      return QString::number(m_store.number(record));
    case ColumnTime:
      return m_store.timeText(record);
    case ColumnLength:
      return QString::number(m_store.record(record).ByteCount);
    default:
      if (column >= ColumnHost1 && column < ColumnCount)
        return m_store.colText(record, column - ColumnHost1).toString();
      return {};
  }
}

QVariant PacketListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || std::size_t(index.row()) >= m_visible.size())
    return {};
  if (role != Qt::DisplayRole) return {};
  return cellText(m_visible[std::size_t(index.row())], index.column());
}

QVariant PacketListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case ColumnNumber:
      return QStringLiteral("#");
    case ColumnTime:
      return QStringLiteral("Date/Time");
    case ColumnLength:
      return QStringLiteral("Length");
    default:
      if (section >= ColumnHost1 && section < ColumnCount)
        return m_hostTitles[std::size_t(section - ColumnHost1)];
      return {};
  }
}

int PacketListModel::rowOf(std::uint32_t record) const {
  const auto it = std::lower_bound(m_visible.begin(), m_visible.end(), record);
  if (it == m_visible.end() || *it != record) return -1;
  return int(it - m_visible.begin());
}

void PacketListModel::recordAppended(std::uint32_t record) {
  if (record >= m_store.size()) return;
  if (m_store.parsed(record) && m_arrivalHook && !m_arrivalHook(record)) return;
  m_pending.push_back(record);
  if (!m_flushTimer.isActive()) m_flushTimer.start();
}

void PacketListModel::setArrivalHook(ArrivalHook hook) {
  m_arrivalHook = std::move(hook);
}

void PacketListModel::setVisibleRows(std::vector<std::uint32_t> rows) {
  const std::uint32_t size = m_store.size();
  // Rows as the filter and the find give them (ascending, unique, in the store) are taken as
  // they are after one look; anything else is put in order first.
  const bool ordered =
      std::adjacent_find(rows.begin(), rows.end(), std::greater_equal<>()) == rows.end() &&
      (rows.empty() || rows.back() < size);
  if (!ordered) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [size](std::uint32_t r) { return r >= size; }),
        rows.end());
    if (!std::is_sorted(rows.begin(), rows.end())) std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  }
  beginResetModel();
  m_visible = std::move(rows);
  m_pending.clear();
  m_flushTimer.stop();
  endResetModel();
}

void PacketListModel::flush() {
  m_flushTimer.stop();
  if (m_pending.empty()) return;
  // Rows are capped by what an int row number can address.
  const std::size_t room = std::size_t(std::numeric_limits<int>::max()) - m_visible.size();
  if (m_pending.size() > room) m_pending.resize(room);
  if (m_pending.empty()) return;
  const int first = int(m_visible.size());
  beginInsertRows({}, first, first + int(m_pending.size()) - 1);
  m_visible.insert(m_visible.end(), m_pending.begin(), m_pending.end());
  m_pending.clear();
  endInsertRows();
}

}  // namespace qarnolog
