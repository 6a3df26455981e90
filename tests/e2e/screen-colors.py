#!/usr/bin/env python3
"""Prints the colours the screen shows at X Y over COUNT samples DELAY seconds apart, one "rrggbb"
line per colour in the order first seen: a check that something on the screen changes, read
through libX11 so that no capture tool is needed. Usage: screen-colors.py X Y COUNT DELAY"""
import ctypes
import sys
import time

x, y, count, delay = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), float(sys.argv[4])
xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XGetImage.restype = ctypes.c_void_p
xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
xlib.XGetPixel.restype = ctypes.c_ulong
xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
root = xlib.XDefaultRootWindow(display)
all_planes, z_pixmap = 0xFFFFFFFF, 2
seen = []
for _ in range(count):
    # Each 1 x 1 image is left to the end of the process: freeing one is a macro in Xlib.
    image = xlib.XGetImage(display, root, x, y, 1, 1, all_planes, z_pixmap)
    color = "%06x" % (xlib.XGetPixel(image, 0, 0) & 0xFFFFFF)
    if color not in seen:
        seen.append(color)
    time.sleep(delay)
print("\n".join(seen))
