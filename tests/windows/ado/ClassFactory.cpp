// The stand-in's entry points: one class object per ProgID, found by the CLSIDs that the test
// prefix registers (see run-under-wine.sh).
#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

#include <functional>

#include "ado/CommandObject.h"
#include "ado/ConnectionObject.h"
#include "ado/RecordsetObject.h"

namespace adostandin {

namespace {

const CLSID kConnection = {0xfeed0f2f, 0x5b17, 0x4bef, {0xa6, 0x76, 0x4b, 0xc0, 0x1f, 0x0b, 0x4f, 0x9d}};
const CLSID kRecordset = {0x0b2657c5, 0x5397, 0x4eec, {0x88, 0x20, 0x0f, 0x9d, 0xf8, 0xa1, 0x48, 0xda}};
const CLSID kCommand = {0xd05e84c7, 0x7e07, 0x48f5, {0xad, 0x93, 0x28, 0xff, 0x61, 0x54, 0xba, 0xaa}};

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(std::function<DispatchBase*()> create) : create_(std::move(create)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = this;
    return S_OK;
  }
  // Class objects live as long as the DLL.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    DispatchBase* created = create_();
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  std::function<DispatchBase*()> create_;
};

}  // namespace

}  // namespace adostandin

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE
    DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
  using namespace adostandin;
  static ClassFactory connection([] { return new ConnectionObject(); });
  static ClassFactory recordset([] { return new RecordsetObject(); });
  static ClassFactory command([] { return new CommandObject(); });
  ClassFactory* factory = IsEqualCLSID(classId, kConnection)  ? &connection
                          : IsEqualCLSID(classId, kRecordset) ? &recordset
                          : IsEqualCLSID(classId, kCommand)   ? &command
                                                              : nullptr;
  if (factory == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  return factory->QueryInterface(iid, object);
}

// The test project it answers from lives until the process ends; so does the stand-in.
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
