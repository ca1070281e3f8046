#pragma once
// The few ADO enumeration values the library passes, as the ADO type library defines them.

namespace aggregate::platform::win32::ado {

inline constexpr long kUseServer = 2;        // CursorLocationEnum adUseServer
inline constexpr long kOpenForwardOnly = 0;  // CursorTypeEnum
inline constexpr long kLockReadOnly = 1;     // LockTypeEnum
inline constexpr long kCmdText = 1;          // CommandTypeEnum
inline constexpr long kCmdTable = 2;
inline constexpr long kExecuteNoRecords = 0x80;  // ExecuteOptionEnum
inline constexpr long kVarChar = 200;            // DataTypeEnum
inline constexpr long kParamInput = 1;           // ParameterDirectionEnum
inline constexpr long kPromptNever = 4;          // ConnectPromptEnum
inline constexpr long kStateClosed = 0;          // ObjectStateEnum

}  // namespace aggregate::platform::win32::ado
