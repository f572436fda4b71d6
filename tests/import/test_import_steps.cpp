// The import's bar positions and the word order of its end message.
#include "BarPosition.h"
#include "ImportMessage.h"

#include <gtest/gtest.h>

TEST(ImportBar, PositionsRoundHalvesToEven) {
    const struct {
        int i, n, bar;
    } cases[] = {
        {0, 8, 60},     {1, 8, 65},  {7, 8, 95}, // the 8-object run
        {1, 3, 73},     {2, 3, 87},              // thirds round to nearest
        {1, 16, 62},    {3, 16, 68},             // 62.5 -> 62, 67.5 -> 68
        {1, 80, 60},    {3, 80, 62}, {0, 1, 60}, // 60.5 -> 60, 61.5 -> 62
        {254, 255, 100}                          // 99.84 -> 100
    };
    for (const auto& c : cases)
        EXPECT_EQ(importBarPosition(c.i, c.n), c.bar) << c.i << " of " << c.n;
}

TEST(ImportMessage, WordOrderFollowsTheLanguage) {
    for (int language = 0; language < 7; ++language) {
        const bool itemFirst = language == 1 || language == 4 || language == 5;
        EXPECT_EQ(importMessage(12, language, "read", "recs"),
                  itemFirst ? QString("read 12 recs") : QString("12 read"))
            << language;
    }
    EXPECT_EQ(importMessage(0, 0, "records read.", "records."), "0 records read.");
}
