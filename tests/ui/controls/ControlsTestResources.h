#pragma once
// Pictures embedded in the control tests (drawn by make_test_pictures.py).
#define IDB_TEST_NORMAL 20001
#define IDB_TEST_PRESSED 20002
#define IDB_TEST_HOVER 20003
#define IDB_TEST_DISABLED 20004
#define IDB_TEST_FOCUS 20005
#define IDB_TEST_MASK_ROUND 20006
#define IDB_TEST_MASK_LEFT 20007
#define IDB_TEST_TILE 20008
#define IDB_TEST_PICTURE 20009
#define IDR_TEST_MENU 20020
#define ID_TEST_OPEN 20021
#define ID_TEST_GRAYED 20022
#define ID_TEST_CHECKED 20023
#define ID_TEST_SUB 20024
