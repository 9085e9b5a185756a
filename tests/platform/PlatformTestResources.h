#pragma once
// String resources compiled into platform_tests.
#define IDS_TEST_PLAIN 101
#define IDS_TEST_FORMAT 102
#define IDS_TEST_KOREAN 103
#define IDS_TEST_LONG 104
#define IDS_TEST_MISSING 199
