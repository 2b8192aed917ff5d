"""A virtual pointer and keyboard lent to a headless sway's seat, spoken
straight in the Wayland wire protocol: the seat has no devices of its own,
and offers the game none until some client lends it one. With both lent from
the start, whatever drives the seat later (sway's cursor commands, a typing
tool with a keyboard of its own) reaches a game that has long had its
pointer and keyboard. Sway's cursor commands skip what motion does, so the
pointer here also moves as a mouse moves it."""
import socket
import struct

DISPLAY_ID = 1  # wl_display, the object every connection starts with
MANAGERS = ("wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1")


def _string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def _message(object_id, opcode, payload=b""):
    return struct.pack("=II", object_id, (8 + len(payload)) << 16 | opcode) + payload


class Devices:
    """A connection to the compositor at `socket_path` that lends its seat a
    pointer and a keyboard until it is closed."""

    def __init__(self, socket_path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(socket_path)
        self.next_id, self.buffer = DISPLAY_ID + 1, b""
        registry = self._new_id()
        self._send(DISPLAY_ID, 1, struct.pack("=I", registry))  # wl_display.get_registry
        globals_ = {}
        for object_id, opcode, payload in self._roundtrip():
            if object_id == registry and opcode == 0:  # wl_registry.global
                name, length = struct.unpack_from("=II", payload)
                interface = payload[8:8 + length - 1].decode()
                globals_[interface] = (name, struct.unpack_from("=I", payload, 8 + length + (-length % 4))[0])
        missing = [name for name in MANAGERS if name not in globals_]
        if missing:
            raise RuntimeError("the compositor offers no " + ", ".join(missing))
        seat, pointers, keyboards = (self._bind(registry, name, *globals_[name]) for name in MANAGERS)
        self.pointer, self.keyboard = self._new_id(), self._new_id()
        # create_virtual_pointer(seat, id), create_virtual_keyboard(seat, id)
        self._send(pointers, 0, struct.pack("=II", seat, self.pointer))
        self._send(keyboards, 0, struct.pack("=II", seat, self.keyboard))
        self._roundtrip()

    def close(self):
        self.sock.close()

    def move_pointer(self, dx, dy):
        """Moves the pointer by (dx, dy) logical pixels as a mouse does (moving
        a window the game asked to move), once the compositor has done so."""
        fixed = lambda value: round(value * 256)  # wl_fixed_t, 24.8
        self._send(self.pointer, 0, struct.pack("=Iii", 0, fixed(dx), fixed(dy)))  # motion(time, dx, dy)
        self._send(self.pointer, 4)  # frame
        self._roundtrip()

    def _new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def _send(self, object_id, opcode, payload=b""):
        self.sock.sendall(_message(object_id, opcode, payload))

    def _bind(self, registry, interface, name, version):
        object_id = self._new_id()
        self._send(registry, 0, struct.pack("=I", name) + _string(interface) + struct.pack("=II", 1, object_id))
        return object_id

    def _roundtrip(self):
        """The events before the answer to a sync, once every request is done."""
        callback = self._new_id()
        self._send(DISPLAY_ID, 0, struct.pack("=I", callback))  # wl_display.sync
        events = []
        while True:
            while len(self.buffer) < 8 or len(self.buffer) < struct.unpack_from("=II", self.buffer)[1] >> 16:
                data = self.sock.recv(65536)
                if not data:
                    raise RuntimeError("the compositor closed the connection")
                self.buffer += data
            object_id, header = struct.unpack_from("=II", self.buffer)
            size, opcode = header >> 16, header & 0xFFFF
            payload, self.buffer = self.buffer[8:size], self.buffer[size:]
            if object_id == DISPLAY_ID and opcode == 0:  # wl_display.error
                raise RuntimeError(f"the compositor refused a request: {payload[12:].rstrip(bytes(1)).decode()}")
            if object_id == callback:
                return events
            events.append((object_id, opcode, payload))

