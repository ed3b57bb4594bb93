#pragma once
// A finder on fakes, fresh for each test.
#include <gtest/gtest.h>

#include "support/fake_finder.h"

namespace testing_support {

class FinderTest : public ::testing::Test, protected FakeFinder {};

}  // namespace testing_support
