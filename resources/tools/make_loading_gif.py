# Writes an 8-frame 32x32 spinner GIF: eight dots on a circle, one dark, fading behind it.
import math, struct

W = H = 32
BG = (0xF8, 0xF7, 0xED)  # the dialogs' background
palette = [BG] + [(70 + k * 22, 90 + k * 22, 100 + k * 22) for k in range(7)]  # 8 colours

def frame(i):
    px = [0] * (W * H)
    for j in range(8):
        a = math.radians(j * 45 - 90)
        cx, cy = 16 + 10 * math.cos(a), 16 + 10 * math.sin(a)
        d = (i - j) % 8
        colour = 1 + min(d, 6)
        for y in range(H):
            for x in range(W):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= 3.2 ** 2:
                    px[y * W + x] = colour
    return px

def lzw(pixels, min_size=3):
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    width = min_size + 1
    bits, nbits, out = 0, 0, bytearray()
    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF); bits >>= 8; nbits -= 8
    # Literal codes only, with a clear code often enough that the code width never grows.
    for n, p in enumerate(pixels):
        if n % 4 == 0:
            emit(clear)
        emit(p)
    emit(eoi)
    if nbits:
        out.append(bits & 0xFF)
    data = bytearray([min_size])
    for k in range(0, len(out), 255):
        chunk = out[k:k + 255]
        data += bytes([len(chunk)]) + chunk
    return data + b"\x00"

gif = bytearray(b"GIF89a" + struct.pack("<HH", W, H) + bytes([0xF2, 0, 0]))
for c in palette:
    gif += bytes(c)
gif += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
for i in range(8):
    gif += b"\x21\xF9\x04\x00" + struct.pack("<H", 10) + b"\x00\x00"
    gif += b"\x2C" + struct.pack("<HHHH", 0, 0, W, H) + b"\x00"
    gif += lzw(frame(i))
gif += b"\x3B"
open(__import__("os").path.join(__import__("os").path.dirname(__file__), "..", "loading.gif"), "wb").write(gif)
