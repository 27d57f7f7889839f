// The list: rows, sorting, headings and the class-wide cell handler, read back pixel by pixel.
#include "main_like.h"

#include "framework/testing/driver.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using fw::Color;
using fw::Ref;
using testlists::kMark;
using testlists::ShadedList;
using testwindows::MainLike;
namespace t = fw::testing;
using t::Encode;
using namespace fw::prop;
using Rows = std::vector<fw::Text>;

class ListboxTest : public ::testing::Test {
protected:
    void TearDown() override { t::CloseAllWindows(); }

    Rows Column(int column = 0) const {
        Rows rows;
        for (int r = 0; r < list->ListCount(); ++r)
            rows.push_back(list->Cell(r, column));
        return rows;
    }
    Color RightHalfAt(int row) {
        const t::Rect r = t::ListRowRect(*list, row);
        return t::PixelAt(*list, r.x + r.width * 3 / 4, r.y + r.height / 2);
    }

    Ref<MainLike> w = testwindows::OpenMainLike();
    Ref<ShadedList> list = w->ControlNamed<ShadedList>("ARListBox1");
};

TEST_F(ListboxTest, RowsCellsAndSorting) {
    for (const char* r : {"4995 Roma", "", "tab\tinside  ", "0100 Agrigento", "4995 Roma"})
        list->AddRow(r);
    list->Sort(); // no sorted column: nothing moves
    EXPECT_EQ(Column(), (Rows{"4995 Roma", "", "tab\tinside  ", "0100 Agrigento", "4995 Roma"}));
    list->SetSortedColumn(0);
    list->Sort();
    EXPECT_EQ(Column(), (Rows{"", "0100 Agrigento", "4995 Roma", "4995 Roma", "tab\tinside  "}));
    for (auto [row, column] : {std::pair{5, 0}, {-1, 0}, {0, 1}, {0, -1}})
        EXPECT_THROW(list->Cell(row, column), fw::OutOfBoundsException) << row << "," << column;
    for (int column : {1, -2})
        EXPECT_THROW(list->SetSortedColumn(column), fw::OutOfBoundsException) << column;
    EXPECT_EQ(list->SortedColumn(), 0);
}

TEST_F(ListboxTest, TheCellHandlerGetsRowColumnAndTheCellsSizeAndItsContextDiesWithThePaint) {
    fw::SetProperties(*list, Encode({Int("ColumnCount", 2), Str("ColumnWidths", "50")}));
    list->AddRow("x");
    list->AddRow("y");
    t::PixelAt(*list, 1, 1);
    const t::Rect row = t::ListRowRect(*list, 0);
    std::set<std::pair<int, int>> cells;
    for (const auto& c : list->calls) {
        cells.emplace(c.row, c.column);
        EXPECT_EQ(std::pair(c.width, c.height), std::pair(c.column == 0 ? 50 : row.width - 50, row.height));
    }
    EXPECT_EQ(cells, (std::set<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
    ASSERT_TRUE(list->kept);
    EXPECT_THROW(list->kept->FillRect(0, 0, 1, 1), fw::NilObjectException);
}

TEST_F(ListboxTest, AFailingCellHandlerLeavesTheListPaintable) {
    list->AddRow("x");
    list->fails = true;
    EXPECT_THROW(t::PixelAt(*list, 1, 1), fw::NilObjectException);
    list->fails = false;
    EXPECT_NO_THROW(t::PixelAt(*list, 1, 1)); // the painter was left in order
}

TEST_F(ListboxTest, HeadingClicksAskSortColumnFirstThenSortTheirColumnStablyBothWays) {
    fw::SetProperties(*list,
                      Encode({Int("ColumnCount", 2), Str("ColumnWidths", "60,*"), Bool("HasHeading", true),
                              Str("InitialValue", "Code\tOffice\r4900\tNapoli\n0100\tRoma\n4995\tNapoli\n"
                                                  "1200\tBergamo")}));
    list->AddRow("9999"); // no office: sorts as an empty text
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    w->sortAnswer = true; // the handler, asked first, keeps the order
    t::ClickHeading(*list, 1);
    EXPECT_EQ(Column(), (Rows{"4900", "0100", "4995", "1200", "9999"}));
    w->sortAnswer = false;
    t::ClickHeading(*list, 1);
    EXPECT_EQ(Column(), (Rows{"9999", "1200", "4900", "4995", "0100"}));
    t::ClickHeading(*list, 1); // descending; the two Napoli rows keep their order
    EXPECT_EQ(Column(), (Rows{"0100", "4900", "4995", "1200", "9999"}));
    list->SetSortedColumn(0);
    list->Sort(); // the order the user chose last
    EXPECT_EQ(Column(), (Rows{"9999", "4995", "4900", "1200", "0100"}));
    EXPECT_EQ(w->sortColumns, (std::vector<int>{1, 1, 1}));
}

// What the handler fills covers its row's whole width and height and follows the row, not the item, when
// sorting moves the items; a selected row shows the selection instead.
TEST_F(ListboxTest, TheHandlersFillCoversItsRowAndSelectionFollowsTheItemWhenSorted) {
    for (const char* r : {"c", "a", "b"})
        list->AddRow(r);
    list->marked = 0;
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    const t::Rect first = t::ListRowRect(*list, 0);
    t::Click(*list, first.x + first.width * 3 / 4, first.y + first.height / 2);
    const Color selected = RightHalfAt(0), background = RightHalfAt(1);
    ASSERT_TRUE(selected != kMark && selected != background);
    list->SetSortedColumn(0);
    list->Sort();
    ASSERT_EQ(list->Cell(2, 0), "c");
    EXPECT_EQ(std::pair(RightHalfAt(2), RightHalfAt(1)), std::pair(selected, background));
    list->DeleteAllRows(); // the selection goes with the rows
    list->AddRow("d");
    const t::Rect r = t::ListRowRect(*list, 0);
    for (int x = r.x + r.width / 2; x < r.x + r.width; ++x)
        ASSERT_EQ(t::PixelAt(*list, x, r.y + r.height / 2), kMark) << "x " << x;
    for (int y = r.y; y < r.y + r.height; ++y)
        ASSERT_EQ(t::PixelAt(*list, r.x + r.width - 1, y), kMark) << "y " << y;
}

TEST_F(ListboxTest, AListHeldPastItsWindowHasNoRowsAndGoesQuietly) {
    list->AddRow("x");
    w = nullptr;
    t::CloseAllWindows(); // the window's widgets go; the list is still held
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_THROW(list->AddRow("y"), fw::NilObjectException);
    EXPECT_THROW(list->Cell(0, 0), fw::NilObjectException);
    list = nullptr;
}

TEST_F(ListboxTest, HeadingsInitialValueSelectionTypeAndTheirLimits) {
    fw::SetProperties(*list, Encode({Int("ColumnCount", 2), Bool("HasHeading", true),
                                     Str("InitialValue", "Code\tOffice\r0100\tAgrigento\n4900\tNapoli"),
                                     Int("SelectionType", 1)}));
    const t::ControlFacts f = t::Inspect(*list);
    EXPECT_TRUE(f.headingShown && f.columns == 2 && f.multipleSelection);
    EXPECT_EQ(Column(1), (Rows{"Agrigento", "Napoli"}));
    for (auto [name, value] : {std::pair{"ColumnCount", 0}, {"ColumnCount", 257}, {"SelectionType", 2}})
        EXPECT_THROW(fw::SetProperties(*list, Encode({Int(name, value)})), fw::OutOfBoundsException)
            << name << " " << value;
    for (const char* widths : {"10,abc", "150%"})
        EXPECT_THROW(list->SetColumnWidths(widths), fw::UnsupportedFormatException) << widths;
    list->SetInitialValue("Code\tOffice\tRegion"); // headings add columns; the rows are replaced
    EXPECT_EQ(std::pair(list->ColumnCount(), t::Inspect(*list).columns), std::pair(3, 3));
    EXPECT_EQ(list->ListCount(), 0);
}

} // namespace
