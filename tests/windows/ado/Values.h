#pragma once
// Arguments and results of the stand-in's members: texts are in the host's code page inside and BSTRs
// outside.
#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <cstdint>
#include <string>

namespace adostandin {

// A text argument; anything else is refused as ADO refuses it.
std::string textOf(const VARIANT* value);
int32_t integerOf(const VARIANT* value);
// How an argument appears in the record.
std::string describe(const VARIANT* value);

void returnText(const std::string& text, VARIANT* result);
void returnInteger(int32_t value, VARIANT* result);
void returnBoolean(bool value, VARIANT* result);

}  // namespace adostandin
