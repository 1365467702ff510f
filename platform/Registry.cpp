// Settings store: one text file of sections (keys) with escaped byte-string values. A file
// that cannot be read or parsed reads as empty; writes replace it atomically.
#include "platform/Registry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Section {
    AnsiString key;
    std::vector<std::pair<AnsiString, AnsiString>> values;
};
using Store = std::vector<Section>;

bool SameName(const AnsiString& a, const AnsiString& b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

AnsiString NormalizeKey(AnsiString key) {
    while (!key.empty() && key.front() == '\\')
        key.erase(key.begin());
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

AnsiString ConfigDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    AnsiString base;
    if (xdg && xdg[0] == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"))
        base = AnsiString(home) + "/.config";
    else
        base = ".";
    return base + "/wyx-r2";
}

AnsiString SettingsPath() {
    return ConfigDir() + "/settings";
}

AnsiString Escape(const AnsiString& s) {
    static const char* hex = "0123456789ABCDEF";
    AnsiString out;
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c >= 0x7F || c == '=' || c == '[' || c == ']') {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else
            out += ch;
    }
    return out;
}

bool Unescape(const AnsiString& s, AnsiString& out) {
    out.clear();
    for (size_t i = 0; i < s.size(); ++i) {
        char ch = s[i];
        if (ch == '=' || ch == '[' || ch == ']') return false;
        if (ch != '\\') {
            out += ch;
            continue;
        }
        if (++i >= s.size()) return false;
        if (s[i] == '\\')
            out += '\\';
        else if (s[i] == 'n')
            out += '\n';
        else if (s[i] == 'x') {
            auto digit = [](char d) {
                if (d >= '0' && d <= '9') return d - '0';
                if (d >= 'A' && d <= 'F') return d - 'A' + 10;
                if (d >= 'a' && d <= 'f') return d - 'a' + 10;
                return -1;
            };
            int hi = i + 1 < s.size() ? digit(s[i + 1]) : -1;
            int lo = i + 2 < s.size() ? digit(s[i + 2]) : -1;
            if (hi < 0 || lo < 0) return false;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else
            return false;
    }
    return true;
}

Store Load() {
    std::ifstream in(SettingsPath(), std::ios::binary);
    if (!in) return {};
    Store store;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            AnsiString key;
            if (line.back() != ']' || !Unescape(line.substr(1, line.size() - 2), key)) return {};
            store.push_back({key, {}});
            continue;
        }
        size_t eq = line.find('=');
        AnsiString name, value;
        if (store.empty() || eq == std::string::npos || !Unescape(line.substr(0, eq), name) ||
            !Unescape(line.substr(eq + 1), value))
            return {};
        store.back().values.emplace_back(name, value);
    }
    if (in.bad()) return {};
    return store;
}

void Save(const Store& store) {
    AnsiString dir = ConfigDir();
    // Create the folder and its parents.
    for (size_t pos = 1; pos <= dir.size(); ++pos)
        if (pos == dir.size() || dir[pos] == '/') mkdir(dir.substr(0, pos).c_str(), 0700);
    std::ostringstream text;
    for (const auto& section : store) {
        text << '[' << Escape(section.key) << "]\n";
        for (const auto& [name, value] : section.values)
            text << Escape(name) << '=' << Escape(value) << '\n';
    }
    const std::string data = text.str();
    AnsiString tmp = dir + "/settings.XXXXXX";
    int fd = mkstemp(tmp.data());
    auto fail = [&](const char* what) {
        int err = errno;
        if (fd >= 0) close(fd);
        unlink(tmp.c_str());
        throw Exception(AnsiString("Cannot save the settings (") + what + " " + SettingsPath() +
                        ": " + std::strerror(err) + ").");
    };
    if (fd < 0) {
        int err = errno;
        throw Exception("Cannot save the settings (create " + tmp + ": " + std::strerror(err) +
                        ").");
    }
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("write");
        done += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) fail("sync");
    if (close(fd) != 0) {
        fd = -1;
        fail("close");
    }
    fd = -1;
    if (rename(tmp.c_str(), SettingsPath().c_str()) != 0) fail("replace");
    int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
}

Section* Find(Store& store, const AnsiString& key) {
    for (auto& s : store)
        if (SameName(s.key, key)) return &s;
    return nullptr;
}

} // namespace

struct TRegistry::Impl {
    AnsiString key;
    bool open = false;
    Store snapshot;
};

TRegistry::TRegistry() : impl_(std::make_unique<Impl>()) {}

TRegistry::~TRegistry() = default;

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate) {
    CloseKey();
    AnsiString k = NormalizeKey(key);
    Store store = Load();
    if (!Find(store, k)) {
        if (!canCreate) return false;
        store.push_back({k, {}});
        Save(store);
    }
    impl_->key = k;
    impl_->open = true;
    impl_->snapshot = std::move(store);
    return true;
}

void TRegistry::CloseKey() {
    impl_->open = false;
    impl_->key.clear();
    impl_->snapshot.clear();
}

bool TRegistry::ValueExists(const AnsiString& name) const {
    if (!impl_->open) return false;
    Section* s = Find(impl_->snapshot, impl_->key);
    if (!s) return false;
    for (const auto& v : s->values)
        if (SameName(v.first, name)) return true;
    return false;
}

AnsiString TRegistry::ReadString(const AnsiString& name) const {
    if (!impl_->open) return {};
    Section* s = Find(impl_->snapshot, impl_->key);
    if (!s) return {};
    for (const auto& v : s->values)
        if (SameName(v.first, name)) return v.second;
    return {};
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
    if (!impl_->open) throw Exception("Cannot save the setting " + name + ": no key is open.");
    // Start from the file as it is now, so writes from elsewhere are kept.
    Store store = Load();
    Section* s = Find(store, impl_->key);
    if (!s) {
        store.push_back({impl_->key, {}});
        s = &store.back();
    }
    bool found = false;
    for (auto& v : s->values)
        if (SameName(v.first, name)) {
            v.second = value;
            found = true;
        }
    if (!found) s->values.emplace_back(name, value);
    Save(store);
    impl_->snapshot = std::move(store);
}
