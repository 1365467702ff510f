// Small helpers for building forms in code: each creates a component owned by the form, puts it
// on its parent at an absolute position and sets its caption or items.
#pragma once
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include <vector>

template <class T>
T* Place(TComponent* owner, TWinControl* parent, int left, int top, int width, int height) {
    auto* c = new T(owner);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

template <class T>
T* PlaceCaptioned(TComponent* owner, TWinControl* parent, int left, int top, int width, int height,
                  const AnsiString& caption) {
    T* c = Place<T>(owner, parent, left, top, width, height);
    c->SetCaption(caption);
    return c;
}

inline TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, int left, int top,
                          const AnsiString& caption, int width = 120) {
    return PlaceCaptioned<TLabel>(owner, parent, left, top, width, 16, caption);
}

inline TComboBox* PlaceList(TComponent* owner, TWinControl* parent, int left, int top, int width,
                            const std::vector<AnsiString>& items) {
    auto* c = Place<TComboBox>(owner, parent, left, top, width, 22);
    c->SetItems(items);
    return c;
}

inline TRadioGroup* PlaceRadioGroup(TComponent* owner, TWinControl* parent, int left, int top,
                                    int width, int height, const AnsiString& caption,
                                    const std::vector<AnsiString>& items, int columns = 1) {
    auto* c = PlaceCaptioned<TRadioGroup>(owner, parent, left, top, width, height, caption);
    c->SetColumns(columns);
    c->SetItems(items);
    return c;
}

inline TEdit* PlaceEdit(TComponent* owner, TWinControl* parent, int left, int top, int width,
                        int maxLength) {
    auto* c = Place<TEdit>(owner, parent, left, top, width, 22);
    c->SetMaxLength(maxLength);
    return c;
}

inline TMaskEdit* PlaceMaskEdit(TComponent* owner, TWinControl* parent, int left, int top,
                                int width, const AnsiString& mask) {
    auto* c = Place<TMaskEdit>(owner, parent, left, top, width, 22);
    c->SetEditMask(mask);
    return c;
}

// The tab order of controls of one parent, in the order named (the form resource's order).
inline void SetTabOrders(std::initializer_list<TWinControl*> order) {
    int i = 0;
    for (TWinControl* c : order)
        c->SetTabOrder(i++);
}
