#include "platform/Controls.h"
#include <QWidget>

void ReleaseMouseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}
