"""A game that ends with a high score, for tests on a real X server: the
table it starts from, the table on disk checked, and the way to the name
box on the real window."""
import contextlib
import pathlib

from xdisplay import Program, Screen, clipboard, frozen, replay_moves, run, wait_for

# The first deal of this second ends its game after one move, for 30 points:
# place 9 against the table below, just under the equal 30.
ENDING = "2026-03-01 12:09:26"
POINTS = 30
TABLE = [(f"Name{i}", 100 - 10 * i) for i in range(10)]
FILES = ("H.dat", "H2.dat")


def ending_move(replay):
    """The deal of ENDING and the one move that ends its game."""
    deal, [(move, _)], after = replay_moves(replay, ENDING)
    assert after[:1] == [f"game over score {POINTS}"], after[:1]
    return deal, move


def _files(table):
    """The names file and the scores file of `table`, CR LF lines."""
    return b"".join(name.encode() + b"\r\n" for name, _ in table), b"".join(b"%d\r\n" % score for _, score in table)


def write_table(work):
    for name, data in zip(FILES, _files(TABLE)):
        pathlib.Path(work, name).write_bytes(data)


def assert_table(work, names, what):
    """Fails unless the table on disk is TABLE after each of `names` took its
    place for POINTS, in turn."""
    expected = _files(TABLE[:8] + [(name, POINTS) for name in names] + TABLE[8:10 - len(names)])
    found = tuple(pathlib.Path(work, name).read_bytes() for name in FILES)
    assert found == expected, f"{what}: the table on disk is {found}, not {expected}"


@contextlib.contextmanager
def start_to_name_box(game_binary, work, env, ending, balls, by_keys=False):
    """Starts the game under ENDING, waits for its deal on screen, plays the
    `ending` move with the mouse or the keys and waits for the name box to
    take the keyboard: the running Program, for a `with` block."""
    deal, move = ending
    with Program(frozen(ENDING, [game_binary]), work, env) as game:
        screen = Screen(game)
        screen.wait_board(balls, deal, "the deal of the ending second, anew")
        if by_keys:
            game.keyboard_window("^Tumbaro$")
        screen.play(move, balls, by_keys)
        game.keyboard_window("^HScore$")
        yield game


def type_name(game, name):
    """Types `name` into the name box and waits until the box holds it. The
    keys come over the game's X connection, a signal does not: only once the
    box's own copy (Ctrl+A, Ctrl+C) gives the name back can a signal no
    longer overtake the last key."""
    run(["xdotool", "type", "--delay", "30", name], env=game.env)
    run(["xdotool", "key", "ctrl+a", "ctrl+c"], env=game.env)
    assert wait_for(lambda: clipboard(game.env) == name.encode()), \
        game.failure(f"the name box never held {name!r}: its copy is {clipboard(game.env)!r}")
