#include "ado/Values.h"

#include "ado/AdoError.h"
#include "ado/DispatchBase.h"
#include "support/Text.h"

namespace adostandin {

std::string textOf(const VARIANT* value) {
  if (value == nullptr || value->vt != VT_BSTR) throw errors::wrongArguments();
  return wintest::ansi(std::wstring_view(value->bstrVal, SysStringLen(value->bstrVal)));
}

int32_t integerOf(const VARIANT* value) {
  if (value == nullptr) throw errors::wrongArguments();
  VARIANT converted;
  VariantInit(&converted);
  if (value->vt == VT_BSTR || FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(value), 0, VT_I4)))
    throw errors::wrongArguments();
  return converted.lVal;
}

std::string describe(const VARIANT* value) {
  if (value == nullptr) return "missing";
  switch (value->vt) {
    case VT_BSTR:
      return "'" + textOf(value) + "'";
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      const DispatchBase* object = DispatchBase::implementationOf(value->punkVal);
      return object != nullptr ? object->typeName() : "a foreign object";
    }
    case VT_EMPTY:
      return "empty";
    default:
      return std::to_string(integerOf(value));
  }
}

void returnText(const std::string& text, VARIANT* result) {
  if (result == nullptr) return;
  const std::wstring wide = wintest::fromAnsi(text);
  result->vt = VT_BSTR;
  result->bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

void returnInteger(int32_t value, VARIANT* result) {
  if (result == nullptr) return;
  result->vt = VT_I4;
  result->lVal = value;
}

void returnBoolean(bool value, VARIANT* result) {
  if (result == nullptr) return;
  result->vt = VT_BOOL;
  result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace adostandin
