#pragma once
#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace aggregate::platform::win32 {

class DispatchObject;

// Owner of a VARIANT: whatever it holds (a BSTR, an object reference) is released with it.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  static Variant text(std::string_view utf8);
  static Variant integer(long value);
  static Variant object(const DispatchObject& object);
  static Variant missing();  // an optional argument left out

  bool isTrue() const;
  long toInteger() const;  // 0 when the value is no number
  // The value as UTF-8 text; NULL and empty give an empty text.
  std::string toText() const;
  // The object it holds, named for error messages; throws LibraryError when it holds none.
  DispatchObject toObject(std::string name) const;

  // For DISPPARAMS and out-parameters: the VARIANT itself, still owned here.
  VARIANT* get() { return &value_; }

 private:
  // The value converted to type; an empty variant when it cannot be converted.
  Variant convertedTo(VARTYPE type) const;

  VARIANT value_;
};

// Arguments for a dispatch call, first to last (a braced list cannot hold move-only values).
template <class... Values>
std::vector<Variant> variants(Values&&... values) {
  std::vector<Variant> list;
  list.reserve(sizeof...(Values));
  (list.push_back(std::forward<Values>(values)), ...);
  return list;
}

}  // namespace aggregate::platform::win32
