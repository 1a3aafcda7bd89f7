#include "win32/dispatch_call.h"

#include <algorithm>

namespace win32 {

namespace {

void FreeException(EXCEPINFO& exception) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

}  // namespace

std::optional<DISPID> Dispatch::MemberId(std::wstring_view name) {
    auto known = std::find_if(ids_.begin(), ids_.end(),
                              [&](const auto& entry) { return entry.first == name; });
    if (known != ids_.end())
        return known->second;
    std::wstring text(name);
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    std::optional<DISPID> result;
    if (SUCCEEDED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
        result = id;
    // An object's members do not change: a missing one is not asked for again either.
    ids_.emplace_back(std::move(text), result);
    return result;
}

std::optional<Variant> Dispatch::Invoke(std::wstring_view name, WORD flags,
                                        std::span<Variant> arguments) {
    if (!object_)
        return std::nullopt;
    const std::optional<DISPID> id = MemberId(name);
    if (!id)
        return std::nullopt;

    // COM takes the arguments last first; the callee borrows them.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it)
        reversed.push_back(*it->Get());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{};
    parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
    parameters.cArgs = static_cast<UINT>(reversed.size());
    if (flags & DISPATCH_PROPERTYPUT) {
        parameters.rgdispidNamedArgs = &putId;
        parameters.cNamedArgs = 1;
    }

    Variant result;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    const HRESULT status = object_->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                           (flags & DISPATCH_PROPERTYPUT) ? nullptr : result.Get(),
                                           &exception, &argumentError);
    FreeException(exception);
    if (FAILED(status))
        return std::nullopt;
    return result;
}

}  // namespace win32
