#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "failure.h"
#include "feast_table.h"
#include "reference.h"
#include "tarvinde.h"

namespace {

// The date service refuses the year 10000: each guarded operation shows one report
// naming itself (not Weekdag, where the failure arose) and returns an empty text.
TEST(ErrorReport, NamesTheGuardedOperationItself) {
    for (const auto& op : ref::kGuardedFeasts) {
        for (const int year : {10000, 99, -1}) {
            ref::RecordingBox box;
            const Tarvinde t(box);
            EXPECT_EQ((t.*op.operation)(std::int16_t(year)), "") << op.procedure;
            ASSERT_EQ(box.shown.size(), 1u) << op.procedure << " " << year;
            EXPECT_EQ(box.shown[0].prompt, "Error: 5\r\nInvalid procedure call or argument\r\nProc Name: " +
                                               std::string(op.procedure));
            EXPECT_EQ(box.shown[0].style, 16);
            EXPECT_EQ(box.shown[0].title, "Error Encountered");
        }
    }
}

TEST(ErrorReport, UnguardedOperationsPassTheFailureOn) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    try {
        t.PaasDatum(10000);
        ADD_FAILURE() << "PaasDatum(10000) returned";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 5);
    }
    EXPECT_EQ(t.EasternMonth(10000), 4);  // 16 April 10000: the computus itself never fails
    EXPECT_EQ(t.EasternDay(10000), 16);
    EXPECT_TRUE(box.shown.empty());
}

// PasenGallie never asks Weekdag for a year outside its table, so it has nothing to report.
TEST(ErrorReport, PasenGallieHasNoDateToRefuse) {
    ref::RecordingBox box;
    const Tarvinde t(box);
    EXPECT_EQ(t.PasenGallie(10000), " idem Pasen Rome");
    EXPECT_TRUE(box.shown.empty());
}

}  // namespace
