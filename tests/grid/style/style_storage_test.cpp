// Where a style keeps what it holds: a short value in the style itself, a longer one in a heap
// block, the less common attributes in a side block made on first use. Whatever the form, the
// style must read, copy, combine and store the same.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/style/style.h"
#include "support/archive_bytes.h"

using namespace test_archive;

namespace {
// Values on both sides of the longest one held in the style (11 characters).
const std::string kShort = "12.5";
const std::string kLongestShort = "abcdefghijk";
const std::string kShortestLong = "abcdefghijkl";
const std::string kLong = "a value far too long to live inside the style object";

CGXStyle WithValue(const std::string& v) {
    CGXStyle s;
    s.SetValue(v.c_str());
    return s;
}

void ExpectValue(const CGXStyle& s, const std::string& v) {
    EXPECT_EQ(s.GetValue().str(), v);
    EXPECT_EQ(s.GetValue().GetLength(), static_cast<int>(v.size()));
    EXPECT_EQ(s.GetValue().GetString()[v.size()], '\0');
}
}  // namespace

TEST(StyleValueStorage, ValuesCrossingTheInlineLimitReadBackWhateverCameBefore) {
    const std::string values[] = {"", kShort, kLongestShort, kShortestLong, kLong, "", kLong, kShort, kLongestShort};
    for (const std::string& before : values) {
        for (const std::string& after : values) {
            CGXStyle s = WithValue(before);
            s.SetValue(after.c_str());
            ExpectValue(s, after);
        }
    }
}

TEST(StyleValueStorage, AValueTakenFromItselfSurvives) {
    for (const std::string& v : {kShort, kLongestShort, kShortestLong, kLong}) {
        CGXStyle s = WithValue(v);
        s.SetValue(s.GetValue());
        ExpectValue(s, v);
        s.SetValue(s.GetValue().Mid(1));  // the text lies inside the buffer being replaced
        ExpectValue(s, v.substr(1));
        s.ChangeStyle(s, ModifyMode::Override);
        ExpectValue(s, v.substr(1));
    }
}

TEST(StyleValueStorage, CopiesKeepTheirValueWhenTheSourceChangesOrGoes) {
    for (const std::string& v : {kShort, kLongestShort, kShortestLong, kLong}) {
        for (const std::string& other : {kShort, kLong}) {
            auto pSource = std::make_unique<CGXStyle>(WithValue(v));
            CGXStyle copied(*pSource);
            CGXStyle assigned = WithValue(other);
            assigned = *pSource;
            CGXStyle overridden = WithValue(other);
            overridden.ChangeStyle(*pSource, ModifyMode::Override);
            std::unique_ptr<CGXStyle> pClone(pSource->Clone());
            pSource->SetValue(other.c_str());
            pSource.reset();
            for (const CGXStyle* p : {&copied, &assigned, &overridden, pClone.get()}) ExpectValue(*p, v);
        }
    }
}

TEST(StyleValueStorage, ExcludeTheIncludeFlagAndFreeEmptyAValueOfEitherForm) {
    for (const std::string& v : {kShort, kLong}) {
        CGXStyle excluded = WithValue(v), cleared = WithValue(v), freed = WithValue(v);
        excluded.ChangeStyle(WithValue("x"), ModifyMode::Exclude);
        cleared.SetIncludeValue(false);
        freed.Free();
        for (const CGXStyle* p : {&excluded, &cleared, &freed}) ExpectValue(*p, "");
    }
}

TEST(StyleValueStorage, TheArchiveFormDoesNotDependOnWhereTheValueLives) {
    struct Case {
        std::string value;
        Bytes record;
    };
    const Case cases[] = {
        {kShort, Hex("0300 00040000 04'12.5' 0000 0000")},
        {kShortestLong, Hex("0300 00040000 0C'abcdefghijkl' 0000 0000")},
    };
    for (const Case& c : cases) {
        CGXStyle s = WithValue(c.value);
        EXPECT_EQ(Store([&](CArchive& ar) { s.Serialize(ar, nullptr); }), c.record) << c.value;
        for (const std::string& before : {kShort, kLong}) {
            CGXStyle read = WithValue(before);
            Load(c.record, [&](CArchive& ar) { read.Serialize(ar, nullptr); });
            ExpectValue(read, c.value);
            EXPECT_TRUE(read.IsSubSet(s) && s.IsSubSet(read));
        }
    }
}

TEST(StyleSideAttributes, WithoutASideBlockTheyReadAsANewStyles) {
    const CGXStyle fresh;
    CGXStyle s = WithValue(kShort);
    s.SetIncludeInterior(true).SetIncludeHorizontalAlignment(true).SetIncludeChoicesList(true);
    EXPECT_TRUE(s.GetInterior() == fresh.GetInterior());
    EXPECT_EQ(s.GetHorizontalAlignment(), 0u);
    EXPECT_TRUE(s.GetChoicesList().IsEmpty());

    // Taking them from such a style gives this style a new style's values, also where it had its own.
    CGXStyle target;
    target.SetInterior(RGB(1, 2, 3)).SetHorizontalAlignment(2).SetChoicesList("a").SetAppData(7);
    CGXStyle overridden(target);
    overridden.ChangeStyle(s, ModifyMode::Override);
    EXPECT_TRUE(overridden.GetInterior() == fresh.GetInterior());
    EXPECT_EQ(overridden.GetHorizontalAlignment(), 0u);
    EXPECT_TRUE(overridden.GetChoicesList().IsEmpty());
    EXPECT_EQ(overridden.GetAppData(), 7u);  // not included in the source: kept
    CGXStyle assigned(target);
    assigned.Assign(s);
    EXPECT_TRUE(assigned.GetInterior() == fresh.GetInterior());
    EXPECT_EQ(assigned.GetAppData(), 0u);
    EXPECT_TRUE(assigned.IsSubSet(s) && s.IsSubSet(assigned));
}

TEST(StyleSideAttributes, FreeKeepsThePlainValuesAndCopiesCarryThem) {
    CGXStyle s;
    s.SetInterior(RGB(4, 5, 6)).SetMaxLength(9).SetAppData(1).SetChoicesList("c").SetFont(CGXFont().SetBold(true));
    s.Free();
    const CGXStyle copy(s);
    for (const CGXStyle* p : {static_cast<const CGXStyle*>(&s), &copy}) {
        EXPECT_TRUE(p->IsEmpty());
        EXPECT_EQ(p->GetInterior().GetColorNA(), RGB(4, 5, 6));
        EXPECT_EQ(p->GetMaxLength(), 9);
        EXPECT_EQ(p->GetAppData(), 0u);
        EXPECT_TRUE(p->GetChoicesList().IsEmpty());
        EXPECT_EQ(p->GetFont(), nullptr);
    }
}
