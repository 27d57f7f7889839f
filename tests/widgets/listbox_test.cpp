// The list: rows, sorting, headings and the class's own cell painting read back pixel by pixel.
#include "main_like.h"

#include "framework/testing/driver.h"

#include <gtest/gtest.h>

namespace {

using fw::Color;
using fw::Ref;
using testlists::kTint;
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

    // Every pixel of the row's right half (clear of its text) and the row's full height at its right edge.
    void ExpectRowColour(int row, Color expected) {
        const t::Rect r = t::ListRowRect(*list, row);
        for (int x = r.x + r.width / 2; x < r.x + r.width; ++x)
            ASSERT_EQ(t::PixelAt(*list, x, r.y + r.height / 2), expected) << "row " << row << " x " << x;
        for (int y = r.y; y < r.y + r.height; ++y)
            ASSERT_EQ(t::PixelAt(*list, r.x + r.width - 1, y), expected) << "row " << row << " y " << y;
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

TEST_F(ListboxTest, EvenRowsCarryTheTintOddRowsTheListsBackground) {
    for (const char* r : {"a", "b", "c", "d", "e"})
        list->AddRow(r);
    const Color background = Background();
    ASSERT_NE(background, kTint);
    for (int row = 0; row < 5; ++row)
        ExpectRowColour(row, row % 2 == 0 ? kTint : background);
}

TEST_F(ListboxTest, TheCellHandlerGetsRowColumnAndTheCellsSize) {
    struct Recording : ShadedList {
        bool Event_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t column) override {
            calls.push_back({row, column, g.Width(), g.Height()});
            kept = Ref<fw::Graphics>(&g);
            return false;
        }
        struct Call {
            int row, column, width, height;
        };
        std::vector<Call> calls;
        Ref<fw::Graphics> kept;
    };
    Ref<Recording> own = w->New<Recording>();
    own->Constructor();
    w->AddControl("Recorded", own);
    fw::SetProperties(*own, fw::PropertyStringWriter()
                                .Integer("Left", 10)
                                .Integer("Top", 10)
                                .Integer("Width", 120)
                                .Integer("Height", 80)
                                .Integer("ColumnCount", 2)
                                .String("ColumnWidths", "50")
                                .Bytes());
    own->AddRow("x");
    own->AddRow("y");
    t::PixelAt(*own, 1, 1);
    ASSERT_FALSE(own->calls.empty());
    bool sawRow1Column1 = false;
    for (const auto& c : own->calls) {
        EXPECT_TRUE(c.row == 0 || c.row == 1);
        EXPECT_EQ(c.width, c.column == 0 ? 50 : t::ListRowRect(*own, 0).width - 50);
        EXPECT_EQ(c.height, t::ListRowRect(*own, 0).height);
        sawRow1Column1 = sawRow1Column1 || (c.row == 1 && c.column == 1);
    }
    EXPECT_TRUE(sawRow1Column1);
    // A drawing context kept past its paint draws nowhere.
    ASSERT_TRUE(own->kept);
    EXPECT_THROW(own->kept->FillRect(0, 0, 1, 1), fw::NilObjectException);
    EXPECT_EQ(own->kept->Width(), own->calls.back().width);
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

TEST_F(ListboxTest, AClickOnAHeadingAsksSortColumnFirst) {
    list->SetHasHeading(true);
    for (const char* r : {"b", "c", "a"})
        list->AddRow(r);
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    w->sortAnswer = true; // the handler keeps the order
    t::ClickHeading(*list, 0);
    EXPECT_EQ(w->sortColumns, std::vector<int>{0});
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"b", "c", "a"}));
    w->sortAnswer = false;
    t::ClickHeading(*list, 0);
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"a", "b", "c"}));
    EXPECT_EQ(list->SortedColumn(), 0);
    t::ClickHeading(*list, 0); // again: the other way
    EXPECT_EQ(Rows(), (std::vector<fw::Text>{"c", "b", "a"}));
    EXPECT_EQ(w->sortColumns.size(), 3u);
}

TEST_F(ListboxTest, HeadingClicksSortTheirColumnStablyBothWays) {
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
    auto codes = [&] {
        std::vector<fw::Text> rows;
        for (int r = 0; r < list->ListCount(); ++r)
            rows.push_back(list->Cell(r, 0));
        return rows;
    };
    t::ClickHeading(*list, 1);
    EXPECT_EQ(codes(), (std::vector<fw::Text>{"9999", "1200", "4900", "4995", "0100"}));
    EXPECT_EQ(list->Cell(2, 1), "Napoli");
    t::ClickHeading(*list, 1); // descending; the two Napoli rows keep their order
    EXPECT_EQ(codes(), (std::vector<fw::Text>{"0100", "4900", "4995", "1200", "9999"}));
    EXPECT_EQ(list->SortedColumn(), 1);
    list->SetSortedColumn(0);
    list->Sort(); // the order the user chose last
    EXPECT_EQ(codes(), (std::vector<fw::Text>{"9999", "4995", "4900", "1200", "0100"}));
}

TEST_F(ListboxTest, ASelectedRowStaysSelectedWhereSortingMovesIt) {
    for (const char* r : {"c", "a", "b"})
        list->AddRow(r);
    ASSERT_TRUE(t::WaitForWindowActive(*w));
    auto middleOfRightHalf = [&](int row) {
        const t::Rect r = t::ListRowRect(*list, row);
        return t::PixelAt(*list, r.x + r.width * 3 / 4, r.y + r.height / 2);
    };
    const t::Rect first = t::ListRowRect(*list, 0);
    t::Click(*list, first.x + first.width * 3 / 4, first.y + first.height / 2);
    const Color selected = middleOfRightHalf(0);
    const Color background = Background();
    ASSERT_NE(selected, kTint);
    ASSERT_NE(selected, background);
    list->SetSortedColumn(0);
    list->Sort();
    ASSERT_EQ(list->Cell(2, 0), "c");
    EXPECT_EQ(middleOfRightHalf(2), selected);
    EXPECT_EQ(middleOfRightHalf(0), kTint);
    EXPECT_EQ(middleOfRightHalf(1), background);
    list->DeleteAllRows(); // the selection goes with the rows
    list->AddRow("d");
    EXPECT_EQ(middleOfRightHalf(0), kTint);
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
