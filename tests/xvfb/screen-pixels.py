#!/usr/bin/env python3
"""Reads rectangles of the screen through libX11 (X Y WIDTH HEIGHT in root coordinates, 24-bit
TrueColor as Xvfb gives it) and counts the pixels of one colour, or prints a digest of the pixels
of one or more rectangles, or writes one rectangle as a PNG file (for the documentation's
screenshots, without an image tool):
    screen-pixels.py count RRGGBB X Y WIDTH HEIGHT
    screen-pixels.py digest X Y WIDTH HEIGHT [X Y WIDTH HEIGHT ...]
    screen-pixels.py png FILE X Y WIDTH HEIGHT"""
import ctypes
import ctypes.util
import hashlib
import struct
import sys
import zlib

ZPixmap = 2
AllPlanes = ctypes.c_ulong(0xFFFFFFFF)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


def rows(x, y, width, height):
    """The rectangle's pixels as rows of (r, g, b)."""
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
    image = x11.XGetImage(display, x11.XDefaultRootWindow(display), x, y, width, height,
                          AllPlanes, ZPixmap)
    if not image or image.contents.bits_per_pixel != 32:
        sys.exit("cannot read the screen as 32-bit pixels")
    stride = image.contents.bytes_per_line
    data = ctypes.string_at(image.contents.data, stride * height)
    # Little-endian BGRX.
    return [[(data[r * stride + 4 * c + 2], data[r * stride + 4 * c + 1], data[r * stride + 4 * c])
             for c in range(width)] for r in range(height)]


def write_png(path, pixels):
    """RGB rows as an 8-bit PNG."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in pixels)
    header = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 8, 2, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                   chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(mode, *args):
    if mode == "png":
        write_png(args[0], rows(*(int(n) for n in args[1:])))
        return
    if mode == "digest":
        numbers = [int(n) for n in args]
        digest = hashlib.sha1()
        for i in range(0, len(numbers), 4):
            digest.update(repr(rows(*numbers[i:i + 4])).encode())
        print(digest.hexdigest())
        return
    colour = tuple(int(args[0][i:i + 2], 16) for i in (0, 2, 4))
    print(sum(row.count(colour) for row in rows(*(int(n) for n in args[1:]))))


main(*sys.argv[1:])
