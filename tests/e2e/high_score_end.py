"""A game that ends with a high score, for tests on a real X server: the
table it starts from, the table on disk read back, and the way to the name
box on the real window."""
import pathlib

from xdisplay import Program, Screen, clipboard, frozen, replay_moves, run, wait_for

# The first deal of this second ends its game after one move, for 30 points:
# place 9 against the table below, just under the equal 30.
ENDING = "2026-03-01 12:09:26"
POINTS = 30
TABLE = [(f"Name{i}", 100 - 10 * i) for i in range(10)]


def ending_move(replay):
    """The deal of ENDING and the one move that ends its game."""
    deal, [(move, _)], after = replay_moves(replay, ENDING)
    assert after[:1] == [f"game over score {POINTS}"], after[:1]
    return deal, move


def write_table(work, table=TABLE):
    pathlib.Path(work, "H.dat").write_bytes(b"".join(name.encode() + b"\r\n" for name, _ in table))
    pathlib.Path(work, "H2.dat").write_bytes(b"".join(b"%d\r\n" % score for _, score in table))


def read_table(work):
    """The table on disk as (name, score) pairs, place by place. Fails unless
    both files hold the same number of lines, each ended by CR LF."""
    files = [pathlib.Path(work, name).read_bytes() for name in ("H.dat", "H2.dat")]
    for data in files:
        assert data.endswith(b"\r\n") and b"\n" not in data.replace(b"\r\n", b""), f"not CR LF lines: {data!r}"
    names, scores = (data[:-2].split(b"\r\n") for data in files)
    assert len(names) == len(scores), f"{len(names)} names but {len(scores)} scores: {files}"
    return [(name.decode(), int(score)) for name, score in zip(names, scores)]


def with_entries(*names):
    """TABLE after each of `names` took its place for POINTS, in turn."""
    return TABLE[:8] + [(name, POINTS) for name in names] + TABLE[8:10 - len(names)]


def assert_table(work, expected, what):
    table = read_table(work)
    assert table == expected, f"{what}: the table on disk is {table}, not {expected}"


def start_to_name_box(game_binary, work, env, ending, balls, by_keys=False):
    """Starts the game under ENDING, waits for its deal on screen, plays the
    `ending` move (deal, move) with the mouse or the keys and waits for the
    name box to take the keyboard. Returns the running Program, for a `with`
    block."""
    deal, move = ending
    game = Program(frozen(ENDING, [game_binary]), work, env)
    try:
        screen = Screen(game)
        screen.wait_board(balls, deal, "the deal of the ending second, anew")
        if by_keys:
            game.keyboard_window("^Tumbaro$")
        screen.play(move, balls, by_keys)
        game.keyboard_window("^HScore$")
    except BaseException:
        game.__exit__(None, None, None)
        raise
    return game


def type_name(game, name):
    """Types `name` into the name box and waits until the box holds it. The
    keys come over the game's X connection, a signal does not: only once the
    box's own copy (Ctrl+A, Ctrl+C) gives the name back can a signal no
    longer overtake the last key."""
    run(["xdotool", "type", "--delay", "30", name], env=game.env)
    run(["xdotool", "key", "ctrl+a", "ctrl+c"], env=game.env)
    assert wait_for(lambda: clipboard(game.env) == name.encode()), \
        game.failure(f"the name box never held {name!r}: its copy is {clipboard(game.env)!r}")
