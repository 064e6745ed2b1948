#include "app/PageControl.h"

#include "app/Align.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"
#include "platform/Scaling.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include <algorithm>

namespace {
// Room around the page inside the control, at the design resolution.
constexpr int kSideInset = 4;
constexpr int kTabsTop = 27;
constexpr int kButtonsTop = 30;
constexpr int kButtonHeight = 25;
} // namespace

TTabSheet::TTabSheet(TPageControl* owner) : QWidget(owner), FOwner(owner)
{
    KeepAligned(this);
}

void TTabSheet::SetCaption(const AnsiString& caption)
{
    FCaption = caption;
    FOwner->CaptionChanged(this);
}

TPageControl::TPageControl(QWidget* parent, TTabStyle style) : QWidget(parent), FStyle(style)
{
    if (FStyle == tsTabs) {
        FTabs = new QTabBar(this);
        FTabs->setDrawBase(false);
        FTabs->setExpanding(false);
        connect(FTabs, &QTabBar::currentChanged, this, [this](int index) {
            if (!FSwitching)
                Guarded([&] { UserSelected(index); });
        });
    }
}

TTabSheet* TPageControl::AddPage(const AnsiString& name)
{
    auto* page = new TTabSheet(this);
    page->setObjectName(QString::fromStdString(name));
    page->hide();
    const int index = PageCount();
    FPages.push_back(page);
    FSwitching = true;
    if (FTabs) {
        FTabs->addTab(QString());
    } else {
        auto* button = new QPushButton(this);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, index] { Guarded([&] { UserSelected(index); }); });
        button->show();
        FButtons.push_back(button);
    }
    FSwitching = false;
    if (FActive < 0)
        SetActivePageIndex(index);
    PlacePages();
    return page;
}

void TPageControl::CaptionChanged(const TTabSheet* page)
{
    const auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end())
        return;
    const auto index = static_cast<int>(it - FPages.begin());
    if (FTabs)
        FTabs->setTabText(index, ToQString(page->Caption()));
    else
        FButtons[index]->setText(ToQString(page->Caption()));
    PlacePages();
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= PageCount() || index == FActive)
        return;
    FSwitching = true;
    if (FTabs)
        FTabs->setCurrentIndex(index);
    else
        FButtons[index]->setChecked(true);
    FSwitching = false;
    // The new page is shown before the old one hides, so focus can move onto it.
    FPages[index]->show();
    if (FActive >= 0)
        FPages[FActive]->hide();
    FActive = index;
}

void TPageControl::UserSelected(int index)
{
    if (index == FActive)
        return;
    SetActivePageIndex(index);
    if (OnChange)
        OnChange();
}

QRect TPageControl::PageRect() const
{
    const int top = Scaled(FStyle == tsTabs ? kTabsTop : kButtonsTop);
    const int side = Scaled(kSideInset);
    return QRect(side, top, width() - 2 * side, height() - top - side);
}

void TPageControl::PlacePages()
{
    const QRect pageRect = PageRect();
    for (TTabSheet* page : FPages)
        page->setGeometry(pageRect);
    if (FTabs) {
        FTabs->setGeometry(Scaled(2), Scaled(2), width() - Scaled(4), pageRect.top() - Scaled(2));
    } else {
        int left = Scaled(kSideInset);
        for (QAbstractButton* button : FButtons) {
            const int w = button->sizeHint().width() + Scaled(8);
            button->setGeometry(left, Scaled(2), w, Scaled(kButtonHeight));
            left += w + Scaled(3);
        }
    }
}

void TPageControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlacePages();
}

void TPageControl::paintEvent(QPaintEvent*)
{
    if (FStyle != tsTabs)
        return;
    // The raised frame that tabs stand on.
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = PageRect().adjusted(-Scaled(2), -Scaled(2), Scaled(2), Scaled(2));
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
