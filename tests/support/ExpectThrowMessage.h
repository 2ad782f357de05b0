// EXPECT_THROW_MSG: the statement throws the given exception type with exactly the given message.
#pragma once

#include <gtest/gtest.h>

#include <string>

// The message is compared as bytes (CP1251 for the program's Russian texts); another exception type
// or none at all fails the test.
#define EXPECT_THROW_MSG(statement, type, message)                                     \
  do {                                                                                 \
    try {                                                                              \
      statement;                                                                       \
      ADD_FAILURE() << "no exception from " #statement;                                \
    } catch (const type& e) {                                                          \
      EXPECT_EQ(std::string(e.Message()), std::string(message)) << "from " #statement; \
    } catch (...) {                                                                    \
      ADD_FAILURE() << "another exception than " #type " from " #statement;            \
    }                                                                                  \
  } while (false)
