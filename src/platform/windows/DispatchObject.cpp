#include "platform/windows/DispatchObject.h"

#include "platform/windows/ComError.h"
#include "platform/windows/ModuleLifetime.h"
#include "platform/windows/WideText.h"

namespace aggregate::platform::win32 {

namespace {

// The exception record that IDispatch::Invoke may fill; frees its texts.
class DispatchException {
 public:
  DispatchException() = default;
  ~DispatchException() {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
  }
  DispatchException(const DispatchException&) = delete;
  DispatchException& operator=(const DispatchException&) = delete;

  EXCEPINFO* get() { return &info_; }

  std::wstring description() {
    if (info_.pfnDeferredFillIn != nullptr) {
      info_.pfnDeferredFillIn(&info_);
      info_.pfnDeferredFillIn = nullptr;
    }
    if (info_.bstrDescription == nullptr) return {};
    return std::wstring(info_.bstrDescription, SysStringLen(info_.bstrDescription));
  }

  // The code of the failure the exception reports; result when it names none.
  HRESULT code(HRESULT result) const {
    if (result != DISP_E_EXCEPTION) return result;
    if (info_.scode != 0) return info_.scode;
    return info_.wCode != 0 ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, info_.wCode) : result;
  }

 private:
  EXCEPINFO info_{};
};

}  // namespace

DispatchObject DispatchObject::create(const wchar_t* progId) {
  const std::string name = narrow(progId);
  CLSID classId{};
  HRESULT result = CLSIDFromProgID(progId, &classId);
  if (FAILED(result)) throwComError(name, result);
  IDispatch* object = nullptr;
  result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(&object));
  if (FAILED(result)) throwComError(name, result);
  DispatchObject created(object, name);
  object->Release();  // created holds its own reference
  return created;
}

DispatchObject::DispatchObject(IDispatch* object, std::string name)
    : object_(object), name_(std::move(name)) {
  object_->AddRef();
}

DispatchObject::~DispatchObject() {
  if (object_ != nullptr && !moduleDetaching()) object_->Release();
}

DispatchObject::DispatchObject(DispatchObject&& other) noexcept
    : object_(other.object_), name_(std::move(other.name_)) {
  other.object_ = nullptr;
}

Variant DispatchObject::get(const wchar_t* property, std::vector<Variant> arguments) {
  return invoke(property, DISPATCH_PROPERTYGET | DISPATCH_METHOD, arguments);
}

void DispatchObject::put(const wchar_t* property, Variant value) {
  std::vector<Variant> arguments;
  arguments.push_back(std::move(value));
  invoke(property, DISPATCH_PROPERTYPUT, arguments);
}

void DispatchObject::putReference(const wchar_t* property, const DispatchObject& object) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::object(object));
  invoke(property, DISPATCH_PROPERTYPUTREF, arguments);
}

Variant DispatchObject::call(const wchar_t* method, std::vector<Variant> arguments) {
  return invoke(method, DISPATCH_METHOD, arguments);
}

Variant DispatchObject::invoke(const wchar_t* member, WORD flags, std::vector<Variant>& arguments) {
  const std::string call = name_ + "." + narrow(member);
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(member)};
  HRESULT result = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result)) throwComError(call, result);

  // IDispatch takes the arguments last to first; the VARIANTs stay owned by arguments.
  std::vector<VARIANTARG> reversed;
  for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument)
    reversed.push_back(*argument->get());
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  DISPID namedPut = DISPID_PROPERTYPUT;
  const bool isPut = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  if (isPut) {
    parameters.rgdispidNamedArgs = &namedPut;
    parameters.cNamedArgs = 1;
  }

  Variant returned;
  DispatchException exception;
  UINT wrongArgument = 0;
  result = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                           isPut ? nullptr : returned.get(), exception.get(), &wrongArgument);
  if (FAILED(result)) {
    std::wstring description = exception.description();  // fills the record's deferred fields
    throwComError(call, exception.code(result), std::move(description));
  }
  return returned;
}

std::string DispatchObject::narrow(const wchar_t* member) { return utf8FromWide(member); }

}  // namespace aggregate::platform::win32
