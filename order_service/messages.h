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

// WStoudiEX: the configuration file could not be loaded.
inline constexpr char16_t kSubmitConfigError[] = u"数据网络配置文件错误";
// WStoudiEX: no customer code in Codes; the result, the box and its caption.
inline constexpr char16_t kSubmitNoCode[] = u"ERR";
inline constexpr char16_t kEnterCustomerCode[] = u"请正确填写客户代码！";
inline constexpr char16_t kEmptyCodeCaption[] = u"代码为空";
// WStoudiEX: the customer code is not registered; the code goes between.
inline constexpr char16_t kNotRegisteredBefore[] = u"没有注册该用户[";
inline constexpr char16_t kNotRegisteredAfter[] = u"],请重新注册！";
// WStoudiEX: the same order was already submitted on this business day.
inline constexpr char16_t kOrderAlreadySubmitted[] = u"该用户名已经被登记过！";
// WStoudiEX: any failure; the error's description goes between.
inline constexpr char16_t kSubmitFailedBefore[] = u"提交订单数据失败！ 请确认填写正确。 [";
inline constexpr char16_t kSubmitFailedAfter[] = u"]";

// Description of the error raised when a value that goes into a statement
// bare is not a plain number; the value follows.
inline constexpr char16_t kBareValueNotNumber[] = u"Not a number where the statement needs one: ";

}  // namespace order_service::messages
