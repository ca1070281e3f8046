#include "platform/windows/Variant.h"

#include "platform/windows/ComError.h"
#include "platform/windows/DispatchObject.h"
#include "platform/windows/WideText.h"

namespace aggregate::platform::win32 {

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

Variant Variant::text(std::string_view utf8) {
  const std::wstring wide = wideFromUtf8(utf8);
  Variant variant;
  variant.value_.vt = VT_BSTR;
  variant.value_.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (variant.value_.bstrVal == nullptr) throwComError("SysAllocStringLen", E_OUTOFMEMORY);
  return variant;
}

Variant Variant::integer(long value) {
  Variant variant;
  variant.value_.vt = VT_I4;
  variant.value_.lVal = value;
  return variant;
}

Variant Variant::object(const DispatchObject& object) {
  Variant variant;
  variant.value_.vt = VT_DISPATCH;
  variant.value_.pdispVal = object.pointer();
  variant.value_.pdispVal->AddRef();
  return variant;
}

Variant Variant::missing() {
  Variant variant;
  variant.value_.vt = VT_ERROR;
  variant.value_.scode = DISP_E_PARAMNOTFOUND;
  return variant;
}

Variant Variant::convertedTo(VARTYPE type) const {
  Variant converted;
  // VariantChangeType only reads its source, though it is not declared const.
  if (FAILED(VariantChangeType(&converted.value_, const_cast<VARIANT*>(&value_), 0, type))) return Variant();
  return converted;
}

bool Variant::isTrue() const {
  const Variant converted = convertedTo(VT_BOOL);
  return converted.value_.vt == VT_BOOL && converted.value_.boolVal != VARIANT_FALSE;
}

long Variant::toInteger() const {
  const Variant converted = convertedTo(VT_I4);
  return converted.value_.vt == VT_I4 ? converted.value_.lVal : 0;
}

std::string Variant::toText() const {
  if (value_.vt == VT_NULL || value_.vt == VT_EMPTY) return {};
  const Variant converted = convertedTo(VT_BSTR);
  if (converted.value_.vt != VT_BSTR) throwComError("VariantChangeType", DISP_E_TYPEMISMATCH);
  return utf8FromWide(std::wstring_view(converted.value_.bstrVal, SysStringLen(converted.value_.bstrVal)));
}

DispatchObject Variant::toObject(std::string name) const {
  if (value_.vt != VT_DISPATCH || value_.pdispVal == nullptr) throwComError(name, E_NOINTERFACE);
  return DispatchObject(value_.pdispVal, std::move(name));
}

}  // namespace aggregate::platform::win32
