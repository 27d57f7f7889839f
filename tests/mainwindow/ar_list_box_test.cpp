// The shaded list on its own, in a window of the test's making: the switch, several columns.
#include "framework/properties.h"
#include "framework/window.h"
#include "mainwindow/ar_list_box.h"
#include "user.h"

#include <gtest/gtest.h>

namespace {

class ListWindow : public fw::Window {
public:
    void Layout() override {
        SetWidth(240);
        SetHeight(200);
        SetVisible(true);
    }
    void CreateControls() override {
        fw::Ref<ARListBox> made = New<ARListBox>();
        made->Constructor();
        AddControl("List", made);
        const fw::Ref<ARListBox> list = List();
        list->SetLeft(10);
        list->SetTop(10);
        list->SetWidth(220);
        list->SetHeight(180);
    }
    fw::Ref<ARListBox> List() const { return ControlNamed<ARListBox>("List"); }
};

class ARListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = fw::MakeRef<ListWindow>();
        window_->Constructor();
        user::Settle();
    }
    void TearDown() override { user::CloseForGood(window_); }
    ARListBox& List() { return *window_->List(); }

    fw::Ref<ListWindow> window_;
};

TEST_F(ARListBoxTest, IsAListboxWhoseSwitchStartsOffAndIsFoundByNameInAnyCase) {
    EXPECT_EQ(List().GetClass().name, "ARListBox");
    EXPECT_TRUE(fw::IsKindOf(List().GetClass(), "Listbox"));
    EXPECT_FALSE(List().bAlternateRows());
    fw::SetProperty(List(), "BALTERNATEROWS", fw::PropertyValue(true));
    EXPECT_TRUE(List().bAlternateRows());
    EXPECT_EQ(fw::GetProperty(List(), "bAlternateRows"), fw::PropertyValue(true));
}

TEST_F(ARListBoxTest, WithTheSwitchOffItLooksLikeAPlainList) {
    for (const char* row : {"0100 Agrigento", "0101 Sciacca", "1200 Bergamo"})
        List().AddRow(row);
    EXPECT_TRUE(user::ReadBands(user::Grab(List())).runs.empty());
}

TEST_F(ARListBoxTest, EveryCellOfAnEvenRowIsTintedWhateverItsColumn) {
    List().SetColumnCount(2);
    List().SetbAlternateRows(true);
    for (const char* row : {"a", "b", "c", "d", "e"})
        List().AddRow(row);
    const user::Image img = user::Grab(List());
    const user::Bands b = user::ReadBands(img);
    ASSERT_GE(b.runs.size(), 4u);
    EXPECT_NEAR(b.runs[1], b.runs[0], 1);
    EXPECT_NEAR(b.runs[2], b.runs[0], 1);
    // The second column of the first row (its right half, short of the frame) is tinted too.
    const int y = b.firstRunTop + b.runs[0] / 2;
    int rightTint = 0;
    for (int x = img.width / 2 + 4; x < img.width - 8; ++x)
        rightTint += img.At(x, y) == user::kTint ? 1 : 0;
    EXPECT_GT(rightTint, (img.width / 2 - 12) * 3 / 4);
}

} // namespace
