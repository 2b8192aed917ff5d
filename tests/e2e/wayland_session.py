"""The real game on a private headless sway with no X server and no XWayland:
its window in the compositor's tree, driven and read as the X tests do."""
import glob
import json
import os
import re
import shutil
import subprocess
import tempfile

from wayland_devices import Devices
from xdisplay import BOARD, CELL, PITCH, START_BOUND, Program, Screen, game_env, run, wait_for

TOOLS = ("sway", "swaymsg", "wtype", "grim", "convert", "identify")
LIBRARIES = {"qt6-wayland": "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so",
             "faketime": "/usr/lib/*/faketime/libfaketimeMT.so.1"}
OUTPUT = "HEADLESS-1"
NOBODY = 65534  # sway refuses to start as root, so as root it is started as this user
KEY_DELAY = 50  # ms between keys, as the X tests type
PARKED = (0, 0)  # where the pointer waits between clicks, off the window: sway draws it into screenshots
MAIN_TITLE = "^Tumbaro$"

CONFIG = """xwayland disable
default_border none
default_floating_border none
output {output} resolution {width}x{height} scale {scale}
"""


def missing_tools():
    """The tools a Wayland test needs that this machine lacks."""
    names = [tool for tool in TOOLS if not shutil.which(tool)]
    if os.geteuid() == 0 and not shutil.which("setpriv"):
        names.append("setpriv")
    return names + [name for name, pattern in LIBRARIES.items() if not glob.glob(pattern)]


def walk(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from walk(child)


class Sway:
    """A headless sway of one output for the length of a `with` block, its
    seat lent a pointer and a keyboard. Coordinates are logical pixels."""

    def __init__(self, resolution, scale=1):
        self.folder = tempfile.mkdtemp(prefix="tumbaro-sway-")
        self.runtime, home = (os.path.join(self.folder, name) for name in ("runtime", "home"))
        os.mkdir(self.runtime, 0o700)
        os.mkdir(home)
        config = os.path.join(self.folder, "sway.conf")
        with open(config, "w") as file:
            file.write(CONFIG.format(output=OUTPUT, width=resolution[0], height=resolution[1], scale=scale))
        command = ["sway", "--config", config]
        if os.geteuid() == 0:
            os.chmod(self.folder, 0o755)
            for folder in (self.runtime, home):
                os.chown(folder, NOBODY, NOBODY)
            command = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", *command]
        # Nothing of the caller's desktop: no DISPLAY, no other compositor.
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, "XDG_RUNTIME_DIR": self.runtime,
               "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
        self.display, self.ipc, self.devices = None, None, None
        self.program = Program(command, None, env, "sway")
        try:
            if not wait_for(self._answers, START_BOUND):
                raise RuntimeError(self.program.failure("sway never answered on its socket"))
            self.devices = Devices(self.display)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        if self.devices:
            self.devices.close()
        self.program.__exit__()
        shutil.rmtree(self.folder, ignore_errors=True)

    def _answers(self):
        if self.program.proc.poll() is not None:
            raise RuntimeError(self.program.failure("sway ended at its start"))
        sockets = [path for path in glob.glob(os.path.join(self.runtime, "wayland-*")) if not path.endswith(".lock")]
        ipc = glob.glob(os.path.join(self.runtime, "sway-ipc.*.sock"))
        if not sockets or not ipc:
            return False
        if subprocess.run(["swaymsg", "-s", ipc[0], "-t", "get_version"], capture_output=True).returncode:
            return False
        self.display, self.ipc = sockets[0], ipc[0]
        return True

    def client_env(self, work):
        """A game's environment: Wayland only, UTC, its settings in `work`."""
        env = dict(game_env(None, work), QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=self.display)
        for name in ("DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR"):
            env.pop(name, None)
        return env

    def query(self, kind):
        return json.loads(run(["swaymsg", "-s", self.ipc, "-r", "-t", kind]))

    def command(self, *words):
        said = subprocess.run(["swaymsg", "-s", self.ipc, "-r", *map(str, words)], capture_output=True, text=True)
        assert said.returncode == 0, f"sway refused {' '.join(map(str, words))}: {said.stdout}{said.stderr}"

    def node(self, game, title=MAIN_TITLE):
        """The game's window titled like `title` in the tree, or None."""
        return next((node for node in walk(self.query("get_tree")) if node.get("pid") == game.proc.pid
                     and node.get("visible") and re.search(title, node.get("name") or "")), None)

    def window(self, game, title=MAIN_TITLE):
        """The game's window whose title matches `title`, once it is there."""
        return game.awaited(lambda: self.node(game, title), f"the window {title!r} never appeared in the tree")

    def to_corner(self, node):
        """Moves a window to the bottom right corner of the output."""
        output = self.query("get_outputs")[0]["rect"]
        x, y = output["width"] - node["rect"]["width"], output["height"] - node["rect"]["height"]
        self.command(f"[con_id={node['id']}]", "move", "position", x, y)

    def cursor(self, *words):
        self.command("seat", "seat0", "cursor", *words)

    def keys(self, names):
        run(["wtype", "-d", str(KEY_DELAY), *[word for name in names for word in ("-k", name)]],
            env=dict(os.environ, WAYLAND_DISPLAY=self.display))


class WaylandScreen(Screen):
    """The game's window at an output scale, read and played as on X: its
    place from the tree, shots by grim, clicks by sway's cursor, keys by wtype."""

    def __init__(self, sway, game, scale=1):
        self.sway, self.game, self.env, self.scale, self.seen = sway, game, game.env, scale, None
        self.zoom, self.origin = scale, (0, 0)
        self.locate()

    def locate(self):
        """The window's node, its place and size noted afresh."""
        self.node = self.sway.window(self.game)
        rect = self.node["rect"]
        self.place, self.size = (rect["x"], rect["y"]), (rect["width"], rect["height"])
        self.geometry = {"X": rect["x"], "Y": rect["y"], "WIDTH": round(self.scale * rect["width"]),
                         "HEIGHT": round(self.scale * rect["height"])}
        return self.node

    def shot(self):
        """The window's RGB pixels, by grim."""
        self.locate()
        region = "%d,%d %dx%d" % (*self.place, *self.size)
        ppm = run(["grim", "-t", "ppm", "-s", str(self.scale), "-g", region, "-"], text=False,
                  env=dict(os.environ, WAYLAND_DISPLAY=self.sway.display))
        magic, dimensions, _, pixels = ppm.split(b"\n", 3)  # grim writes "P6\nW H\n255\n"
        width, height = map(int, dimensions.split())
        assert magic == b"P6" and len(pixels) == width * height * 3, f"grim gave {ppm[:20]!r}"
        return pixels

    def middle(self, r, c):
        """Where the middle of a cell lies on the output, in logical pixels."""
        return (self.place[0] + BOARD[0] + PITCH * c + CELL // 2, self.place[1] + BOARD[1] + PITCH * r + CELL // 2)

    def keys(self, names):
        self.sway.keys(names)

    def click(self, r, c):
        self.locate()
        self.sway.cursor("set", *self.middle(r, c))
        self.sway.cursor("press", "button1")
        self.sway.cursor("release", "button1")
        self.sway.cursor("set", *PARKED)

