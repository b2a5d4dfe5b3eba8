// BEX names: the edges of every family, the file-transfer gap and the types no family owns.
#include "vocabulary/bex_names.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qarnolog {
namespace {

struct Family {
  std::uint16_t type;
  std::string_view prefix;
  int named;  // sub-types the family names in all
};

constexpr std::array kFamilies = {
    Family{0x0001, "QARNO_BEX_COM_",     9 },
    Family{0x0002, "QARNO_BEX_CL_",      21},
    Family{0x0003, "QARNO_BEX_PRES_",    12},
    Family{0x0004, "QARNO_BEX_IM_",      12},
    Family{0x0005, "QARNO_BEX_UD_",      10},
    Family{0x0006, "QARNO_BEX_UA_",      6 },
    Family{0x0007, "QARNO_BEX_FT_",      10},
    Family{0x0008, "QARNO_BEX_TP_",      9 },
    Family{0x1000, "QARNO_BEX_EXT_MAN_", 8 },
    Family{0x1001, "QARNO_BEX_EXT_TP_",  32},
    Family{0x1002, "QARNO_BEX_EXT_PG_",  1 },
    Family{0xF001, "QARNO_BEX_WADM_",    17},
};

struct Edge {
  std::uint16_t type;
  std::uint16_t sub;
  std::string_view name;
};

// The first and the last named sub-type of every family.
constexpr std::array kEdges = {
    Edge{0x0001, 0x0001, "QARNO_BEX_COM_CLI_HELLO"                },
    Edge{0x0001, 0x0009, "QARNO_BEX_COM_SRV_REGISTER_REPLY"       },
    Edge{0x0002, 0x0001, "QARNO_BEX_CL_CLI_PARAMS"                },
    Edge{0x0002, 0x0015, "QARNO_BEX_CL_SRV_END_UPDATE"            },
    Edge{0x0003, 0x0001, "QARNO_BEX_PRES_CLI_PARAMS"              },
    Edge{0x0003, 0x000C, "QARNO_BEX_PRES_SRV_OWN_MAIL_URL"        },
    Edge{0x0004, 0x0001, "QARNO_BEX_IM_CLI_PARAMS"                },
    Edge{0x0004, 0x000C, "QARNO_BEX_IM_CLI_MULTIPLE_MSG"          },
    Edge{0x0005, 0x0001, "QARNO_BEX_UD_CLI_PARAMS"                },
    Edge{0x0005, 0x000A, "QARNO_BEX_UD_SRV_SECURE_UPD_REPLY"      },
    Edge{0x0006, 0x0001, "QARNO_BEX_UA_CLI_PARAMS"                },
    Edge{0x0006, 0x0006, "QARNO_BEX_UA_SRV_AVATAR_SET_REPLY"      },
    Edge{0x0007, 0x0001, "QARNO_BEX_FT_CLI_PARAMS"                },
    Edge{0x0007, 0x0105, "QARNO_BEX_FT_DIR_PROX_FILE_DATA"        },
    Edge{0x0008, 0x0001, "QARNO_BEX_TP_CLI_PARAMS"                },
    Edge{0x0008, 0x0009, "QARNO_BEX_TP_SRV_OWN_AVATAR_HASH"       },
    Edge{0x1000, 0x0001, "QARNO_BEX_EXT_MAN_CLI_REGISTER"         },
    Edge{0x1000, 0x0008, "QARNO_BEX_EXT_MAN_SRV_CONFIG_UPDATED"   },
    Edge{0x1001, 0x0001, "QARNO_BEX_EXT_TP_SRV_SETTINGS"          },
    Edge{0x1001, 0x0020, "QARNO_BEX_EXT_TP_CLI_OWN_MAIL_URL_REPLY"},
    Edge{0x1002, 0x0001, "QARNO_BEX_EXT_PG_SRV_TEXT_MSG"          },
    Edge{0x1002, 0x0001, "QARNO_BEX_EXT_PG_SRV_TEXT_MSG"          },
    Edge{0xF001, 0x0001, "QARNO_BEX_WADM_CLI_LOGIN"               },
    Edge{0xF001, 0x0011, "QARNO_BEX_WADM_SRV_EXT_UPD_REPLY"       },
};

TEST(BexName, FirstAndLastOfEveryFamily) {
  for (const Edge& edge : kEdges) {
    EXPECT_EQ(BexName(edge.type, edge.sub), edge.name) << std::hex << edge.type << '/' << edge.sub;
  }
}

// Sub-type 0 is named in no family; neither is the one after a family's last.
TEST(BexName, SubTypesJustOutsideEveryFamilyAreUnknown) {
  for (std::size_t i = 0; i < kEdges.size(); i += 2) {
    const std::uint16_t type = kEdges[i].type;
    SCOPED_TRACE(type);
    EXPECT_EQ(BexName(type, 0x0000), "UNKNOWN");
    EXPECT_EQ(BexName(type, kEdges[i + 1].sub + 1), "UNKNOWN");
    EXPECT_EQ(BexName(type, 0xFFFF), "UNKNOWN");
  }
}

// Every sub-type of every family: a row in the wrong family, a lost row or a partial name shows
// up as a wrong prefix or a wrong count.
TEST(BexName, EveryNameCarriesItsFamilyPrefix) {
  int total = 0;
  for (const Family& family : kFamilies) {
    SCOPED_TRACE(std::string(family.prefix));
    int named = 0;
    for (std::uint32_t sub = 0; sub <= 0xFFFF; ++sub) {
      const std::string_view name = BexName(family.type, static_cast<std::uint16_t>(sub));
      if (name == "UNKNOWN") continue;
      ++named;
      ASSERT_TRUE(name.starts_with(family.prefix)) << name;
      ASSERT_GT(name.size(), family.prefix.size()) << name;
    }
    EXPECT_EQ(named, family.named);
    total += named;
  }
  EXPECT_EQ(total, 147);
}

TEST(BexName, SameSubTypeInDifferentFamilies) {
  EXPECT_EQ(BexName(0x0003, 0x0005), "QARNO_BEX_PRES_CLI_ACTIVATE");
  EXPECT_EQ(BexName(0x0004, 0x0005), "QARNO_BEX_IM_CLI_DEL_OFFLINE");
}

TEST(BexName, FileTransferRunsAndTheGapBetween) {
  struct Case {
    std::uint16_t sub;
    std::string_view name;
  };
  constexpr std::array kCases = {
      Case{0x0005, "QARNO_BEX_FT_CLI_SRV_CONTROL"   },
      Case{0x0006, "UNKNOWN"                        }, // first of the unnamed gap
      Case{0x0080, "UNKNOWN"                        },
      Case{0x0100, "UNKNOWN"                        }, // last of the gap
      Case{0x0101, "QARNO_BEX_FT_DIR_PROX_ERROR"    },
      Case{0x0102, "QARNO_BEX_FT_DIR_PROX_HELLO"    },
      Case{0x0105, "QARNO_BEX_FT_DIR_PROX_FILE_DATA"},
      Case{0x0106, "UNKNOWN"                        }, // one past the second run
  };
  for (const Case& c : kCases) EXPECT_EQ(BexName(0x0007, c.sub), c.name) << std::hex << c.sub;
}

// Types beside the families' types own no family, whatever the sub-type.
TEST(BexName, TypesWithoutFamilyAreUnknownForAnySubType) {
  constexpr std::array<std::uint16_t, 6> kTypes = {0x0000, 0x0009, 0x0FFF, 0x1003, 0xF000, 0xF002};
  constexpr std::array<std::uint16_t, 5> kSubs = {0x0000, 0x0001, 0x0005, 0x0101, 0xFFFF};
  for (std::uint16_t type : kTypes) {
    for (std::uint16_t sub : kSubs) {
      EXPECT_EQ(BexName(type, sub), "UNKNOWN") << std::hex << type << '/' << sub;
    }
  }
}

}  // namespace
}  // namespace qarnolog
