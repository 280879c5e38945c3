// The archive's byte format, and its defence against damaged data.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/framework/archive.h"
#include "support/archive_bytes.h"

namespace {
using test_archive::Bytes;
using test_archive::CauseOf;
using test_archive::Load;
using test_archive::Store;

// A small serialisable class for object references: one WORD member.
class CFoo : public CObject {
    DECLARE_SERIAL(CFoo)
public:
    WORD m_w = 0;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) ar << m_w;
        else ar >> m_w;
    }
};
IMPLEMENT_SERIAL(CFoo, CObject, 1)

// Holds a reference to another object: shows nested indices and self references.
class CNode : public CObject {
    DECLARE_SERIAL(CNode)
public:
    CObject* m_pNext = nullptr;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) ar << m_pNext;
        else m_pNext = ar.ReadObject(nullptr);
    }
};
IMPLEMENT_SERIAL(CNode, CObject, 0)

class CNotStored : public CObject {
    DECLARE_DYNCREATE(CNotStored)
};
IMPLEMENT_DYNCREATE(CNotStored, CObject)

}  // namespace

TEST(ArchivePrimitives, AreLittleEndianWithoutPadding) {
    Bytes b = Store([](CArchive& ar) {
        ar << static_cast<BYTE>(0x01) << static_cast<WORD>(0x0302) << static_cast<DWORD>(0x07060504)
           << static_cast<LONG>(-2) << true << 1.0f << static_cast<LONGLONG>(-1);
    });
    Bytes expected = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xFE, 0xFF, 0xFF, 0xFF, 0x01,
                      0x00, 0x00, 0x80, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(b, expected);
    Load(b, [](CArchive& ar) {
        BYTE by; WORD w; DWORD dw; LONG l; bool f; float x; LONGLONG q;
        ar >> by >> w >> dw >> l >> f >> x >> q;
        EXPECT_EQ(by, 1); EXPECT_EQ(w, 0x0302); EXPECT_EQ(dw, 0x07060504u); EXPECT_EQ(l, -2);
        EXPECT_TRUE(f); EXPECT_EQ(x, 1.0f); EXPECT_EQ(q, -1);
    });
}

TEST(ArchiveStrings, LengthPrefixesAtTheirBoundaries) {
    EXPECT_EQ(Store([](CArchive& ar) { ar << CString("2010"); }), (Bytes{0x04, '2', '0', '1', '0'}));
    EXPECT_EQ(Store([](CArchive& ar) { ar << CString(); }), (Bytes{0x00}));
    struct Case { int n; Bytes prefix; };
    for (const Case& c : {Case{0xFE, {0xFE}}, Case{0xFF, {0xFF, 0xFF, 0x00}}, Case{0xFFFD, {0xFF, 0xFD, 0xFF}},
                          Case{0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}}}) {
        CString s('x', c.n);
        Bytes b = Store([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(b.size(), c.prefix.size() + static_cast<size_t>(c.n)) << c.n;
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), b.begin())) << c.n;
        Load(b, [&](CArchive& ar) {
            CString t;
            ar >> t;
            EXPECT_EQ(t, s);
        });
    }
}

TEST(ArchiveStrings, WideStringsAreConvertedToCodePage1252) {
    // "2010" stored wide, then "é€?" with a character that code page 1252 lacks.
    Bytes b = {0xFF, 0xFE, 0xFF, 0x04, 0x32, 0x00, 0x30, 0x00, 0x31, 0x00, 0x30, 0x00,
               0xFF, 0xFE, 0xFF, 0x03, 0xE9, 0x00, 0xAC, 0x20, 0x14, 0x04};
    Load(b, [](CArchive& ar) {
        CString a, c;
        ar >> a >> c;
        EXPECT_EQ(a, "2010");
        EXPECT_EQ(c, "\xE9\x80?");
    });
}

TEST(ArchiveObjects, ASelfReferenceResolvesToTheObjectBeingRead) {
    CNode node;
    node.m_pNext = &node;
    Bytes b = Store([&](CArchive& ar) { ar << &node; });
    Load(b, [](CArchive& ar) {
        std::unique_ptr<CObject> p(ar.ReadObject(RUNTIME_CLASS(CNode)));
        EXPECT_EQ(static_cast<CNode*>(p.get())->m_pNext, p.get());
    });
}

TEST(ArchiveObjects, BigTagsBeyond7FFEObjects) {
    std::vector<CFoo> foos(0x8001);
    Bytes b = Store([&](CArchive& ar) {
        for (CFoo& f : foos) ar << &f;
        ar << &foos.back();
    });
    // The last back reference: object number 0x8002 (class 1, objects from 2) in the DWORD form.
    Bytes tail(b.end() - 6, b.end());
    EXPECT_EQ(tail, (Bytes{0xFF, 0x7F, 0x02, 0x80, 0x00, 0x00}));
    Load(b, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> read;
        for (size_t i = 0; i < foos.size(); ++i) read.emplace_back(ar.ReadObject(RUNTIME_CLASS(CFoo)));
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CFoo)), read.back().get());
    });
}

TEST(ArchiveDamage, EveryFaultRaisesTheArchiveExceptionWithItsCause) {
    auto readFoo = [](CArchive& ar) { std::unique_ptr<CObject> p(ar.ReadObject(RUNTIME_CLASS(CFoo))); };
    auto readString = [](CArchive& ar) { CString s; ar >> s; };
    // Truncated inside the object's data.
    EXPECT_EQ(CauseOf({0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00, 'C', 'F', 'o', 'o', 0x34}, readFoo), CArchiveException::endOfFile);
    // Unknown class, and a class name too long to be one.
    EXPECT_EQ(CauseOf({0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00, 'C', 'B', 'a', 'r', 0x34, 0x12}, readFoo), CArchiveException::badClass);
    EXPECT_EQ(CauseOf({0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00}, readFoo), CArchiveException::badClass);
    // A class that exists but cannot be stored, and one of the wrong kind.
    Bytes notStored = {0xFF, 0xFF, 0xFF, 0xFF, 0x0A, 0x00};
    for (char c : std::string("CNotStored")) notStored.push_back(static_cast<BYTE>(c));
    EXPECT_EQ(CauseOf(notStored, readFoo), CArchiveException::badClass);
    Bytes node = {0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00, 'C', 'N', 'o', 'd', 'e', 0x00, 0x00};
    EXPECT_EQ(CauseOf(node, readFoo), CArchiveException::badClass);
    // The stored schema differs from the class's.
    EXPECT_EQ(CauseOf({0xFF, 0xFF, 0x02, 0x00, 0x04, 0x00, 'C', 'F', 'o', 'o', 0x34, 0x12}, readFoo), CArchiveException::badSchema);
    // References to what was never read, to class index 0, to a class where an object belongs.
    EXPECT_EQ(CauseOf({0x05, 0x00}, readFoo), CArchiveException::badIndex);
    EXPECT_EQ(CauseOf({0x00, 0x80}, readFoo), CArchiveException::badIndex);
    EXPECT_EQ(CauseOf({0x03, 0x80}, readFoo), CArchiveException::badIndex);
    EXPECT_EQ(CauseOf({0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F}, readFoo), CArchiveException::badIndex);
    // A string that claims more than there is: refused before anything is allocated for it.
    EXPECT_EQ(CauseOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, readString), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, readString),
              CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf({0x05, 'a', 'b'}, readString), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf({}, readString), CArchiveException::endOfFile);
}

TEST(ArchiveDirection, WritingWhileLoadingAndReadingWhileStoring) {
    WORD w = 0;
    EXPECT_EQ(CauseOf({1, 2}, [&](CArchive& ar) { ar << w; }), CArchiveException::readOnly);
    CMemFile file;
    CArchive store(&file, CArchive::store);
    try {
        store >> w;
        ADD_FAILURE() << "read on a storing archive";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
    store.Abort();
}

TEST(ArchiveFiles, DiskFileRoundTripWithBufferRefills) {
    std::string path = ::testing::TempDir() + "archive_test.bin";
    CString big('q', 100000);
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 512);
        for (DWORD i = 0; i < 1000; ++i) ar << i;
        ar << big << CString("end");
        ar.Close();
    }
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load, 512);
    for (DWORD i = 0; i < 1000; ++i) {
        DWORD v;
        ar >> v;
        ASSERT_EQ(v, i);
    }
    CString a, b;
    ar >> a >> b;
    EXPECT_EQ(a, big);
    EXPECT_EQ(b, "end");
    BYTE extra;
    EXPECT_THROW(ar >> extra, CArchiveException);
    EXPECT_THROW(CFile("/nonexistent/dir/file", CFile::modeRead), CFileException);
    std::remove(path.c_str());
}
