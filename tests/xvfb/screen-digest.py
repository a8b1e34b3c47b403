#!/usr/bin/env python3
"""Prints a digest of the screen's pixels in the given rectangles (X Y WIDTH HEIGHT, each
four numbers in root coordinates), read from the X server through libX11."""
import ctypes
import ctypes.util
import hashlib
import sys

ZPixmap = 2
AllPlanes = ctypes.c_ulong(0xFFFFFFFF)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


def main(numbers):
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the display")
    root = x11.XDefaultRootWindow(display)
    digest = hashlib.sha1()
    for i in range(0, len(numbers), 4):
        x, y, width, height = numbers[i:i + 4]
        image = x11.XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap)
        if not image:
            sys.exit("cannot read the screen")
        size = image.contents.bytes_per_line * image.contents.height
        digest.update(ctypes.string_at(image.contents.data, size))
    print(digest.hexdigest())


main([int(n) for n in sys.argv[1:]])
