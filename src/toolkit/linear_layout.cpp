// The row and column layout shared by CHorizontalLayoutUI and
// CVerticalLayoutUI: "main" is the direction children follow each other,
// "cross" the other one.
#include <vector>

#include "toolkit/container.h"

namespace viremo::toolkit {

namespace {

struct Planned {
    CControlUI* control;
    Size estimate;
    int main;
    bool adjustable;
};

int Clamp(int value, int min, int max) {
    return std::clamp(value, min, std::max(min, max));
}

}  // namespace

void CContainerUI::LayOutLinear(bool horizontal) {
    Rect inner = GetInnerRect();
    Size scroll = GetScrollPos();
    const int mainSpace = horizontal ? inner.Width() : inner.Height();
    const int crossSpace = horizontal ? inner.Height() : inner.Width();
    const int gap = Scale(m_iChildPadding);
    auto minMain = [&](const CControlUI* c) { return Scale(horizontal ? c->GetMinWidth() : c->GetMinHeight()); };
    auto maxMain = [&](const CControlUI* c) { return Scale(horizontal ? c->GetMaxWidth() : c->GetMaxHeight()); };
    auto minCross = [&](const CControlUI* c) { return Scale(horizontal ? c->GetMinHeight() : c->GetMinWidth()); };
    auto maxCross = [&](const CControlUI* c) { return Scale(horizontal ? c->GetMaxHeight() : c->GetMaxWidth()); };

    // First pass: what the children with a size of their own take.
    std::vector<Planned> plan;
    int taken = 0;
    int adjustables = 0;
    for (auto& item : m_items) {
        CControlUI* child = item.get();
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            SetFloatPos(child);
            continue;
        }
        Rect padding = Scale(child->GetPadding());
        Size estimate = child->EstimateSize({inner.Width(), inner.Height()});
        int main = horizontal ? estimate.cx : estimate.cy;
        bool adjustable = main == 0;
        if (adjustable) ++adjustables;
        else main = Clamp(main, minMain(child), maxMain(child));
        taken += main + (horizontal ? padding.left + padding.right : padding.top + padding.bottom);
        plan.push_back({child, estimate, main, adjustable});
    }
    if (!plan.empty()) taken += gap * static_cast<int>(plan.size() - 1);

    // Second pass: share the rest among the children without a size. One
    // held back by its min or max keeps that size and the others share
    // again what is left.
    int remaining = std::max(0, mainSpace - taken);
    std::vector<Planned*> sharing;
    for (Planned& p : plan) {
        if (p.adjustable) sharing.push_back(&p);
    }
    bool settled = false;
    while (!settled && !sharing.empty()) {
        settled = true;
        int share = remaining / static_cast<int>(sharing.size());
        for (auto it = sharing.begin(); it != sharing.end(); ++it) {
            Planned* p = *it;
            int clamped = Clamp(share, minMain(p->control), maxMain(p->control));
            if (clamped != share) {
                p->main = clamped;
                remaining = std::max(0, remaining - clamped);
                sharing.erase(it);
                settled = false;
                break;
            }
        }
    }
    if (!sharing.empty()) {
        int count = static_cast<int>(sharing.size());
        int share = remaining / count;
        int leftOver = remaining % count;
        for (Planned* p : sharing) p->main = share + (leftOver-- > 0 ? 1 : 0);
    }

    // Third pass: place everything.
    const int mainStart = horizontal ? inner.left - scroll.cx : inner.top - scroll.cy;
    const int crossStart = horizontal ? inner.top - scroll.cy : inner.left - scroll.cx;
    int cursor = mainStart;
    int crossRequired = 0;
    for (Planned& p : plan) {
        CControlUI* child = p.control;
        Rect padding = Scale(child->GetPadding());
        int padBefore = horizontal ? padding.left : padding.top;
        int padAfter = horizontal ? padding.right : padding.bottom;
        int crossBefore = horizontal ? padding.top : padding.left;
        int crossAfter = horizontal ? padding.bottom : padding.right;
        int crossRoom = std::max(0, crossSpace - crossBefore - crossAfter);
        int cross = horizontal ? p.estimate.cy : p.estimate.cx;
        if (cross == 0) cross = crossRoom;
        cross = Clamp(cross, minCross(child), maxCross(child));
        int along = cursor + padBefore;
        int across = crossStart + crossBefore + AlignOffset(crossRoom, cross);
        Rect placed = horizontal ? Rect{along, across, along + p.main, across + cross}
                                 : Rect{across, along, across + cross, along + p.main};
        child->SetPos(placed, false);
        cursor = along + p.main + padAfter + gap;
        crossRequired = std::max(crossRequired, cross + crossBefore + crossAfter);
    }
    int mainRequired = plan.empty() ? 0 : cursor - gap - mainStart;
    ProcessScrollBar(inner, horizontal ? mainRequired : crossRequired, horizontal ? crossRequired : mainRequired);
}

}  // namespace viremo::toolkit
