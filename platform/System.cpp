#include "platform/System.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->owned_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!owned_.empty()) {
        TComponent* c = owned_.back();
        owned_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
}

void TComponent::RemoveComponent(TComponent* c) {
    auto it = std::find(owned_.begin(), owned_.end(), c);
    if (it != owned_.end()) owned_.erase(it);
}

namespace {
std::vector<AnsiString>& Arguments() {
    static std::vector<AnsiString> args;
    return args;
}
} // namespace

void SetCommandLine(int argc, char** argv) {
    auto& args = Arguments();
    args.clear();
    for (int i = 0; i < argc; ++i)
        args.emplace_back(argv[i] ? argv[i] : "");
}

int ParamCount() {
    const auto& args = Arguments();
    return args.empty() ? 0 : static_cast<int>(args.size()) - 1;
}

AnsiString ParamStr(int index) {
    const auto& args = Arguments();
    if (index < 0 || index >= static_cast<int>(args.size())) return {};
    return args[static_cast<size_t>(index)];
}

AnsiString GetCurrentDir() {
    std::vector<char> buf(4096);
    while (!getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE || buf.size() > (1u << 20)) return "./";
        buf.resize(buf.size() * 2);
    }
    AnsiString dir(buf.data());
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}
