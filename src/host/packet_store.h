// The packet records of one connection tab, packed: one byte arena for every packet's bytes,
// one UTF-16 arena for the host texts, filter-text arenas, and fixed-size records in blocks.
// Records are only ever appended, and nothing stored ever moves; they live as long as the tab.
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

#include "host/chunked_arena.h"
#include "wire/bytes.h"

namespace qarnolog {

// Lower-cases text for the packet filter with QString::toLower semantics (full Unicode case
// mapping; the length may change). The stored filter texts and the user's pattern both go
// through it, so the two sides always agree. The second form reuses `out`'s buffer.
[[nodiscard]] QString FilterLowerCase(QStringView text);
void FilterLowerCase(QStringView text, QString& out);

// Characters of a time stamp "dd/mm/yy hh:mm:ss:zzz".
inline constexpr qsizetype kTimeTextLength = 21;

// The fixed-size record of one packet. Texts and bytes live in the store's arenas.
struct TIntLogData {
  ArenaLocation Bytes;   // the packet's bytes
  ArenaLocation Texts;   // Col1Text in the UTF-16 arena; Col2..Col4 follow it
  ArenaLocation Filter;  // the filter text in the Latin-1 or the UTF-16 filter arena
  std::uint32_t ByteCount = 0;
  std::array<std::uint32_t, 4> ColLength{};  // UTF-16 units of Col1Text..Col4Text
  std::uint32_t FilterLength = 0;            // characters of the filter text
  std::uint8_t Direction = 0;
  std::uint8_t Flags = 0;  // kParsed, kWideFilter
};

class PacketStore {
 public:
  using HostTexts = std::array<QStringView, 4>;

  // Appends a packet that parsed as a BEX with its direction, time stamp and four column
  // texts; the filter text "Time Col1 Col2 Col3 Col4" is lower-cased and kept with it.
  // Returns the record index. On failure (out of memory) throws; the records stay as they were.
  std::uint32_t appendParsed(std::uint8_t direction, ByteView bytes, QStringView time,
                             const HostTexts& texts);
  // Appends a packet that does not parse: its bytes only (number 0, no time, empty texts,
  // direction 0).
  std::uint32_t appendUnparsed(ByteView bytes);

  [[nodiscard]] std::uint32_t size() const { return m_size; }
  [[nodiscard]] bool empty() const { return m_size == 0; }
  // True when no more record can be appended (the record index is 32-bit).
  [[nodiscard]] bool full() const { return m_size >= kMaxRecords; }

  // Accessors for a record index below size().
  [[nodiscard]] const TIntLogData& record(std::uint32_t r) const {
    return m_blocks[r >> kBlockShift][r & (kBlockSize - 1)];
  }
  [[nodiscard]] ByteView bytes(std::uint32_t r) const;
  [[nodiscard]] bool parsed(std::uint32_t r) const { return (record(r).Flags & kParsed) != 0; }
  [[nodiscard]] std::uint8_t direction(std::uint32_t r) const { return record(r).Direction; }
  // The packet's number in its tab, from 1; 0 for a packet that does not parse.
  [[nodiscard]] std::uint32_t number(std::uint32_t r) const { return parsed(r) ? r + 1 : 0; }
  // The arrival time stamp; empty for a packet that does not parse.
  [[nodiscard]] QString timeText(std::uint32_t r) const;
  // Host column 1 to 4 (column 3 holds the BEX name when the host left it empty).
  [[nodiscard]] QStringView colText(std::uint32_t r, int column) const;
  // The lower-cased filter text, Latin-1 when every character fits, else UTF-16. Empty for a
  // packet that does not parse (no text of such a row can match a trimmed pattern).
  [[nodiscard]] QAnyStringView filterText(std::uint32_t r) const;

  // Bytes held by the arenas and records (capacity included), for measurements.
  [[nodiscard]] std::size_t memoryUsed() const;

 private:
  static constexpr std::uint8_t kParsed = 1;
  static constexpr std::uint8_t kWideFilter = 2;
  static constexpr std::uint32_t kMaxRecords = 0xFFFFFFFFu;
  static constexpr std::uint32_t kBlockShift = 12;
  static constexpr std::uint32_t kBlockSize = 1u << kBlockShift;  // records per block
  static constexpr std::size_t kChunkBytes = 1u << 20;

  std::uint32_t appendRecord(const TIntLogData& record);

  std::vector<std::unique_ptr<TIntLogData[]>> m_blocks;
  std::uint32_t m_size = 0;
  ChunkedArena<std::uint8_t, kChunkBytes> m_bytes;
  ChunkedArena<char16_t, kChunkBytes / 2> m_texts;
  ChunkedArena<char, kChunkBytes> m_latin1Filters;
  ChunkedArena<char16_t, kChunkBytes / 2> m_wideFilters;
  QString m_joined;  // scratch buffers reused by every append
  QString m_lowered;
};

}  // namespace qarnolog
