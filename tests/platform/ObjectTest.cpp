#include "platform/Object.h"
#include "platform/Debug.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class Animal : public CObject {
    DECLARE_DYNAMIC(Animal)
};

class Dog : public Animal {
    DECLARE_DYNCREATE(Dog)
public:
    int legs = 4;
};

class Puppy : public Dog {
    DECLARE_DYNCREATE(Puppy)
};

class Stone : public CObject {
    DECLARE_DYNAMIC(Stone)
};

} // namespace

IMPLEMENT_DYNAMIC(Animal, CObject)
IMPLEMENT_DYNCREATE(Dog, Animal)
IMPLEMENT_DYNCREATE(Puppy, Dog)
IMPLEMENT_DYNAMIC(Stone, CObject)

namespace {

TEST(ObjectTest, IsKindOfFollowsTheBaseChain)
{
    Puppy p;
    struct { const CRuntimeClass* cls; BOOL kind; } cases[] = {
        { RUNTIME_CLASS(Puppy), TRUE }, { RUNTIME_CLASS(Dog), TRUE }, { RUNTIME_CLASS(Animal), TRUE },
        { RUNTIME_CLASS(CObject), TRUE }, { RUNTIME_CLASS(Stone), FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(p.IsKindOf(c.cls), c.kind) << c.cls->m_lpszClassName;
    const CObject& asBase = p;
    EXPECT_EQ(asBase.GetRuntimeClass(), RUNTIME_CLASS(Puppy));
    EXPECT_STREQ(asBase.GetRuntimeClass()->m_lpszClassName, "Puppy");
    EXPECT_EQ(RUNTIME_CLASS(Puppy)->m_pBaseClass, RUNTIME_CLASS(Dog));
    EXPECT_EQ(RUNTIME_CLASS(Dog)->m_nObjectSize, static_cast<int>(sizeof(Dog)));
    EXPECT_FALSE(Dog().IsKindOf(RUNTIME_CLASS(Puppy)));
    EXPECT_FALSE(Stone().IsKindOf(RUNTIME_CLASS(Animal)));
}

TEST(ObjectTest, CreatesObjectsFromTheirClassOrName)
{
    std::unique_ptr<CObject> made(RUNTIME_CLASS(Dog)->CreateObject());
    ASSERT_NE(made, nullptr);
    ASSERT_TRUE(made->IsKindOf(RUNTIME_CLASS(Dog)));
    EXPECT_EQ(static_cast<Dog*>(made.get())->legs, 4);
    EXPECT_EQ(RUNTIME_CLASS(Animal)->CreateObject(), nullptr);  // not declared creatable

    std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject(L"Puppy"));
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(Puppy));
    EXPECT_EQ(CRuntimeClass::FromName("Stone"), RUNTIME_CLASS(Stone));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("Nothing"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("Nothing"), nullptr);
}

// OutputDebugString raises DBG_PRINTEXCEPTION_C with the text; a vectored handler sees it.
std::string g_debugOutput;

LONG CALLBACK CaptureDebugOutput(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2) {
        g_debugOutput.append(reinterpret_cast<const char*>(r->ExceptionInformation[1]),
                             static_cast<size_t>(r->ExceptionInformation[0]));
        while (!g_debugOutput.empty() && g_debugOutput.back() == '\0')
            g_debugOutput.pop_back();
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

TEST(DebugTest, TraceFormatsToTheDebugger)
{
    PVOID handler = AddVectoredExceptionHandler(1, CaptureDebugOutput);
    g_debugOutput.clear();
    zel::Trace(L"value=%d name=%s\n", 5, CString(L"abc"));
    zel::Trace("narrow %s\n", "x");
    zel::ReportAssertion("file.cpp", 12, "a == b");
    RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(g_debugOutput, "value=5 name=abc\nnarrow x\nfile.cpp(12): assertion failed: a == b\n");
}

TEST(DebugTest, VerifyAlwaysEvaluatesAssertOnlyInDebugBuilds)
{
    int calls = 0;
    auto touch = [&calls] { ++calls; return true; };
    VERIFY(touch());
    EXPECT_EQ(calls, 1);
    ASSERT(touch());
    TRACE(L"%d\n", calls);
#ifdef _DEBUG
    EXPECT_EQ(calls, 2);
#else
    EXPECT_EQ(calls, 1);
#endif
    Dog d;
    ASSERT_VALID(&d);
}

} // namespace
