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


# --- page_records_fuzz: the page, eight (event, argument) pairs, then one segment a record,
# separated by "#REC"; each record array is tiled with its segment (tools/dvrsim's factory
# records, one channel's or alarm input's slot where the record has one a channel) ---
SERVER, CHANNEL, PTZ, SENSOR, ALARM = range(5)
SWITCH_AWAY = {SERVER: 11, CHANNEL: 25, PTZ: 19, SENSOR: 19, ALARM: 18}


def i32s(*values):
    return b"".join(struct.pack("<i", v) for v in values)


def put(block, offset, data):
    block[offset:offset + len(data)] = data


def text(value, width):
    return value.ljust(width, b"\0")[:width]


def page_input(page, events, segments):
    pairs = list(events) + [(SWITCH_AWAY[page], 0)] * (8 - len(events))
    return bytes([page]) + bytes(b for pair in pairs for b in pair) + b"#REC".join(segments)


def device_info(channels=4, inputs=4, outputs=1, extra=0, version=b"V2.40.2", serial=b"HB13053104"):
    b = bytearray(400)
    put(b, 0, text(version, 64))
    put(b, 64, text(b"DVS-HB04 rev.B", 64))
    put(b, 192, i32s(2013, 5, 31))
    put(b, 208, i32s(9, 7, 5))
    put(b, 224, text(serial, 64))
    put(b, 288, i32s(channels))
    put(b, 296, i32s(inputs, outputs))
    put(b, 324, i32s(extra))
    return bytes(b)


def general(video=0, language=0, date_format=0, name=b"DVS-Office"):
    b = bytearray(192)
    put(b, 36, i32s(1))
    put(b, 44, text(name, 64))
    put(b, 116, i32s(video, language, date_format))
    return bytes(b)


def network(host=b"dvs-office"):
    b = bytearray(144)
    put(b, 0, text(host, 64))
    put(b, 64, bytes([127, 0, 0, 1, 255, 0, 0, 0, 127, 0, 0, 1]))
    put(b, 76, i32s(80, 34567))
    put(b, 109, text(b"00:12:31:4a:08:6c", 35))
    return bytes(b)


DDNS_TYPES = [b"DynDNS", b"No-IP", b"3322", b"Oray", b"VelaDDNS"]


def ddns_types(names=DDNS_TYPES, count=None):
    b = bytearray(324)
    put(b, 0, i32s(len(names) if count is None else count))
    for i, name in enumerate(names[:5]):
        put(b, 4 + 64 * i, text(name, 64))
    return bytes(b)


def ddns_entries(names=DDNS_TYPES):
    b = bytearray(1680)
    for n, name in enumerate(names[:5]):
        put(b, 336 * n + 2, text(name, 64))
        put(b, 336 * n + 196, bytes([203, 0, 113, 10 + n]) + i32s(80))
    return bytes(b)


def encoding_entry(main=(0, 0, 4, 25, 1536, 4), sub=(3, 0, 3, 12, 200, 4), audio=1):
    b = bytearray(88)
    for at, (resolution, control, quality, fps, rate, interval), sound in (
            (0, main, audio), (44, sub, 0)):
        put(b, at, i32s(1, resolution, control, quality, fps, rate, interval))
        put(b, at + 40, bytes([1, sound]))
    return bytes(b)


def capability(channels=4, share=0):
    per_channel = (405504 + 101376) * 25
    b = bytearray(3028)
    put(b, 0, i32s(per_channel * channels, share))
    for ch in range(channels):
        put(b, 8 + 4 * ch, i32s(per_channel))
        put(b, 136 + 4 * ch, i32s(0x1F))
        put(b, 264 + 4 * ch, i32s(0x18))
        put(b, 596 + 4 * 19 * ch, i32s(0x18))
    put(b, 408, i32s(0x1F))
    put(b, 592, i32s(4096 * channels))
    return bytes(b)


def titles(cover=(2048, 2048, 4096, 4096), name_at=(418, 7395), time_at=(418, 341),
           name=b"CAM 1", cover_on=0):
    b = bytearray(360)
    put(b, 8, i32s(*cover) + bytes([cover_on, cover_on]))
    put(b, 232, i32s(*name_at))
    put(b, 249, b"\x01")
    put(b, 260, i32s(*time_at))
    put(b, 277, b"\x01")
    put(b, 280, text(name, 64))
    return bytes(b)


def schedule(pre_record=5, stop=(23, 59), types=1):
    b = bytearray(1360)
    put(b, 0, i32s(pre_record))
    for day in range(7):
        put(b, 16 + 28 * 6 * day, i32s(1, 0, 0, 0, stop[0], stop[1], 0))
        put(b, 1192 + 4 * 6 * day, i32s(types))
    return bytes(b)


def linkage(record_mask=1, output=0, buzzer=1, stop=(23, 59, 59), ptz_links=()):
    b = bytearray(1552)
    put(b, 0, i32s(record_mask))
    put(b, 16, i32s(output))
    for camera, (kind, number) in enumerate(ptz_links):
        put(b, 32 + 8 * camera, i32s(kind, number))
    for day in range(7):
        put(b, 288 + 28 * 6 * day, i32s(1, 0, 0, 0, *stop))
    b[1464] = 1 if record_mask else 0
    b[1467] = 1 if output else 0
    b[1472] = buzzer
    return bytes(b)


def alarm_head(enable=1, level=3):
    return bytes([enable, 0, 0, 0]) + i32s(level)


def motion(rows=18, columns=22, level=3, **link):
    area = b"".join(i32s((1 << columns) - 1 if columns < 32 else -1) for _ in range(rows))
    return alarm_head(1, level) + area.ljust(128, b"\0") + linkage(**link)


def ptz_decoder(protocol=b"PELCOD", address=1, baud=9600):
    return text(protocol, 32) + i32s(address, 8, 1, 0, 0, 0, baud)


PROTOCOLS = [b"PELCOD", b"PELCOP", b"SAMSUNG", b"LILIN", b"YAAN", b"B01", b"HY", b"DSCP",
             b"KALATEL", b"PANASONIC"]


def protocol_list(names=PROTOCOLS, count=None):
    return i32s(len(names) if count is None else count) + b"".join(text(n, 32) for n in names)


def server_records(info=device_info(), names=DDNS_TYPES, **kw):
    return [info, general(**kw), network(), i32s(0, 8), bytes(212), ddns_entries(names),
            ddns_types(names)]


write("page_records_fuzz", "server-factory",
      page_input(SERVER, [(0, 1), (2, 0), (10, 130), (0, 4), (1, 0), (7, 9), (8, 13)],
                 server_records()))
write("page_records_fuzz", "server-unterminated-texts",
      page_input(SERVER, [(0, 2), (2, 0), (9, 200), (3, 0), (1, 0), (11, 0), (0, 7)],
                 server_records(device_info(channels=40, version=b"V" * 300, serial=b"S" * 64),
                                names=[b"D" * 64] * 5, language=12, video=-1,
                                name=b"N" * 64)[:6] + [ddns_types([b"D" * 64] * 5, count=9)]))

ENCODING = encoding_entry()
CHANNEL_DEFAULT = [device_info(), general(), b"\x01", ENCODING, capability(), titles(),
                   schedule()]
write("page_records_fuzz", "channel-factory",
      page_input(CHANNEL, [(0, 2), (2, 0), (9, 1), (15, 4), (16, 0), (17, 7), (18, 0), (24, 100)],
                 CHANNEL_DEFAULT))
write("page_records_fuzz", "channel-out-of-range",
      page_input(CHANNEL, [(1, 0), (12, 3), (9, 0), (2, 0), (10, 1), (14, 2), (0, 33), (7, 0)],
                 [device_info(channels=40), general(video=1, date_format=7), b"\x00",
                  encoding_entry(main=(25, 3, 9, -5, -1, 0), sub=(-1, 1, 0, 99, 1 << 30, -1)),
                  capability(channels=32, share=1),
                  titles(cover=(-1, 0x7FFFFFFF, -0x80000000, 9000), name_at=(0x7FFFFFFF, -1),
                         time_at=(-0x80000000, 8192), name=b"X" * 64, cover_on=2),
                  schedule(pre_record=300, stop=(24, 99), types=-1)]))
write("page_records_fuzz", "channel-capacity-without-channels",
      page_input(CHANNEL, [(2, 0), (9, 2), (1, 0), (12, 0), (19, 9), (20, 2)],
                 [device_info(channels=0, extra=4), general(), b"\x01", ENCODING,
                  capability(channels=0, share=1), titles(), schedule()]))

PTZ_DEFAULT = [device_info(), ptz_decoder(), protocol_list()]
write("page_records_fuzz", "ptz-factory",
      page_input(PTZ, [(0, 1), (2, 170), (3, 3), (6, 4), (7, 0), (10, 0), (8, 0), (5, 40)],
                 PTZ_DEFAULT))
write("page_records_fuzz", "ptz-overlong-list",
      page_input(PTZ, [(1, 120), (0, 31), (4, 255), (6, 32), (7, 0), (3, 9)],
                 [device_info(channels=33), ptz_decoder(b"P" * 32, -1, 0),
                  protocol_list([b"Q" * 32] * 3, count=150)]))
# The PTZ page with a preset file: one preset slot repeated over every channel's presets,
# then the plan panel driven (preset, day, row, add, delete, copy to all days).
PRESET_SLOT = (i32s(1) + text(b"Gate", 48) + i32s(3, 1, 30, 0)).ljust(164, b"\0")
write("page_records_fuzz", "ptz-preset-file",
      page_input(PTZ, [(12, 0), (13, 2), (15, 0), (14, 0), (16, 0), (17, 7), (18, 0), (11, 9)],
                 PTZ_DEFAULT + [PRESET_SLOT]))
write("page_records_fuzz", "ptz-preset-file-out-of-range",
      page_input(PTZ, [(9, 0), (12, 1), (14, 3), (16, 0), (10, 0), (8, 0)],
                 PTZ_DEFAULT + [(i32s(7) + text(b"N" * 48, 48) + i32s(500, -1, -9, 99)) * 3]))

SENSOR_INPUT = bytes([1, 0, 0, 0]) + i32s(0) + linkage(record_mask=0xF, output=1,
                                                       ptz_links=[(1, 3), (2, 5)])
write("page_records_fuzz", "sensor-factory",
      page_input(SENSOR, [(0, 2), (5, 0), (6, 3), (7, 2), (8, 50), (2, 4), (3, 0), (14, 7)],
                 [device_info(), SENSOR_INPUT]))
write("page_records_fuzz", "sensor-without-cameras",
      page_input(SENSOR, [(5, 0), (6, 1), (8, 120), (10, 0), (11, 0), (13, 3), (2, 3), (3, 0)],
                 [device_info(channels=0, inputs=3, outputs=40),
                  bytes([2, 0, 0, 0]) + i32s(7) + linkage(record_mask=-1, output=-1, buzzer=2,
                                                          stop=(0x10017, 0x1003B, 61))]))

ALARM_DEFAULT = [device_info(), motion(), alarm_head() + linkage(), bytes(4) + linkage(),
                 i32s(18, 22)]
write("page_records_fuzz", "alarm-factory",
      page_input(ALARM, [(6, 0), (0, 1), (1, 1), (2, 5), (4, 4), (5, 0), (13, 7), (14, 0)],
                 ALARM_DEFAULT))
write("page_records_fuzz", "alarm-grid-beyond-words",
      page_input(ALARM, [(6, 0), (0, 2), (12, 4), (10, 0), (9, 0), (1, 2), (2, 0), (7, 0)],
                 [device_info(outputs=33), motion(rows=32, columns=32, level=0),
                  alarm_head(3, 9) + linkage(stop=(99, -1, 0)), bytes(4) + linkage(),
                  i32s(40, 40)]))
write("page_records_fuzz", "alarm-no-grid",
      page_input(ALARM, [(6, 0), (0, 3), (1, 0), (8, 0)],
                 [device_info(), motion(), alarm_head() + linkage(), bytes(4) + linkage(),
                  i32s(0, -22)]))
for page, name in ((SERVER, "server"), (CHANNEL, "channel"), (PTZ, "ptz"), (SENSOR, "sensor"),
                   (ALARM, "alarm")):
    write("page_records_fuzz", "header-only-" + name, bytes([page]) + bytes(16))
