// The list: rows, sorting, headings and the class-wide cell handler, read back pixel by pixel.
#include "main_like.h"

#include "framework/testing/driver.h"

#include <gtest/gtest.h>

namespace {

using fw::Color;
using fw::Ref;
using testlists::kMark;
using testlists::ShadedList;
using testwindows::MainLike;
using testwindows::OpenMainLike;
namespace t = fw::testing;

class ListboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        w = OpenMainLike();
        list = w->ControlNamed<ShadedList>("ARListBox1");
    }
    void TearDown() override { t::CloseAllWindows(); }

    std::vector<fw::Text> Rows() const {
        std::vector<fw::Text> rows;
        for (int r = 0; r < list->ListCount(); ++r)
            rows.push_back(list->Cell(r, 0));
        return rows;
    }

    Color RightHalfAt(int row) {
        const t::Rect r = t::ListRowRect(*list, row);
        return t::PixelAt(*list, r.x + r.width * 3 / 4, r.y + r.height / 2);
    }

    // The list's own background: below the last row.
    Color Background() {
        const t::Rect last = t::ListRowRect(*list, list->ListCount() - 1);
        return t::PixelAt(*list, last.x + last.width - 2, last.y + last.height + 4);
    }

    Ref<MainLike> w;
    Ref<ShadedList> list;
};

TEST_F(ListboxTest, RowsCellsAndDeleting) {
    EXPECT_EQ(list->ListCount(), 0);
    list->AddRow("1200 Bergamo");
    list->AddRow("");
    list->AddRow("tab\tinside and blanks  ");
    EXPECT_EQ(list->ListCount(), 3);
    EXPECT_EQ(list->Cell(0, 0), "1200 Bergamo");
    EXPECT_EQ(list->Cell(2, 0), "tab\tinside and blanks  ");
    for (auto [row, column] : {std::pair{3, 0}, {-1, 0}, {0, 1}, {0, -1}})
        EXPECT_THROW(list->Cell(row, column), fw::OutOfBoundsException) << row << "," << column;
    list->DeleteAllRows();
    EXPECT_EQ(list->ListCount(), 0);
    list->DeleteAllRows();
    EXPECT_EQ(list->ListCount(), 0);
}

TEST_F(ListboxTest, SortIsAscendingOnTheSortedColumn) {
    for (const char* r : {"4995 Roma", "4900 Napoli", "4927 Milano", "0100 Agrigento", "4900 Napoli"})
        list->AddRow(r);
    EXPECT_EQ(list->SortedColumn(), -1);
    list->Sort(); // no sorted column: nothing moves
    EXPECT_EQ(list->Cell(0, 0), "4995 Roma");
    list->SetSortedColumn(0);
    list->Sort();
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"0100 Agrigento", "4900 Napoli", "4900 Napoli", "4927 Milano",
                                             "4995 Roma"}));
    EXPECT_THROW(list->SetSortedColumn(1), fw::OutOfBoundsException);
    EXPECT_THROW(list->SetSortedColumn(-2), fw::OutOfBoundsException);
    EXPECT_EQ(list->SortedColumn(), 0);
}

TEST_F(ListboxTest, TheCellHandlerGetsRowColumnAndTheCellsSizeAndItsContextDiesWithThePaint) {
    fw::SetProperties(
        *list, fw::PropertyStringWriter().Integer("ColumnCount", 2).String("ColumnWidths", "50").Bytes());
    list->AddRow("x");
    list->AddRow("y");
    t::PixelAt(*list, 1, 1);
    const t::Rect row = t::ListRowRect(*list, 0);
    bool sawRow1Column1 = false;
    for (const auto& c : list->calls) {
        EXPECT_TRUE(c.row == 0 || c.row == 1);
        EXPECT_EQ(c.width, c.column == 0 ? 50 : row.width - 50);
        EXPECT_EQ(c.height, row.height);
        sawRow1Column1 = sawRow1Column1 || (c.row == 1 && c.column == 1);
    }
    EXPECT_TRUE(sawRow1Column1);
    ASSERT_TRUE(list->kept);
    EXPECT_THROW(list->kept->FillRect(0, 0, 1, 1), fw::NilObjectException);
    EXPECT_EQ(list->kept->Width(), list->calls.back().width);
}

TEST_F(ListboxTest, AFailingCellHandlerLeavesTheListPaintable) {
    struct Failing : ShadedList {
        bool Event_CellBackgroundPaint(fw::Graphics&, std::int32_t, std::int32_t) override {
            if (fail)
                throw fw::NilObjectException("no drawing context");
            return false;
        }
        bool fail = true;
    };
    Ref<Failing> own = w->New<Failing>();
    own->Constructor();
    w->AddControl("Failing", own);
    own->AddRow("x");
    EXPECT_THROW(t::PixelAt(*own, 1, 1), fw::NilObjectException);
    own->fail = false;
    EXPECT_NO_THROW(t::PixelAt(*own, 1, 1)); // the painter was left in order
}

TEST_F(ListboxTest, HeadingClicksAskSortColumnFirstThenSortTheirColumnStablyBothWays) {
    fw::SetProperties(*list,
                      fw::PropertyStringWriter()
                          .Integer("ColumnCount", 2)
                          .String("ColumnWidths", "60,*")
                          .Boolean("HasHeading", true)
                          .String("InitialValue", "Code\tOffice\r4900\tNapoli\n0100\tRoma\n4995\tNapoli\n"
                                                  "1200\tBergamo")
                          .Bytes());
    list->AddRow("9999"); // no office: sorts as an empty text
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    w->sortAnswer = true; // the handler, asked first, keeps the order
    t::ClickHeading(*list, 1);
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"4900", "0100", "4995", "1200", "9999"}));
    w->sortAnswer = false;
    t::ClickHeading(*list, 1);
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"9999", "1200", "4900", "4995", "0100"}));
    EXPECT_EQ(list->Cell(2, 1), "Napoli");
    t::ClickHeading(*list, 1); // descending; the two Napoli rows keep their order
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"0100", "4900", "4995", "1200", "9999"}));
    EXPECT_EQ(list->SortedColumn(), 1);
    list->SetSortedColumn(0);
    list->Sort(); // the order the user chose last
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"9999", "4995", "4900", "1200", "0100"}));
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
    const Color selected = RightHalfAt(0);
    const Color background = Background();
    ASSERT_NE(selected, kMark);
    ASSERT_NE(selected, background);
    list->SetSortedColumn(0);
    list->Sort();
    ASSERT_EQ(list->Cell(2, 0), "c");
    EXPECT_EQ(RightHalfAt(2), selected);
    EXPECT_EQ(RightHalfAt(1), background);
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

TEST_F(ListboxTest, HeadingsInitialValueAndSelectionType) {
    fw::SetProperties(*list, fw::PropertyStringWriter()
                                 .Integer("ColumnCount", 2)
                                 .Boolean("HasHeading", true)
                                 .String("InitialValue", "Code\tOffice\r0100\tAgrigento\n4900\tNapoli")
                                 .Integer("SelectionType", 1)
                                 .Bytes());
    const t::ControlFacts f = t::Inspect(*list);
    EXPECT_TRUE(f.headingShown);
    EXPECT_EQ(f.columns, 2);
    EXPECT_TRUE(f.multipleSelection);
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(1, 1), "Napoli");

    // Values the list cannot take are refused, and the string with them changes nothing.
    for (auto [name, value] : {std::pair{"ColumnCount", 0}, {"ColumnCount", 257}, {"SelectionType", 2}}) {
        const std::string s =
            fw::PropertyStringWriter().Boolean("HasHeading", false).Integer(name, value).Bytes();
        EXPECT_THROW(fw::SetProperties(*list, s), fw::OutOfBoundsException) << name << " " << value;
        EXPECT_TRUE(list->HasHeading());
        EXPECT_EQ(list->ColumnCount(), 2);
    }
    EXPECT_THROW(list->SetColumnWidths("10,abc"), fw::UnsupportedFormatException);
    EXPECT_THROW(list->SetColumnWidths("150%"), fw::UnsupportedFormatException);

    // A string refused after its InitialValue leaves the rows as they were.
    EXPECT_THROW(fw::SetProperties(*list, fw::PropertyStringWriter()
                                              .String("InitialValue", "Code\tOffice\ra\tb\nc\td\ne\tf")
                                              .String("InitialParent", "Nope")
                                              .Bytes()),
                 fw::NilObjectException);
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(1, 1), "Napoli");

    // Headings beyond the columns add columns; the initial value replaces the rows.
    list->SetInitialValue("Code\tOffice\tRegion");
    EXPECT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(t::Inspect(*list).columns, 3);
    EXPECT_EQ(list->ListCount(), 0);
}

} // namespace
