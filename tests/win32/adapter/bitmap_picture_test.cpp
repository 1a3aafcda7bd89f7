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
    EXPECT_EQ(Dispatch(picture).GetLong(L"Type"), PICTYPE_BITMAP);

    EXPECT_FALSE(PictureFromBitmap(ModuleHandle(), 9999));
}

TEST(BitmapPictureTest, ButtonsGetPictureAndMaskAsObjects) {
    auto control = CDispatchDouble::Create();
    control->Answer(kOlderButtonId);
    control->Property(L"Picture", Variant());
    control->Property(L"Mask", Variant());
    auto command = CDispatchDouble::Create();
    command->Child(L"AddControl", control);
    auto commands = CDispatchDouble::Create();
    commands->Child(L"Item", command);
    auto bar = CDispatchDouble::Create();
    commands->Child(L"AddCommandBar", bar);
    auto application = CDispatchDouble::Create();
    application->Child(L"Commands", commands);

    auto all = MakeEnvironment(application.Get())->GetCommands();
    auto created = all->AddCommandBar("Zentrel2", 23, nullptr, 1);
    ASSERT_TRUE(created);
    auto button = all->Item(1)->AddControl(*created, 1)->Button();
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
