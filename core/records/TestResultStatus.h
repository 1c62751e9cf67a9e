#pragma once

// Verdict of a test or of a whole asset. A fixed underlying type keeps any byte read
// from a file a valid value.
enum TEST_RESULT_STATUS : int {
    TEST_FAIL = 0,
    TEST_PASS = 1,
    TEST_INFORMATION_ONLY = 2,
    TEST_NOT_ANSWERED = 3
};
