#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/mckernel/internal_data.h"
#include "host/mckernel/parameter_text.h"
#include "host/mckernel/read_log.h"

using Data = CMC_EditMotionInternalData;

namespace {

std::vector<std::string> Keys(std::string_view text) {
    std::vector<std::string> keys;
    for (const CMC_TextEntry& e : CMC_ParseParameterText(text)) keys.emplace_back(e.wellFormed ? e.key : "<bad>");
    return keys;
}

CMC_Setup QuarterMillisecondDrive() {
    CMC_Setup setup;
    setup.SetPeriodDefinition({250000, 4, CMC_UnitMilliseconds});  // tick 0.25 ms, default 1 ms
    return setup;
}

}  // namespace

TEST(ParameterTextSyntax, EntriesWithWhiteSpaceEmptyEntriesAndAMissingLastSemicolon) {
    EXPECT_EQ(Keys(" A = 1 ;;\tB=2;  ; C=3"), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Keys("noequals; =5; K=;"), (std::vector<std::string>{"<bad>", "<bad>", "K"}));
    EXPECT_TRUE(Keys("  ;; \r\n").empty());
    auto entries = CMC_ParseParameterText("Key = two words ;");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, "two words");
    EXPECT_EQ(entries[0].whole, "Key = two words");
}

TEST(ParameterTextSyntax, KeysAreCaseSensitiveAndTheFirstEntryCounts) {
    std::string_view value;
    ASSERT_TRUE(CMC_FindEntry("mask=1;\tMask = 2 ;Mask=3;", "Mask", value));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(CMC_FindEntry("mask=1;", "Mask", value));
    // A key is never found inside another key or a value.
    EXPECT_FALSE(CMC_FindEntry("XMask=1;MaskX=1;A=Mask=2;", "Mask", value));
}

TEST(ParameterTextValues, RadioAndHexadecimalValuesAreStrictAndBadOnesChangeNothing) {
    int n = 0;
    EXPECT_TRUE(CMC_ParseRadioValue("-12", n));
    EXPECT_EQ(n, -12);
    EXPECT_TRUE(CMC_ParseRadioValue("+7", n));
    EXPECT_EQ(n, 7);
    for (const char* bad : {"", "1.5", "0x1", "1a", "+-1", "++1", "-", "99999999999"}) {
        EXPECT_FALSE(CMC_ParseRadioValue(bad, n)) << bad;
        EXPECT_EQ(n, 7) << bad;
    }
    DWORD x = 0;
    EXPECT_TRUE(CMC_ParseHexaValue("0x1f", x));
    EXPECT_EQ(x, 0x1Fu);
    EXPECT_TRUE(CMC_ParseHexaValue("0XFFFFFFFF", x));
    EXPECT_EQ(x, 0xFFFFFFFFu);
    for (const char* bad : {"", "0x", "1F", "0x123456789", "0x-1", "0x1G", "0x 1", "x1"}) {
        EXPECT_FALSE(CMC_ParseHexaValue(bad, x)) << bad;
        EXPECT_EQ(x, 0xFFFFFFFFu) << bad;
    }
}

TEST(ParameterTextRead, AbsentBadAndOutOfBoundsValuesLeaveTheValueUnchanged) {
    const struct {
        const char* text;
        int expected;  // from 1, within 0 to 2
    } radios[] = {{"", 1}, {"R=abc;", 1}, {"R=3;", 1}, {"R=-1;", 1}, {"R= 2 ;", 2}};
    for (const auto& c : radios) {
        int radio = 1;
        Data::ReadOptionalRadioParam(c.text, "R", radio, 0, 2);
        EXPECT_EQ(radio, c.expected) << c.text;
    }
    int radio = 1;
    Data::ReadOptionalRadioParam("R=0;", nullptr, radio, 0, 2);
    EXPECT_EQ(radio, 1);
    DWORD hexa = 7;
    Data::ReadOptionalHexaParam("H=0x10;", "H", hexa, 0, 0xF);
    EXPECT_EQ(hexa, 7u);
    Data::ReadOptionalHexaParam("H=16;", "H", hexa, 0, 0xFFFFFFFF);
    EXPECT_EQ(hexa, 7u);
    Data::ReadOptionalHexaParam("H=0xffffffff;", "H", hexa, 0, 0xFFFFFFFF);
    EXPECT_EQ(hexa, 0xFFFFFFFFu);
}

// Periods round to the nearest tick (a half rounds up) within 1 to 65535 ticks; a number without
// a unit is in the unit selected before.
TEST(ParameterTextRead, PeriodsInEachUnitAndTheirErrors) {
    CMC_Setup setup = QuarterMillisecondDrive();
    CMC_Parameter period(setup);
    EXPECT_EQ(Data::ReadOptionalDataParam("", "P", nullptr, nullptr, period, 0), "");
    EXPECT_EQ(period.GetTicks(), 4);
    EXPECT_EQ(period.GetKey(), "P");
    const struct {
        const char* text;
        int ticks;
        const char* unit;
    } good[] = {
        {"P=2 ms;", 8, "ms"},          {"P=0.5;", 2, "ms"},           {"P=0.003s;", 12, "s"},
        {"P=.5;", 2000, "s"},          {"P=5 ticks;", 5, "ticks"},    {"P=0.3 ms;", 1, "ms"},
        {"P=0.125 ms;", 1, "ms"},      {"P=2ms;", 8, "ms"},           {"P=65535.4 ticks;", 65535, "ticks"},
    };
    for (const auto& c : good) {
        EXPECT_EQ(Data::ReadOptionalDataParam(c.text, "P", nullptr, nullptr, period, 0), "") << c.text;
        EXPECT_EQ(period.GetTicks(), c.ticks) << c.text;
        EXPECT_EQ(period.GetSelectedUnit(), c.unit) << c.text;
    }

    const CMC_Parameter before = period;
    const std::string huge = "1" + std::string(400, '0') + " ticks", tiny = "0." + std::string(400, '0') + "1";
    const std::string longer = "\" is longer than 65535 ticks (16383.75 ms)";
    std::vector<std::pair<std::string, std::string>> bad = {
        {"2 h", "\"2 h\" has an unknown unit (the units are s, ms and ticks)"},
        {"1 MS", "\"1 MS\" has an unknown unit (the units are s, ms and ticks)"},
        {"0.1 ms", "\"0.1 ms\" is shorter than one tick (0.25 ms)"},
        {"0.12 ms", "\"0.12 ms\" is shorter than one tick (0.25 ms)"},
        {"-1", "\"-1\" is shorter than one tick (0.25 ms)"},
        {"65535.5 ticks", "\"65535.5 ticks" + longer},
        {"100000000000000000000000000000 s", "\"100000000000000000000000000000 s" + longer},
    };
    for (const char* text : {"abc", "1e3 ms", "", ".", "ms", "1..2", "1 2", "nan", "inf", "0x10", "1,5"})
        bad.push_back({text, std::string("\"").append(text).append("\" is not a number")});
    for (const auto& [value, error] : bad) {
        const std::string text = "P=" + value + ";";
        EXPECT_EQ(std::string(Data::ReadOptionalDataParam(text.c_str(), "P", nullptr, nullptr, period, 0)),
                  "P: " + error)
            << text;
        EXPECT_TRUE(period == before) << text;
    }
    // Beyond any double, and too small to tell from zero: the messages quote only an excerpt.
    CString error = Data::ReadOptionalDataParam(("P=" + huge + ";").c_str(), "P", nullptr, nullptr, period, 0);
    EXPECT_NE(error.Find("longer than"), -1);
    error = Data::ReadOptionalDataParam(("P=" + tiny + ";").c_str(), "P", nullptr, nullptr, period, 0);
    EXPECT_NE(error.Find("shorter than"), -1);
    // Optional bounds narrow the range.
    error = Data::ReadOptionalDataParam("P=10 ms;", "P", "1 ms", "5 ms", period, 0);
    EXPECT_EQ(error, "P: \"10 ms\" is outside 1 to 5 ms");
    EXPECT_TRUE(period == before);
}

// That the written forms read back is the fuzz target's check, on every text it reads.
TEST(ParameterTextWrite, WrittenForms) {
    CMC_Setup setup = QuarterMillisecondDrive();
    CMC_Parameter period(setup);
    period.SetKey("P");
    ASSERT_TRUE(period.SetTicks(9));
    CString text;
    Data::WriteRadioParam(text, "R", -3);
    Data::WriteHexaParam(text, "H", 0xabcU);
    Data::WriteDataParam(text, period);
    EXPECT_EQ(text, "R=-3;H=0x00000ABC;P=2.25 ms;");
    // A parameter that was never read has no key to be written under.
    CString none;
    Data::WriteDataParam(none, CMC_Parameter(setup));
    EXPECT_TRUE(none.IsEmpty());
}

TEST(ParameterTextReadLog, ReportsEveryEntryThatWasNotTaken) {
    CMC_ReadLog log;
    const CString text = "A=1; B=x; C=9; A=2; junk; D=1; E=0x1;";
    int a = 0, b = 0, c = 0;
    DWORD e = 0;
    Data::ReadOptionalRadioParam(text, "A", a, 0, 5);
    Data::ReadOptionalRadioParam(text, "B", b, 0, 5);
    Data::ReadOptionalRadioParam(text, "C", c, 0, 5);
    Data::ReadOptionalHexaParam(text, "E", e, 0, 0xFFFFFFFF);
    std::vector<CString> warnings = log.Warnings(text.view());
    std::vector<std::string> got;
    for (const CString& w : warnings) got.push_back(w.str());
    EXPECT_EQ(got, (std::vector<std::string>{
                       "\"B=x\": not a number, ignored",
                       "\"C=9\": out of bounds, ignored",
                       "\"A=2\": repeated key (the first one counts), ignored",
                       "\"junk\": not an entry Key=Value, ignored",
                       "\"D=1\": unknown key, ignored",
                   }));
    log.Clear();
    EXPECT_EQ(log.Warnings("A=1;").size(), 1u);  // after Clear nothing was asked for
}
