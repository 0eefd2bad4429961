// Every user-facing text of the order service (message boxes, fixed result
// texts), kept in one table so each is written once, exactly.
#pragma once

namespace order_service::messages {

// Caption of message boxes that have no caption of their own.
inline constexpr char16_t kDefaultCaption[] = u"KVX";

// LoadCfgINI: no normal configuration file in the Windows directory.
inline constexpr char16_t kNoConfigFile[] = u"系统目录下没有正确的服务器配置文件,请检查后重试！";

// GetVIP: the level named when the requested item does not exist.
inline constexpr char16_t kRegisteredCustomer[] = u"注册客户";

}  // namespace order_service::messages
