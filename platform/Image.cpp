#include "platform/Controls.h"

#include "platform/internal/Bridge.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

TImage::TImage(TComponent* owner) : TControl(owner, new wyx::Clickable<QLabel>) {
    widget_->resize(105, 105);
    static_cast<QLabel*>(widget_)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TImage::LoadXpm(const char* const* xpm) {
    auto* l = static_cast<QLabel*>(widget_);
    l->setScaledContents(Stretch);
    l->setPixmap(xpm ? QPixmap(xpm) : QPixmap());
}

void TImage::Clear() {
    static_cast<QLabel*>(widget_)->setPixmap(QPixmap());
}

std::vector<uint32_t> TImage::PixelsArgb(int* width, int* height) const {
    QPixmap pm = static_cast<QLabel*>(widget_)->pixmap();
    QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    if (width) *width = img.width();
    if (height) *height = img.height();
    std::vector<uint32_t> out;
    out.reserve(static_cast<size_t>(img.width()) * static_cast<size_t>(img.height()));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.push_back(img.pixel(x, y));
    return out;
}
