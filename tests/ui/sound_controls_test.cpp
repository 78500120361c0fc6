// The controls that show sound data: the level trace and the chart.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/fixed_metric_renderer.h"
#include "ui/audio_record.h"
#include "ui/chart_view.h"

namespace viremo::ui {
namespace {

using ::testing::ElementsAre;

TEST(AudioRecordTest, BarsEveryTwoPixelsReachTheirShareOf8192AndStayInside) {
    CAudioRecordUI trace;
    trace.SetPos({0, 0, 10, 80});
    trace.SetSamples(std::vector<int32_t>{8192, 4096, 0, 16384, 1024, 8192});
    toolkit::CFixedMetricRenderer renderer;
    trace.DoPaint(renderer, trace.GetPos());
    // Sample 5 would stand at x 10, outside a control 10 pixels wide.
    EXPECT_THAT(renderer.CallsOf("fill"),
                ElementsAre("fill 0,0,1,80 #FF000000", "fill 2,40,3,80 #FF000000", "fill 6,0,7,80 #FF000000",
                            "fill 8,70,9,80 #FF000000"));

    trace.SetSamples(std::vector<int32_t>(600, 8192));
    trace.SetPos({0, 0, 2000, 80});
    renderer.Clear();
    trace.DoPaint(renderer, trace.GetPos());
    EXPECT_EQ(renderer.CallsOf("fill").size(), 500u);
}

TEST(ChartViewTest, BarsShareTheWidthAndTheHighestReachesTheTop) {
    CChartViewUI chart;
    chart.SetAttribute("view", "histpgram");
    chart.SetAttribute("pillarimagewidth", "10");
    chart.SetPos({0, 0, 90, 100});
    chart.AddItem("low", 25);
    chart.AddItem("high", 100);
    chart.AddItem("none", -3);
    toolkit::CFixedMetricRenderer renderer;
    chart.DoPaint(renderer, chart.GetPos());
    EXPECT_TRUE(chart.IsBarView());
    EXPECT_THAT(renderer.CallsOf("fill"),
                ElementsAre("fill 10,75,20,100 #FF19C3E6", "fill 40,0,50,100 #FF19C3E6", "fill 70,100,80,100 #FF19C3E6"));

    chart.SetAttribute("view", "pie");
    renderer.Clear();
    chart.DoPaint(renderer, chart.GetPos());
    EXPECT_EQ(renderer.CallsOf("pie").size(), 3u);
}

}  // namespace
}  // namespace viremo::ui
