// The title a tape document is headed with.

#include <gtest/gtest.h>

#include <cstdint>

#include "TapeTitle.h"

namespace reckora {
namespace {

TEST(TapeTitle, TheNameOrElseTheLocalDateTheSheetWasStarted) {
    // Noon UTC on 1 March 2026 is that day in every time zone from UTC-11 to UTC+11.
    constexpr std::int64_t NoonFirstOfMarch = 1772366400000;
    struct Case {
        const char* name;
        std::int64_t startedMs;
        const char* title;
    };
    for (const Case& c :
         {Case{"Rent March", NoonFirstOfMarch, "Rent March"},
          Case{"", NoonFirstOfMarch, "2026-03-01"}, Case{"   ", NoonFirstOfMarch, "2026-03-01"},
          Case{"", NoonFirstOfMarch + 999, "2026-03-01"},
          Case{"", -43200000 + 500, "1969-12-31"}}) {
        EXPECT_EQ(TapeTitle(c.name, c.startedMs), c.title) << c.name << " " << c.startedMs;
    }
}

}  // namespace
}  // namespace reckora
