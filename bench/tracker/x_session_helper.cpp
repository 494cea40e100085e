// What a bare X server lacks for the program to live in its notification area: an owner of
// the notification area (`tray`, until killed), and a window manager's close box (`close`).
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int ownTheNotificationArea(Display *display)
{
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const Window owner = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const std::string selectionName = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    const Atom selection = XInternAtom(display, selectionName.c_str(), False);
    XSetSelectionOwner(display, selection, owner, CurrentTime);
    if (XGetSelectionOwner(display, selection) != owner) {
        std::fprintf(stderr, "the notification area has an owner already\n");
        return 1;
    }
    // Programs that started before the area wait for this announcement.
    XEvent manager {};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = root;
    manager.xclient.message_type = XInternAtom(display, "MANAGER", False);
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = CurrentTime;
    manager.xclient.data.l[1] = long(selection);
    manager.xclient.data.l[2] = long(owner);
    XSendEvent(display, root, False, StructureNotifyMask, &manager);
    XFlush(display);
    std::puts("ready");
    std::fflush(stdout);
    // The icons' dock requests are left unanswered: nothing here is ever on screen.
    for (XEvent event;;)
        XNextEvent(display, &event);
}

int pressTheCloseBox(Display *display, Window window)
{
    XEvent close {};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XSync(display, False);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "tray") == 0)
        return ownTheNotificationArea(display);
    if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        return pressTheCloseBox(display, Window(std::strtoul(argv[2], nullptr, 0)));
    std::fprintf(stderr, "usage: %s tray | close <window id>\n", argv[0]);
    return 2;
}
