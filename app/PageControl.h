#pragma once
// A set of pages of which one is shown at a time, chosen by tabs or by buttons
// along the top.
#include "core/AnsiString.h"

#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QTabBar;

enum TTabStyle { tsTabs, tsButtons };

class TPageControl;

class TTabSheet : public QWidget {
public:
    explicit TTabSheet(TPageControl* owner);
    const AnsiString& Caption() const { return FCaption; }
    // The caption also labels the page's tab or button.
    void SetCaption(const AnsiString& caption);

private:
    TPageControl* FOwner;
    AnsiString FCaption;
};

class TPageControl : public QWidget {
public:
    TPageControl(QWidget* parent, TTabStyle style);

    // Adds a page at the end; the first page added becomes the active one.
    TTabSheet* AddPage(const AnsiString& name);
    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Page(int index) const { return FPages.at(index); }

    int ActivePageIndex() const { return FActive; }
    // Activates a page without reporting a change.
    void SetActivePageIndex(int index);

    // Runs after the user has switched the page, with the new page already active.
    std::function<void()> OnChange;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TTabSheet;
    void CaptionChanged(const TTabSheet* page);
    void UserSelected(int index);
    void PlacePages();
    QRect PageRect() const;

    TTabStyle FStyle;
    std::vector<TTabSheet*> FPages;
    int FActive = -1;
    QTabBar* FTabs = nullptr;
    std::vector<QAbstractButton*> FButtons;
    bool FSwitching = false;
};
