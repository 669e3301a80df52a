// COM on the calling thread, and late-bound automation objects: create one by
// its programmatic identifier, read a property and call a method by name, as
// a script would, with no type library or header of the object's own.
//
// Nothing here throws. Every failure comes back as a value: an object that
// cannot be created is an invalid AutomationObject, a property that cannot be
// read is nullopt, a method that fails returns false. Texts are 8-bit ANSI.
#pragma once

#include <optional>
#include <string>

#include "platform/win.h"

#include <oaidl.h>

namespace platform {

// Initialises COM (apartment-threaded, as a window thread needs) for its
// lifetime and undoes it only when it was the one that did it, so it nests
// under an OleInitialize of the main window.
class ComScope {
 public:
  ComScope();
  ~ComScope();
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_ = false;
};

// One reference to an object reached through IDispatch; released when the
// owner goes.
class AutomationObject {
 public:
  AutomationObject() = default;
  ~AutomationObject() { Release(); }
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;
  AutomationObject(AutomationObject&& other) noexcept : dispatch_(other.dispatch_) {
    other.dispatch_ = nullptr;
  }
  AutomationObject& operator=(AutomationObject&& other) noexcept;

  // Creates the object registered under `progId` (in-process or local
  // server). Needs COM on the thread. Invalid when there is no such object.
  static AutomationObject Create(const std::wstring& progId);

  bool Valid() const { return dispatch_ != nullptr; }

  // The property's value converted to text.
  std::optional<std::string> GetText(const std::wstring& property);

  // Calls a method without arguments; whether the object accepted the call.
  bool Call(const std::wstring& method);

  void Release();

 private:
  explicit AutomationObject(IDispatch* dispatch) : dispatch_(dispatch) {}
  bool Invoke(const std::wstring& name, WORD flags, VARIANT* result);

  IDispatch* dispatch_ = nullptr;
};

}  // namespace platform
