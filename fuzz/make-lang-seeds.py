#!/usr/bin/env python3
# Writes the seed inputs of the language fuzz targets: language data of every
# format 1 to 7, packed and plain, and store resources of versions 1 to 4.
# The language tests read the same files as data written by a second,
# independent writer. Run from the repository root.
import struct, os
def u16(v): return struct.pack('<H', v)
def u32(v): return struct.pack('<I', v)
def i32(v): return struct.pack('<i', v)
def compact(n):
    if n < 128: return bytes([n])
    if n < 16384: return bytes([0x80 | (n & 127), n >> 7])
    return bytes([0x80 | (n & 127), 0x80 | ((n >> 7) & 127)]) + u16(n >> 14)
def lf(fmt, lang=9, native=1, ver=44):
    cnt = (lambda n: compact(n)) if fmt >= 6 else (lambda n: u16(n))
    s = lambda t: cnt(len(t)) + t.encode('latin1')
    w = lambda t: cnt(len(t)) + t.encode('utf-16-le')
    attr = lambda a: u16(a) if fmt > 1 else b''
    out = b'LF' + u16(fmt) + u32(ver)
    if fmt > 4: out += u32(0)
    out += u16(lang)
    if fmt > 2: out += u16(9)
    out += u16(7) + b'English' + u16(7) + 'English'.encode('utf-16-le') + u16(native) + attr(0)
    out += u32(2) + u32(5)
    if fmt > 6: out += u32(1)
    stamp = b'\0' * 8
    out += u16(1) + s('Texts') + attr(0) + u16(2)
    out += s('C1') + attr(0) + u16(100) + u32(1) + w('Alarm') + i32(2) + stamp
    out += s('C2') + attr(256) + u16(101) + u32(2) + w('Restore ' * 20) + i32(-1) + stamp
    out += u16(1) + s('MainFrm') + attr(0) + u16(1)
    out += s('Caption') + attr(0) + u32(1) + u32(2) + w('Quorvel') + i32(1) + stamp
    out += u16(1) + s('btnOK') + attr(0) + u16(4)
    for pid, typ in ((2, 0), (3, 1), (4, 3), (5, 4)):
        out += s('P%d' % pid) + attr(0) + u32(pid) + u32(typ)
        if fmt >= 4 or typ in (2, 4):
            out += {0: struct.pack('<d', 1.5), 1: i32(-7), 3: b'', 4: w('a\r\nb')}[typ]
        out += i32(1) + stamp
    if fmt > 6:
        out += u16(1) + s('G') + u16(0) + u16(1) + s('I') + u16(0) + u32(1) + w('x') + i32(1) + stamp
    return out
def lzq_literal(data):
    out = b'LZQ00' + b'\0' * 4
    for i in range(0, len(data), 127):
        chunk = data[i:i+127]
        out += bytes([len(chunk) << 1]) + chunk
    return out
def qll(version, blocks):
    out = b'QLL' + u16(version) + u32(44) + u16(len(blocks))
    for lang, _ in blocks:
        out += u16(lang)
        if version >= 3: out += compact(7) + b'English'
        if version >= 4: out += compact(7) + 'English'.encode('utf-16-le')
    for _, b in blocks:
        out += (u16(len(b)) if version < 2 else u32(len(b))) + b
    return out
def put(target, name, data):
    open(os.path.join('fuzz/corpus', target, name), 'wb').write(data)
put('fuzz_lzq', 'literal', lzq_literal(b'Hello, station'))
put('fuzz_lzq', 'repeat', b'LZQ00\0\0\0\0' + bytes([2]) + b'a' + bytes([0xF3, 0xF0 & 0xFF]) + b'\0')
put('fuzz_lzq', 'backref', b'LZQ00\0\0\0\0' + bytes([6]) + b'abc' + u16(1 | (3 << 1) | (15 << 12)))
put('fuzz_lzq', 'plain', b'English text, not packed')
for fmt in range(1, 8):
    for mode in range(3):
        put('fuzz_langfile', 'f%d_m%d' % (fmt, mode), bytes([mode]) + lf(fmt, 1038 if mode == 2 else 9))
put('fuzz_langfile', 'packed_native', bytes([1]) + lzq_literal(lf(7)))
put('fuzz_langfile', 'packed_additional', bytes([2]) + lzq_literal(lf(7, 1038, 0)))
for v in range(1, 5):
    put('fuzz_langresource', 'v%d' % v, qll(v, [(9, lf(7)), (1038, lzq_literal(lf(6, 1038, 0)))]))
put('fuzz_langresource', 'packed', qll(4, [(9, lzq_literal(lf(7)))]))
