// Code tables: the edges of every table, whole-number comparison and the contact-list range row.
#include "vocabulary/name_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace qarnolog {
namespace {

struct Edge {
  NameTable table;
  std::uint32_t code;
  std::string_view name;
};

using enum NameTable;

// The first and the last row of every table, in the enumeration's order.
constexpr std::array kEdges = {
    Edge{HelloErrorCode,                    1,      "HELLO_ERROR_ACCOUNT_INVALID"         },
    Edge{HelloErrorCode,                    6,      "HELLO_ERROR_INVALID_LOGIN"           },
    Edge{LoginErrorCode,                    1,      "LOGIN_ERROR_ACCOUNT_INVALID"         },
    Edge{LoginErrorCode,                    5,      "LOGIN_ERROR_INVALID_LOGIN"           },
    Edge{ByeReasonCode,                     1,      "BYE_REASON_SRV_SHUTDOWN"             },
    Edge{ByeReasonCode,                     11,     "BYE_REASON_FLOODING"                 },
    Edge{ItemType,                          1,      "CL_ITEM_TYPE_GROUP"                  },
    Edge{ItemType,                          4,      "CL_ITEM_TYPE_NOTE"                   },
    Edge{AddResultCode,                     0,      "ADD_RES_SUCCESS"                     },
    Edge{AddResultCode,                     9,      "ADD_RES_ERROR_NOT_ALLOWED"           },
    Edge{DelResultCode,                     0,      "DEL_RES_SUCCESS"                     },
    Edge{DelResultCode,                     3,      "DEL_RES_ERROR_GROUP_NOT_EMPTY"       },
    Edge{UpdateResultCode,                  0,      "UPD_RES_SUCCESS"                     },
    Edge{UpdateResultCode,                  8,      "UPD_RES_ERROR_NOT_ALLOWED"           },
    Edge{AuthReplyCode,                     1,      "AUTH_REPLY_GRANTED"                  },
    Edge{AuthReplyCode,                     2,      "AUTH_REPLY_DENIED"                   },
    Edge{OperationCode,                     1,      "OPER_ADD_ITEM"                       },
    Edge{OperationCode,                     3,      "OPER_UPD_ITEM"                       },
    Edge{ClientType,                        1,      "CLIENT_TYPE_USER"                    },
    Edge{ClientType,                        3,      "CLIENT_TYPE_SERVICE"                 },
    Edge{PresenceStatus,                    0,      "PRES_STATUS_ONLINE"                  },
    Edge{PresenceStatus,                    0xFFFF, "PRES_STATUS_OFFLINE"                 },
    Edge{MsgType,                           1,      "MSG_TYPE_UTF8"                       },
    Edge{MsgType,                           3,      "MSG_TYPE_HTML"                       },
    Edge{NotifyType,                        1,      "NOTIF_TYPE_USER_TYPING"              },
    Edge{NotifyType,                        2,      "NOTIF_TYPE_WAKE_ALARM"               },
    Edge{NotifyValue,                       1,      "NOTIF_VALUE_USER_TYPING_START"       },
    Edge{NotifyValue,                       4,      "NOTIF_VALUE_WAKE_ALARM_WAIT"         },
    Edge{EncryptionType,                    0,      "ENC_TYPE_DISABLED"                   },
    Edge{EncryptionType,                    2,      "ENC_TYPE_PGP"                        },
    Edge{DetailsResultCode,                 0,      "DETAILS_RES_SUCCESS"                 },
    Edge{DetailsResultCode,                 3,      "DETAILS_RES_SERVICE_TEMP_UNAVAILABLE"},
    Edge{UpdateDetailsResultCode,           0,      "UPD_DETAILS_RES_SUCCESS"             },
    Edge{UpdateDetailsResultCode,           3,      "UPD_DETAILS_RES_NOT_ALLOWED"         },
    Edge{UpdateSecurityResultCode,          0,      "UPD_SECURE_RES_SUCCESS"              },
    Edge{UpdateSecurityResultCode,          3,      "UPD_SECURE_RES_NOT_ALLOWED"          },
    Edge{SearchResultCode,                  0,      "SEARCH_RES_SUCCESS"                  },
    Edge{SearchResultCode,                  4,      "SEARCH_RES_SERVICE_TEMP_UNAVAILABLE" },
    Edge{AvatarRequestResultCode,           0,      "AVATAR_REQ_SUCCESS"                  },
    Edge{AvatarRequestResultCode,           2,      "AVATAR_REQ_NOT_ALLOWED"              },
    Edge{AvatarSetResultCode,               0,      "AVATAR_SET_SUCCESS"                  },
    Edge{AvatarSetResultCode,               8,      "AVATAR_SET_OTHER_ERROR"              },
    Edge{FtReplyCode,                       1,      "FT_REPLY_CODE_ACCEPT"                },
    Edge{FtReplyCode,                       4,      "FT_REPLY_CODE_NOT_ALLOWED"           },
    Edge{FtControlCode,                     1,      "FT_CONTROL_CODE_CANCEL"              },
    Edge{FtControlCode,                     6,      "FT_CONTROL_CODE_READY"               },
    Edge{FtErrorCode,                       1,      "FT_ERROR_CODE_TIMEOUT"               },
    Edge{FtErrorCode,                       6,      "FT_ERROR_CODE_PROXY_TRAFFIC_LIMIT"   },
    Edge{TransportSettingsUpdateResultCode, 0,      "TP_SET_RES_SUCCESS"                  },
    Edge{TransportSettingsUpdateResultCode, 3,      "TP_SET_RES_ERROR_NOT_ALLOWED"        },
    Edge{ConnectionManagingCode,            1,      "TP_CON_MAN_CONNECT"                  },
    Edge{ConnectionManagingCode,            3,      "TP_CON_MAN_DISCONNECT"               },
    Edge{TransportStateCode,                0,      "TP_STATE_LOGGEDIN"                   },
    Edge{TransportStateCode,                12,     "TP_STATE_SRV_MIGRATED"               },
    Edge{ExtensionType,                     1,      "EXT_TYPE_TRANSPORT"                  },
    Edge{ExtensionType,                     2,      "EXT_TYPE_PLUGIN"                     },
    Edge{ExtensionRegisterReplyCode,        0,      "EXT_REG_SUCCESS"                     },
    Edge{ExtensionRegisterReplyCode,        3,      "EXT_REG_ERROR_WRONG_UUID"            },
    Edge{ObjectCreationResultCode,          0,      "EXT_CREATE_SUCCESS"                  },
    Edge{ObjectCreationResultCode,          1,      "EXT_CREATE_ERROR"                    },
    Edge{ObjectDestructionResultCode,       0,      "EXT_DESTROY_SUCCESS"                 },
    Edge{ObjectDestructionResultCode,       2,      "EXT_DESTROY_ERROR_OTHER"             },
    Edge{SettingsChangeResult,              0,      "SET_CHANGE_SUCCESS"                  },
    Edge{SettingsChangeResult,              1,      "SET_CHANGE_NOT_ALLOWED"              },
    Edge{BroadcastFlag,                     1,      "BROADCAST_MSG_TO_ALL"                },
    Edge{BroadcastFlag,                     3,      "BROADCAST_DROP_CONNECTIONS"          },
    Edge{BroadcastResultCode,               0,      "BC_RES_SUCCESS"                      },
    Edge{BroadcastResultCode,               2,      "BC_RES_MSG_LEN_LIMIT"                },
    Edge{UserCommand,                       1,      "CMD_USER_ADD"                        },
    Edge{UserCommand,                       8,      "CMD_USER_CLEARCL"                    },
    Edge{UserOperationResultCode,           0,      "USER_RES_SUCCESS"                    },
    Edge{UserOperationResultCode,           5,      "USER_RES_SERVICE_TEMP_UNAVAILABLE"   },
    Edge{ListType,                          1,      "LIST_TYPE_CONNECTED"                 },
    Edge{ListType,                          3,      "LIST_TYPE_LAST_REGED"                },
    Edge{ListRequestResultCode,             0,      "LIST_REQ_FINISHED"                   },
    Edge{ListRequestResultCode,             2,      "LIST_REQ_BAD_REQUEST"                },
    Edge{RegistrationResultCode,            0,      "REG_RES_SUCCESS"                     },
    Edge{RegistrationResultCode,            7,      "REG_RES_EMAIL_REQUIRED"              },
    Edge{AdminLoginAckCode,                 0,      "ADM_RES_CODE_SUCCESS"                },
    Edge{AdminLoginAckCode,                 1,      "ADM_RES_CODE_BAD_KEY"                },
    Edge{ExtensionAdminUpdateResultCode,    0,      "ADM_EXT_UPD_SET_SUCCESS"             },
    Edge{ExtensionAdminUpdateResultCode,    1,      "ADM_EXT_UPD_SET_FAILED"              },
    Edge{PrivacyType,                       0,      "CL_PRIV_TYPE_NONE"                   },
    Edge{PrivacyType,                       4,      "CL_PRIV_TYPE_IGNORE_NOT_IN_LIST"     },
    Edge{ExtensionProxyType,                0,      "EXT_PROXY_TYPE_NONE"                 },
    Edge{ExtensionProxyType,                4,      "EXT_PROXY_TYPE_SOCKS5"               },
    Edge{ContactListStldType,               1,      "TLD_CL_GROUP_NAME"                   },
    Edge{ContactListStldType,               0xFFFF, "TLD_CL_DEV_STLD"                     },
    Edge{NoteType,                          0,      "CL_NOTE_TYPE_TEXT"                   },
    Edge{NoteType,                          4,      "CL_NOTE_TYPE_PHONE"                  },
};

static_assert(kEdges.size() == 2 * (static_cast<std::size_t>(NameTable::NoteType) + 1));

TEST(CodeName, FirstAndLastRowOfEveryTable) {
  for (const Edge& edge : kEdges) {
    EXPECT_EQ(CodeName(edge.table, edge.code), edge.name)
        << static_cast<int>(edge.table) << ' ' << edge.code;
  }
}

// The codes just outside each table's first and last rows, and the same codes with a high word
// set (the whole 32-bit number is compared), have no name.
TEST(CodeName, CodesJustOutsideEveryTableAreUnknown) {
  for (std::size_t i = 0; i < kEdges.size(); i += 2) {
    const NameTable table = kEdges[i].table;
    const std::uint32_t first = kEdges[i].code;
    const std::uint32_t last = kEdges[i + 1].code;
    SCOPED_TRACE(static_cast<int>(table));
    ASSERT_EQ(kEdges[i + 1].table, table);
    if (first > 0) {
      EXPECT_EQ(CodeName(table, first - 1), kUnknownName);
    }
    EXPECT_EQ(CodeName(table, last + 1), kUnknownName);
    EXPECT_EQ(CodeName(table, 0x00010000 | first), kUnknownName);
    EXPECT_EQ(CodeName(table, 0xFFFFFFFF), kUnknownName);
  }
}

TEST(CodeName, UpdateResultHasNoItemLimitRow) {
  // Code 6 is the item limit in the add table but a bad request in the update table.
  EXPECT_EQ(CodeName(AddResultCode, 6), "ADD_RES_ERROR_ITEM_LIMIT_REACHED");
  EXPECT_EQ(CodeName(UpdateResultCode, 6), "UPD_RES_ERROR_BAD_REQUEST");
}

TEST(CodeName, PresenceStatusOfflineIsTheLowWordOnly) {
  EXPECT_EQ(CodeName(PresenceStatus, 0x0000FFFF), "PRES_STATUS_OFFLINE");
  EXPECT_EQ(CodeName(PresenceStatus, 10), "PRES_STATUS_DO_NOT_DISTURB");
  EXPECT_EQ(CodeName(PresenceStatus, 11), kUnknownName);
  EXPECT_EQ(CodeName(PresenceStatus, 0x0000FFFE), kUnknownName);
  EXPECT_EQ(CodeName(PresenceStatus, 0x00010000), kUnknownName);
  EXPECT_EQ(CodeName(PresenceStatus, 0xFFFFFFFF), kUnknownName);
}

TEST(CodeName, ContactListStldTypesAndTheDeveloperRange) {
  struct Case {
    std::uint32_t code;
    std::string_view name;
  };
  constexpr std::array kCases = {
      Case{0x0000,     "UNKNOWN"            },
      Case{0x0006,     "TLD_CL_GEN_FLAG"    },
      Case{0x0007,     "UNKNOWN"            }, // past the item sTLDs
      Case{0x1000,     "UNKNOWN"            }, // before the transport sTLDs
      Case{0x1001,     "TLD_CL_TP_ITEM_ID"  },
      Case{0x1004,     "TLD_CL_TP_FRLY_NAME"},
      Case{0x1005,     "UNKNOWN"            }, // past the transport sTLDs
      Case{0x2001,     "TLD_CL_NOTE_NAME"   },
      Case{0x2005,     "TLD_CL_NOTE_MD5"    },
      Case{0x2006,     "UNKNOWN"            }, // past the note sTLDs
      Case{0x7FFF,     "UNKNOWN"            }, // one below the range
      Case{0x8000,     "TLD_CL_DEV_STLD"    },
      Case{0xABCD,     "TLD_CL_DEV_STLD"    },
      Case{0xFFFF,     "TLD_CL_DEV_STLD"    },
      Case{0x00010000, "UNKNOWN"            }, // one above the range
      Case{0x00018000, "UNKNOWN"            }, // a high word does not fold into the range
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(CodeName(ContactListStldType, c.code), c.name) << std::hex << c.code;
  }
}

TEST(CodeName, ValueOutsideTheEnumerationIsUnknown) {
  EXPECT_EQ(CodeName(static_cast<NameTable>(45), 0), kUnknownName);
  EXPECT_EQ(CodeName(static_cast<NameTable>(0xFF), 1), kUnknownName);
}

}  // namespace
}  // namespace qarnolog
