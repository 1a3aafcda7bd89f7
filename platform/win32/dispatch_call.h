// Calls an automation object's members by name: the member's id is asked once per object and
// name and kept; the call's arguments go in the natural order. A failed call gives nothing.
#pragma once

#include "win32/win_api.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "win32/com_ptr.h"
#include "win32/variant.h"

namespace win32 {

class Dispatch {
  public:
    Dispatch() = default;
    explicit Dispatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    IDispatch* Object() const { return object_.Get(); }
    const ComPtr<IDispatch>& Pointer() const { return object_; }
    explicit operator bool() const { return static_cast<bool>(object_); }

    // flags: DISPATCH_PROPERTYGET, DISPATCH_METHOD or DISPATCH_PROPERTYPUT (the value last).
    std::optional<Variant> Invoke(std::wstring_view name, WORD flags, std::span<Variant> arguments);

    // Property reads; with arguments they may be methods on the IDE's side (Item, Properties).
    template <class... A>
    std::optional<Variant> Get(std::wstring_view name, A&&... arguments) {
        auto values = Arguments(std::forward<A>(arguments)...);
        const WORD flags =
            sizeof...(A) == 0 ? DISPATCH_PROPERTYGET : DISPATCH_PROPERTYGET | DISPATCH_METHOD;
        return Invoke(name, flags, values);
    }
    template <class... A>
    std::optional<Variant> Call(std::wstring_view name, A&&... arguments) {
        auto values = Arguments(std::forward<A>(arguments)...);
        return Invoke(name, DISPATCH_METHOD, values);
    }
    template <class V>
    bool Put(std::wstring_view name, V&& value) {
        auto values = Arguments(std::forward<V>(value));
        return Invoke(name, DISPATCH_PROPERTYPUT, values).has_value();
    }

    // Typed reads; a failed call or an unconvertible result gives the empty value.
    template <class... A>
    std::string GetText(std::wstring_view name, A&&... arguments) {
        auto result = Get(name, std::forward<A>(arguments)...);
        return result ? result->ToText().value_or(std::string()) : std::string();
    }
    template <class... A>
    long GetLong(std::wstring_view name, A&&... arguments) {
        auto result = Get(name, std::forward<A>(arguments)...);
        return result ? result->ToLong().value_or(0) : 0;
    }
    template <class... A>
    bool GetBool(std::wstring_view name, A&&... arguments) {
        auto result = Get(name, std::forward<A>(arguments)...);
        return result ? result->ToBool().value_or(false) : false;
    }
    template <class... A>
    ComPtr<IDispatch> GetDispatch(std::wstring_view name, A&&... arguments) {
        auto result = Get(name, std::forward<A>(arguments)...);
        return result ? result->ToDispatch() : ComPtr<IDispatch>();
    }
    // A method whose result does not matter: true when the call succeeded.
    template <class... A>
    bool Run(std::wstring_view name, A&&... arguments) {
        return Call(name, std::forward<A>(arguments)...).has_value();
    }

  private:
    static Variant Argument(Variant&& value) { return std::move(value); }
    template <class T>
    static Variant Argument(T&& value) {
        return Variant(std::forward<T>(value));
    }
    template <class... A>
    static std::array<Variant, sizeof...(A)> Arguments(A&&... arguments) {
        return {Argument(std::forward<A>(arguments))...};
    }

    // The member's id, asked of the object only the first time; nothing when it has none.
    std::optional<DISPID> MemberId(std::wstring_view name);

    ComPtr<IDispatch> object_;
    std::vector<std::pair<std::wstring, std::optional<DISPID>>> ids_;
};

}  // namespace win32
