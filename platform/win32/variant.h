// An owning VARIANT: cleared when it goes, converted on demand to what the core needs.
#pragma once

#include "win32/win_api.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/com_ptr.h"

namespace win32 {

class Variant {
  public:
    Variant() { VariantInit(&value_); }
    explicit Variant(int value) : Variant(static_cast<long>(value)) {}
    explicit Variant(long value);
    explicit Variant(short value);
    explicit Variant(bool value);
    explicit Variant(std::string_view text);
    explicit Variant(const char* text) : Variant(std::string_view(text)) {}
    explicit Variant(const std::string& text) : Variant(std::string_view(text)) {}
    // Takes its own reference; a null object is an empty object argument.
    explicit Variant(IDispatch* object);
    // An optional argument left out.
    static Variant Missing();
    // A SAFEARRAY of VARIANT texts; empty when the list is.
    static Variant TextArray(const std::vector<std::string>& texts);

    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() { VariantClear(&value_); }

    VARIANT* Get() { return &value_; }
    const VARIANT* Get() const { return &value_; }
    VARTYPE Type() const { return value_.vt; }

    // The value converted the way automation converts; nothing when it cannot be.
    std::optional<long> ToLong() const;
    std::optional<bool> ToBool() const;
    std::optional<std::string> ToText() const;
    // The object held (asked for IDispatch when held as IUnknown); empty otherwise.
    ComPtr<IDispatch> ToDispatch() const;
    // Each element of an array of texts (or of VARIANTs holding texts); nothing otherwise.
    std::optional<std::vector<std::string>> ToTextArray() const;

  private:
    VARIANT value_;
};

}  // namespace win32
