#include "platform/QtCapsLock.h"
#include <QGuiApplication>
#include <qguiapplication_platform.h>

// System headers after Qt's: X11's Bool, Status and None clash with Qt's names.
#if defined(Q_OS_WIN)
#define NOMINMAX
#include <windows.h>
#elif defined(Q_OS_MACOS)
#include <ApplicationServices/ApplicationServices.h>
#elif defined(KELMORA_X11)
#include <X11/XKBlib.h>
#endif

namespace {
CapsLockTracker systemCapsLock()
{
    using Source = CapsLockTracker::Source;
#if defined(Q_OS_WIN)
    return CapsLockTracker(Source::Indicator, [] { return (GetKeyState(VK_CAPITAL) & 1) != 0; });
#elif defined(Q_OS_MACOS)
    return CapsLockTracker(Source::Indicator, [] {
        return (CGEventSourceFlagsState(kCGEventSourceStateCombinedSessionState) & kCGEventFlagMaskAlphaShift) != 0;
    });
#else
#if defined(KELMORA_X11) && QT_CONFIG(xcb)
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (Display* display = x11 ? x11->display() : nullptr)
        return CapsLockTracker(Source::X11Indicator, [display] {
            unsigned int state = 0;
            XkbGetIndicatorState(display, XkbUseCoreKbd, &state);
            return (state & 1) != 0;
        });
#endif
    return CapsLockTracker(Source::Follow);
#endif
}
} // namespace

QtCapsLock::QtCapsLock() : tracker_(systemCapsLock()) {}
