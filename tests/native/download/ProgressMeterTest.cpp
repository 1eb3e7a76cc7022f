#include "download/ProgressMeter.h"

#include <gtest/gtest.h>

#include "download/fake/RecordingProgress.h"

namespace {

TEST(ProgressMeter, EmptyBodyOfKnownLengthReportsNothing) {
    fake::RecordingProgress progress;
    download::ProgressMeter meter(progress, 0);
    meter.Received(0);
    meter.Finished();
    EXPECT_TRUE(progress.percents.empty());
    EXPECT_EQ(progress.lengthUnknown, 0);
}

TEST(ProgressMeter, BodyLongerThanAnnouncedNeverReportsMoreThan100) {
    fake::RecordingProgress progress;
    download::ProgressMeter meter(progress, 1000);
    meter.Received(600);
    meter.Received(900);
    EXPECT_EQ(progress.percents, (std::vector<unsigned>{60, 100}));
}

TEST(ProgressMeter, StepsOfExactlyOnePercentReportEverySecondStep) {
    // 3 bytes of 300 at a time: a step of exactly 1% is not more than 1%.
    fake::RecordingProgress progress;
    download::ProgressMeter meter(progress, 300);
    for (int i = 0; i < 100; ++i) meter.Received(3);
    ASSERT_FALSE(progress.percents.empty());
    EXPECT_EQ(progress.percents.front(), 2u);
    EXPECT_EQ(progress.percents.back(), 100u);
    EXPECT_EQ(progress.percents.size(), 50u);
}

}  // namespace
