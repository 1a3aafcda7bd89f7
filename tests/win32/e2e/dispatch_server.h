// A table-driven automation object whose members are reached by name, case-insensitively, the
// way the IDE's objects are reached by the add-in.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

#include "dispatch_double.h"
#include "win32/com_ptr.h"
#include "win32/variant.h"

namespace e2e {

using win32::ComPtr;
using win32::Variant;
using win32::test::Arguments;

// Nothing: the call failed, as the IDE's failing members do.
using Result = std::optional<Variant>;
using Member = std::function<Result(WORD flags, const Arguments& arguments)>;

class DispatchServer : public win32::test::DispatchDouble {
  public:
    // The server behind an object this program served; null for any other object.
    static DispatchServer* Of(IDispatch* object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;

  protected:
    DispatchServer() : DispatchDouble(false) {}
    ~DispatchServer() override;

    // A read-only property.
    void Get(std::wstring name, std::function<Variant()> get);
    // A property; without `get` it can only be written.
    void Field(std::wstring name, std::function<Variant()> get,
               std::function<bool(const Variant&)> put);
    void Method(std::wstring name, std::function<Result(const Arguments&)> method);

  private:
    template <class S, class T>
    friend ComPtr<IDispatch> Serve(const std::shared_ptr<T>& model);
    using Key = std::pair<const void*, std::type_index>;
    static std::vector<std::pair<Key, DispatchServer*>>& Served();
    void Add(std::wstring name, Member member);

    std::optional<Key> key_;
};

template <class S, class... A>
ComPtr<IDispatch> Make(A&&... arguments) {
    return ComPtr<IDispatch>(new S(std::forward<A>(arguments)...));
}

// One server per model object, so the same IDE object keeps one COM identity while served.
template <class S, class T>
ComPtr<IDispatch> Serve(const std::shared_ptr<T>& model) {
    if (!model)
        return {};
    const DispatchServer::Key key{model.get(), std::type_index(typeid(S))};
    for (const auto& [known, server] : DispatchServer::Served()) {
        if (known == key)
            return ComPtr<IDispatch>(server);
    }
    S* server = new S(model);
    server->key_ = key;
    DispatchServer::Served().emplace_back(key, server);
    return ComPtr<IDispatch>(server);
}

template <class S>
S* ServerOf(const ComPtr<IDispatch>& object) {
    return dynamic_cast<S*>(DispatchServer::Of(object.Get()));
}

// A successful call without a value, or a failed one.
Result Status(bool succeeded);
// An object result; the call fails without one.
Result Object(const ComPtr<IDispatch>& object);

// The argument at `index` dereferenced and copied; empty when there is none.
Variant Argument(const Arguments& arguments, std::size_t index);
std::string TextArgument(const Arguments& arguments, std::size_t index);
long LongArgument(const Arguments& arguments, std::size_t index, long fallback = 0);

}  // namespace e2e
