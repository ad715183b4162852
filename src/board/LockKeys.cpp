#include "LockKeys.h"

#include <QGuiApplication>

#ifdef TRELVO_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
// Last: the X headers define macros that clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

TLockKeys ReadLockKeys()
{
    TLockKeys keys;
#if defined(TRELVO_HAVE_X11) && QT_CONFIG(xcb)
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return keys;
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != 0)
        return keys;
    const unsigned numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    keys.capsLock = (state.locked_mods & LockMask) != 0;
    if (numMask != 0)
        keys.numLock = (state.locked_mods & numMask) != 0;
#endif
    return keys;
}
