// Edit with an edit mask: a fixed row of positions, each a literal or a slot for one kind of
// character. Typing overwrites the slot at the caret and moves past literals.
#include "platform/Controls.h"

#include "platform/internal/Bridge.h"
#include <QLineEdit>

using namespace wyx;

namespace {

enum CaseMode { kAsTyped, kUpper, kLower };

struct Slot {
    char kind = 0; // 0: literal; else the mask character
    char literal = 0;
    CaseMode mode = kAsTyped;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    auto u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

bool IsOptional(char kind) {
    return kind == '9' || kind == 'a' || kind == 'l' || kind == 'c' || kind == '#';
}

bool Accepts(char kind, char c) {
    switch (kind) {
    case '9':
    case '0':
        return IsDigit(c);
    case '#':
        return IsDigit(c) || c == '+' || c == '-';
    case 'a':
    case 'A':
        return IsDigit(c) || IsLetter(c);
    case 'l':
    case 'L':
        return IsLetter(c);
    case 'c':
    case 'C':
        return static_cast<unsigned char>(c) >= 0x20;
    default:
        return false;
    }
}

char Cased(char c, CaseMode mode) {
    if (mode == kUpper && c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (mode == kLower && c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

} // namespace

struct TMaskEdit::Impl {
    std::vector<Slot> cells;
    char blank = '_';

    void Parse(const AnsiString& mask) {
        cells.clear();
        blank = '_';
        // The last two unescaped ";" separate the literal flag and the blank character.
        std::vector<size_t> separators;
        for (size_t i = 0; i < mask.size(); ++i) {
            if (mask[i] == '\\') {
                ++i;
                continue;
            }
            if (mask[i] == ';') separators.push_back(i);
        }
        size_t end = mask.size();
        if (separators.size() >= 2) {
            end = separators[separators.size() - 2];
            size_t b = separators.back() + 1;
            if (b < mask.size()) blank = mask[b];
        } else if (separators.size() == 1) {
            end = separators.back();
        }
        CaseMode mode = kAsTyped;
        for (size_t i = 0; i < end; ++i) {
            char c = mask[i];
            if (c == '\\' && i + 1 < end) {
                cells.push_back({0, mask[++i], mode});
            } else if (c == '>') {
                mode = kUpper;
            } else if (c == '<') {
                if (i + 1 < end && mask[i + 1] == '>') {
                    mode = kAsTyped;
                    ++i;
                } else
                    mode = kLower;
            } else if (c == '!') {
            } else if (std::string("90aALlCc#").find(c) != std::string::npos) {
                cells.push_back({c, 0, mode});
            } else {
                cells.push_back({0, c, mode});
            }
        }
    }

    AnsiString Format(const AnsiString& v) const {
        AnsiString out;
        size_t j = 0;
        for (const Slot& s : cells) {
            if (!s.kind) {
                out += s.literal;
                if (j < v.size() && v[j] == s.literal) ++j;
                continue;
            }
            char c = j < v.size() ? v[j++] : blank;
            out += c != blank && c != ' ' && Accepts(s.kind, c) ? Cased(c, s.mode) : blank;
        }
        return out;
    }

    int NextSlot(int p) const {
        while (p < static_cast<int>(cells.size()) && !cells[static_cast<size_t>(p)].kind)
            ++p;
        return p;
    }
    int PrevSlot(int p) const {
        --p;
        while (p >= 0 && !cells[static_cast<size_t>(p)].kind)
            --p;
        return p;
    }
};

TMaskEdit::TMaskEdit(TComponent* owner) : TEdit(owner), impl_(std::make_unique<Impl>()) {}

TMaskEdit::~TMaskEdit() = default;

void TMaskEdit::SetEditMask(const AnsiString& v) {
    mask_ = v;
    impl_->Parse(v);
    text_ = Normalize(text_);
    ShowText();
}

AnsiString TMaskEdit::Normalize(const AnsiString& v) const {
    return impl_->cells.empty() ? v : impl_->Format(v);
}

namespace {
// Blanks the selected cells; returns where typing goes on.
int ClearSelection(QLineEdit* le, AnsiString& text, char blank, const std::vector<Slot>& cells) {
    int start = le->selectionStart(), len = static_cast<int>(le->selectedText().size());
    for (int i = start; i < start + len && i < static_cast<int>(cells.size()); ++i)
        if (cells[static_cast<size_t>(i)].kind) text[static_cast<size_t>(i)] = blank;
    return start;
}
} // namespace

bool TMaskEdit::DeliverKeyDown(uint16_t key, QKeyEvent* e) {
    if (impl_->cells.empty() || key != VK_DELETE) return TEdit::DeliverKeyDown(key, e);
    if (ReadOnly) return true;
    auto* le = static_cast<QLineEdit*>(widget_);
    AnsiString next = text_;
    int p = le->cursorPosition();
    if (le->hasSelectedText())
        p = ClearSelection(le, next, impl_->blank, impl_->cells);
    else if (int s = impl_->NextSlot(p); s < static_cast<int>(next.size()))
        next[static_cast<size_t>(s)] = impl_->blank;
    StoreUserText(next);
    le->setCursorPosition(p);
    return true;
}

bool TMaskEdit::DeliverTypedKey(char key, char original, QKeyEvent* e) {
    if (impl_->cells.empty()) return TEdit::DeliverTypedKey(key, original, e);
    if (key == 0 || key == RefusedByte) return true;
    auto* le = static_cast<QLineEdit*>(widget_);
    auto byte = static_cast<unsigned char>(key);
    if (byte < 0x20 && key != 8) return key == original ? false : true;
    if (ReadOnly) return true;
    AnsiString next = text_;
    int p = le->cursorPosition();
    bool hadSelection = le->hasSelectedText();
    if (hadSelection) p = ClearSelection(le, next, impl_->blank, impl_->cells);
    if (key == 8) {
        if (!hadSelection) {
            p = impl_->PrevSlot(p);
            if (p < 0) return true;
            next[static_cast<size_t>(p)] = impl_->blank;
        }
        StoreUserText(next);
        le->setCursorPosition(p);
        return true;
    }
    p = impl_->NextSlot(p);
    if (p >= static_cast<int>(impl_->cells.size())) return true;
    const Slot& slot = impl_->cells[static_cast<size_t>(p)];
    if (key == ' ' && IsOptional(slot.kind))
        next[static_cast<size_t>(p)] = impl_->blank;
    else if (Accepts(slot.kind, key))
        next[static_cast<size_t>(p)] = Cased(key, slot.mode);
    else
        return true;
    StoreUserText(next);
    le->setCursorPosition(impl_->NextSlot(p + 1));
    return true;
}
