// Registered clipboard formats become private MIME types; the bytes travel unchanged.
#include "platform/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cctype>

namespace {
constexpr unsigned kFirstFormat = 0xC000;

std::vector<AnsiString>& FormatNames() {
    static std::vector<AnsiString> names;
    return names;
}

AnsiString Lower(const AnsiString& s) {
    AnsiString out;
    for (char c : s)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// "CF_WYX" -> "application/x-wyx-cf-wyx".
QString MimeType(unsigned format) {
    auto& names = FormatNames();
    if (format < kFirstFormat || format - kFirstFormat >= names.size()) return {};
    AnsiString mime = "application/x-wyx-";
    for (char c : Lower(names[format - kFirstFormat]))
        mime += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
    return QString::fromLatin1(mime.c_str());
}

QClipboard* SystemClipboard() {
    return QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
}
} // namespace

unsigned RegisterClipboardFormat(const AnsiString& name) {
    auto& names = FormatNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (Lower(names[i]) == Lower(name)) return kFirstFormat + static_cast<unsigned>(i);
    names.push_back(name);
    return kFirstFormat + static_cast<unsigned>(names.size() - 1);
}

bool TClipboard::HasFormat(unsigned format) const {
    QString mime = MimeType(format);
    QClipboard* cb = SystemClipboard();
    if (mime.isEmpty() || !cb) return false;
    const QMimeData* data = cb->mimeData();
    return data && data->hasFormat(mime);
}

std::optional<AnsiString> TClipboard::GetData(unsigned format) const {
    if (!HasFormat(format)) return std::nullopt;
    QByteArray bytes = SystemClipboard()->mimeData()->data(MimeType(format));
    return AnsiString(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void TClipboard::SetData(unsigned format, const AnsiString& bytes) {
    QString mime = MimeType(format);
    QClipboard* cb = SystemClipboard();
    if (mime.isEmpty() || !cb) return;
    auto* data = new QMimeData;
    data->setData(mime, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    cb->setMimeData(data);
}

void TClipboard::Clear() {
    if (QClipboard* cb = SystemClipboard()) cb->clear();
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
