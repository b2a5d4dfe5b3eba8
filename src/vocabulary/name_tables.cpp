// The code tables of protocol values: one table of (code, name) rows per enumeration.
#include <array>
#include <cstddef>
#include <span>

#include "vocabulary/name_tables.h"
#include "vocabulary/row_checks.h"

namespace qarnolog {

namespace {

using vocabulary::FindSortedRow;
using vocabulary::StrictlyAscending;

struct CodeNameRow {
  std::uint32_t code;
  std::string_view name;
};

// Every code from `first` to `last` inclusive has one name.
struct CodeRangeRow {
  std::uint32_t first;
  std::uint32_t last;
  std::string_view name;
};

// Hello error code (16-bit)
constexpr std::array kHelloErrorCodeNames = {
    CodeNameRow{0x0001, "HELLO_ERROR_ACCOUNT_INVALID"         },
    CodeNameRow{0x0002, "HELLO_ERROR_SERVICE_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0003, "HELLO_ERROR_ACCOUNT_BANNED"          },
    CodeNameRow{0x0004, "HELLO_ERROR_WRONG_COOKIE"            },
    CodeNameRow{0x0005, "HELLO_ERROR_TOO_MANY_CLIENTS"        },
    CodeNameRow{0x0006, "HELLO_ERROR_INVALID_LOGIN"           },
};

// Login error code (16-bit)
constexpr std::array kLoginErrorCodeNames = {
    CodeNameRow{0x0001, "LOGIN_ERROR_ACCOUNT_INVALID"         },
    CodeNameRow{0x0002, "LOGIN_ERROR_SERVICE_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0003, "LOGIN_ERROR_ACCOUNT_BANNED"          },
    CodeNameRow{0x0004, "LOGIN_ERROR_WRONG_PASSWORD"          },
    CodeNameRow{0x0005, "LOGIN_ERROR_INVALID_LOGIN"           },
};

// Bye reason code (16-bit)
constexpr std::array kByeReasonCodeNames = {
    CodeNameRow{0x0001, "BYE_REASON_SRV_SHUTDOWN"      },
    CodeNameRow{0x0002, "BYE_REASON_CLI_NEW_LOGIN"     },
    CodeNameRow{0x0003, "BYE_REASON_ACCOUNT_KICKED"    },
    CodeNameRow{0x0004, "BYE_REASON_INCORRECT_SEQ"     },
    CodeNameRow{0x0005, "BYE_REASON_INCORRECT_BEX_TYPE"},
    CodeNameRow{0x0006, "BYE_REASON_INCORRECT_BEX_SUB" },
    CodeNameRow{0x0007, "BYE_REASON_INCORRECT_BEX_STEP"},
    CodeNameRow{0x0008, "BYE_REASON_TIMEOUT"           },
    CodeNameRow{0x0009, "BYE_REASON_INCORRECT_WTLD"    },
    CodeNameRow{0x000A, "BYE_REASON_NOT_ALLOWED"       },
    CodeNameRow{0x000B, "BYE_REASON_FLOODING"          },
};

// Item Type (16-bit)
constexpr std::array kItemTypeNames = {
    CodeNameRow{0x0001, "CL_ITEM_TYPE_GROUP"    },
    CodeNameRow{0x0002, "CL_ITEM_TYPE_CONTACT"  },
    CodeNameRow{0x0003, "CL_ITEM_TYPE_TRANSPORT"},
    CodeNameRow{0x0004, "CL_ITEM_TYPE_NOTE"     },
};

// Add result code (16-bit)
constexpr std::array kAddResultCodeNames = {
    CodeNameRow{0x0000, "ADD_RES_SUCCESS"                  },
    CodeNameRow{0x0001, "ADD_RES_ERROR_WRONG_ITEM_TYPE"    },
    CodeNameRow{0x0002, "ADD_RES_ERROR_WRONG_PARENT_GROUP" },
    CodeNameRow{0x0003, "ADD_RES_ERROR_NAME_LEN_LIMIT"     },
    CodeNameRow{0x0004, "ADD_RES_ERROR_WRONG_NAME"         },
    CodeNameRow{0x0005, "ADD_RES_ERROR_ITEM_ALREADY_EXISTS"},
    CodeNameRow{0x0006, "ADD_RES_ERROR_ITEM_LIMIT_REACHED" },
    CodeNameRow{0x0007, "ADD_RES_ERROR_BAD_REQUEST"        },
    CodeNameRow{0x0008, "ADD_RES_ERROR_BAD_ITEM_STLD"      },
    CodeNameRow{0x0009, "ADD_RES_ERROR_NOT_ALLOWED"        },
};

// Del result code (16-bit)
constexpr std::array kDelResultCodeNames = {
    CodeNameRow{0x0000, "DEL_RES_SUCCESS"              },
    CodeNameRow{0x0001, "DEL_RES_ERROR_NOT_FOUND"      },
    CodeNameRow{0x0002, "DEL_RES_ERROR_NOT_ALLOWED"    },
    CodeNameRow{0x0003, "DEL_RES_ERROR_GROUP_NOT_EMPTY"},
};

// Update result code (16-bit; no item-limit row, unlike the add result code)
constexpr std::array kUpdateResultCodeNames = {
    CodeNameRow{0x0000, "UPD_RES_SUCCESS"                  },
    CodeNameRow{0x0001, "UPD_RES_ERROR_NOT_FOUND"          },
    CodeNameRow{0x0002, "UPD_RES_ERROR_WRONG_PARENT_GROUP" },
    CodeNameRow{0x0003, "UPD_RES_ERROR_NAME_LEN_LIMIT"     },
    CodeNameRow{0x0004, "UPD_RES_ERROR_WRONG_NAME"         },
    CodeNameRow{0x0005, "UPD_RES_ERROR_ITEM_ALREADY_EXISTS"},
    CodeNameRow{0x0006, "UPD_RES_ERROR_BAD_REQUEST"        },
    CodeNameRow{0x0007, "UPD_RES_ERROR_BAD_ITEM_STLD"      },
    CodeNameRow{0x0008, "UPD_RES_ERROR_NOT_ALLOWED"        },
};

// Auth reply code (16-bit)
constexpr std::array kAuthReplyCodeNames = {
    CodeNameRow{0x0001, "AUTH_REPLY_GRANTED"},
    CodeNameRow{0x0002, "AUTH_REPLY_DENIED" },
};

// Operation code (16-bit)
constexpr std::array kOperationCodeNames = {
    CodeNameRow{0x0001, "OPER_ADD_ITEM"},
    CodeNameRow{0x0002, "OPER_DEL_ITEM"},
    CodeNameRow{0x0003, "OPER_UPD_ITEM"},
};

// Client type (16-bit)
constexpr std::array kClientTypeNames = {
    CodeNameRow{0x0001, "CLIENT_TYPE_USER"   },
    CodeNameRow{0x0002, "CLIENT_TYPE_BOT"    },
    CodeNameRow{0x0003, "CLIENT_TYPE_SERVICE"},
};

// Presence status (32-bit; offline is 0x0000FFFF, so FF FF FF FF is unknown)
constexpr std::array kPresenceStatusNames = {
    CodeNameRow{0x00000000, "PRES_STATUS_ONLINE"           },
    CodeNameRow{0x00000001, "PRES_STATUS_INVISIBLE"        },
    CodeNameRow{0x00000002, "PRES_STATUS_INVISIBLE_FOR_ALL"},
    CodeNameRow{0x00000003, "PRES_STATUS_FREE_FOR_CHAT"    },
    CodeNameRow{0x00000004, "PRES_STATUS_AT_HOME"          },
    CodeNameRow{0x00000005, "PRES_STATUS_AT_WORK"          },
    CodeNameRow{0x00000006, "PRES_STATUS_LUNCH"            },
    CodeNameRow{0x00000007, "PRES_STATUS_AWAY"             },
    CodeNameRow{0x00000008, "PRES_STATUS_NOT_AVAILABLE"    },
    CodeNameRow{0x00000009, "PRES_STATUS_OCCUPIED"         },
    CodeNameRow{0x0000000A, "PRES_STATUS_DO_NOT_DISTURB"   },
    CodeNameRow{0x0000FFFF, "PRES_STATUS_OFFLINE"          },
};

// Msg type (32-bit)
constexpr std::array kMsgTypeNames = {
    CodeNameRow{0x00000001, "MSG_TYPE_UTF8"},
    CodeNameRow{0x00000002, "MSG_TYPE_RTF" },
    CodeNameRow{0x00000003, "MSG_TYPE_HTML"},
};

// Notify type (32-bit)
constexpr std::array kNotifyTypeNames = {
    CodeNameRow{0x00000001, "NOTIF_TYPE_USER_TYPING"},
    CodeNameRow{0x00000002, "NOTIF_TYPE_WAKE_ALARM" },
};

// Notify value (32-bit)
constexpr std::array kNotifyValueNames = {
    CodeNameRow{0x00000001, "NOTIF_VALUE_USER_TYPING_START" },
    CodeNameRow{0x00000002, "NOTIF_VALUE_USER_TYPING_FINISH"},
    CodeNameRow{0x00000003, "NOTIF_VALUE_WAKE_ALARM_PLAY"   },
    CodeNameRow{0x00000004, "NOTIF_VALUE_WAKE_ALARM_WAIT"   },
};

// Encryption type (32-bit)
constexpr std::array kEncryptionTypeNames = {
    CodeNameRow{0x00000000, "ENC_TYPE_DISABLED"},
    CodeNameRow{0x00000001, "ENC_TYPE_QARNO"   },
    CodeNameRow{0x00000002, "ENC_TYPE_PGP"     },
};

// Details result code (16-bit)
constexpr std::array kDetailsResultCodeNames = {
    CodeNameRow{0x0000, "DETAILS_RES_SUCCESS"                 },
    CodeNameRow{0x0001, "DETAILS_RES_NOT_FOUND"               },
    CodeNameRow{0x0002, "DETAILS_RES_TOO_MANY_REQUESTS"       },
    CodeNameRow{0x0003, "DETAILS_RES_SERVICE_TEMP_UNAVAILABLE"},
};

// Update details result code (16-bit)
constexpr std::array kUpdateDetailsResultCodeNames = {
    CodeNameRow{0x0000, "UPD_DETAILS_RES_SUCCESS"                 },
    CodeNameRow{0x0001, "UPD_DETAILS_RES_BAD_REQUEST"             },
    CodeNameRow{0x0002, "UPD_DETAILS_RES_SERVICE_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0003, "UPD_DETAILS_RES_NOT_ALLOWED"             },
};

// Update security result code (16-bit)
constexpr std::array kUpdateSecurityResultCodeNames = {
    CodeNameRow{0x0000, "UPD_SECURE_RES_SUCCESS"                 },
    CodeNameRow{0x0001, "UPD_SECURE_RES_BAD_REQUEST"             },
    CodeNameRow{0x0002, "UPD_SECURE_RES_SERVICE_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0003, "UPD_SECURE_RES_NOT_ALLOWED"             },
};

// Search result code (16-bit)
constexpr std::array kSearchResultCodeNames = {
    CodeNameRow{0x0000, "SEARCH_RES_SUCCESS"                 },
    CodeNameRow{0x0001, "SEARCH_RES_NOT_FOUND"               },
    CodeNameRow{0x0002, "SEARCH_RES_BAD_REQUEST"             },
    CodeNameRow{0x0003, "SEARCH_RES_TOO_MANY_REQUESTS"       },
    CodeNameRow{0x0004, "SEARCH_RES_SERVICE_TEMP_UNAVAILABLE"},
};

// Avatar request result code (16-bit)
constexpr std::array kAvatarRequestResultCodeNames = {
    CodeNameRow{0x0000, "AVATAR_REQ_SUCCESS"    },
    CodeNameRow{0x0001, "AVATAR_REQ_NOT_FOUND"  },
    CodeNameRow{0x0002, "AVATAR_REQ_NOT_ALLOWED"},
};

// Avatar set result code (16-bit)
constexpr std::array kAvatarSetResultCodeNames = {
    CodeNameRow{0x0000, "AVATAR_SET_SUCCESS"         },
    CodeNameRow{0x0001, "AVATAR_SET_BAD_MD5"         },
    CodeNameRow{0x0002, "AVATAR_SET_NOT_ALLOWED"     },
    CodeNameRow{0x0003, "AVATAR_SET_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0004, "AVATAR_SET_TOO_BIG"         },
    CodeNameRow{0x0005, "AVATAR_SET_TOO_SMALL"       },
    CodeNameRow{0x0006, "AVATAR_SET_BANNED"          },
    CodeNameRow{0x0007, "AVATAR_SET_INVALID_TYPE"    },
    CodeNameRow{0x0008, "AVATAR_SET_OTHER_ERROR"     },
};

// FT reply code (16-bit)
constexpr std::array kFtReplyCodeNames = {
    CodeNameRow{0x0001, "FT_REPLY_CODE_ACCEPT"     },
    CodeNameRow{0x0002, "FT_REPLY_CODE_DECLINE"    },
    CodeNameRow{0x0003, "FT_REPLY_CODE_DISABLED"   },
    CodeNameRow{0x0004, "FT_REPLY_CODE_NOT_ALLOWED"},
};

// FT control code (16-bit)
constexpr std::array kFtControlCodeNames = {
    CodeNameRow{0x0001, "FT_CONTROL_CODE_CANCEL"                   },
    CodeNameRow{0x0002, "FT_CONTROL_CODE_DIRECT_FAILED"            },
    CodeNameRow{0x0003, "FT_CONTROL_CODE_DIRECT_FAILED_TRY_REVERSE"},
    CodeNameRow{0x0004, "FT_CONTROL_CODE_DIRECT_FAILED_TRY_PROXY"  },
    CodeNameRow{0x0005, "FT_CONTROL_CODE_PROXY_FAILED"             },
    CodeNameRow{0x0006, "FT_CONTROL_CODE_READY"                    },
};

// FT error code (16-bit)
constexpr std::array kFtErrorCodeNames = {
    CodeNameRow{0x0001, "FT_ERROR_CODE_TIMEOUT"            },
    CodeNameRow{0x0002, "FT_ERROR_CODE_WRONG_UNIQ_FT_ID"   },
    CodeNameRow{0x0003, "FT_ERROR_CODE_WRONG_FILE_NAME"    },
    CodeNameRow{0x0004, "FT_ERROR_CODE_WRONG_RELATIVE_PATH"},
    CodeNameRow{0x0005, "FT_ERROR_CODE_WRONG_RESUME_POS"   },
    CodeNameRow{0x0006, "FT_ERROR_CODE_PROXY_TRAFFIC_LIMIT"},
};

// Transport settings update result code (16-bit)
constexpr std::array kTransportSettingsUpdateResultCodeNames = {
    CodeNameRow{0x0000, "TP_SET_RES_SUCCESS"          },
    CodeNameRow{0x0001, "TP_SET_RES_ERROR_WRONG_ID"   },
    CodeNameRow{0x0002, "TP_SET_RES_ERROR_NOT_FOUND"  },
    CodeNameRow{0x0003, "TP_SET_RES_ERROR_NOT_ALLOWED"},
};

// Connection managing code (16-bit)
constexpr std::array kConnectionManagingCodeNames = {
    CodeNameRow{0x0001, "TP_CON_MAN_CONNECT"   },
    CodeNameRow{0x0002, "TP_CON_MAN_STATUS"    },
    CodeNameRow{0x0003, "TP_CON_MAN_DISCONNECT"},
};

// Transport state code (16-bit)
constexpr std::array kTransportStateCodeNames = {
    CodeNameRow{0x0000, "TP_STATE_LOGGEDIN"                },
    CodeNameRow{0x0001, "TP_STATE_LOGGEDOFF"               },
    CodeNameRow{0x0002, "TP_STATE_STATUS_CHANGED"          },
    CodeNameRow{0x0003, "TP_STATE_CON_FAILED"              },
    CodeNameRow{0x0004, "TP_STATE_ACCOUNT_INVALID"         },
    CodeNameRow{0x0005, "TP_STATE_SERVICE_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0006, "TP_STATE_WRONG_PASSWORD"          },
    CodeNameRow{0x0007, "TP_STATE_INVALID_LOGIN"           },
    CodeNameRow{0x0008, "TP_STATE_OTHER_PLACE_LOGIN"       },
    CodeNameRow{0x0009, "TP_STATE_TOO_MANY_TRIES_TRY_LATER"},
    CodeNameRow{0x000A, "TP_STATE_SRV_PAUSED"              },
    CodeNameRow{0x000B, "TP_STATE_SRV_RESUMED"             },
    CodeNameRow{0x000C, "TP_STATE_SRV_MIGRATED"            },
};

// Extension type (16-bit)
constexpr std::array kExtensionTypeNames = {
    CodeNameRow{0x0001, "EXT_TYPE_TRANSPORT"},
    CodeNameRow{0x0002, "EXT_TYPE_PLUGIN"   },
};

// Extension register reply code (16-bit)
constexpr std::array kExtensionRegisterReplyCodeNames = {
    CodeNameRow{0x0000, "EXT_REG_SUCCESS"         },
    CodeNameRow{0x0001, "EXT_REG_ERROR_EXT_EXISTS"},
    CodeNameRow{0x0002, "EXT_REG_ERROR_WRONG_TYPE"},
    CodeNameRow{0x0003, "EXT_REG_ERROR_WRONG_UUID"},
};

// Object creation result code (16-bit)
constexpr std::array kObjectCreationResultCodeNames = {
    CodeNameRow{0x0000, "EXT_CREATE_SUCCESS"},
    CodeNameRow{0x0001, "EXT_CREATE_ERROR"  },
};

// Object destruction result code (16-bit)
constexpr std::array kObjectDestructionResultCodeNames = {
    CodeNameRow{0x0000, "EXT_DESTROY_SUCCESS"        },
    CodeNameRow{0x0001, "EXT_DESTROY_ERROR_NOT_FOUND"},
    CodeNameRow{0x0002, "EXT_DESTROY_ERROR_OTHER"    },
};

// Every field named "Adm change: ..." (16-bit)
constexpr std::array kSettingsChangeResultNames = {
    CodeNameRow{0x0000, "SET_CHANGE_SUCCESS"    },
    CodeNameRow{0x0001, "SET_CHANGE_NOT_ALLOWED"},
};

// Broadcast flag (16-bit)
constexpr std::array kBroadcastFlagNames = {
    CodeNameRow{0x0001, "BROADCAST_MSG_TO_ALL"           },
    CodeNameRow{0x0002, "BROADCAST_MSG_TO_CONNECTED_ONLY"},
    CodeNameRow{0x0003, "BROADCAST_DROP_CONNECTIONS"     },
};

// Broadcast result code (16-bit)
constexpr std::array kBroadcastResultCodeNames = {
    CodeNameRow{0x0000, "BC_RES_SUCCESS"      },
    CodeNameRow{0x0001, "BC_RES_BAD_REQUEST"  },
    CodeNameRow{0x0002, "BC_RES_MSG_LEN_LIMIT"},
};

// User command (16-bit)
constexpr std::array kUserCommandNames = {
    CodeNameRow{0x0001, "CMD_USER_ADD"    },
    CodeNameRow{0x0002, "CMD_USER_DEL"    },
    CodeNameRow{0x0003, "CMD_USER_UPD"    },
    CodeNameRow{0x0004, "CMD_USER_BAN"    },
    CodeNameRow{0x0005, "CMD_USER_UNBAN"  },
    CodeNameRow{0x0006, "CMD_USER_KICK"   },
    CodeNameRow{0x0007, "CMD_USER_DETAILS"},
    CodeNameRow{0x0008, "CMD_USER_CLEARCL"},
};

// User operation result code (16-bit)
constexpr std::array kUserOperationResultCodeNames = {
    CodeNameRow{0x0000, "USER_RES_SUCCESS"                 },
    CodeNameRow{0x0001, "USER_RES_BAD_REQUEST"             },
    CodeNameRow{0x0002, "USER_RES_NOT_FOUND"               },
    CodeNameRow{0x0003, "USER_RES_ALREADY_EXISTS"          },
    CodeNameRow{0x0004, "USER_RES_LEN_LIMIT"               },
    CodeNameRow{0x0005, "USER_RES_SERVICE_TEMP_UNAVAILABLE"},
};

// List type (16-bit)
constexpr std::array kListTypeNames = {
    CodeNameRow{0x0001, "LIST_TYPE_CONNECTED" },
    CodeNameRow{0x0002, "LIST_TYPE_REGISTERED"},
    CodeNameRow{0x0003, "LIST_TYPE_LAST_REGED"},
};

// List request result code (16-bit)
constexpr std::array kListRequestResultCodeNames = {
    CodeNameRow{0x0000, "LIST_REQ_FINISHED"      },
    CodeNameRow{0x0001, "LIST_REQ_MORE_AVAILABLE"},
    CodeNameRow{0x0002, "LIST_REQ_BAD_REQUEST"   },
};

// Registration result code (16-bit)
constexpr std::array kRegistrationResultCodeNames = {
    CodeNameRow{0x0000, "REG_RES_SUCCESS"                 },
    CodeNameRow{0x0001, "REG_RES_DISABLED"                },
    CodeNameRow{0x0002, "REG_RES_ACCOUNT_EXISTS"          },
    CodeNameRow{0x0003, "REG_RES_BAD_ACCOUNT_NAME"        },
    CodeNameRow{0x0004, "REG_RES_BAD_REQUEST"             },
    CodeNameRow{0x0005, "REG_RES_BAD_SERVER_KEY"          },
    CodeNameRow{0x0006, "REG_RES_SERVICE_TEMP_UNAVAILABLE"},
    CodeNameRow{0x0007, "REG_RES_EMAIL_REQUIRED"          },
};

// Admin login ack code (16-bit)
constexpr std::array kAdminLoginAckCodeNames = {
    CodeNameRow{0x0000, "ADM_RES_CODE_SUCCESS"},
    CodeNameRow{0x0001, "ADM_RES_CODE_BAD_KEY"},
};

// Extension admin update result code (16-bit)
constexpr std::array kExtensionAdminUpdateResultCodeNames = {
    CodeNameRow{0x0000, "ADM_EXT_UPD_SET_SUCCESS"},
    CodeNameRow{0x0001, "ADM_EXT_UPD_SET_FAILED" },
};

// Privacy type (8-bit)
constexpr std::array kPrivacyTypeNames = {
    CodeNameRow{0x0000, "CL_PRIV_TYPE_NONE"              },
    CodeNameRow{0x0001, "CL_PRIV_TYPE_VISIBLE_LIST"      },
    CodeNameRow{0x0002, "CL_PRIV_TYPE_INVISIBLE_LIST"    },
    CodeNameRow{0x0003, "CL_PRIV_TYPE_IGNORE_LIST"       },
    CodeNameRow{0x0004, "CL_PRIV_TYPE_IGNORE_NOT_IN_LIST"},
};

// Extension proxy type (8-bit)
constexpr std::array kExtensionProxyTypeNames = {
    CodeNameRow{0x0000, "EXT_PROXY_TYPE_NONE"   },
    CodeNameRow{0x0001, "EXT_PROXY_TYPE_HTTP"   },
    CodeNameRow{0x0002, "EXT_PROXY_TYPE_SOCKS4" },
    CodeNameRow{0x0003, "EXT_PROXY_TYPE_SOCKS4A"},
    CodeNameRow{0x0004, "EXT_PROXY_TYPE_SOCKS5" },
};

// sTLD types inside a contact-list item (16-bit)
constexpr std::array kContactListStldTypeNames = {
    CodeNameRow{0x0001, "TLD_CL_GROUP_NAME"  },
    CodeNameRow{0x0002, "TLD_CL_ACCOUNT_NAME"},
    CodeNameRow{0x0003, "TLD_CL_CONTACT_NAME"},
    CodeNameRow{0x0004, "TLD_CL_PRIVACY_TYPE"},
    CodeNameRow{0x0005, "TLD_CL_AUTH_FLAG"   },
    CodeNameRow{0x0006, "TLD_CL_GEN_FLAG"    },
    CodeNameRow{0x1001, "TLD_CL_TP_ITEM_ID"  },
    CodeNameRow{0x1002, "TLD_CL_TP_UUID"     },
    CodeNameRow{0x1003, "TLD_CL_TP_ACC_NAME" },
    CodeNameRow{0x1004, "TLD_CL_TP_FRLY_NAME"},
    CodeNameRow{0x2001, "TLD_CL_NOTE_NAME"   },
    CodeNameRow{0x2002, "TLD_CL_NOTE_TYPE"   },
    CodeNameRow{0x2003, "TLD_CL_NOTE_TEXT"   },
    CodeNameRow{0x2004, "TLD_CL_NOTE_DATE"   },
    CodeNameRow{0x2005, "TLD_CL_NOTE_MD5"    },
};
constexpr std::array kContactListStldTypeRanges = {
    CodeRangeRow{0x8000, 0xFFFF, "TLD_CL_DEV_STLD"},
};

// The note-type sTLD of a contact-list note (8-bit)
constexpr std::array kNoteTypeNames = {
    CodeNameRow{0x0000, "CL_NOTE_TYPE_TEXT"   },
    CodeNameRow{0x0001, "CL_NOTE_TYPE_COMMAND"},
    CodeNameRow{0x0002, "CL_NOTE_TYPE_LINK"   },
    CodeNameRow{0x0003, "CL_NOTE_TYPE_EMAIL"  },
    CodeNameRow{0x0004, "CL_NOTE_TYPE_PHONE"  },
};

struct CodeTable {
  std::span<const CodeNameRow> rows;
  std::span<const CodeRangeRow> ranges = {};
};

// The rows of each table. The switch names every NameTable, so -Wswitch reports one left out.
constexpr CodeTable TableOf(NameTable table) {
  using enum NameTable;
  switch (table) {
    case HelloErrorCode:
      return {kHelloErrorCodeNames};
    case LoginErrorCode:
      return {kLoginErrorCodeNames};
    case ByeReasonCode:
      return {kByeReasonCodeNames};
    case ItemType:
      return {kItemTypeNames};
    case AddResultCode:
      return {kAddResultCodeNames};
    case DelResultCode:
      return {kDelResultCodeNames};
    case UpdateResultCode:
      return {kUpdateResultCodeNames};
    case AuthReplyCode:
      return {kAuthReplyCodeNames};
    case OperationCode:
      return {kOperationCodeNames};
    case ClientType:
      return {kClientTypeNames};
    case PresenceStatus:
      return {kPresenceStatusNames};
    case MsgType:
      return {kMsgTypeNames};
    case NotifyType:
      return {kNotifyTypeNames};
    case NotifyValue:
      return {kNotifyValueNames};
    case EncryptionType:
      return {kEncryptionTypeNames};
    case DetailsResultCode:
      return {kDetailsResultCodeNames};
    case UpdateDetailsResultCode:
      return {kUpdateDetailsResultCodeNames};
    case UpdateSecurityResultCode:
      return {kUpdateSecurityResultCodeNames};
    case SearchResultCode:
      return {kSearchResultCodeNames};
    case AvatarRequestResultCode:
      return {kAvatarRequestResultCodeNames};
    case AvatarSetResultCode:
      return {kAvatarSetResultCodeNames};
    case FtReplyCode:
      return {kFtReplyCodeNames};
    case FtControlCode:
      return {kFtControlCodeNames};
    case FtErrorCode:
      return {kFtErrorCodeNames};
    case TransportSettingsUpdateResultCode:
      return {kTransportSettingsUpdateResultCodeNames};
    case ConnectionManagingCode:
      return {kConnectionManagingCodeNames};
    case TransportStateCode:
      return {kTransportStateCodeNames};
    case ExtensionType:
      return {kExtensionTypeNames};
    case ExtensionRegisterReplyCode:
      return {kExtensionRegisterReplyCodeNames};
    case ObjectCreationResultCode:
      return {kObjectCreationResultCodeNames};
    case ObjectDestructionResultCode:
      return {kObjectDestructionResultCodeNames};
    case SettingsChangeResult:
      return {kSettingsChangeResultNames};
    case BroadcastFlag:
      return {kBroadcastFlagNames};
    case BroadcastResultCode:
      return {kBroadcastResultCodeNames};
    case UserCommand:
      return {kUserCommandNames};
    case UserOperationResultCode:
      return {kUserOperationResultCodeNames};
    case ListType:
      return {kListTypeNames};
    case ListRequestResultCode:
      return {kListRequestResultCodeNames};
    case RegistrationResultCode:
      return {kRegistrationResultCodeNames};
    case AdminLoginAckCode:
      return {kAdminLoginAckCodeNames};
    case ExtensionAdminUpdateResultCode:
      return {kExtensionAdminUpdateResultCodeNames};
    case PrivacyType:
      return {kPrivacyTypeNames};
    case ExtensionProxyType:
      return {kExtensionProxyTypeNames};
    case ContactListStldType:
      return {kContactListStldTypeNames, kContactListStldTypeRanges};
    case NoteType:
      return {kNoteTypeNames};
  }
  return {};
}

constexpr std::size_t kTableCount = static_cast<std::size_t>(NameTable::NoteType) + 1;

constexpr auto kCodeOf = [](const CodeNameRow& row) { return row.code; };

// Rows ascend by code (so no code has two rows) and no single row falls inside a range row.
constexpr bool RowsApart(const CodeTable& table) {
  if (!StrictlyAscending(table.rows, kCodeOf)) return false;
  for (const CodeRangeRow& range : table.ranges) {
    if (range.first > range.last) return false;
    for (const CodeNameRow& row : table.rows) {
      if (row.code >= range.first && row.code <= range.last) return false;
    }
  }
  return true;
}

constexpr bool AllTablesSound() {
  for (std::size_t i = 0; i < kTableCount; ++i) {
    const CodeTable table = TableOf(static_cast<NameTable>(i));
    if (table.rows.empty() || !RowsApart(table)) return false;
  }
  return true;
}

static_assert(kTableCount == 45);
static_assert(AllTablesSound(), "every table has rows, with unique ascending codes");

}  // namespace

std::string_view CodeName(NameTable table, std::uint32_t code) {
  const CodeTable entry = TableOf(table);
  if (const CodeNameRow* row = FindSortedRow(entry.rows, code, kCodeOf)) return row->name;
  for (const CodeRangeRow& range : entry.ranges) {
    if (code >= range.first && code <= range.last) return range.name;
  }
  return kUnknownName;
}

}  // namespace qarnolog
