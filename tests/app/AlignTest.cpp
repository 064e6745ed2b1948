#include "app/Align.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

QWidget* Child(QWidget* parent, QRect r, TAlign align)
{
    auto* w = new QWidget(parent);
    w->setGeometry(r);
    SetAlign(w, align);
    return w;
}

} // namespace

// A 400 x 300 container with one control at each edge and one taking the rest.
struct TFiveAligned : testing::Test {
    QWidget Container;
    QWidget* Client;
    QWidget* Right;
    QWidget* Left;
    QWidget* Bottom;
    QWidget* Top;

    void SetUp() override
    {
        Container.resize(400, 300);
        KeepAligned(&Container);
        Client = Child(&Container, {0, 0, 10, 10}, alClient);
        Right = Child(&Container, {0, 0, 50, 10}, alRight);
        Left = Child(&Container, {0, 0, 60, 10}, alLeft);
        Bottom = Child(&Container, {0, 0, 10, 30}, alBottom);
        Top = Child(&Container, {0, 0, 10, 20}, alTop);
        Container.show();
    }
};

TEST_F(TFiveAligned, ControlsTakeTheirEdgesInOrderAndTheClientControlTheRest)
{
    EXPECT_EQ(Top->geometry(), QRect(0, 0, 400, 20));
    EXPECT_EQ(Bottom->geometry(), QRect(0, 270, 400, 30));
    EXPECT_EQ(Left->geometry(), QRect(0, 20, 60, 250));
    EXPECT_EQ(Right->geometry(), QRect(350, 20, 50, 250));
    EXPECT_EQ(Client->geometry(), QRect(60, 20, 290, 250));

    Container.resize(500, 300);
    EXPECT_EQ(Client->geometry(), QRect(60, 20, 390, 250));
}

// A container squeezed below its controls' sizes gives each its own size back when it
// grows again, whatever size it passed through; a size the program set since (as a
// splitter drag does) is the one given back.
TEST_F(TFiveAligned, ControlsGetTheirSizesBackAfterTheContainerWasSqueezed)
{
    Left->resize(80, 10);
    AlignControls(&Container);
    const std::vector<QWidget*> controls = {Client, Right, Left, Bottom, Top};
    std::vector<QRect> before;
    for (QWidget* w : controls)
        before.push_back(w->geometry());
    for (const QSize through : {QSize(0, 0), QSize(10, 10), QSize(100, 40), QSize(400, 40), QSize(900, 700)}) {
        Container.resize(through);
        Container.resize(400, 300);
        for (std::size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(controls[i]->geometry(), before[i]) << "through " << through.width() << "x" << through.height()
                                                        << ", control " << i;
    }
}

TEST(Align, HiddenControlsTakeNoRoomAndKeepTheirPlaceInTheOrder)
{
    QWidget container;
    container.resize(397, 419);
    KeepAligned(&container);
    QWidget* group = Child(&container, {0, 200, 397, 205}, alBottom);
    QWidget* bar = Child(&container, {0, 405, 397, 14}, alBottom);
    container.show();
    AlignControls(&container);
    EXPECT_EQ(bar->geometry(), QRect(0, 405, 397, 14));
    EXPECT_EQ(group->geometry(), QRect(0, 200, 397, 205));

    bar->hide();
    EXPECT_EQ(group->geometry(), QRect(0, 214, 397, 205));
    bar->show();
    EXPECT_EQ(bar->geometry(), QRect(0, 405, 397, 14));
    EXPECT_EQ(group->geometry(), QRect(0, 200, 397, 205));
}

TEST(Align, ControlsOfOneEdgeStackFromThatEdgeInTheirStoredOrder)
{
    QWidget container;
    container.resize(300, 100);
    KeepAligned(&container);
    QWidget* second = Child(&container, {100, 0, 30, 10}, alLeft);
    QWidget* first = Child(&container, {0, 0, 20, 10}, alLeft);
    AlignControls(&container);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 20, 100));
    EXPECT_EQ(second->geometry(), QRect(20, 0, 30, 100));
}
