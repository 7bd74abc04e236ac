#include "core/error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace orvo {
namespace {

TEST(ErrorText, NamesTheErrorAndKeepsItsNumber) {
    struct Case {
        int error;
        const char* text;
    };
    const Case cases[] = {
        {EAGAIN, "Resource temporarily unavailable (11)"},
        {EPIPE, "Broken pipe (32)"},
        {ENOENT, "No such file or directory (2)"},
        {EMFILE, "Too many open files (24)"},
        {EIO, "Input/output error (5)"},
        {0, "Success (0)"},
        {-1, "Unknown error (-1)"},
        {100000, "Unknown error (100000)"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorText(c.error), c.text) << c.error;
}

}  // namespace
}  // namespace orvo
