// Append-only storage in large chunks: appending never moves what is stored (no reallocation
// copies, no doubled peak), and the elements of one append are contiguous.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>  // std::length_error
#include <vector>

namespace qarnolog {

// Where an append starts: a chunk and an element offset in it.
struct ArenaLocation {
  std::uint32_t chunk = 0;
  std::uint32_t offset = 0;
};

template <typename T, std::size_t ChunkElements>
class ChunkedArena {
 public:
  // Room for `count` contiguous elements, to be written by the caller through the pointer. A
  // run larger than a chunk gets a chunk of its own. Throws when memory runs out or the run
  // cannot be addressed; what was stored before stays valid either way.
  T* allocate(std::size_t count, ArenaLocation& where) {
    if (count == 0) {
      where = {};
      return nullptr;
    }
    if (count > UINT32_MAX) throw std::length_error("arena run too long");
    if (m_chunks.empty() || m_chunks.back().capacity - m_chunks.back().used < count) {
      if (m_chunks.size() >= UINT32_MAX) throw std::length_error("arena full");
      const std::size_t capacity = count > ChunkElements ? count : ChunkElements;
      m_chunks.reserve(m_chunks.size() + 1);
      // Default-initialised elements: the pages are touched only when written.
      m_chunks.push_back({std::unique_ptr<T[]>(new T[capacity]), capacity, 0});
    }
    Chunk& chunk = m_chunks.back();
    where = {std::uint32_t(m_chunks.size() - 1), std::uint32_t(chunk.used)};
    T* out = chunk.data.get() + chunk.used;
    chunk.used += count;
    return out;
  }

  // The first element of a run; null for an empty run.
  [[nodiscard]] const T* at(ArenaLocation where, std::size_t count) const {
    if (count == 0 || where.chunk >= m_chunks.size()) return nullptr;
    return m_chunks[where.chunk].data.get() + where.offset;
  }

  // Bytes allocated, for measurements.
  [[nodiscard]] std::size_t memoryUsed() const {
    std::size_t bytes = m_chunks.capacity() * sizeof(Chunk);
    for (const Chunk& chunk : m_chunks) bytes += chunk.capacity * sizeof(T);
    return bytes;
  }

 private:
  struct Chunk {
    std::unique_ptr<T[]> data;
    std::size_t capacity = 0;
    std::size_t used = 0;
  };
  std::vector<Chunk> m_chunks;
};

}  // namespace qarnolog
