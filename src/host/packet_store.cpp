// Packed packet records: appends copy into the arenas, accessors return views into them.
#include "host/packet_store.h"

#include <QLatin1StringView>
#include <stdexcept>  // std::length_error
#include <tuple>
#include <utility>  // std::index_sequence, std::as_const

namespace qarnolog {

void FilterLowerCase(QStringView text, QString& out) {
  bool ascii = true;
  for (QChar c : text) {
    if (c.unicode() >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (!ascii) {
    out = text.toString().toLower();
    return;
  }
  out.resize(text.size());
  QChar* dst = out.data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    dst[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
  }
}

QString FilterLowerCase(QStringView text) {
  QString out;
  FilterLowerCase(text, out);
  return out;
}

namespace {

// Restores the arenas' sizes when an append fails half-way.
template <typename... Arenas>
class AppendGuard {
 public:
  explicit AppendGuard(Arenas&... arenas) : m_arenas(arenas...), m_sizes{arenas.size()...} {}
  ~AppendGuard() {
    if (!m_done) restore(std::index_sequence_for<Arenas...>{});
  }
  AppendGuard(const AppendGuard&) = delete;
  AppendGuard& operator=(const AppendGuard&) = delete;
  void commit() { m_done = true; }

 private:
  template <std::size_t... I>
  void restore(std::index_sequence<I...>) {
    (std::get<I>(m_arenas).resize(m_sizes[I]), ...);
  }
  std::tuple<Arenas&...> m_arenas;
  std::array<std::size_t, sizeof...(Arenas)> m_sizes;
  bool m_done = false;
};

}  // namespace

std::uint32_t PacketStore::appendRecord(const TIntLogData& record) {
  m_records.push_back(record);
  return std::uint32_t(m_records.size() - 1);
}

std::uint32_t PacketStore::appendUnparsed(ByteView bytes) {
  if (full()) throw std::length_error("packet store full");
  AppendGuard guard(m_bytes);
  TIntLogData record;
  record.BytesOffset = m_bytes.size();
  record.ByteCount = std::uint32_t(bytes.size());
  record.TextOffset = m_texts.size();
  record.FilterOffset = m_latin1Filters.size();
  m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
  const std::uint32_t index = appendRecord(record);
  guard.commit();
  return index;
}

std::uint32_t PacketStore::appendParsed(std::uint8_t direction, ByteView bytes, QStringView time,
                                        const HostTexts& texts) {
  if (full()) throw std::length_error("packet store full");
  AppendGuard guard(m_bytes, m_texts, m_latin1Filters, m_wideFilters);
  TIntLogData record;
  record.Direction = direction;
  record.Flags = kParsed;
  record.BytesOffset = m_bytes.size();
  record.ByteCount = std::uint32_t(bytes.size());
  m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());

  record.TextOffset = m_texts.size();
  qsizetype joinedLength = time.size() + 4;
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const QStringView text = texts[k];
    record.ColLength[k] = std::uint32_t(text.size());
    m_texts.insert(m_texts.end(), text.utf16(), text.utf16() + text.size());
    joinedLength += text.size();
  }

  m_joined.resize(0);
  m_joined.reserve(joinedLength);
  m_joined.append(time);
  for (const QStringView text : texts) {
    m_joined.append(u' ');
    m_joined.append(text);
  }
  FilterLowerCase(m_joined, m_lowered);

  bool latin1 = true;
  for (QChar c : std::as_const(m_lowered)) {
    if (c.unicode() > 0xFF) {
      latin1 = false;
      break;
    }
  }
  record.FilterLength = std::uint32_t(m_lowered.size());
  const auto* lowered = reinterpret_cast<const char16_t*>(m_lowered.utf16());
  if (latin1) {
    record.FilterOffset = m_latin1Filters.size();
    const std::size_t start = m_latin1Filters.size();
    m_latin1Filters.resize(start + std::size_t(m_lowered.size()));
    for (qsizetype i = 0; i < m_lowered.size(); ++i) m_latin1Filters[start + i] = char(lowered[i]);
  } else {
    record.Flags |= kWideFilter;
    record.FilterOffset = m_wideFilters.size();
    m_wideFilters.insert(m_wideFilters.end(), lowered, lowered + m_lowered.size());
  }
  const std::uint32_t index = appendRecord(record);
  guard.commit();
  return index;
}

ByteView PacketStore::bytes(std::uint32_t r) const {
  const TIntLogData& record = m_records[r];
  return ByteView(m_bytes.data() + record.BytesOffset, record.ByteCount);
}

QString PacketStore::timeText(std::uint32_t r) const {
  if (!parsed(r)) return {};
  const TIntLogData& record = m_records[r];
  const qsizetype length = qMin(kTimeTextLength, qsizetype(record.FilterLength));
  if ((record.Flags & kWideFilter) != 0)
    return QStringView(m_wideFilters.data() + record.FilterOffset, length).toString();
  return QLatin1StringView(m_latin1Filters.data() + record.FilterOffset, length).toString();
}

QStringView PacketStore::colText(std::uint32_t r, int column) const {
  if (column < 0 || column >= 4) return {};
  const TIntLogData& record = m_records[r];
  std::uint64_t offset = record.TextOffset;
  for (int k = 0; k < column; ++k) offset += record.ColLength[std::size_t(k)];
  return QStringView(m_texts.data() + offset, qsizetype(record.ColLength[std::size_t(column)]));
}

QAnyStringView PacketStore::filterText(std::uint32_t r) const {
  const TIntLogData& record = m_records[r];
  if (!parsed(r)) return {};
  if ((record.Flags & kWideFilter) != 0)
    return QStringView(m_wideFilters.data() + record.FilterOffset, qsizetype(record.FilterLength));
  return QLatin1StringView(m_latin1Filters.data() + record.FilterOffset,
                           qsizetype(record.FilterLength));
}

std::size_t PacketStore::memoryUsed() const {
  return m_records.capacity() * sizeof(TIntLogData) + m_bytes.capacity() +
         m_texts.capacity() * sizeof(char16_t) + m_latin1Filters.capacity() +
         m_wideFilters.capacity() * sizeof(char16_t);
}

}  // namespace qarnolog
