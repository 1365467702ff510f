// The default printer and its canvas.
#pragma once
#include "platform/System.h"

class TPrinterCanvasFont {
  public:
    AnsiString Name = "Times New Roman";
    int Charset = 0;
    int Height = -12; // pixels of the printer; negative: character height
    unsigned Style = 0;
};

class TPrinter {
  public:
    TPrinter();
    ~TPrinter();
    int PrinterCount() const;
    AnsiString Title;
    void BeginDoc();
    void EndDoc();
    void Abort();
    void NewPage();
    bool Printing() const;
    int PageHeight() const; // printer pixels
    int PageWidth() const;
    int PageNumber() const;
    TPrinterCanvasFont& CanvasFont() { return font_; }
    void TextOut(int x, int y, const AnsiString& text);
    int TextHeight(const AnsiString& text) const;
    int TextWidth(const AnsiString& text) const;

  private:
    TPrinterCanvasFont font_;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The one printer object.
TPrinter* Printer();
