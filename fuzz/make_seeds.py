#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/: valid inputs built
from the real formats (as dvrsim, the stream packager and the PTZ page make them) and the edge
cases next to them. Inputs that a fuzzer found are added by hand beside these and kept."""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# --- the device's stream (tools/wire/test_picture.h) ---
def picture(w=352, h=288, frame=1, box=(8, 8), channel=0, key=1, shift=0, text=b"CH1"):
    return (b"VTP1" + struct.pack("<HHIHHBBH", w, h, frame, box[0], box[1], channel, key, shift)
            + text.ljust(32, b"\0")[:32])


def stream_header(w=352, h=288):
    return b"VTPS" + struct.pack("<HHII", w, h, 25, 0)


def i_frame(n=1, **kw):
    return b"VTPI" + struct.pack("<III", n, 40 * n, 0) + picture(frame=n, key=1, **kw) + bytes(64)


def p_frame(n=2, **kw):
    return struct.pack("<II", n, 40 * n) + picture(frame=n, key=0, **kw) + bytes(32)


def audio(n=1):
    return struct.pack("<II", n, 20 * n) + bytes([0xD5]) * 160


# --- stream_packaging_fuzz records ---
TYPE_CODE = {0: 0, 1: 1, 2: 2, 3: 3, 4: 4, 5: 5, 10: 6, 6: 7, 9: 8, 11: 9}


def packet(ptype, data, op=0, first=0x60, second=0x20):
    return bytes([op, TYPE_CODE[ptype]]) + struct.pack("<H", len(data)) + bytes(
        [first, second]) + data


STOP = bytes([7])


def answers(bits):
    return bytes([6, bits])


def big(cut, ptype):
    return bytes([5, cut, TYPE_CODE[ptype]])


live = packet(0, stream_header()) + packet(1, i_frame(1)) + packet(2, p_frame(2)) + packet(
    10, audio(1)) + packet(3, p_frame(3))
write("stream_packaging_fuzz", "live-stream", live + STOP + live)
write("stream_packaging_fuzz", "no-header-first",
      packet(2, p_frame(1)) + packet(1, i_frame(2)) + packet(5, p_frame(3)) + STOP)
write("stream_packaging_fuzz", "player-refuses",
      answers(1) + live + STOP + answers(2) + live + STOP + answers(4) + live + answers(0) +
      packet(1, i_frame(9)))
write("stream_packaging_fuzz", "bad-lengths",
      packet(1, bytes(15)) + packet(1, bytes(16)) + packet(2, bytes(7)) + packet(10, bytes(8)) +
      packet(1, i_frame(1), op=8) + packet(2, p_frame(2), op=16) + packet(0, b"", op=0) +
      packet(9, bytes(20)) + packet(11, bytes(20)))
write("stream_packaging_fuzz", "buffer-limit",
      packet(1, i_frame(1)) + big(0, 1) + big(63, 1) + big(64, 1) + big(100, 2) + STOP +
      big(0, 0) + STOP + big(80, 0))
write("stream_packaging_fuzz", "empty", b"")


# --- player_container_fuzz chunks (the container of tools/player/container.h) ---
def frame_header(ftype, length, w=352, h=288, counter=1, tick=1000):
    return b"HALCYONIXDVR" + struct.pack("<iIIIIiIII", ftype, 420, length, w, h, counter, 0,
                                         tick, 0)


def chunk(ftype, payload, stream=False, **kw):
    head = b"HBM4" + bytes(12) if stream else b""
    return head + frame_header(ftype, len(payload), **kw) + payload


DESCRIPTOR = b"alaw" + struct.pack("<HIHHHHH", 1, 8000, 16000, 16, 0, 0, 20)


def split(*chunks):
    return b"".join(struct.pack("<H", len(c)) + c for c in chunks)


start = chunk(0, stream_header(), stream=True)
write("player_container_fuzz", "live-stream",
      split(start, chunk(1, i_frame(1)[16:]), chunk(2, p_frame(2)[8:]),
            chunk(5, DESCRIPTOR + bytes(160))))
write("player_container_fuzz", "substitute-start",
      split(chunk(0, bytes([0, 0, 0, 1, 0x0E, 0x0E]), stream=True), chunk(1, picture())))
write("player_container_fuzz", "picture-edges",
      split(start, chunk(1, picture(w=4096, h=8, box=(4095, 7), shift=0xFFFF)),
            chunk(2, picture(w=1, h=1, box=(0xFFFF, 0xFFFF))),
            chunk(2, picture(w=0, h=100)), chunk(1, picture(w=640, h=4097)),
            chunk(1, picture(text=b"X" * 32))))
write("player_container_fuzz", "malformed",
      split(chunk(1, picture(), stream=True), chunk(1, picture())[:-1],
            frame_header(2, 100) + picture(), b"HBM4", b"HBM4" + bytes(11), b"HALCYONIXDV",
            chunk(7, b""), chunk(5, DESCRIPTOR[:19]), chunk(0, b"VTPX" + bytes(12))))
write("player_container_fuzz", "bare-picture", split(picture()) + picture())

# --- ddns_reply_fuzz replies ---
for name, reply in {
        "answer": b"MYJSTIP=10.0.0.7&",
        "answer-in-page": b"HTTP/1.0 200 OK\r\n\r\nSTATUS=1&MYJSTIP=192.168.1.64&PORT=37777&",
        "no-ampersand": b"MYJSTIP=10.0.0.7",
        "out-of-range": b"MYJSTIP=256.1.1.1&",
        "three-numbers": b"MYJSTIP=1.2.3&",
        "blanks": b"MYJSTIP= 1. 2. 3. 4 5&",
        "long-value": b"MYJSTIP=" + b"1." * 40 + b"&",
        "key-past-piece": b"x" * 510 + b"MYJSTIP=1.1.1.1&",
        "equals-first": b"=&MYJSTIP&=9.9.9.9&",
        "empty-value": b"MYJSTIP=&",
}.items():
    write("ddns_reply_fuzz", name, reply)

# --- preset_file_fuzz: a selector byte (channel + 1, bit 7 no room), then the file ---
IMAGE = 696496
PRESETS, PLANS, SPEEDS = 48, 671792, 696368


def preset_file(channel, names=(b"Gate", b"Door"), plans=3, speed=200, home=1):
    image = bytearray(IMAGE)
    image[0:12] = b"192.168.1.64"
    for slot, name in enumerate(names):
        at = PRESETS + channel * 128 * 164 + slot * 164
        record = struct.pack("<i", 1) + name.ljust(48, b"\0")[:48] + struct.pack(
            "<iiii", slot + 1, 1 if slot == home else 0, 30, 0)
        image[at:at + len(record)] = record
    for slot in range(plans):
        at = PLANS + channel * 32 * 24 + slot * 24
        image[at:at + 24] = struct.pack("<iiiiii", 1, slot, 1 + slot, 300, 59, 258)
    image[SPEEDS + 4 * channel:SPEEDS + 4 * channel + 4] = struct.pack("<i", speed)
    return bytes([8] * 4) + bytes(image)


write("preset_file_fuzz", "channel-0", bytes([1]) + preset_file(0))
write("preset_file_fuzz", "channel-31-unterminated-name",
      bytes([32]) + preset_file(31, names=(b"N" * 48, b"", b"Z" * 47), speed=0, home=5))
write("preset_file_fuzz", "header-only", bytes([1]) + bytes([8] * 4))
write("preset_file_fuzz", "bad-header", bytes([1]) + bytes([8, 8, 8, 9]) + bytes(200))
write("preset_file_fuzz", "short-header", bytes([1]) + bytes([8] * 3))
write("preset_file_fuzz", "cut-in-record",
      bytes([1]) + preset_file(0)[:4 + PRESETS + 100])
write("preset_file_fuzz", "channel-below", bytes([0]) + bytes([8] * 4))
write("preset_file_fuzz", "channel-above", bytes([33]) + bytes([8] * 4))
write("preset_file_fuzz", "no-room", bytes([0x81]) + bytes([8] * 4))


# --- wire_fuzz: what a client sends dvrsim, framed (tools/wire/frame.h, commands.h) ---
def frame(command, payload=b"", sequence=1):
    return b"VSIM" + struct.pack("<HHIiI", command, 0, sequence, 0, len(payload)) + payload


LOGIN = frame(1, b"admin".ljust(64, b"\0") + bytes(64))
RECORDS = [(18, 0, 192), (20, 0, 144), (43, 0, 8), (42, -1, 212), (38, -1, 1680),
           (15, -1, 324), (9, 0, 57), (68, -1, 2816), (10, -1, 3028), (30, -1, 11520),
           (23, 0, 1360), (24, -1, 54016), (27, -1, 49920), (13, 0, 8), (21, -1, 1920),
           (11, 0, 3204)]


def get_config(command, channel, size):
    return frame(3, struct.pack("<iiI", command, channel, size))


write("wire_fuzz", "login-read-every-record-logout",
      LOGIN + b"".join(get_config(*r) for r in RECORDS) + frame(2))
write("wire_fuzz", "store-record-20",
      LOGIN + frame(4, struct.pack("<ii", 20, 0) + bytes(60) + struct.pack("<i", 8080) + bytes(80)))
write("wire_fuzz", "store-wrong-size-and-channel",
      LOGIN + frame(4, struct.pack("<ii", 20, 0) + bytes(7))
      + frame(4, struct.pack("<ii", 23, 40) + bytes(1360)) + get_config(99, 0, 16))
write("wire_fuzz", "play-start-stop",
      LOGIN + frame(5, struct.pack("<iii", 7, 0, 0)) + frame(5, struct.pack("<iii", 8, 31, 1))
      + frame(6, struct.pack("<i", 7)) + frame(6, struct.pack("<i", 99)))
write("wire_fuzz", "ptz-motion-and-presets",
      LOGIN + frame(8, struct.pack("<iiii", 0, 2, 0, 4)) + frame(8, struct.pack("<iiii", 0, 2, 1, 4))
      + frame(9, struct.pack("<iiiiii", 1, 8, 3, 0, 0, 0))
      + frame(9, struct.pack("<iiiiii", 1, 10, 3, 0, 0, 0)))
write("wire_fuzz", "upgrade",
      LOGIN + frame(11, struct.pack("<I", 64)) + frame(12, bytes(range(64))) + frame(13))
write("wire_fuzz", "reboot-and-control", LOGIN + frame(14, b"refuse 20") + frame(10))
write("wire_fuzz", "not-logged-in", get_config(18, 0, 192) + frame(1, b"short"))
write("wire_fuzz", "bad-password", frame(1, b"admin".ljust(64, b"\0") + b"x".ljust(64, b"\0")))
write("wire_fuzz", "cut-header", LOGIN + b"VSIM\x03\x00")
write("wire_fuzz", "stray-text", b"GET / HTTP/1.0\r\n\r\n")
