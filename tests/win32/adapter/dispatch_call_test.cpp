#include "win32/dispatch_call.h"

#include <gtest/gtest.h>

#include "dispatch_double.h"
#include "win32/ansi_text.h"

namespace win32::test {
namespace {

class DispatchCallTest : public ::testing::Test {
  protected:
    void SetUp() override {
        target->Property(L"Name", Variant("first"));
        target->Property(L"Count", Variant(3L));
        target->On(L"Item", [](WORD, const Arguments& arguments, VARIANT* result) {
            result->vt = VT_BSTR;
            result->bstrVal = AllocBstr("item " + std::to_string(arguments[0]->lVal));
            return S_OK;
        });
        target->On(L"Broken", [](WORD, const Arguments&, VARIANT*) { return E_FAIL; });
    }

    ComPtr<DispatchDouble> target = DispatchDouble::Create();
    Dispatch object{ComPtr<IDispatch>(target.Get())};
};

TEST_F(DispatchCallTest, ReadsWritesAndCallsMembersByNameWithTheirFlags) {
    EXPECT_EQ(object.GetText(L"Name"), "first");
    EXPECT_TRUE(object.Put(L"Name", "second"));
    EXPECT_EQ(object.GetText(L"Name"), "second");
    EXPECT_EQ(object.GetLong(L"Count"), 3);
    EXPECT_EQ(object.GetText(L"Item", 2L), "item 2");
    EXPECT_EQ(object.Call(L"Item", 1L)->ToText(), "item 1");

    const auto& calls = target->Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].flags, DISPATCH_PROPERTYGET);
    EXPECT_EQ(calls[1].text, "Name=\"second\"");
    EXPECT_EQ(calls[1].flags, DISPATCH_PROPERTYPUT);
    // With arguments a read may be a method on the other side.
    EXPECT_EQ(calls[4].flags, DISPATCH_PROPERTYGET | DISPATCH_METHOD);
    EXPECT_EQ(calls[5].flags, DISPATCH_METHOD);
}

TEST_F(DispatchCallTest, AsksForEachIdOncePerObject) {
    for (int i = 0; i < 2; ++i) {
        object.GetLong(L"Count");
        object.GetText(L"Missing");
    }
    EXPECT_EQ(target->IdLookups(L"Count"), 1);
    EXPECT_EQ(target->IdLookups(L"Missing"), 1);
    Dispatch(ComPtr<IDispatch>(target.Get())).GetLong(L"Count");
    EXPECT_EQ(target->IdLookups(L"Count"), 2);
}

TEST_F(DispatchCallTest, PassesArgumentsInTheirNaturalOrder) {
    target->On(L"Join", [](WORD, const Arguments&, VARIANT*) { return S_OK; });
    EXPECT_TRUE(object.Run(L"Join", "a", 2L, true, short{0}, Variant::Missing(),
                           static_cast<IDispatch*>(nullptr)));
    EXPECT_EQ(target->Calls().back().text, "Join(\"a\", 2, true, (short)0, <missing>, <null>)");
}

TEST_F(DispatchCallTest, CarriesTextAsUtf16OfTheAnsiCodePage) {
    std::wstring seen;
    target->On(L"Echo", [&](WORD, const Arguments& arguments, VARIANT* result) {
        seen.assign(arguments[0]->bstrVal, SysStringLen(arguments[0]->bstrVal));
        return VariantCopy(result, arguments[0]);
    });
    const std::string withNul("a\0b\r\n", 5);
    EXPECT_EQ(object.Call(L"Echo", withNul)->ToText(), withNul);
    EXPECT_EQ(seen, std::wstring(L"a\0b\r\n", 5));
    if (GetACP() == 1252) {
        EXPECT_EQ(object.Call(L"Echo", "caf\xE9 \x80")->ToText(), "caf\xE9 \x80");
        EXPECT_EQ(seen, L"caf\u00E9 \u20AC");
    }
}

TEST_F(DispatchCallTest, FailedCallsAndWrongKindsGiveEmptyValues) {
    EXPECT_EQ(object.GetText(L"Broken"), "");
    EXPECT_EQ(object.GetLong(L"Broken"), 0);
    EXPECT_FALSE(object.GetBool(L"Broken"));
    EXPECT_FALSE(object.Run(L"NoSuchMember"));
    EXPECT_FALSE(object.GetDispatch(L"Name"));
    EXPECT_EQ(object.GetLong(L"Name"), 0);
    EXPECT_FALSE(Dispatch().Put(L"Name", 1L));
}

TEST_F(DispatchCallTest, ReleasesEveryReferenceItTook) {
    const ULONG before = target->References();
    auto child = DispatchDouble::Create();
    target->Child(L"Child", child);
    {
        Dispatch other(ComPtr<IDispatch>(target.Get()));
        EXPECT_TRUE(other.GetDispatch(L"Child"));
        EXPECT_TRUE(other.Run(L"Item", 1L));
    }
    EXPECT_EQ(target->References(), before);
    EXPECT_EQ(child->References(), 2u);  // ours and the parent's field
}

}  // namespace
}  // namespace win32::test
