// Extension type scan.
#include "wire/ext_type.h"

#include "wire/readers.h"

namespace qarnolog {

std::uint16_t FindExtType(ByteView data) {
  while (!data.empty()) {
    const bool wholeHeader = data.size() >= 8;
    const std::uint32_t type = ReadDWord(data, 4);
    const std::uint32_t length = ReadDWord(data, 4);
    if (type == 1 && wholeHeader) return ReadWord(data, 0);
    RemoveBytes(data, AsCount(length));
  }
  return 0;
}

}  // namespace qarnolog
