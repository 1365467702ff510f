// Per-user settings store with the registry's key and value names. One file under
// $XDG_CONFIG_HOME/wyx-r2/settings; an unreadable or corrupt file reads as empty values;
// every write replaces the file atomically.
#pragma once
#include "platform/System.h"

class TRegistry : public TObject {
  public:
    TRegistry();
    ~TRegistry() override;
    // Key path such as "\software\QUORVEL\WYX-R2" under the current user.
    bool OpenKey(const AnsiString& key, bool canCreate);
    void CloseKey();
    bool ValueExists(const AnsiString& name) const;
    AnsiString ReadString(const AnsiString& name) const; // empty when missing
    void WriteString(const AnsiString& name, const AnsiString& value);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
