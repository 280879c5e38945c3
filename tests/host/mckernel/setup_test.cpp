#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "host/mckernel/parameter.h"
#include "host/mckernel/setup.h"

namespace {

std::string Load(const std::string& json, CMC_Setup& setup) {
    CString error;
    return setup.LoadJson(json, "drive.json", error) ? std::string() : error.str();
}

}  // namespace

TEST(DriveSetup, BuiltInDefaultDriveIsTheShippedExampleFile) {
    const CMC_Setup& drive = CMC_Setup::Default();
    CMC_Setup file;
    CString error;
    ASSERT_TRUE(file.LoadFile(KRX_SOURCE_DIR "/examples/default-drive.json", error)) << error.GetString();

    for (const CMC_Setup* s : {&drive, const_cast<const CMC_Setup*>(&file)}) {
        ASSERT_EQ(s->GetInterruptsCount(), 8);
        int bit = 0;
        for (const char* name :
             {"Software protection", "Capture", "Limit Switch Positive", "Limit Switch Negative", "Time"})
            EXPECT_EQ(s->FindInterrupt(name), bit++) << name;
        EXPECT_EQ(std::make_tuple(s->GetSwProtectionsCount(), s->GetSwProtectionsMask(), s->GetIntOption("isLSP"),
                                  s->GetIntOption("isLSN"), s->GetIntOption("isIndex"), s->GetIntOption("isIndex2")),
                  std::make_tuple(5, DWORD{0x1F}, 1, -1, 1, 0));
        EXPECT_NE(s->FindVariable("KRXINTPER", 1), nullptr);
        CMC_Parameter period(*s);
        EXPECT_EQ(period.PrintValue(), "1");
        EXPECT_EQ(period.GetSelectedUnit(), "ms");
        ASSERT_TRUE(period.SetTicks(8));
        EXPECT_EQ(period.PrintValueForKRX(), "8");
        EXPECT_EQ(period.PrintValue(), "2");
    }
}

TEST(DriveSetup, LookupsAreExactAndAbsentOnesAreNegativeOrNull) {
    CMC_Setup s;
    ASSERT_EQ(Load(R"({"interrupts": ["Time", "LSP", "Time"], "variables": ["KrxIntPer"]})", s), "");
    EXPECT_EQ(s.FindInterrupt("Time"), 0);  // the first of equal captions
    EXPECT_EQ(s.FindInterrupt("time"), -1);
    EXPECT_EQ(s.FindInterrupt("LS"), -1);
    EXPECT_EQ(s.FindInterrupt(nullptr), -1);
    EXPECT_EQ(s.GetInterruptDescription(7), "");
    EXPECT_EQ(s.GetIntOption("isLSP"), 0);
    EXPECT_EQ(s.FindVariable("KRXINTPER", 1), nullptr);
    EXPECT_NE(s.FindVariable("KRXINTPER", 0), nullptr);
}

TEST(DriveSetup, ProtectionsMaskDefaultsToEveryDescribedProtection) {
    CMC_Setup s;
    ASSERT_EQ(Load(R"({"swProtections": ["a", "b", "c"]})", s), "");
    EXPECT_EQ(s.GetSwProtectionsMask(), 0x7u);
    ASSERT_EQ(Load(R"({"swProtections": ["a", "b", "c"], "swProtectionsMask": "0x5"})", s), "");
    EXPECT_EQ(s.GetSwProtectionsMask(), 0x5u);
    ASSERT_EQ(Load(R"({"swProtectionsMask": 4294967295})", s), "");
    EXPECT_EQ(s.GetSwProtectionsMask(), 0xFFFFFFFFu);
    std::string many = R"({"swProtections": [)";
    for (int i = 0; i < 40; ++i) many += (i ? ",\"p" : "\"p") + std::to_string(i) + "\"";
    ASSERT_EQ(Load(many + "]}", s), "");
    EXPECT_EQ(s.GetSwProtectionsMask(), 0xFFFFFFFFu);
}

TEST(DriveSetup, ErrorsNameTheFileAndTheMemberAndKeepTheSetup) {
    struct Case {
        const char* json;
        const char* error;
    };
    const Case cases[] = {
        {R"([1, 2])", "drive.json: the drive setup must be a JSON object"},
        {R"({"interrupts": "Time"})", "drive.json: member \"interrupts\" must be an array of texts"},
        {R"({"interrupts": ["Time", 3]})", "drive.json: member \"interrupts\" must be an array of texts"},
        {R"({"swProtections": {}})", "drive.json: member \"swProtections\" must be an array of texts"},
        {R"({"swProtectionsMask": -1})",
         "drive.json: member \"swProtectionsMask\" must be a number from 0 to 4294967295 or a text \"0x\" and 1 "
         "to 8 hexadecimal digits"},
        {R"({"swProtectionsMask": "0x123456789"})",
         "drive.json: member \"swProtectionsMask\" must be a number from 0 to 4294967295 or a text \"0x\" and 1 "
         "to 8 hexadecimal digits"},
        {R"({"swProtectionsMask": 4294967296})", "drive.json: member \"swProtectionsMask\" must be a 32-bit mask"},
        {R"({"intOptions": [1]})", "drive.json: member \"intOptions\" must be an object of names to integers"},
        {R"({"intOptions": {"isLSP": 1.5}})", "drive.json: member \"intOptions.isLSP\" must be an integer"},
        {R"({"intOptions": {"isLSP": 3000000000}})",
         "drive.json: member \"intOptions.isLSP\" must be an integer within 32 bits"},
        {R"({"variables": [null]})", "drive.json: member \"variables\" must be an array of texts"},
        {R"({"period": "1 ms"})", "drive.json: member \"period\" must be an object with the texts \"tick\" and "
                                  "\"default\""},
        {R"({"period": {"tick": "0.25 h"}})",
         "drive.json: member \"period.tick\" must be a time such as \"0.25 ms\" (units s, ms, us, ns)"},
        {R"({"period": {"tick": "0 ms"}})", "drive.json: member \"period.tick\" must be a time from 1 ns to 1000 s"},
        {R"({"period": {"tick": "1 ms", "default": "0.1 ms"}})",
         "drive.json: member \"period.default\" must be a period such as \"1 ms\" (units s, ms, ticks) of 1 to "
         "65535 ticks"},
        {R"({"name": 5})", "drive.json: member \"name\" must be a text"},
    };
    for (const Case& c : cases) {
        CMC_Setup s;
        s.AddInterrupt("kept");
        EXPECT_EQ(Load(c.json, s), c.error) << c.json;
        EXPECT_EQ(s.GetInterruptsCount(), 1) << c.json;
    }
    CMC_Setup s;
    std::string error = Load("{\"interrupts\": [\n", s);
    EXPECT_EQ(error.rfind("drive.json: not valid JSON: parse error at line 2", 0), 0u) << error;
}

TEST(DriveSetup, UnknownMembersAreIgnoredAndPeriodDefaultsApply) {
    CMC_Setup s;
    ASSERT_EQ(Load(R"({"future": {"x": 1}, "period": {"tick": "100 us", "default": "12 ticks"}})", s), "");
    CMC_Parameter p(s);
    EXPECT_EQ(p.GetTicks(), 12);
    EXPECT_EQ(p.GetSelectedUnit(), "ticks");
    EXPECT_EQ(p.PrintValue(), "12");
    ASSERT_TRUE(p.SelectUnit(CMC_UnitMilliseconds));
    EXPECT_EQ(p.PrintValue(), "1.2");
    CMC_Setup bare;
    ASSERT_EQ(Load("{}", bare), "");
    EXPECT_EQ(CMC_Parameter(bare).PrintValue(), "1");
    EXPECT_EQ(CMC_Parameter(bare).GetSelectedUnit(), "ms");
}
