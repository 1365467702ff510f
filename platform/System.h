// Basic types of the class-library layer: byte strings, exceptions, component ownership,
// event signatures, key codes, message-box flags and answers, modal results.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Document and control text is 8-bit bytes; a control's font character set says how they show.
using AnsiString = std::string;

// Base of every exception a handler may raise; the application's exception display shows
// Message.
class Exception : public std::exception {
  public:
    explicit Exception(AnsiString msg) : Message(std::move(msg)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    AnsiString Message;
};

class TObject {
  public:
    virtual ~TObject() = default;
};

// A component owns the components created with it as owner and frees them, newest first.
class TComponent : public TObject {
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    AnsiString Name;
    int Tag = 0;

  protected:
    // Frees the owned components now, newest first.
    void DestroyComponents();

  private:
    void RemoveComponent(TComponent* c);
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> owned_;
};

// Shift state of a key or mouse event.
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16 };
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Virtual key codes as the handlers see them.
enum : uint16_t {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21, // Page Up
    VK_NEXT = 0x22,  // Page Down
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
// Key is the typed character as one byte; setting it to 0 discards the key.
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
// Key is a virtual key code; setting it to 0 consumes the key.
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// Message-box flags and answers (the Win32 values).
enum : int {
    MB_OK = 0x00,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Modal results of forms and buttons.
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Command-line arguments after the program name (1-based as in the class library).
int ParamCount();
AnsiString ParamStr(int index);
// Called once by main before the application starts.
void SetCommandLine(int argc, char** argv);

// Current working directory with a trailing separator.
AnsiString GetCurrentDir();
