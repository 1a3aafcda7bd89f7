#include "win32/bitmap_picture.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include "dispatch_double.h"
#include "win32/dispatch_call.h"
#include "win32/dispatch_ide.h"
#include "win32/ide_interfaces.h"
#include "win32/module_handle.h"

namespace win32::test {
namespace {

constexpr long kMenuPicture = 206;  // in adapter_test.rc

TEST(BitmapPictureTest, MakesABitmapPictureFromTheModulesResource) {
    ComPtr<IDispatch> picture = PictureFromBitmap(ModuleHandle(), kMenuPicture);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture.As<IPictureDisp>(IID_IPictureDisp));
    Dispatch calls(picture);
    EXPECT_EQ(calls.GetLong(L"Type"), PICTYPE_BITMAP);
    EXPECT_GT(calls.GetLong(L"Width"), 0);

    EXPECT_FALSE(PictureFromBitmap(ModuleHandle(), 9999));
}

TEST(BitmapPictureTest, ButtonsGetPictureAndMaskAsObjects) {
    auto control = CDispatchDouble::Create();
    control->Answer(kOlderButtonId);
    control->Property(L"Picture", Variant());
    control->Property(L"Mask", Variant());
    auto command = CDispatchDouble::Create();
    command->On(L"AddControl", [&](WORD, const Arguments&, VARIANT* result) {
        result->vt = VT_DISPATCH;
        result->pdispVal = control.Get();
        control->AddRef();
        return S_OK;
    });
    auto commands = CDispatchDouble::Create();
    commands->Child(L"Item", command);
    auto bar = CDispatchDouble::Create();
    commands->Child(L"AddCommandBar", bar);
    auto application = CDispatchDouble::Create();
    application->Child(L"Commands", commands);

    auto environment = MakeEnvironment(application.Get());
    auto created = environment->GetCommands()->AddCommandBar("Zentrel2", 23, nullptr, 1);
    ASSERT_TRUE(created);
    auto button = environment->GetCommands()->Item(1)->AddControl(*created, 1)->Button();
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->SetPicture(kMenuPicture));
    EXPECT_TRUE(button->SetMask(kMenuPicture));
    EXPECT_FALSE(button->SetPicture(9999));
    EXPECT_EQ(control->CallTexts(),
              (std::vector<std::string>{"Picture=<object>", "Mask=<object>"}));
    EXPECT_EQ(commands->CallTexts().front(), "AddCommandBar(\"Zentrel2\", 23, <missing>, 1)");
}

}  // namespace
}  // namespace win32::test
