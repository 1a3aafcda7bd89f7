#include "dispatch_server.h"

#include <algorithm>

namespace e2e {

namespace {

// Asked of an object to find the server behind it; answered only by this program's servers.
constexpr IID kServerId = {
    0x6E1F0B7A, 0x2C4D, 0x4E8A, {0x9B, 0x3F, 0x5D, 0x7C, 0x1A, 0x2E, 0x4F, 0x60}};

}  // namespace

std::vector<std::pair<DispatchServer::Key, DispatchServer*>>& DispatchServer::Served() {
    static std::vector<std::pair<Key, DispatchServer*>> served;
    return served;
}

DispatchServer::~DispatchServer() {
    if (key_)
        std::erase_if(Served(), [&](const auto& entry) { return entry.second == this; });
}

DispatchServer* DispatchServer::Of(IDispatch* object) {
    void* server = nullptr;
    if (!object || FAILED(object->QueryInterface(kServerId, &server)) || !server)
        return nullptr;
    // The caller holds the object: the reference taken here is not needed.
    auto* result = static_cast<DispatchServer*>(server);
    result->Release();
    return result;
}

HRESULT DispatchServer::QueryInterface(REFIID id, void** object) {
    if (!object || !IsEqualIID(id, kServerId))
        return DispatchDouble::QueryInterface(id, object);
    *object = this;
    AddRef();
    return S_OK;
}

void DispatchServer::Add(std::wstring name, Member member) {
    On(std::move(name), [member](WORD flags, const Arguments& arguments, VARIANT* result) {
        Result value = member(flags, arguments);
        if (!value)
            return E_FAIL;
        if (result) {
            *result = *value->Get();
            VariantInit(value->Get());
        }
        return S_OK;
    });
}

void DispatchServer::Get(std::wstring name, std::function<Variant()> get) {
    Field(std::move(name), std::move(get), nullptr);
}

void DispatchServer::Field(std::wstring name, std::function<Variant()> get,
                           std::function<bool(const Variant&)> put) {
    Add(std::move(name), [get, put](WORD flags, const Arguments& arguments) -> Result {
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (!put || arguments.empty())
                return std::nullopt;
            return Status(put(Argument(arguments, arguments.size() - 1)));
        }
        if (!get)
            return std::nullopt;
        return get();
    });
}

void DispatchServer::Method(std::wstring name, std::function<Result(const Arguments&)> method) {
    Add(std::move(name), [method](WORD flags, const Arguments& arguments) -> Result {
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
            return std::nullopt;
        return method(arguments);
    });
}

Result Status(bool succeeded) {
    return succeeded ? Result(Variant()) : std::nullopt;
}

Result Object(const ComPtr<IDispatch>& object) {
    return object ? Result(Variant(object.Get())) : std::nullopt;
}

Variant Argument(const Arguments& arguments, std::size_t index) {
    Variant copy;
    if (index < arguments.size() && FAILED(VariantCopyInd(copy.Get(), arguments[index])))
        VariantInit(copy.Get());
    return copy;
}

std::string TextArgument(const Arguments& arguments, std::size_t index) {
    return Argument(arguments, index).ToText().value_or(std::string());
}

long LongArgument(const Arguments& arguments, std::size_t index, long fallback) {
    return Argument(arguments, index).ToLong().value_or(fallback);
}

}  // namespace e2e
