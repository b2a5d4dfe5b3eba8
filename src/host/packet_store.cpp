// Packed packet records: appends copy into the arenas, accessors return views into them.
#include "host/packet_store.h"

#include <QLatin1StringView>
#include <cstring>    // std::memcpy
#include <stdexcept>  // std::length_error

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

std::uint32_t PacketStore::appendRecord(const TIntLogData& record) {
  if (full()) throw std::length_error("packet store full");
  if ((m_size & (kBlockSize - 1)) == 0 && (m_size >> kBlockShift) == m_blocks.size()) {
    m_blocks.reserve(m_blocks.size() + 1);
    m_blocks.push_back(std::make_unique<TIntLogData[]>(kBlockSize));
  }
  m_blocks[m_size >> kBlockShift][m_size & (kBlockSize - 1)] = record;
  return m_size++;
}

namespace {

template <typename Arena>
ArenaLocation copyInto(Arena& arena, ByteView bytes) {
  ArenaLocation where;
  std::uint8_t* out = arena.allocate(bytes.size(), where);
  if (out != nullptr) std::memcpy(out, bytes.data(), bytes.size());
  return where;
}

}  // namespace

// A failed append (out of memory) may leave unused room in an arena, never a record that
// points at half-written data: the record is stored last.
std::uint32_t PacketStore::appendUnparsed(ByteView bytes) {
  if (full()) throw std::length_error("packet store full");
  TIntLogData record;
  record.ByteCount = std::uint32_t(bytes.size());
  record.Bytes = copyInto(m_bytes, bytes);
  return appendRecord(record);
}

std::uint32_t PacketStore::appendParsed(std::uint8_t direction, ByteView bytes, QStringView time,
                                        const HostTexts& texts) {
  if (full()) throw std::length_error("packet store full");
  TIntLogData record;
  record.Direction = direction;
  record.Flags = kParsed;
  record.ByteCount = std::uint32_t(bytes.size());
  record.Bytes = copyInto(m_bytes, bytes);

  std::size_t textLength = 0;
  for (const QStringView text : texts) textLength += std::size_t(text.size());
  char16_t* textOut = m_texts.allocate(textLength, record.Texts);
  m_joined.resize(0);
  m_joined.reserve(time.size() + 4 + qsizetype(textLength));
  m_joined.append(time);
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const QStringView text = texts[k];
    record.ColLength[k] = std::uint32_t(text.size());
    if (!text.isEmpty()) {
      std::memcpy(textOut, text.utf16(), std::size_t(text.size()) * sizeof(char16_t));
      textOut += text.size();
    }
    m_joined.append(u' ');
    m_joined.append(text);
  }
  FilterLowerCase(m_joined, m_lowered);

  const auto* lowered = reinterpret_cast<const char16_t*>(m_lowered.utf16());
  const std::size_t length = std::size_t(m_lowered.size());
  bool latin1 = true;
  for (std::size_t i = 0; i < length && latin1; ++i) latin1 = lowered[i] <= 0xFF;
  record.FilterLength = std::uint32_t(length);
  if (latin1) {
    char* out = m_latin1Filters.allocate(length, record.Filter);
    for (std::size_t i = 0; i < length; ++i) out[i] = char(lowered[i]);
  } else {
    record.Flags |= kWideFilter;
    char16_t* out = m_wideFilters.allocate(length, record.Filter);
    std::memcpy(out, lowered, length * sizeof(char16_t));
  }
  return appendRecord(record);
}

ByteView PacketStore::bytes(std::uint32_t r) const {
  const TIntLogData& rec = record(r);
  return ByteView(m_bytes.at(rec.Bytes, rec.ByteCount), rec.ByteCount);
}

QString PacketStore::timeText(std::uint32_t r) const {
  if (!parsed(r)) return {};
  const TIntLogData& rec = record(r);
  const qsizetype length = qMin(kTimeTextLength, qsizetype(rec.FilterLength));
  if ((rec.Flags & kWideFilter) != 0)
    return QStringView(m_wideFilters.at(rec.Filter, rec.FilterLength), length).toString();
  return QLatin1StringView(m_latin1Filters.at(rec.Filter, rec.FilterLength), length).toString();
}

QStringView PacketStore::colText(std::uint32_t r, int column) const {
  if (column < 0 || column >= 4) return {};
  const TIntLogData& rec = record(r);
  std::size_t offset = 0, total = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    if (int(k) < column) offset += rec.ColLength[k];
    total += rec.ColLength[k];
  }
  const std::uint32_t length = rec.ColLength[std::size_t(column)];
  if (length == 0) return {};
  return QStringView(m_texts.at(rec.Texts, total) + offset, qsizetype(length));
}

QAnyStringView PacketStore::filterText(std::uint32_t r) const {
  const TIntLogData& rec = record(r);
  if ((rec.Flags & kParsed) == 0) return {};
  if ((rec.Flags & kWideFilter) != 0)
    return QStringView(m_wideFilters.at(rec.Filter, rec.FilterLength), qsizetype(rec.FilterLength));
  return QLatin1StringView(m_latin1Filters.at(rec.Filter, rec.FilterLength),
                           qsizetype(rec.FilterLength));
}

std::size_t PacketStore::memoryUsed() const {
  return m_blocks.capacity() * sizeof(m_blocks[0]) +
         m_blocks.size() * kBlockSize * sizeof(TIntLogData) + m_bytes.memoryUsed() +
         m_texts.memoryUsed() + m_latin1Filters.memoryUsed() + m_wideFilters.memoryUsed();
}

}  // namespace qarnolog
