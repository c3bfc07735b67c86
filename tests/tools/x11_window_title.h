#pragma once
// The title of a top-level X window as a window manager reads it: _NET_WM_NAME (UTF-8),
// else WM_NAME. Shared by the tools that find the program's window by its title.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

namespace qv::x11 {

inline std::string windowTitle(Display* display, Window window)
{
    std::string title;
    XTextProperty property{};
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    if (XGetTextProperty(display, window, &property, netName) && property.value) {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    } else if (XGetWMName(display, window, &property) && property.value) {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

}  // namespace qv::x11
