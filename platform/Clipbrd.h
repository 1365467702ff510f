// The system clipboard with registered private formats holding byte text.
#pragma once
#include "platform/System.h"
#include <optional>

unsigned RegisterClipboardFormat(const AnsiString& name);

class TClipboard {
  public:
    bool HasFormat(unsigned format) const;
    std::optional<AnsiString> GetData(unsigned format) const;
    // Empties the clipboard and puts the bytes on it under the format.
    void SetData(unsigned format, const AnsiString& bytes);
    void Clear();
};

TClipboard* Clipboard();
