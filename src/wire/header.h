// The 17-byte BEX header and its parse.
#pragma once

#include <cstdint>

#include "wire/bytes.h"

namespace qarnolog {

inline constexpr std::size_t kBexHeaderSize = 17;

// The parsed header. `Data` views exactly `DataLength` bytes of the packet that was parsed, so
// it is valid as long as those bytes are; ToByteString copies it when it must outlive them.
struct TQarnoHeader {
  std::uint8_t Id = 0;
  std::uint32_t Seq = 0;
  std::uint16_t BexType = 0;
  std::uint16_t BexSub = 0;
  std::uint32_t RequestId = 0;
  std::uint32_t DataLength = 0;
  ByteView Data;
};

// True when the packet holds at least 17 + DataLength bytes. Shorter than 17 bytes: false and
// the header is untouched. Too short for its DataLength: false with the six fields filled in
// and Data empty. Bytes after the data are ignored.
bool ParseBexHeader(ByteView packet, TQarnoHeader& header);

}  // namespace qarnolog
