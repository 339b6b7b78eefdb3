// The guard of the leave checks when a check fails: a check that ends by an exception (the
// dialog abandons the command) must leave the guard open, or no field would be checked again.
#include "leave_checks.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr int kFirst = 1;
constexpr int kSecond = 2;

TEST(LeaveChecks, AFailedCheckLeavesTheNextOneFree) {
    LeaveChecks checks;
    int secondRuns = 0;
    checks.Add({kFirst}, [] { throw std::runtime_error("the check failed"); });
    checks.Add({kSecond}, [&] { ++secondRuns; });

    checks.Changed(kFirst);
    EXPECT_THROW(checks.Left(kFirst), std::runtime_error);
    EXPECT_FALSE(checks.Running());

    checks.Changed(kSecond);
    checks.Left(kSecond);
    EXPECT_EQ(secondRuns, 1);
}

} // namespace
