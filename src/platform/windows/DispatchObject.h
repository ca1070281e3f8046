#pragma once
// A COM object driven through IDispatch by member names. ADO is reached this way: late binding
// needs no ADO headers (MinGW's do not compile as C++) and works with any ADO version.
#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <string>
#include <vector>

#include "platform/windows/Variant.h"

namespace aggregate::platform::win32 {

class DispatchObject {
 public:
  // Creates an in-process object by its ProgID, e.g. L"ADODB.Connection".
  static DispatchObject create(const wchar_t* progId);
  // Holds a reference of its own to object; name appears in error messages.
  DispatchObject(IDispatch* object, std::string name);
  ~DispatchObject();
  DispatchObject(DispatchObject&& other) noexcept;
  DispatchObject& operator=(DispatchObject&&) = delete;
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  // Failures throw LibraryError with the object's own error description.
  Variant get(const wchar_t* property, std::vector<Variant> arguments = {});
  void put(const wchar_t* property, Variant value);
  void putReference(const wchar_t* property, const DispatchObject& object);
  Variant call(const wchar_t* method, std::vector<Variant> arguments = {});

  // A member that is an object, e.g. a recordset's Fields.
  DispatchObject member(const wchar_t* property) {
    return get(property).toObject(name_ + "." + narrow(property));
  }

  IDispatch* pointer() const { return object_; }

 private:
  Variant invoke(const wchar_t* member, WORD flags, std::vector<Variant>& arguments);
  static std::string narrow(const wchar_t* member);

  IDispatch* object_;
  std::string name_;
};

}  // namespace aggregate::platform::win32
