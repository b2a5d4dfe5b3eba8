// BEX header parse.
#include "wire/header.h"

#include "wire/readers.h"

namespace qarnolog {

bool ParseBexHeader(ByteView packet, TQarnoHeader& header) {
  if (packet.size() < kBexHeaderSize) return false;
  ByteView rest = packet;
  header.Id = ReadByte(rest, 1);
  header.Seq = ReadDWord(rest, 4);
  header.BexType = ReadWord(rest, 2);
  header.BexSub = ReadWord(rest, 2);
  header.RequestId = ReadDWord(rest, 4);
  header.DataLength = ReadDWord(rest, 4);
  header.Data = {};
  if (rest.size() < header.DataLength) return false;
  header.Data = rest.first(header.DataLength);
  return true;
}

}  // namespace qarnolog
