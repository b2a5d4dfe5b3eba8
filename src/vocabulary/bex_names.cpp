// The protocol's constant names of the BEX messages, one table per family keyed by sub-type.
#include "vocabulary/bex_names.h"

#include <array>
#include <cstddef>
#include <span>

#include "vocabulary/name_tables.h"  // kUnknownName
#include "vocabulary/row_checks.h"

namespace qarnolog {

namespace {

using vocabulary::FindSortedRow;
using vocabulary::StrictlyAscending;

struct BexNameRow {
  std::uint16_t sub;
  std::string_view name;
};

// Common (BEX type 0x0001, COM)
constexpr std::array kComNames = {
    BexNameRow{0x0001, "QARNO_BEX_COM_CLI_HELLO"         },
    BexNameRow{0x0002, "QARNO_BEX_COM_SRV_HELLO"         },
    BexNameRow{0x0003, "QARNO_BEX_COM_CLI_LOGIN"         },
    BexNameRow{0x0004, "QARNO_BEX_COM_SRV_LOGIN_REPLY"   },
    BexNameRow{0x0005, "QARNO_BEX_COM_SRV_BYE"           },
    BexNameRow{0x0006, "QARNO_BEX_COM_PING"              },
    BexNameRow{0x0007, "QARNO_BEX_COM_PONG"              },
    BexNameRow{0x0008, "QARNO_BEX_COM_CLI_REGISTER"      },
    BexNameRow{0x0009, "QARNO_BEX_COM_SRV_REGISTER_REPLY"},
};

// Contact list (BEX type 0x0002, CL)
constexpr std::array kClNames = {
    BexNameRow{0x0001, "QARNO_BEX_CL_CLI_PARAMS"          },
    BexNameRow{0x0002, "QARNO_BEX_CL_SRV_PARAMS_REPLY"    },
    BexNameRow{0x0003, "QARNO_BEX_CL_CLI_REQUEST"         },
    BexNameRow{0x0004, "QARNO_BEX_CL_SRV_REPLY"           },
    BexNameRow{0x0005, "QARNO_BEX_CL_CLI_VERIFY"          },
    BexNameRow{0x0006, "QARNO_BEX_CL_SRV_VERIFY_REPLY"    },
    BexNameRow{0x0007, "QARNO_BEX_CL_CLI_ADD_ITEM"        },
    BexNameRow{0x0008, "QARNO_BEX_CL_SRV_ADD_ITEM_REPLY"  },
    BexNameRow{0x0009, "QARNO_BEX_CL_CLI_DEL_ITEM"        },
    BexNameRow{0x000A, "QARNO_BEX_CL_SRV_DEL_ITEM_REPLY"  },
    BexNameRow{0x000B, "QARNO_BEX_CL_CLI_UPD_ITEM"        },
    BexNameRow{0x000C, "QARNO_BEX_CL_SRV_UPD_ITEM_REPLY"  },
    BexNameRow{0x000D, "QARNO_BEX_CL_CLI_SRV_AUTH_REQUEST"},
    BexNameRow{0x000E, "QARNO_BEX_CL_CLI_SRV_AUTH_REPLY"  },
    BexNameRow{0x000F, "QARNO_BEX_CL_CLI_SRV_AUTH_REVOKE" },
    BexNameRow{0x0010, "QARNO_BEX_CL_CLI_REQ_OFFAUTH"     },
    BexNameRow{0x0011, "QARNO_BEX_CL_SRV_DONE_OFFAUTH"    },
    BexNameRow{0x0012, "QARNO_BEX_CL_CLI_DEL_OFFAUTH"     },
    BexNameRow{0x0013, "QARNO_BEX_CL_SRV_ITEM_OPER"       },
    BexNameRow{0x0014, "QARNO_BEX_CL_SRV_BEGIN_UPDATE"    },
    BexNameRow{0x0015, "QARNO_BEX_CL_SRV_END_UPDATE"      },
};

// Presence (BEX type 0x0003, PRES)
constexpr std::array kPresNames = {
    BexNameRow{0x0001, "QARNO_BEX_PRES_CLI_PARAMS"          },
    BexNameRow{0x0002, "QARNO_BEX_PRES_SRV_PARAMS_REPLY"    },
    BexNameRow{0x0003, "QARNO_BEX_PRES_CLI_SET_PRES_INFO"   },
    BexNameRow{0x0004, "QARNO_BEX_PRES_CLI_SET_STATUS"      },
    BexNameRow{0x0005, "QARNO_BEX_PRES_CLI_ACTIVATE"        },
    BexNameRow{0x0006, "QARNO_BEX_PRES_SRV_CONTACT_ONLINE"  },
    BexNameRow{0x0007, "QARNO_BEX_PRES_SRV_CONTACT_OFFLINE" },
    BexNameRow{0x0008, "QARNO_BEX_PRES_CLI_REQ_PRES_INFO"   },
    BexNameRow{0x0009, "QARNO_BEX_PRES_SRV_PRES_INFO"       },
    BexNameRow{0x000A, "QARNO_BEX_PRES_SRV_MAIL_NOTIF"      },
    BexNameRow{0x000B, "QARNO_BEX_PRES_CLI_REQ_OWN_MAIL_URL"},
    BexNameRow{0x000C, "QARNO_BEX_PRES_SRV_OWN_MAIL_URL"    },
};

// Instant messages (BEX type 0x0004, IM)
constexpr std::array kImNames = {
    BexNameRow{0x0001, "QARNO_BEX_IM_CLI_PARAMS"               },
    BexNameRow{0x0002, "QARNO_BEX_IM_SRV_PARAMS_REPLY"         },
    BexNameRow{0x0003, "QARNO_BEX_IM_CLI_REQ_OFFLINE"          },
    BexNameRow{0x0004, "QARNO_BEX_IM_SRV_DONE_OFFLINE"         },
    BexNameRow{0x0005, "QARNO_BEX_IM_CLI_DEL_OFFLINE"          },
    BexNameRow{0x0006, "QARNO_BEX_IM_CLI_MESSAGE"              },
    BexNameRow{0x0007, "QARNO_BEX_IM_SRV_MESSAGE"              },
    BexNameRow{0x0008, "QARNO_BEX_IM_CLI_SRV_MSG_REPORT"       },
    BexNameRow{0x0009, "QARNO_BEX_IM_CLI_SRV_NOTIFY"           },
    BexNameRow{0x000A, "QARNO_BEX_IM_CLI_SRV_ENCRYPT_KEY_REQ"  },
    BexNameRow{0x000B, "QARNO_BEX_IM_CLI_SRV_ENCRYPT_KEY_REPLY"},
    BexNameRow{0x000C, "QARNO_BEX_IM_CLI_MULTIPLE_MSG"         },
};

// User details (BEX type 0x0005, UD)
constexpr std::array kUdNames = {
    BexNameRow{0x0001, "QARNO_BEX_UD_CLI_PARAMS"           },
    BexNameRow{0x0002, "QARNO_BEX_UD_SRV_PARAMS_REPLY"     },
    BexNameRow{0x0003, "QARNO_BEX_UD_CLI_DETAILS_REQ"      },
    BexNameRow{0x0004, "QARNO_BEX_UD_SRV_DETAILS_REQ_REPLY"},
    BexNameRow{0x0005, "QARNO_BEX_UD_CLI_DETAILS_UPD"      },
    BexNameRow{0x0006, "QARNO_BEX_UD_SRV_DETAILS_UPD_REPLY"},
    BexNameRow{0x0007, "QARNO_BEX_UD_CLI_SEARCH"           },
    BexNameRow{0x0008, "QARNO_BEX_UD_SRV_SEARCH_REPLY"     },
    BexNameRow{0x0009, "QARNO_BEX_UD_CLI_SECURE_UPD"       },
    BexNameRow{0x000A, "QARNO_BEX_UD_SRV_SECURE_UPD_REPLY" },
};

// User avatars (BEX type 0x0006, UA)
constexpr std::array kUaNames = {
    BexNameRow{0x0001, "QARNO_BEX_UA_CLI_PARAMS"          },
    BexNameRow{0x0002, "QARNO_BEX_UA_SRV_PARAMS_REPLY"    },
    BexNameRow{0x0003, "QARNO_BEX_UA_CLI_AVATAR_REQ"      },
    BexNameRow{0x0004, "QARNO_BEX_UA_SRV_AVATAR_REPLY"    },
    BexNameRow{0x0005, "QARNO_BEX_UA_CLI_AVATAR_SET"      },
    BexNameRow{0x0006, "QARNO_BEX_UA_SRV_AVATAR_SET_REPLY"},
};

// File transfer (BEX type 0x0007, FT)
constexpr std::array kFtNames = {
    BexNameRow{0x0001, "QARNO_BEX_FT_CLI_PARAMS"               },
    BexNameRow{0x0002, "QARNO_BEX_FT_SRV_PARAMS_REPLY"         },
    BexNameRow{0x0003, "QARNO_BEX_FT_CLI_SRV_SEND_FILE_REQUEST"},
    BexNameRow{0x0004, "QARNO_BEX_FT_CLI_SRV_SEND_FILE_REPLY"  },
    BexNameRow{0x0005, "QARNO_BEX_FT_CLI_SRV_CONTROL"          },
 // Direct and proxied file-data connections
    BexNameRow{0x0101, "QARNO_BEX_FT_DIR_PROX_ERROR"           },
    BexNameRow{0x0102, "QARNO_BEX_FT_DIR_PROX_HELLO"           },
    BexNameRow{0x0103, "QARNO_BEX_FT_DIR_PROX_FILE"            },
    BexNameRow{0x0104, "QARNO_BEX_FT_DIR_PROX_FILE_REPLY"      },
    BexNameRow{0x0105, "QARNO_BEX_FT_DIR_PROX_FILE_DATA"       },
};

// Transports (BEX type 0x0008, TP)
constexpr std::array kTpNames = {
    BexNameRow{0x0001, "QARNO_BEX_TP_CLI_PARAMS"         },
    BexNameRow{0x0002, "QARNO_BEX_TP_SRV_PARAMS_REPLY"   },
    BexNameRow{0x0003, "QARNO_BEX_TP_SRV_ITEM_READY"     },
    BexNameRow{0x0004, "QARNO_BEX_TP_CLI_SETTINGS"       },
    BexNameRow{0x0005, "QARNO_BEX_TP_SRV_SETTINGS_REPLY" },
    BexNameRow{0x0006, "QARNO_BEX_TP_CLI_MANAGE"         },
    BexNameRow{0x0007, "QARNO_BEX_TP_SRV_TRANSPORT_INFO" },
    BexNameRow{0x0008, "QARNO_BEX_TP_SRV_SHOW_NOTIF"     },
    BexNameRow{0x0009, "QARNO_BEX_TP_SRV_OWN_AVATAR_HASH"},
};

// Extension manager (BEX type 0x1000, EXT_MAN)
constexpr std::array kExtManNames = {
    BexNameRow{0x0001, "QARNO_BEX_EXT_MAN_CLI_REGISTER"      },
    BexNameRow{0x0002, "QARNO_BEX_EXT_MAN_SRV_REGISTER_REPLY"},
    BexNameRow{0x0003, "QARNO_BEX_EXT_MAN_CLI_PARAMS"        },
    BexNameRow{0x0004, "QARNO_BEX_EXT_MAN_SRV_CREATE"        },
    BexNameRow{0x0005, "QARNO_BEX_EXT_MAN_CLI_CREATE_REPLY"  },
    BexNameRow{0x0006, "QARNO_BEX_EXT_MAN_SRV_DESTROY"       },
    BexNameRow{0x0007, "QARNO_BEX_EXT_MAN_CLI_DESTROY_REPLY" },
    BexNameRow{0x0008, "QARNO_BEX_EXT_MAN_SRV_CONFIG_UPDATED"},
};

// Transport extensions (BEX type 0x1001, EXT_TP)
constexpr std::array kExtTpNames = {
    BexNameRow{0x0001, "QARNO_BEX_EXT_TP_SRV_SETTINGS"          },
    BexNameRow{0x0002, "QARNO_BEX_EXT_TP_CLI_SETTINGS_REPLY"    },
    BexNameRow{0x0003, "QARNO_BEX_EXT_TP_SRV_MANAGE"            },
    BexNameRow{0x0004, "QARNO_BEX_EXT_TP_CLI_INFO"              },
    BexNameRow{0x0005, "QARNO_BEX_EXT_TP_CLI_ADD_CONTACTS"      },
    BexNameRow{0x0006, "QARNO_BEX_EXT_TP_CLI_UPD_CONTACTS"      },
    BexNameRow{0x0007, "QARNO_BEX_EXT_TP_CLI_DEL_CONTACTS"      },
    BexNameRow{0x0008, "QARNO_BEX_EXT_TP_SRV_ADD_CNT"           },
    BexNameRow{0x0009, "QARNO_BEX_EXT_TP_SRV_UPD_CNT"           },
    BexNameRow{0x000A, "QARNO_BEX_EXT_TP_SRV_DEL_CNT"           },
    BexNameRow{0x000B, "QARNO_BEX_EXT_TP_CLI_SHOW_NOTIF"        },
    BexNameRow{0x000C, "QARNO_BEX_EXT_TP_CS_AUTH_REQUEST"       },
    BexNameRow{0x000D, "QARNO_BEX_EXT_TP_CS_AUTH_REPLY"         },
    BexNameRow{0x000E, "QARNO_BEX_EXT_TP_CS_AUTH_REVOKE"        },
    BexNameRow{0x000F, "QARNO_BEX_EXT_TP_CLI_CONTACT_STATUS"    },
    BexNameRow{0x0010, "QARNO_BEX_EXT_TP_CS_MESSAGE"            },
    BexNameRow{0x0011, "QARNO_BEX_EXT_TP_CS_MSG_REPORT"         },
    BexNameRow{0x0012, "QARNO_BEX_EXT_TP_CS_NOTIFY"             },
    BexNameRow{0x0013, "QARNO_BEX_EXT_TP_SRV_DETAILS_REQ"       },
    BexNameRow{0x0014, "QARNO_BEX_EXT_TP_CLI_DETAILS_REPLY"     },
    BexNameRow{0x0015, "QARNO_BEX_EXT_TP_SRV_DETAILS_UPD"       },
    BexNameRow{0x0016, "QARNO_BEX_EXT_TP_CLI_DETAILS_UPD_REPLY" },
    BexNameRow{0x0017, "QARNO_BEX_EXT_TP_SRV_AVATAR_SET"        },
    BexNameRow{0x0018, "QARNO_BEX_EXT_TP_CLI_AVATAR_SET_REPLY"  },
    BexNameRow{0x0019, "QARNO_BEX_EXT_TP_CLI_OWN_AVATAR_HASH"   },
    BexNameRow{0x001A, "QARNO_BEX_EXT_TP_SRV_REQ_PRES_INFO"     },
    BexNameRow{0x001B, "QARNO_BEX_EXT_TP_CLI_PRES_INFO"         },
    BexNameRow{0x001C, "QARNO_BEX_EXT_TP_SRV_SEARCH_REQ"        },
    BexNameRow{0x001D, "QARNO_BEX_EXT_TP_CLI_SEARCH_REPLY"      },
    BexNameRow{0x001E, "QARNO_BEX_EXT_TP_CLI_MAIL_NOTIF"        },
    BexNameRow{0x001F, "QARNO_BEX_EXT_TP_SRV_OWN_MAIL_URL_REQ"  },
    BexNameRow{0x0020, "QARNO_BEX_EXT_TP_CLI_OWN_MAIL_URL_REPLY"},
};

// Plug-in extensions (BEX type 0x1002, EXT_PG)
constexpr std::array kExtPgNames = {
    BexNameRow{0x0001, "QARNO_BEX_EXT_PG_SRV_TEXT_MSG"},
};

// Server administration (BEX type 0xF001, WADM)
constexpr std::array kWadmNames = {
    BexNameRow{0x0001, "QARNO_BEX_WADM_CLI_LOGIN"          },
    BexNameRow{0x0002, "QARNO_BEX_WADM_SRV_LOGIN_REPLY"    },
    BexNameRow{0x0003, "QARNO_BEX_WADM_CLI_PARAMS"         },
    BexNameRow{0x0004, "QARNO_BEX_WADM_SRV_PARAMS_REPLY"   },
    BexNameRow{0x0005, "QARNO_BEX_WADM_CLI_SET"            },
    BexNameRow{0x0006, "QARNO_BEX_WADM_SRV_SET_REPLY"      },
    BexNameRow{0x0007, "QARNO_BEX_WADM_CLI_BROADCAST"      },
    BexNameRow{0x0008, "QARNO_BEX_WADM_SRV_BROADCAST_REPLY"},
    BexNameRow{0x0009, "QARNO_BEX_WADM_CLI_USER"           },
    BexNameRow{0x000A, "QARNO_BEX_WADM_SRV_USER_REPLY"     },
    BexNameRow{0x000B, "QARNO_BEX_WADM_SRV_STATE"          },
    BexNameRow{0x000C, "QARNO_BEX_WADM_CLI_LIST"           },
    BexNameRow{0x000D, "QARNO_BEX_WADM_SRV_LIST_REPLY"     },
    BexNameRow{0x000E, "QARNO_BEX_WADM_CLI_EXT_LIST_REQ"   },
    BexNameRow{0x000F, "QARNO_BEX_WADM_SRV_EXT_LIST_REPLY" },
    BexNameRow{0x0010, "QARNO_BEX_WADM_CLI_EXT_UPD"        },
    BexNameRow{0x0011, "QARNO_BEX_WADM_SRV_EXT_UPD_REPLY"  },
};

struct BexFamily {
  std::uint16_t type;
  std::span<const BexNameRow> rows;
};

// The twelve families by BEX type.
constexpr std::array kFamilies = {
    BexFamily{0x0001, kComNames   },
    BexFamily{0x0002, kClNames    },
    BexFamily{0x0003, kPresNames  },
    BexFamily{0x0004, kImNames    },
    BexFamily{0x0005, kUdNames    },
    BexFamily{0x0006, kUaNames    },
    BexFamily{0x0007, kFtNames    },
    BexFamily{0x0008, kTpNames    },
    BexFamily{0x1000, kExtManNames},
    BexFamily{0x1001, kExtTpNames },
    BexFamily{0x1002, kExtPgNames },
    BexFamily{0xF001, kWadmNames  },
};

constexpr auto kSubOf = [](const BexNameRow& row) { return row.sub; };
constexpr auto kTypeOf = [](const BexFamily& family) { return family.type; };

constexpr std::size_t RowCount() {
  std::size_t count = 0;
  for (const BexFamily& family : kFamilies) count += family.rows.size();
  return count;
}

constexpr bool AllFamiliesAscend() {
  for (const BexFamily& family : kFamilies) {
    if (!StrictlyAscending(family.rows, kSubOf)) return false;
  }
  return true;
}

static_assert(kComNames.size() == 9);
static_assert(kClNames.size() == 21);
static_assert(kPresNames.size() == 12);
static_assert(kImNames.size() == 12);
static_assert(kUdNames.size() == 10);
static_assert(kUaNames.size() == 6);
static_assert(kFtNames.size() == 10);
static_assert(kTpNames.size() == 9);
static_assert(kExtManNames.size() == 8);
static_assert(kExtTpNames.size() == 32);
static_assert(kExtPgNames.size() == 1);
static_assert(kWadmNames.size() == 17);
static_assert(kFamilies.size() == 12);
static_assert(RowCount() == 147);
static_assert(StrictlyAscending(std::span<const BexFamily>(kFamilies), kTypeOf));
static_assert(AllFamiliesAscend(), "sub-types must be unique and ascending within a family");

// The family's row for `sub`. Most families number their sub-types from 1 without gaps, so the
// row at sub - first is tried before the binary search; either way the row's own code decides.
const BexNameRow* FindSub(std::span<const BexNameRow> rows, std::uint16_t sub) {
  const std::size_t offset = static_cast<std::size_t>(sub - rows.front().sub);
  if (sub >= rows.front().sub && offset < rows.size() && rows[offset].sub == sub) {
    return &rows[offset];
  }
  return FindSortedRow(rows, sub, kSubOf);
}

}  // namespace

std::string_view BexName(std::uint16_t bexType, std::uint16_t bexSub) {
  const BexFamily* family = FindSortedRow(std::span<const BexFamily>(kFamilies), bexType, kTypeOf);
  if (family == nullptr) return kUnknownName;
  const BexNameRow* row = FindSub(family->rows, bexSub);
  return row == nullptr ? kUnknownName : row->name;
}

}  // namespace qarnolog
