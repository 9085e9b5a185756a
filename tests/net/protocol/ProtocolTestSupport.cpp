#include "tests/net/protocol/ProtocolTestSupport.h"

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

namespace prototest {

std::unique_ptr<CProtocolDef> LoadDefinitionText(const std::string& text)
{
    zeltest::TempDir dir;
    const std::wstring path = dir.File(L"definition.xml");
    EXPECT_TRUE(zeltest::WriteFileBytes(path, text));
    std::unique_ptr<CProtocolDef> def(new CProtocolDef());
    EXPECT_EQ(def->Load(path.c_str()), 1);
    return def;
}

std::unique_ptr<CProtocolDef> LoadInstalledDefinition(const char* pszFile)
{
    std::unique_ptr<CProtocolDef> def(new CProtocolDef());
    const std::wstring path = zeltest::SourcePath(L"protocols/" + zeltest::Widen(pszFile));
    EXPECT_EQ(def->Load(path.c_str()), 1) << pszFile;
    return def;
}

}  // namespace prototest
