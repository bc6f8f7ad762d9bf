// Closes the desktop application as its close box does, from outside it:
// waits for a shown top-level window whose title begins with NAME on the
// display that DISPLAY names, and sends it WM_DELETE_WINDOW.
//   close_window NAME SECONDS
// Exit status 0 when the window was found and asked to close, 1 when none
// was shown in time, 2 without a display.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string titleOf(Display* display, Window window) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || !name) return "";
  std::string title = name;
  XFree(name);
  return title;
}

// A shown window below the root (toolkits may wrap theirs once) with that title.
Window findWindow(Display* display, Window parent, const std::string& title, int depth) {
  Window root, up, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; i++) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    if (titleOf(display, children[i]).compare(0, title.size(), title) == 0)
      found = children[i];
    else if (depth > 0)
      found = findWindow(display, children[i], title, depth - 1);
  }
  if (children) XFree(children);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: close_window NAME SECONDS\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 2;
  std::string title = argv[1];
  int tenths = atoi(argv[2]) * 10;
  Window window = 0;
  for (int i = 0; i < tenths && !window; i++) {
    window = findWindow(display, DefaultRootWindow(display), title, 1);
    if (!window) usleep(100000);
  }
  if (!window) {
    XCloseDisplay(display);
    return 1;
  }
  // What the program does right after showing its window happens first.
  usleep(500000);
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
  return 0;
}
