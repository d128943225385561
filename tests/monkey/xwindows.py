# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
"""Tintwell's random-input run - what it asks the X server, through Xlib.

The program's top-level windows in stacking order, the keyboard focus, and
two messages a window manager would send: the ping that a live program
answers at once, and the close box's delete request. Keys and clicks go
through xdotool; this needs no more than the standard library.
"""
import ctypes
import ctypes.util
import itertools
import select
import time
from ctypes import POINTER, byref, c_char_p, c_int, c_long, c_uint, c_ulong, c_void_p

IS_VIEWABLE = 2
CLIENT_MESSAGE = 33
STRUCTURE_NOTIFY_MASK = 1 << 17


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int),
                ("display", c_void_p), ("window", c_ulong), ("message_type", c_ulong),
                ("format", c_int), ("data", c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("type", c_int), ("xclient", ClientMessage), ("pad", c_long * 24)]


class Attributes(ctypes.Structure):
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int),
                ("border_width", c_int), ("depth", c_int), ("visual", c_void_p),
                ("root", c_ulong), ("class_", c_int), ("bit_gravity", c_int),
                ("win_gravity", c_int), ("backing_store", c_int),
                ("backing_planes", c_ulong), ("backing_pixel", c_ulong),
                ("save_under", c_int), ("colormap", c_ulong), ("map_installed", c_int),
                ("map_state", c_int), ("all_event_masks", c_long),
                ("your_event_mask", c_long), ("do_not_propagate_mask", c_long),
                ("override_redirect", c_int), ("screen", c_void_p)]


class Window:
    """One visible top-level window: id, title, place on the screen."""

    def __init__(self, wid, title, attrs, pid):
        self.id = wid
        self.title = title
        self.x, self.y = attrs.x, attrs.y
        self.width, self.height = attrs.width, attrs.height
        self.popup = bool(attrs.override_redirect)
        self.pid = pid

    def __repr__(self):
        return f"{self.id:#x} '{self.title}' {self.width}x{self.height}+{self.x}+{self.y}"


ERROR_HANDLER = ctypes.CFUNCTYPE(c_int, c_void_p, c_void_p)


class Display:
    """A connection to the X server of DISPLAY."""

    def __init__(self):
        self.x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
        self._declare()
        # A window that goes away while it is being asked about is no reason
        # to end the run: Xlib's default handler would exit the process.
        self._ignore = ERROR_HANDLER(lambda display, error: 0)
        self.x.XSetErrorHandler(self._ignore)
        self.dpy = self.x.XOpenDisplay(None)
        if not self.dpy:
            raise RuntimeError("cannot open the X display")
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.atom = {name: self.x.XInternAtom(self.dpy, name.encode(), 0) for name in (
            "WM_PROTOCOLS", "WM_DELETE_WINDOW", "_NET_WM_PING", "_NET_WM_PID",
            "_NET_WM_NAME", "UTF8_STRING", "CARDINAL")}
        # Qt sends its answer to a ping to the root window, for the clients
        # that listen to the root's structure changes.
        self.x.XSelectInput(self.dpy, self.root, STRUCTURE_NOTIFY_MASK)
        self._tokens = itertools.count(1)

    def _declare(self):
        x = self.x
        x.XOpenDisplay.restype = c_void_p
        x.XOpenDisplay.argtypes = [c_char_p]
        x.XDefaultRootWindow.restype = c_ulong
        x.XDefaultRootWindow.argtypes = [c_void_p]
        x.XInternAtom.restype = c_ulong
        x.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
        x.XSetErrorHandler.argtypes = [ERROR_HANDLER]
        x.XSelectInput.argtypes = [c_void_p, c_ulong, c_long]
        x.XQueryTree.argtypes = [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong),
                                 POINTER(POINTER(c_ulong)), POINTER(c_uint)]
        x.XGetWindowAttributes.argtypes = [c_void_p, c_ulong, POINTER(Attributes)]
        x.XGetWindowProperty.argtypes = [c_void_p, c_ulong, c_ulong, c_long, c_long, c_int,
                                         c_ulong, POINTER(c_ulong), POINTER(c_int),
                                         POINTER(c_ulong), POINTER(c_ulong),
                                         POINTER(c_void_p)]
        x.XFree.argtypes = [c_void_p]
        x.XGetInputFocus.argtypes = [c_void_p, POINTER(c_ulong), POINTER(c_int)]
        x.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, POINTER(Event)]
        x.XFlush.argtypes = [c_void_p]
        x.XSync.argtypes = [c_void_p, c_int]
        x.XPending.argtypes = [c_void_p]
        x.XNextEvent.argtypes = [c_void_p, POINTER(Event)]
        x.XConnectionNumber.argtypes = [c_void_p]

    def _property(self, wid, name, kind):
        actual, fmt = c_ulong(), c_int()
        count, after, data = c_ulong(), c_ulong(), c_void_p()
        status = self.x.XGetWindowProperty(self.dpy, wid, self.atom[name], 0, 1024, 0,
                                           self.atom[kind], byref(actual), byref(fmt),
                                           byref(count), byref(after), byref(data))
        if status != 0 or not data.value:
            return None
        try:
            if fmt.value == 32:
                return ctypes.cast(data, POINTER(c_long))[0] if count.value else None
            return ctypes.string_at(data, count.value).decode("utf-8", "replace")
        finally:
            self.x.XFree(data)

    def windows(self, pid=None):
        """The visible top-level windows, of one process or of all, topmost first."""
        root, parent = c_ulong(), c_ulong()
        children, count = POINTER(c_ulong)(), c_uint()
        if not self.x.XQueryTree(self.dpy, self.root, byref(root), byref(parent),
                                 byref(children), byref(count)):
            return []
        ids = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        found = []
        for wid in reversed(ids):  # the tree lists them bottom to top
            attrs = Attributes()
            if not self.x.XGetWindowAttributes(self.dpy, wid, byref(attrs)):
                continue
            if attrs.map_state != IS_VIEWABLE:
                continue
            owner = self._property(wid, "_NET_WM_PID", "CARDINAL")
            if pid is not None and owner != pid:
                continue
            title = self._property(wid, "_NET_WM_NAME", "UTF8_STRING") or ""
            found.append(Window(wid, title, attrs, owner))
        return found

    def title(self, wid):
        return self._property(wid, "_NET_WM_NAME", "UTF8_STRING")

    def focus(self):
        """The window that has the keyboard focus."""
        wid, revert = c_ulong(), c_int()
        self.x.XGetInputFocus(self.dpy, byref(wid), byref(revert))
        return wid.value

    def _send_protocol(self, wid, protocol, token):
        event = Event()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = wid
        event.xclient.message_type = self.atom["WM_PROTOCOLS"]
        event.xclient.format = 32
        event.xclient.data[0] = self.atom[protocol]
        event.xclient.data[1] = token
        event.xclient.data[2] = wid
        self.x.XSendEvent(self.dpy, wid, 0, 0, byref(event))
        self.x.XFlush(self.dpy)

    def close(self, wid):
        """What a window manager's close box does: asks the window to close."""
        self._send_protocol(wid, "WM_DELETE_WINDOW", 0)

    def ping(self, wid, timeout):
        """Seconds until the window's program answered a ping, or None when
        it did not answer within the timeout. The server answers every other
        request itself; only this one needs the program's event loop."""
        token = next(self._tokens)
        start = time.monotonic()
        self._send_protocol(wid, "_NET_WM_PING", token)
        event = Event()
        fd = self.x.XConnectionNumber(self.dpy)
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, byref(event))
                message = event.xclient
                if (event.type == CLIENT_MESSAGE and
                        message.data[0] == self.atom["_NET_WM_PING"] and
                        message.data[1] == token):
                    return time.monotonic() - start
            left = start + timeout - time.monotonic()
            if left <= 0:
                return None
            select.select([fd], [], [], left)

    def sync(self):
        self.x.XSync(self.dpy, 0)
