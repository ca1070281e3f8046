#pragma once
// IDispatch by member names for the stand-in's objects. Every call is recorded in the test
// project as "<Object>.<Member>", followed by " = value" for a property put and by the
// arguments in parentheses; failures go back as DISP_E_EXCEPTION with the error's text.
#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <string>
#include <vector>

#include "ado/AdoError.h"

namespace adostandin {

// The arguments of one call, first to last; by-reference variants are followed.
struct Call {
  WORD flags = 0;
  std::vector<const VARIANT*> arguments;
  const VARIANT* value = nullptr;  // the new value of a property put

  bool reads() const { return (flags & DISPATCH_PROPERTYGET) != 0; }
  bool calls() const { return (flags & DISPATCH_METHOD) != 0; }
  bool puts() const { return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }
  // The argument at index, or null when it is missing.
  const VARIANT* argument(std::size_t index) const;
};

class DispatchBase : public IDispatch {
 public:
  DispatchBase(std::string typeName, std::vector<std::wstring> members);
  virtual ~DispatchBase() = default;
  DispatchBase(const DispatchBase&) = delete;
  DispatchBase& operator=(const DispatchBase&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

  // The stand-in object behind a COM pointer, or null when it is someone else's.
  static DispatchBase* implementationOf(IUnknown* object);
  const std::string& typeName() const { return typeName_; }

 protected:
  // Answers one call of a member by its name as declared; result may be null for puts.
  virtual void invoke(const std::wstring& member, const Call& call, VARIANT* result) = 0;

 private:
  LONG references_ = 1;
  std::string typeName_;
  std::vector<std::wstring> members_;
};

// An object that belongs to another one (a connection's properties, a recordset's fields) and
// keeps it alive.
template <class Owner>
class OwnedObject : public DispatchBase {
 public:
  OwnedObject(std::string typeName, std::vector<std::wstring> members, Owner* owner)
      : DispatchBase(std::move(typeName), std::move(members)), owner_(owner) {
    owner_->AddRef();
  }
  ~OwnedObject() override { owner_->Release(); }

 protected:
  Owner& owner() const { return *owner_; }

 private:
  Owner* owner_;
};

// Hands out a new object's IDispatch as a VARIANT, giving up the creator's reference.
void returnObject(DispatchBase* object, VARIANT* result);

}  // namespace adostandin
