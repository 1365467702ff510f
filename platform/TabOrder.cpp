// The Tab key's way through a form: each parent's controls in their tab order, a parent's own
// controls right after it. Controls given a TabOrder come first, lowest first; the others
// follow top to bottom, left to right.
#include "platform/Forms.h"
#include "platform/internal/Bridge.h"
#include <QWidget>
#include <algorithm>
#include <map>

namespace wyx {

namespace {

// Rows of controls: a control whose top lies above the bottom of a row's first control shares
// its row; each row runs left to right.
void SortByPosition(std::vector<TControl*>& controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](TControl* a, TControl* b) { return a->Top() < b->Top(); });
    std::vector<TControl*> out;
    for (size_t start = 0; start < controls.size();) {
        size_t end = start + 1;
        int bottom = controls[start]->Top() + std::max(1, controls[start]->Height());
        while (end < controls.size() && controls[end]->Top() < bottom)
            ++end;
        std::stable_sort(controls.begin() + static_cast<std::ptrdiff_t>(start),
                         controls.begin() + static_cast<std::ptrdiff_t>(end),
                         [](TControl* a, TControl* b) { return a->Left() < b->Left(); });
        start = end;
    }
}

void SortByTabOrder(std::vector<TControl*>& controls) {
    std::vector<TControl*> ordered, rest;
    for (TControl* c : controls) {
        auto* w = dynamic_cast<TWinControl*>(c);
        (w && w->TabOrder() >= 0 ? ordered : rest).push_back(c);
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](TControl* a, TControl* b) {
        return static_cast<TWinControl*>(a)->TabOrder() < static_cast<TWinControl*>(b)->TabOrder();
    });
    SortByPosition(rest);
    controls = ordered;
    controls.insert(controls.end(), rest.begin(), rest.end());
}

void Visit(TControl* parent, const std::map<TControl*, std::vector<TControl*>>& children,
           std::vector<TWinControl*>& out) {
    auto it = children.find(parent);
    if (it == children.end()) return;
    std::vector<TControl*> kids = it->second;
    SortByTabOrder(kids);
    for (TControl* c : kids) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) out.push_back(w);
        Visit(c, children, out);
    }
}

// A control the Tab key stops at: a tab stop that can take the focus now.
bool TabStopNow(TWinControl* c, QWidget* window) {
    if (!c->TabStop) return false;
    QWidget* w = c->Widget();
    QWidget* f = w->focusProxy() ? w->focusProxy() : w;
    return (f->focusPolicy() & Qt::TabFocus) && f->isVisibleTo(window) && f->isEnabled();
}

} // namespace

std::vector<TWinControl*> TabOrderList(TForm* form) {
    std::map<TControl*, std::vector<TControl*>> children;
    for (QWidget* w : form->Widget()->findChildren<QWidget*>()) {
        TControl* c = ControlOf(w);
        if (!c || c->Widget() != w || !c->Parent()) continue;
        children[c->Parent()].push_back(c);
    }
    std::vector<TWinControl*> out;
    Visit(form, children, out);
    return out;
}

void SelectNextControl(TControl* current, bool forward) {
    TForm* form = FormOf(current);
    if (!form) return;
    std::vector<TWinControl*> list = TabOrderList(form);
    if (list.empty()) return;
    // The focused control, or the one whose inner widget has the focus.
    auto at = std::find(list.begin(), list.end(), current);
    int n = static_cast<int>(list.size());
    int i = at == list.end() ? (forward ? -1 : n) : static_cast<int>(at - list.begin());
    QWidget* window = form->Widget();
    for (int step = 1; step <= n; ++step) {
        int k = ((forward ? i + step : i - step) % n + n) % n;
        TWinControl* c = list[static_cast<size_t>(k)];
        if (c == current || !TabStopNow(c, window)) continue;
        c->Widget()->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

void SelectFirstWithin(TWinControl* container) {
    TForm* form = FormOf(container);
    if (!form) return;
    QWidget* window = form->Widget();
    for (TWinControl* c : TabOrderList(form))
        if (container->Widget()->isAncestorOf(c->Widget()) && TabStopNow(c, window)) {
            c->Widget()->setFocus(Qt::ShortcutFocusReason);
            return;
        }
}

bool OfferDialogKey(TControl* focused, uint16_t key, TShiftState shift) {
    for (TControl* p = focused; p; p = p->Parent())
        if (auto* w = dynamic_cast<TWinControl*>(p); w && w->DialogKey(key, shift)) return true;
    // A control outside the page control (a field above the pages) switches its pages too.
    return FirstShownControl(focused, [&](TWinControl* c) { return c->DialogKey(key, shift); });
}

TWinControl* FirstShownControl(TControl* member, const std::function<bool(TWinControl*)>& takes) {
    TForm* form = FormOf(member);
    if (!form) return nullptr;
    QWidget* window = form->Widget();
    for (TWinControl* c : TabOrderList(form))
        if (c->Widget()->isVisibleTo(window) && c->Widget()->isEnabled() && takes(c)) return c;
    return nullptr;
}

} // namespace wyx
