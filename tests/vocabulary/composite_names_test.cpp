// Composite value texts: version, capability list, flag sets and the status-picture word.
#include "vocabulary/name_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "wire/hex.h"

namespace qarnolog {
namespace {

struct BytesCase {
  std::string_view hex;  // the value's bytes
  std::string_view text;
};

TEST(ClientVersionText, FourWordsWithShortValuesReadAsZero) {
  constexpr std::array kCases = {
      BytesCase{"0001000200030004",   "1.2.3.4"                },
      BytesCase{"00020000000A0100",   "2.0.10.256"             },
      BytesCase{"FFFFFFFFFFFFFFFF",   "65535.65535.65535.65535"},
      BytesCase{"000100020003000499", "1.2.3.4"                }, // bytes after the eighth are ignored
      BytesCase{"07",                 "1792.0.0.0"             }, // a lone byte is the high byte
      BytesCase{"000100020003",       "1.2.3.0"                }, // missing word reads as 0
      BytesCase{"00010002000304",     "1.2.3.1024"             },
      BytesCase{"",                   "0.0.0.0"                }, // empty value
  };
  for (const BytesCase& c : kCases) {
    EXPECT_EQ(ClientVersionText(HexToBytes(c.hex)), c.text) << c.hex;
  }
}

TEST(ClientCapsText, OneItemPerCodeInOrderNothingDropped) {
  constexpr std::array kCases = {
      BytesCase{"00010006000B", "CAP_MSGS_UTF8, CAP_AVATARS, UNK_000B"},
      BytesCase{"00080008",     "CAP_TRANSPORTS, CAP_TRANSPORTS"      }, // repeats stay
      BytesCase{"000205",       "CAP_MSGS_RTF, UNK_0500"              }, // lone last byte
      BytesCase{"000A",         "CAP_NOTIFS_MAIL"                     },
      BytesCase{"0000",         "UNK_0000"                            }, // 0 is not a capability
      BytesCase{"FFFF",         "UNK_FFFF"                            },
      BytesCase{"000B0001",     "UNK_000B, CAP_MSGS_UTF8"             },
      BytesCase{"00",           "UNK_0000"                            },
      BytesCase{"",             ""                                    },
  };
  for (const BytesCase& c : kCases) {
    EXPECT_EQ(ClientCapsText(HexToBytes(c.hex)), c.text) << c.hex;
  }
}

struct FlagsCase {
  std::uint32_t word;
  std::string_view text;
};

TEST(ClientFlagsText, KnownBitsInOrderOthersIgnored) {
  constexpr std::array kCases = {
      FlagsCase{0x0000000F,
                "PRES_CF_RCV_CLIENT_NAME_AND_VER | PRES_CF_RCV_OS_INFORMATION | "
                "PRES_CF_RCV_CLIENT_DESCRIPTION | PRES_CF_RCV_CLIENT_ID_BLK"             },
      FlagsCase{0x00000002, "PRES_CF_RCV_OS_INFORMATION"                                 },
      FlagsCase{0x00000009, "PRES_CF_RCV_CLIENT_NAME_AND_VER | PRES_CF_RCV_CLIENT_ID_BLK"},
      FlagsCase{0xFFFFFFF4, "PRES_CF_RCV_CLIENT_DESCRIPTION"                             },
      FlagsCase{0xFFFFFFF0, ""                                                           },
      FlagsCase{0x00000000, ""                                                           },
  };
  for (const FlagsCase& c : kCases)
    EXPECT_EQ(ClientFlagsText(c.word), c.text) << std::hex << c.word;
}

TEST(RequiredOptionalClientFlagsText, OnlyTheHostnameBit) {
  constexpr std::array kCases = {
      FlagsCase{0x00000001, "PRES_REQ_FLAG_HOSTNAME"},
      FlagsCase{0x00000003, "PRES_REQ_FLAG_HOSTNAME"},
      FlagsCase{0xFFFFFFFF, "PRES_REQ_FLAG_HOSTNAME"},
      FlagsCase{0x00000002, ""                      },
      FlagsCase{0x00000000, ""                      },
  };
  for (const FlagsCase& c : kCases) {
    EXPECT_EQ(RequiredOptionalClientFlagsText(c.word), c.text) << std::hex << c.word;
  }
}

TEST(StatusPictureFlagsText, IndexFromLowWordCustomFlagFromBit16) {
  constexpr std::array kCases = {
      FlagsCase{0x00010005, "[Index=5], [Flags=SEARCH_ST_PIC_FLAG_CUSTOM]"    },
      FlagsCase{0x00000003, "[Index=3], [Flags=]"                             },
      FlagsCase{0xFFFEFFFF, "[Index=65535], [Flags=]"                         }, // every bit but the flag
      FlagsCase{0x00010000, "[Index=0], [Flags=SEARCH_ST_PIC_FLAG_CUSTOM]"    },
      FlagsCase{0xFFFFFFFF, "[Index=65535], [Flags=SEARCH_ST_PIC_FLAG_CUSTOM]"},
      FlagsCase{0x00000000, "[Index=0], [Flags=]"                             },
  };
  for (const FlagsCase& c : kCases) {
    EXPECT_EQ(StatusPictureFlagsText(c.word), c.text) << std::hex << c.word;
  }
}

}  // namespace
}  // namespace qarnolog
