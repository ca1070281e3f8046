#include "ado/DispatchBase.h"

#include "TestProject.h"
#include "ado/Values.h"
#include "support/Text.h"

namespace adostandin {

namespace {

// Asked for by implementationOf only; answered with the object itself, without a reference.
const IID kImplementation = {0x5c1f3a70, 0x2d4e, 0x4b8a, {0x9e, 0x61, 0x0a, 0x7d, 0x33, 0xc2, 0x48, 0x15}};

bool sameName(const std::wstring& left, const wchar_t* right) { return _wcsicmp(left.c_str(), right) == 0; }

const VARIANT* followed(const VARIANT* value) {
  return value->vt == (VT_BYREF | VT_VARIANT) ? value->pvarVal : value;
}

std::string recordLine(const std::string& type, const std::wstring& member, const Call& call) {
  std::string line = type + "." + wintest::ansi(member);
  if (!call.arguments.empty()) {
    line += "(";
    for (std::size_t i = 0; i < call.arguments.size(); ++i)
      line += (i > 0 ? ", " : "") + describe(call.argument(i));
    line += ")";
  }
  if (call.value != nullptr) line += " = " + describe(call.value);
  return line;
}

}  // namespace

const VARIANT* Call::argument(std::size_t index) const {
  if (index >= arguments.size()) return nullptr;
  const VARIANT* value = arguments[index];
  return value->vt == VT_ERROR && value->scode == DISP_E_PARAMNOTFOUND ? nullptr : value;
}

DispatchBase::DispatchBase(std::string typeName, std::vector<std::wstring> members)
    : typeName_(std::move(typeName)), members_(std::move(members)) {}

HRESULT STDMETHODCALLTYPE DispatchBase::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, kImplementation)) {
    *object = this;
    return S_OK;
  }
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE DispatchBase::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE DispatchBase::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE DispatchBase::GetTypeInfoCount(UINT* count) {
  if (count != nullptr) *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchBase::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE DispatchBase::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                      DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (sameName(members_[i], names[0])) {
      ids[0] = static_cast<DISPID>(i + 1);
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  testhost::testProject().recordAdo(typeName_ + " has no member " + wintest::ansi(names[0]));
  return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE DispatchBase::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                               VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  if (parameters == nullptr) return E_INVALIDARG;
  const std::wstring& member = members_[static_cast<std::size_t>(id - 1)];
  Call call;
  call.flags = flags;
  UINT positional = parameters->cArgs;
  if (call.puts()) {
    if (parameters->cNamedArgs != 1 || parameters->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT ||
        positional == 0)
      return DISP_E_PARAMNOTOPTIONAL;
    call.value = followed(&parameters->rgvarg[0]);
    --positional;
  } else if (parameters->cNamedArgs != 0) {
    return DISP_E_NONAMEDARGS;
  }
  // The last argument comes first in rgvarg.
  for (UINT i = 0; i < positional; ++i)
    call.arguments.push_back(followed(&parameters->rgvarg[parameters->cArgs - 1 - i]));
  if (result != nullptr) VariantInit(result);

  testhost::TestProject& project = testhost::testProject();
  try {
    project.recordAdo(recordLine(typeName_, member, call));
    invoke(member, call, result);
    return S_OK;
  } catch (const AdoError& failure) {
    project.recordAdo("  refused: " + failure.description);
    if (result != nullptr) VariantClear(result);
    if (exception == nullptr) return failure.code;
    *exception = EXCEPINFO{};
    exception->bstrSource = SysAllocString(L"Microsoft JET Database Engine");
    const std::wstring description = wintest::fromAnsi(failure.description);
    exception->bstrDescription = SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
    exception->scode = failure.code;
    return DISP_E_EXCEPTION;
  }
}

DispatchBase* DispatchBase::implementationOf(IUnknown* object) {
  void* implementation = nullptr;
  if (object == nullptr || FAILED(object->QueryInterface(kImplementation, &implementation))) return nullptr;
  return static_cast<DispatchBase*>(implementation);
}

void returnObject(DispatchBase* object, VARIANT* result) {
  if (result == nullptr) {
    object->Release();
    return;
  }
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
}

}  // namespace adostandin
