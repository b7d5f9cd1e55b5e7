#!/usr/bin/env python3
"""A mouse for a Wayland compositor that has none: a virtual pointer (the wlr virtual pointer
protocol, which sway offers), spoken to over the compositor's socket. It stays for the whole test,
so that the windows keep a pointer, and takes its clicks from standard input, one a line:
    click X Y BUTTON     X, Y in the output's pixels; BUTTON 1 left, 2 middle, 3 right
and writes "done" on standard output once the compositor has handled each.
    wayland_pointer.py WIDTH HEIGHT    (the output's size)"""
import os
import socket
import struct
import sys
import time

DISPLAY = 1
BUTTONS = {"1": 0x110, "2": 0x112, "3": 0x111}  # BTN_LEFT, BTN_MIDDLE, BTN_RIGHT
PRESSED, RELEASED = 1, 0


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class Connection:
    def __init__(self):
        name = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
        path = name if name.startswith("/") else os.path.join(os.environ["XDG_RUNTIME_DIR"], name)
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.received = b""
        self.last_id = DISPLAY

    # The compositor takes the ids of new objects only in the order they are counted.
    def new_id(self):
        self.last_id += 1
        return self.last_id

    def send(self, target, opcode, *arguments):
        body = b"".join(a if isinstance(a, bytes) else struct.pack("<I", a) for a in arguments)
        self.socket.sendall(struct.pack("<II", target, (len(body) + 8) << 16 | opcode) + body)

    def events(self):
        while True:
            while len(self.received) >= 8:
                target, size_opcode = struct.unpack_from("<II", self.received)
                size = size_opcode >> 16
                if len(self.received) < size:
                    break
                body, self.received = self.received[8:size], self.received[size:]
                yield target, size_opcode & 0xFFFF, body
            data = self.socket.recv(65536)
            if not data:
                sys.exit("the compositor closed the connection")
            self.received += data

    def round_trip(self, on_event=lambda *event: None):
        callback = self.new_id()
        self.send(DISPLAY, 0, callback)  # wl_display.sync
        for target, opcode, body in self.events():
            if target == DISPLAY and opcode == 0:  # wl_display.error
                sys.exit("protocol error: " + body[12:].split(b"\0")[0].decode())
            if target == callback:
                return
            on_event(target, opcode, body)


def main(width, height):
    connection = Connection()
    registry = connection.new_id()
    connection.send(DISPLAY, 1, registry)  # wl_display.get_registry
    globals_ = {}

    def on_global(target, opcode, body):
        if target == registry and opcode == 0:
            name, length = struct.unpack_from("<II", body)
            globals_[body[8:8 + length - 1].decode()] = name

    connection.round_trip(on_global)
    manager = "zwlr_virtual_pointer_manager_v1"
    if manager not in globals_:
        sys.exit("the compositor offers no virtual pointer")
    seat, pointer_manager, pointer = (connection.new_id() for _ in range(3))
    connection.send(registry, 0, globals_["wl_seat"], string("wl_seat"), 1, seat)  # bind
    connection.send(registry, 0, globals_[manager], string(manager), 1, pointer_manager)
    connection.send(pointer_manager, 0, seat, pointer)  # create_virtual_pointer
    connection.round_trip()

    for line in sys.stdin:
        command, x, y, button = line.split()
        if command != "click":
            sys.exit("unknown command " + command)
        now = int(time.monotonic() * 1000) & 0xFFFFFFFF
        connection.send(pointer, 1, now, int(x), int(y), width, height)  # motion_absolute
        connection.send(pointer, 4)  # frame
        for state in (PRESSED, RELEASED):
            connection.send(pointer, 2, now, BUTTONS[button], state)  # button
            connection.send(pointer, 4)
        connection.round_trip()
        print("done", flush=True)


if __name__ == "__main__":
    main(int(sys.argv[1]), int(sys.argv[2]))
