"""The game with a real Orca listening, for tests of what a blind player
hears: a private X server, session bus and accessibility bus, Orca on them,
the game started in them, and what Orca speaks, read as it speaks it."""
import contextlib
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile

from xdisplay import START_BOUND, WAIT_BOUND, Program, run, start_xvfb, stop_process, tail, wait_for

ORCA = shutil.which("orca") or "/usr/bin/orca"
ORCA_PYTHON = "/usr/bin/python3"  # the system's, which Orca's script names: its modules are installed for it
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
SPEECH_LOG = os.path.join(os.path.dirname(os.path.abspath(__file__)), "orca_speech_log.py")
# Orca's first words once it listens; by then it has switched the desktop's
# accessibility on, so a Qt program started afterwards joins by itself.
ORCA_READY = "Screen reader on."
# Orca's log line for an utterance: the text, then a voice or key details.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+| \{.*\})?", re.S)
SHOWN = 40  # utterances quoted in a failure, the last ones


def _living(group):
    """Whether a process of the group still lives. A killed one whose parent
    has gone stays a zombie until the system's first process gets round to
    it, which can take a second: it counts as ended."""
    def stat(pid):
        with contextlib.suppress(OSError), open(f"/proc/{pid}/stat") as f:
            return f.read().rpartition(")")[2].split()[:3]
    return any(fields and int(fields[2]) == group and fields[0] != "Z"
               for fields in map(stat, filter(str.isdigit, os.listdir("/proc"))))


def _end_group(proc):
    """Ends a process we started in a group of its own, with everything it
    started there (an activated service, a bus the launcher made), and waits
    until none of them lives."""
    with contextlib.suppress(ProcessLookupError):
        os.killpg(proc.pid, signal.SIGKILL)
    proc.wait()
    wait_for(lambda: not _living(proc.pid), WAIT_BOUND)


class Session:
    """Use `with Session(cmd, work, config_home) as session:`. Starts an X
    server, a session bus, the accessibility bus and Orca, waits until Orca
    speaks, then starts `cmd` in the folder `work` with its settings under
    `config_home`, and waits until it has joined the accessibility bus.
    Leaving the block ends them all."""

    def __init__(self, cmd, work, config_home):
        self.cmd, self.work, self.config_home = cmd, work, config_home
        self.game, self.ending = None, contextlib.ExitStack()

    def __enter__(self):
        with self.ending:  # a start that fails ends what it started
            self._start()
            self.ending = self.ending.pop_all()
        return self

    def __exit__(self, *exc):
        # A test ended from outside (SIGTERM) ends once all is ended, not halfway.
        held = signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM})
        try:
            self.ending.close()  # the game, Orca, the buses it spoke on, the X server, the files
        finally:
            signal.pthread_sigmask(signal.SIG_SETMASK, held)

    def _start(self):
        root = self.ending.enter_context(tempfile.TemporaryDirectory(prefix="tumbaro-reader-"))
        runtime = os.path.join(root, "run")
        os.mkdir(runtime, 0o700)
        self.log = self.ending.enter_context(open(os.path.join(root, "session.log"), "w+b"))  # what the daemons said
        self.speech = os.path.join(root, "speech")
        xvfb, display = start_xvfb(self.log)
        self.ending.callback(stop_process, xvfb)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "QT_", "XDG_", "WAYLAND", "GTK_", "LANG", "LC_"))}
        # English for Orca and the game, and nothing of the machine's desktop.
        self.env = dict(env, DISPLAY=display, HOME=root, XDG_RUNTIME_DIR=runtime, TZ="UTC", LC_ALL="C.UTF-8",
                        XDG_CONFIG_HOME=self.config_home, XDG_DATA_HOME=os.path.join(root, "data"),
                        XDG_CACHE_HOME=os.path.join(root, "cache"), DBUS_SESSION_BUS_ADDRESS=f"unix:path={runtime}/bus")
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                           "--address=" + self.env["DBUS_SESSION_BUS_ADDRESS"]])
        # Asked for its address once it listens, the session bus starts the
        # accessibility bus's launcher from its service file, in its own group.
        self.a11y = wait_for(lambda: bus.poll() is None and self._send(
            "--session", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"), START_BOUND)
        if not self.a11y:
            raise AssertionError(self.failure(f"the accessibility bus never started (status {bus.poll()})"))
        orca = self._spawn([ORCA_PYTHON, SPEECH_LOG, ORCA, self.speech, os.path.join(root, "orca")])
        if not wait_for(lambda: ORCA_READY in self.spoken() or orca.poll() is not None, START_BOUND) \
                or orca.poll() is not None:
            raise AssertionError(self.failure(f"Orca never said {ORCA_READY!r} (status {orca.poll()})"))
        # The game's own process: `cmd` may be a wrapper only if it execs it.
        # Qt's bridge to the screen reader holds a copy of each key event
        # until the reader answers, and drops the copy unfreed when the answer
        # times out (a busy machine) after its widget has gone, or when the
        # program ends first: under the sanitizers the game here skips the
        # leak check at exit, which every other window test makes.
        game_env = dict(self.env)
        if "ASAN_OPTIONS" in game_env:
            game_env["ASAN_OPTIONS"] += ":detect_leaks=0"
        self.game = self.ending.enter_context(Program(self.cmd, self.work, game_env))
        # A window activated before the game joined would never be heard of.
        self.game.awaited(lambda: self._joined(self.game.proc.pid), "the game never joined the accessibility bus")

    def _spawn(self, cmd):
        """A daemon of the session, in a group of its own, to be ended with it."""
        proc = subprocess.Popen(cmd, env=self.env, stdin=subprocess.DEVNULL, stdout=self.log,
                                stderr=self.log, start_new_session=True)
        self.ending.callback(_end_group, proc)
        return proc

    def _send(self, *args):
        return subprocess.run(["dbus-send", "--print-reply=literal", *args], env=self.env, capture_output=True,
                              text=True).stdout.strip()

    def _joined(self, pid):
        """Whether the process `pid` is among the programs the accessibility
        registry knows."""
        names = re.findall(r":\d+\.\d+", self._send(f"--bus={self.a11y}", "--dest=org.a11y.atspi.Registry",
                                                     "/org/a11y/atspi/accessible/root",
                                                     "org.a11y.atspi.Accessible.GetChildren"))
        return any(self._send(f"--bus={self.a11y}", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus.GetConnectionUnixProcessID", "string:" + name).split()[-1:]
                   == [str(pid)] for name in names)

    def spoken(self):
        """Everything Orca has said so far, an utterance a string."""
        try:
            with open(self.speech, encoding="utf-8") as f:
                lines = f.read().split("\n")[:-1]  # the last one may still be being written
        except FileNotFoundError:
            return []
        found = (UTTERANCE.fullmatch(json.loads(line)) for line in lines)
        return [m.group(1) for m in found if m]

    def keys(self, *keys):
        """Presses keys in the window that has the keyboard; returns a mark,
        how many utterances came before, to wait for what they made Orca say."""
        mark = len(self.spoken())
        run(["xdotool", "key", "--delay", "40", *keys], env=self.env)
        return mark

    def wait_said(self, phrase, mark, what):
        """The first utterance after `mark` that holds `phrase` (a string, or a
        compiled pattern it searches for), as (place, text); fails with `what`,
        what Orca did say and the game's stderr if none comes."""
        pattern = phrase if isinstance(phrase, re.Pattern) else re.compile(re.escape(phrase))
        found = wait_for(lambda: next(((mark + i, text) for i, text in enumerate(self.spoken()[mark:])
                                       if pattern.search(text)), None))
        if not found:
            raise AssertionError(self.failure(f"{what}: Orca never said {pattern.pattern!r}", mark))
        return found

    def failure(self, what, mark=0):
        """`what` went wrong, with what Orca said after `mark` and what the game
        said on its standard error, or before the game what the daemons said."""
        lines = "\n".join(f"  {text!r}" for text in self.spoken()[mark:][-SHOWN:]) or "  (nothing)"
        what = f"{what}. Orca said after it:\n{lines}"
        if self.game:
            return self.game.failure(what)
        self.log.flush()
        return f"{what}. The session's daemons said:\n" + tail(self.log)
