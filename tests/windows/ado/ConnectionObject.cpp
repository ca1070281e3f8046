#include "ado/ConnectionObject.h"

#include <cctype>

#include "TestProject.h"
#include "ado/Values.h"

namespace adostandin {

namespace {

// The Value of the provider's Prompt property.
class PromptProperty final : public OwnedObject<ConnectionObject> {
 public:
  explicit PromptProperty(ConnectionObject* connection)
      : OwnedObject("Property(Prompt)", {L"Value", L"Name"}, connection) {}

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override {
    if (member == L"Name" && call.reads()) return returnText("Prompt", result);
    if (member != L"Value") throw errors::wrongArguments();
    if (call.puts()) return owner().setPrompt(integerOf(call.value));
    returnInteger(owner().prompt(), result);
  }
};

class Properties final : public OwnedObject<ConnectionObject> {
 public:
  explicit Properties(ConnectionObject* connection) : OwnedObject("Properties", {L"Item"}, connection) {}

 protected:
  void invoke(const std::wstring&, const Call& call, VARIANT* result) override {
    if (call.puts() || call.arguments.size() != 1) throw errors::wrongArguments();
    if (!owner().namesProvider() || !sameName(textOf(call.argument(0)), "Prompt"))
      throw errors::itemNotFound();
    returnObject(new PromptProperty(&owner()), result);
  }
};

}  // namespace

ConnectionObject::ConnectionObject()
    : DispatchBase("Connection",
                   {L"ConnectionString", L"CursorLocation", L"Properties", L"Open", L"Close", L"State"}) {}

DataSource& ConnectionObject::source() {
  if (source_ == nullptr) throw errors::connectionUnusable();
  return *source_;
}

bool ConnectionObject::namesProvider() const {
  std::string lower;
  for (const char c : connectionString_)
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("provider=") != std::string::npos;
}

ConnectionObject* ConnectionObject::of(IUnknown* object) {
  return dynamic_cast<ConnectionObject*>(implementationOf(object));
}

void ConnectionObject::invoke(const std::wstring& member, const Call& call, VARIANT* result) {
  if (member == L"ConnectionString") {
    if (!call.puts()) return returnText(connectionString_, result);
    if (isOpen()) throw errors::objectOpen();
    connectionString_ = textOf(call.value);
  } else if (member == L"CursorLocation") {
    if (!call.puts()) return returnInteger(cursorLocation_, result);
    const int32_t location = integerOf(call.value);
    if (location != 2 && location != 3) throw errors::wrongArguments();
    cursorLocation_ = location;
  } else if (member == L"Properties") {
    if (call.puts()) throw errors::wrongArguments();
    returnObject(new Properties(this), result);
  } else if (member == L"Open") {
    if (!call.calls() || !call.arguments.empty()) throw errors::wrongArguments();
    if (isOpen()) throw errors::objectOpen();
    source_ = DataSource::open(connectionString_);
  } else if (member == L"Close") {
    if (!call.calls()) throw errors::wrongArguments();
    if (!isOpen()) throw errors::objectClosed();
    source_.reset();
  } else if (member == L"State") {
    if (call.puts()) throw errors::wrongArguments();
    returnInteger(isOpen() ? 1 : 0, result);
  }
}

}  // namespace adostandin
