// Checks of the settings pages' text edits: key filters for typed bytes, walks over a whole
// text, and the refusal step that puts an edit's last valid text back.
#pragma once
#include "editor/model/MemoryDocument.h"
#include <functional>
#include <optional>

class TEdit;

namespace PageText {
inline const AnsiString InvalidCharacter = "Invalid character.\nPlease check and try again.";
inline const AnsiString InvalidData = "Invalid data.\nPlease check and try again.";
} // namespace PageText

// The result of walking a whole text. Copy is the text to store when Good. Remainder is set
// when a stray leading separator was taken out: the rest of the text, to be kept if it passes.
struct TextVerdict {
    bool Good = true;
    AnsiString Copy;
    std::optional<AnsiString> Remainder;
};
using TextWalker = std::function<TextVerdict(const AnsiString&)>;

// The rules a call-sign or path walk can be given.
struct CallSignRules {
    // Any character other than "-" (and "," in a path) counts as a call-sign character;
    // otherwise only letters A-Z and digits do.
    bool AnyCharacter = false;
    bool AcceptZeroSsid = false;
    // A path's leading "," offers the rest of the text to keep; otherwise the edit returns to
    // its last valid text.
    bool LeadingCommaKeepsRest = true;
};

// One call sign of up to six characters, optionally "-" and an SSID of 1..15 (0..15 and a
// leading zero when AcceptZeroSsid). A trailing "-" is accepted and dropped.
TextVerdict WalkCallSign(const AnsiString& text, const CallSignRules& rules);
TextVerdict WalkCallSign(const AnsiString& text, bool acceptZeroSsid);
// Call signs joined by single commas, at most 32 characters; a "-" before a comma and one
// trailing comma and "-" are dropped.
TextVerdict WalkPacketPath(const AnsiString& text, const CallSignRules& rules);
TextVerdict WalkPacketPath(const AnsiString& text);
// Letters, digits, blank and "-", "/", "!", "?", at most capacity characters.
TextVerdict WalkSstvText(const AnsiString& text, size_t capacity);

// Key filters: each may change Key (upper case) and returns whether the key is accepted.
bool FilterCallSignKey(char& key);
bool FilterPacketPathKey(char& key);
bool FilterSstvKey(char& key);
bool AcceptPowerOnMessageByte(unsigned char b, char region);
bool AcceptStatusTextByte(unsigned char b, char region);

// The number in decimal with leading zeros to at least width digits ("09", "0120").
AnsiString ZeroPadded(int n, size_t width);

// Shows the information box every refusal of the pages uses, titled with the program title.
void ShowPageRefusal(const AnsiString& text);

// Checks the edit's whole text. Accepted: it becomes the edit's last valid text and its stored
// form is returned. Refused: the message is shown, the edit gets its last valid text back (which
// runs its change handler again on that text) and the stored form of that text is returned.
AnsiString CheckEditText(TEdit* edit, TMemoryDocument& doc, TLastValid buffer,
                         const TextWalker& walk);
