#include "platform/com.h"

#include <objbase.h>
#include <oleauto.h>

#include "platform/text.h"

namespace platform {

ComScope::ComScope() {
  // S_FALSE (already initialised the same way) must be balanced too;
  // RPC_E_CHANGED_MODE (another model already set) must not.
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  initialised_ = SUCCEEDED(result);
}

ComScope::~ComScope() {
  if (initialised_) CoUninitialize();
}

AutomationObject& AutomationObject::operator=(AutomationObject&& other) noexcept {
  if (this != &other) {
    Release();
    dispatch_ = other.dispatch_;
    other.dispatch_ = nullptr;
  }
  return *this;
}

AutomationObject AutomationObject::Create(const std::wstring& progId) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(progId.c_str(), &clsid))) return {};
  IDispatch* dispatch = nullptr;
  const HRESULT result = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch,
                                          reinterpret_cast<void**>(&dispatch));
  if (FAILED(result) || !dispatch) return {};
  return AutomationObject(dispatch);
}

void AutomationObject::Release() {
  if (dispatch_) {
    dispatch_->Release();
    dispatch_ = nullptr;
  }
}

bool AutomationObject::Invoke(const std::wstring& name, WORD flags, VARIANT* result) {
  if (!dispatch_) return false;
  // GetIDsOfNames takes a non-const name array.
  std::wstring mutableName = name;
  LPOLESTR names[] = {mutableName.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  DISPPARAMS noArguments{};
  EXCEPINFO exception{};
  UINT argumentError = 0;
  const HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &noArguments,
                                       result, &exception, &argumentError);
  // The object may fill these in on failure; they are ours to free.
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return SUCCEEDED(hr);
}

std::optional<std::string> AutomationObject::GetText(const std::wstring& property) {
  VARIANT value;
  VariantInit(&value);
  if (!Invoke(property, DISPATCH_PROPERTYGET, &value)) {
    VariantClear(&value);
    return std::nullopt;
  }
  std::optional<std::string> text;
  if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR))) {
    text = Narrow(std::wstring_view(value.bstrVal ? value.bstrVal : L"",
                                    value.bstrVal ? SysStringLen(value.bstrVal) : 0));
  }
  VariantClear(&value);
  return text;
}

bool AutomationObject::Call(const std::wstring& method) {
  VARIANT ignored;
  VariantInit(&ignored);
  const bool called = Invoke(method, DISPATCH_METHOD, &ignored);
  VariantClear(&ignored);
  return called;
}

}  // namespace platform
