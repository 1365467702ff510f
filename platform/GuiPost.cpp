#include "platform/GuiPost.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <memory>

#if defined(__SANITIZE_THREAD__)
#define WYX_TSAN_ANNOTATE 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define WYX_TSAN_ANNOTATE 1
#endif
#endif

namespace {

// Qt's event queue orders the hand-over with locks ThreadSanitizer cannot see (Qt is not
// instrumented); these annotations tell it that the call was complete before it was taken.
#ifdef WYX_TSAN_ANNOTATE
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
void HandOver(void* p) {
    __tsan_release(p);
}
void TakeOver(void* p) {
    __tsan_acquire(p);
}
#else
void HandOver(void*) {}
void TakeOver(void*) {}
#endif

} // namespace

void PostToGuiThread(std::function<void()> call) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    auto box = std::make_shared<std::function<void()>>(std::move(call));
    HandOver(box.get());
    // The call and everything it holds are run and released on the GUI thread.
    QMetaObject::invokeMethod(
        app,
        [box] {
            TakeOver(box.get());
            std::function<void()> f = std::move(*box);
            f();
        },
        Qt::QueuedConnection);
}

void ProcessPendingEvents(int ms) {
    if (!QCoreApplication::instance()) return;
    QEventLoop loop;
    QTimer::singleShot(ms < 0 ? 0 : ms, &loop, &QEventLoop::quit);
    loop.exec();
}
