// A scriptable automation object for the adapter's tests: members are handlers by name, every
// call is recorded with its arguments rendered as text, and QueryInterface answers the ids it
// was told to.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "dispatch_table.h"
#include "win32/com_ptr.h"
#include "win32/variant.h"

namespace win32::test {

class CDispatchDouble : public DispatchTable {
  public:
    struct Call {
        std::string text;  // Name(arguments) for calls and reads, Name=value for writes
        WORD flags;
    };

    static ComPtr<CDispatchDouble> Create();

    // A property read and written like a field.
    void Property(const std::wstring& name, Variant value);
    // A read-only property holding another object.
    void Child(const std::wstring& name, const ComPtr<CDispatchDouble>& child);

    int IdLookups(const std::wstring& name) const;
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<std::string> CallTexts() const;

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;

  private:
    CDispatchDouble() : DispatchTable(false) {}
    void Called(const std::wstring& name, WORD flags, const Arguments& arguments) override;

    std::map<std::wstring, int> lookups_;
    std::vector<Call> calls_;
};

}  // namespace win32::test
