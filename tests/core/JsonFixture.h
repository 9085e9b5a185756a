#pragma once
// Shared by the tests of the session and meeting model.
#include <json/json.h>
#include <gtest/gtest.h>

#include <string>

#include "core/LoginManager.h"

inline Json::Value ParseJson(const std::string& text)
{
    Json::Value v;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, v)) << text;
    return v;
}

// A fresh session store around each test, logged in as user 1001 unless userId is empty.
class CSessionTest : public testing::Test {
protected:
    explicit CSessionTest(const char* userId = "1001") : m_userId(userId) {}
    void SetUp() override
    {
        CLoginManager::DestroyInstance();
        if (!m_userId.empty())
            CLoginManager::GetInstance()->SetUserId(m_userId);
    }
    void TearDown() override { CLoginManager::DestroyInstance(); }

private:
    std::string m_userId;
};
