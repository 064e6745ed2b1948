// Both windows rendered at a device pixel ratio of 2, as on a HiDPI desktop, must look
// like their rendering at 1: no control may leave part of its area unpainted or black.
#include "app/HintWindow.h"
#include "app/PageControl.h"
#include "tests/ui/MainWindowFixture.h"

#include <QImage>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <string>

namespace {

// Mean gray difference per pixel that text and lines drawn finer at ratio 2 stay below.
constexpr long kMaxBlockDifference = 30;

QImage Render(QWidget* window, int ratio)
{
    QImage image(window->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black); // what a control that paints nothing leaves
    window->render(&image);
    return image;
}

// Blocks of 16 × 16 window pixels that differ between the renderings at ratios 2 and 1
// by more than finer text and line drawing can explain: a control left unpainted, drawn
// black, or drawn elsewhere at the higher ratio.
std::vector<std::string> DifferingBlocks(QWidget* window)
{
    constexpr int block = 16;
    const QImage single = Render(window, 1);
    const QImage dense = Render(window, 2).scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::vector<std::string> differing;
    for (int by = 0; by + block <= single.height(); by += block)
        for (int bx = 0; bx + block <= single.width(); bx += block) {
            long difference = 0;
            for (int y = by; y < by + block; ++y)
                for (int x = bx; x < bx + block; ++x)
                    difference += qGray(single.pixel(x, y)) - qGray(dense.pixel(x, y));
            if (std::labs(difference) / (block * block) > kMaxBlockDifference)
                differing.push_back(std::to_string(bx) + "," + std::to_string(by));
        }
    return differing;
}

class THighDensityTest : public TMainWindowTest {
protected:
    void SetUp() override { StartUnder("ru_RU.UTF-8"); }
};

} // namespace

TEST_F(THighDensityTest, BothWindowsRenderAtRatioTwoAsAtOne)
{
    EXPECT_EQ(DifferingBlocks(Form), std::vector<std::string>{}) << "input page";
    QTest::mouseClick(Form->Button1, Qt::LeftButton);
    for (int page : {1, 2, 0}) {
        Form->PageControl2->SetActivePageIndex(page);
        EXPECT_EQ(DifferingBlocks(Form), std::vector<std::string>{}) << "after Calculate, page " << page;
    }
    std::vector<std::string> schematic{"not shown"};
    QTimer::singleShot(0, Form2, [&] {
        schematic = DifferingBlocks(Form2);
        Form2->Button1Click();
    });
    QTest::mouseClick(Form->Button2, Qt::LeftButton);
    EXPECT_EQ(schematic, std::vector<std::string>{}) << "schematic window";

    // The hint that comes up when the mouse rests on the input page.
    const TShortHints hints;
    QCursor::setPos(Form->Edit1->mapToGlobal(Form->Edit1->rect().center()));
    ASSERT_NE(WaitForHint(), nullptr);
    EXPECT_EQ(DifferingBlocks(const_cast<THintWindow*>(Application->HintWindow())), std::vector<std::string>{});
}
