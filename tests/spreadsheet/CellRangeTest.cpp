#include "spreadsheet/CellRange.h"
#include "core/Error.h"

#include <gtest/gtest.h>

using namespace spreadsheet;

TEST(CellRange, ParsesTheAddressFormsExcelTakes) {
    EXPECT_EQ(parseAddress(u"B2"), CellRange::cell(2, 2));
    EXPECT_EQ(parseAddress(u"B2:F2"), (CellRange{2, 2, 2, 6}));
    EXPECT_EQ(parseAddress(u"$B$2:$F$3"), (CellRange{2, 2, 3, 6}));
    EXPECT_EQ(parseAddress(u"f3:b2"), (CellRange{2, 2, 3, 6})); // corners in any order
    EXPECT_EQ(parseAddress(u"A:A"), (CellRange{1, 1, kMaxRows, 1}));
    EXPECT_EQ(parseAddress(u"B:F"), (CellRange{1, 2, kMaxRows, 6}));
    EXPECT_EQ(parseAddress(u"3:5"), (CellRange{3, 1, 5, kMaxColumns}));
    EXPECT_EQ(parseAddress(u"IV65536"), CellRange::cell(kMaxRows, kMaxColumns));
}

TEST(CellRange, RefusesAddressesOffTheSheetOrMalformed) {
    for (const char16_t* bad : {u"", u"A0", u"IW1", u"A65537", u"B2:", u":B2", u"A", u"2", u"B2:C", u"A1:B2:C3", u"1A",
                                u"AAAA1", u"A99999999", u"B$", u"Ä1", u"B2:IW1", u"B2:A0", u"IW1:B2", u"A0:B2", u"B:IW", u"0:5"}) {
        EXPECT_THROW(parseAddress(bad), core::Error) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(CellRange, NamesColumnsAndAddresses) {
    EXPECT_EQ(columnName(1), QStringLiteral("A"));
    EXPECT_EQ(columnName(26), QStringLiteral("Z"));
    EXPECT_EQ(columnName(27), QStringLiteral("AA"));
    EXPECT_EQ(columnName(256), QStringLiteral("IV"));
    EXPECT_EQ(addressText({2, 2, 2, 6}), QStringLiteral("B2:F2"));
    EXPECT_EQ(addressText(CellRange::cell(8, 4)), QStringLiteral("D8"));
}
