// Run-time class records: names, bases, kinds, and creation by name.
#include <gtest/gtest.h>

#include <memory>

#include "platform/framework/exceptions.h"
#include "platform/framework/object.h"

namespace {
class CShape : public CObject {
    DECLARE_SERIAL(CShape)
};
IMPLEMENT_SERIAL(CShape, CObject, 2)

class CCircle : public CShape {
    DECLARE_SERIAL(CCircle)
};
IMPLEMENT_SERIAL(CCircle, CShape, VERSIONABLE_SCHEMA | 3)

class CAbstractThing : public CObject {
    DECLARE_DYNAMIC(CAbstractThing)
};
IMPLEMENT_DYNAMIC(CAbstractThing, CObject)
}  // namespace

TEST(RuntimeClass, NamesBasesAndKinds) {
    CCircle circle;
    const CRuntimeClass* pClass = circle.GetRuntimeClass();
    EXPECT_STREQ(pClass->m_lpszClassName, "CCircle");
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CShape));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    CShape shape;
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_FALSE(shape.IsKindOf(nullptr));
    EXPECT_TRUE(shape.IsSerializable());
    CAbstractThing thing;
    EXPECT_FALSE(thing.IsSerializable());
    // The exceptions are classes of the framework too.
    CArchiveException e(CArchiveException::badSchema);
    EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_NE(e.GetErrorMessage().Find("version"), -1);
}

TEST(RuntimeClass, CreationByNameFindsOnlyCreatableRegisteredClasses) {
    std::unique_ptr<CObject> p(CRuntimeClass::CreateObject("CCircle"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetRuntimeClass(), RUNTIME_CLASS(CCircle));
    EXPECT_EQ(CRuntimeClass::FromName("CShape"), RUNTIME_CLASS(CShape));
    EXPECT_EQ(CRuntimeClass::FromName("cshape"), nullptr);  // names are case-sensitive
    EXPECT_EQ(CRuntimeClass::FromName("CAbstractThing"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

TEST(RuntimeClass, ARegistrationEndsWithItsOwner) {
    static const CRuntimeClass temp = {"CTemporary", 8, 1, nullptr, RUNTIME_CLASS(CObject)};
    {
        CClassRegistration reg(&temp);
        EXPECT_EQ(CRuntimeClass::FromName("CTemporary"), &temp);
        EXPECT_EQ(temp.CreateObject(), nullptr);  // no creation function
    }
    EXPECT_EQ(CRuntimeClass::FromName("CTemporary"), nullptr);
}
