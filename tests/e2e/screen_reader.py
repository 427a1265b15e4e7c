#!/usr/bin/env python3
"""Spindora played as a screen-reader user plays it.

The game runs on a private X server with a private D-Bus session and accessibility bus, and
this script reads it the way Orca does, through AT-SPI (pyatspi): it checks the roles and
names of the window, the tool bar and each board, then solves one ZIBBO deal knowing only
what the accessible tree says (the pointers' clock directions) and pressing keys through
XTEST, as a player's keyboard would. It follows the solve through the solved notice and the
best-times table, switches to German and ends the game.

    screen_reader.py PATH/TO/spindora

Exits 77 (skipped) when a needed program or python3-pyatspi is missing.
"""
import importlib.util
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
SEED = 30
LAUNCHERS = ['/usr/libexec/at-spi-bus-launcher', '/usr/lib/at-spi2-core/at-spi-bus-launcher']

# ZIBBO level 1: the twelfths a forward press on dial k (row by row from the top left) adds
# to each dial. A forward press is Space, a backward one Shift+Space.
LEVEL_ONE = [
    [1, 1, 0, 1, 1, 0, 0, 0, 0],
    [1, 1, 1, 0, 0, 0, 0, 0, 0],
    [0, 1, 1, 0, 1, 1, 0, 0, 0],
    [1, 0, 0, 1, 0, 0, 1, 0, 0],
    [0, 0, 0, 0, 1, 0, 0, 0, 0],
    [0, 0, 1, 0, 0, 1, 0, 0, 1],
    [0, 0, 0, 1, 1, 0, 1, 1, 0],
    [0, 0, 0, 0, 0, 0, 1, 1, 1],
    [0, 0, 0, 0, 1, 1, 0, 1, 1],
]
DIAL = re.compile(r"^(top|middle|bottom) row, (left|middle|right) dial: pointer at (\d+) o'clock$")
ROWS = ['top', 'middle', 'bottom']
COLUMNS = ['left', 'middle', 'right']


def skip(reason):
    print('SKIP:', reason)
    sys.exit(SKIP)


def prerequisites():
    # Debian's python3-pyatspi belongs to the system's python; another one on PATH lacks it.
    if importlib.util.find_spec('pyatspi') is None:
        system = '/usr/bin/python3'
        if os.path.exists(system) and os.path.realpath(sys.executable) != os.path.realpath(system):
            os.execv(system, [system] + sys.argv)
        skip('python3-pyatspi is not installed')
    for program in ['Xvfb', 'xdotool', 'dbus-run-session']:
        if not shutil.which(program):
            skip(program + ' is not installed')
    launcher = next((path for path in LAUNCHERS if os.access(path, os.X_OK)), None)
    if not launcher:
        skip('at-spi-bus-launcher (at-spi2-core) is not installed')
    return launcher


class Session:
    """Xvfb, the accessibility bus and the game, each in a process group of its own."""

    def __init__(self, launcher):
        self.scratch = tempfile.mkdtemp(prefix='spindora-a11y-')
        self.processes = []
        runtime = os.path.join(self.scratch, 'runtime')
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(self.scratch, 'config'))
        self.env['DISPLAY'] = ':' + self.start_x()
        os.environ.update(self.env)
        self.start([launcher, '--launch-immediately'])
        wait_for(accessibility_bus_up, 10, 'the accessibility bus')

    def start_game(self, game):
        settings = os.path.join(self.scratch, 'V1.conf')
        with open(settings, 'w') as file:
            file.write('[common]\ntongue=0\n')
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb',
                   SDL_AUDIODRIVER='dummy')
        self.game = self.start([game, '--seed', str(SEED), '--config', settings], env=env)

    def start_x(self):
        # Xvfb picks a free display itself and writes its number once it listens. -noreset: the
        # bus launcher's short visit to the server must not leave it resetting, and refusing
        # connections, just as the game makes its first one.
        read, write = os.pipe()
        self.start(['Xvfb', '-displayfd', str(write), '-screen', '0', '1024x768x24', '-nolisten', 'tcp',
                    '-noreset'],
                   pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            skip('Xvfb did not start')
        return number

    def start(self, command, env=None, pass_fds=()):
        process = subprocess.Popen(command, env=env or self.env, pass_fds=pass_fds, start_new_session=True,
                                   cwd=self.scratch)
        self.processes.append(process)
        return process

    def close(self):
        # The whole group: the bus launcher's own bus daemon goes with it.
        for process in reversed(self.processes):
            try:
                os.killpg(process.pid, 15)
                process.wait(5)
            except ProcessLookupError:
                pass
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, 9)
        shutil.rmtree(self.scratch, ignore_errors=True)


def accessibility_bus_up():
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                          'NameHasOwner', GLib.Variant('(s)', ('org.a11y.Bus',)), GLib.VariantType('(b)'),
                          Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def pump():
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def poll(condition, seconds):
    """Reads `condition` until it gives something true, for at most `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # an object that went away while it was read: read again
            value = None
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.02)


def wait_for(condition, seconds, what):
    value = poll(condition, seconds)
    if not value:
        raise AssertionError('waited %gs in vain for %s' % (seconds, what))
    return value


def heard_event(events, test, what):
    # Events come as signals on the bus, apart from the replies to the tree's queries: a state
    # already read may still be on its way as an event.
    wait_for(lambda: any(test(e) for e in events), 10, what)


def key(*keys):
    subprocess.run(['xdotool', 'key'] + list(keys), check=True)


def type_text(text):
    subprocess.run(['xdotool', 'type', '--delay', '5', text], check=True)


# Reading the tree.

def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def has(node, state):
    import pyatspi
    return node.getState().contains(getattr(pyatspi, 'STATE_' + state.upper()))


def find(node, test):
    if test(node):
        return node
    for child in children(node):
        if child is not None:
            found = find(child, test)
            if found is not None:
                return found
    return None


def application():
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop) if app is not None and app.name == 'Spindora'), None)


def showing_window(role, name=None):
    app = application()
    for window in children(app) if app else []:
        if window.getRoleName() == role and has(window, 'showing') and name in (None, window.name):
            return window
    return None


def frame():
    return showing_window('frame', 'Spindora')


def board():
    return find(frame(), lambda node: node.getRoleName() == 'panel')


def button(name):
    return find(frame(), lambda node: node.name == name and node.getRoleName() in ('push button', 'check box'))


def dump(node, depth=0):
    """The tree as a screen reader meets it: role, name, description and the states it speaks."""
    states = [s for s in ('checked', 'focused') if has(node, s)]
    if not has(node, 'sensitive'):
        states.append('disabled')
    line = '  ' * depth + '%s "%s"' % (node.getRoleName(), node.name)
    if node.description:
        line += ' - ' + node.description
    if states:
        line += ' [%s]' % ', '.join(states)
    lines = [line]
    for child in children(node):
        lines += dump(child, depth + 1)
    return lines


def show(title, node):
    print('\n== %s ==' % title)
    print('\n'.join(dump(node)))


# Solving from the names alone.

def solve_mod(matrix, wanted, modulus):
    """Presses x with matrix . x = wanted (mod modulus), by elimination on unit pivots."""
    n = len(matrix)
    rows = [matrix[i][:] + [wanted[i] % modulus] for i in range(n)]
    inverse = {u: pow(u, -1, modulus) for u in range(1, modulus) if math.gcd(u, modulus) == 1}
    pivots, r = [], 0
    for c in range(n):
        p = next((i for i in range(r, n) if rows[i][c] % modulus in inverse), None)
        if p is None:
            continue
        rows[r], rows[p] = rows[p], rows[r]
        factor = inverse[rows[r][c] % modulus]
        rows[r] = [v * factor % modulus for v in rows[r]]
        for i in range(n):
            if i != r and rows[i][c] % modulus:
                g = rows[i][c]
                rows[i] = [(a - g * b) % modulus for a, b in zip(rows[i], rows[r])]
        pivots.append(c)
        r += 1
    x = [0] * n
    for i, c in enumerate(pivots):
        x[c] = rows[i][n]
    assert all(sum(matrix[i][k] * x[k] for k in range(n)) % modulus == wanted[i] % modulus for i in range(n)), \
        'the pointers read cannot be solved mod %d' % modulus
    return x


def presses_to_solve(hours):
    # Dial i needs (12 - hour) twelfths forward; a press on k turns dial i by LEVEL_ONE[k][i].
    matrix = [[LEVEL_ONE[k][i] for k in range(9)] for i in range(9)]
    wanted = [(12 - h) % 12 for h in hours]
    by3, by4 = solve_mod(matrix, wanted, 3), solve_mod(matrix, wanted, 4)
    return [(4 * a + 9 * b) % 12 for a, b in zip(by3, by4)]


def dial_hours():
    dials = children(board())
    assert len(dials) == 9, 'ZIBBO shows nine dials'
    hours = []
    for k, dial in enumerate(dials):
        match = DIAL.match(dial.name)
        assert match, 'a dial reads %r' % dial.name
        assert (match.group(1), match.group(2)) == (ROWS[k // 3], COLUMNS[k % 3]), 'dials go row by row'
        assert dial.getRoleName() == 'push button'
        hours.append(int(match.group(3)))
    return hours


def focused_dial():
    dials = children(board())
    return next((k for k, dial in enumerate(dials) if has(dial, 'focused')), None)


def walk_to(target):
    """Arrows from the focused dial to `target`, each step awaited on the focus the tree reports."""
    while True:
        at = wait_for(lambda: (focused_dial(),), 5, 'a focused dial')[0]
        if at == target:
            return
        if target // 3 != at // 3:
            step = 'Down' if target // 3 > at // 3 else 'Up'
        else:
            step = 'Right' if target % 3 > at % 3 else 'Left'
        key(step)
        # The first arrow may only show where the focus is.
        if not poll(lambda: focused_dial() != at, 1):
            key(step)
            wait_for(lambda: focused_dial() != at, 5, 'the focus to move %s from dial %d' % (step, at))


def solve_zibbo(events):
    hours = dial_hours()
    plan = presses_to_solve(hours)
    print('\npointers at', hours, '- forward twelfths per dial', plan)
    assert wait_for(lambda: (focused_dial(),), 5, 'the board to take the keys') == (0,), \
        'the focus starts on the first dial'
    for k in [0, 1, 2, 5, 4, 3, 6, 7, 8]:
        forward = plan[k] <= 6
        count = plan[k] if forward else 12 - plan[k]
        if count == 0:
            continue
        walk_to(k)
        for _ in range(count):
            before = list(hours)
            for i in range(9):
                hours[i] = (hours[i] - 1 + (1 if forward else -1) * LEVEL_ONE[k][i]) % 12 + 1
            key('space' if forward else 'shift+space')
            wait_for(lambda: dial_hours() == hours, 5, 'the pointers to move from %s to %s' % (before, hours))
    assert hours == [12] * 9, 'the plan leaves every pointer at 12 o\'clock'
    heard_event(events, lambda e: e[0] == 'focus' and DIAL.match(e[2]), 'a dial taking the focus')


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    game = os.path.abspath(sys.argv[1])
    launcher = prerequisites()
    # A session bus of our own, so that nothing of the desktop that runs the test is read.
    if os.environ.get('SPINDORA_PRIVATE_BUS') != '1':
        os.environ['SPINDORA_PRIVATE_BUS'] = '1'
        os.execvp('dbus-run-session', ['dbus-run-session', '--', sys.executable] + sys.argv)
    started = time.monotonic()
    session = Session(launcher)
    try:
        # The listener is known to the bus before the game asks which events anyone wants:
        # a game started first learns of it only later, and sends nothing until then.
        events = listen()
        session.start_game(game)
        play(session, events)
    finally:
        session.close()
    print('\nplayed in %.1f s' % (time.monotonic() - started))


def listen():
    import pyatspi
    events = []

    def heard(event):
        source = event.source
        try:
            events.append((event.type.split(':')[0] if event.type.startswith('focus') else event.type,
                           source.getRoleName(), source.name, source.description))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(heard, 'focus:', 'object:property-change:accessible-name',
                                           'object:property-change:accessible-description',
                                           'object:state-changed:checked')
    pump()
    return events


def play(session, events):
    wait_for(lambda: frame() and board() and board().childCount == 9, 20, 'the window with its nine dials')
    # The picture shown at the start goes with Escape; it would go by itself a little later.
    if showing_window('dialog', 'Spindora'):
        key('Escape')
    wait_for(lambda: not showing_window('dialog', 'Spindora'), 10, 'the start picture to go')

    # The window and the tool bar.
    show('ZIBBO, English', frame())
    assert frame().getRoleName() == 'frame'
    for name in ['Shuffle (F2)', 'Next level (Page Up)', 'Pause (P)', 'Best times (Ctrl+H)',
                 'End the game (Ctrl+Q)', 'Language (L)', 'Help (F1)']:
        assert button(name) and button(name).getRoleName() == 'push button', name
    assert button('Shuffle (F2)').description == 'I start again.'
    sound, music, zibbo = button('Sound effects (S)'), button('Music (M)'), button('ZIBBO (1)')
    assert sound.getRoleName() == 'check box' and has(sound, 'checked'), 'sound is on'
    assert not has(music, 'checked') and not has(music, 'sensitive'), 'no music to play'
    assert 'MIDI' in music.description and '*.mid' in music.description, music.description
    assert has(zibbo, 'checked') and not has(button('KOLLUK (2)'), 'checked')
    key('s')
    wait_for(lambda: not has(button('Sound effects (S)'), 'checked'), 5, 'S to switch the sound off')
    heard_event(events, lambda e: e[0] == 'object:state-changed:checked' and e[2] == 'Sound effects (S)',
                'the sound button telling its new state')
    key('s')
    wait_for(lambda: has(button('Sound effects (S)'), 'checked'), 5, 'S to switch the sound on')
    assert board().name == 'ZIBBO, level 1'

    # One deal, played from the names.
    solve_zibbo(events)
    done = wait_for(lambda: showing_window('dialog', 'Solved'), 10, 'the solved notice')
    show('solved notice', done)
    announcement = wait_for(lambda: board().description if board().description.startswith('Solved in') else None,
                            5, 'the solve announced on the board')
    assert re.fullmatch(r'Solved in \d+(\.\d)? seconds?', announcement), announcement
    heard_event(events, lambda e: e[0] == 'object:property-change:accessible-name' and DIAL.match(e[2]),
                'a dial telling its move')
    heard_event(events, lambda e: e[0] == 'object:property-change:accessible-description' and e[3] == announcement,
                'the announcement')
    key('Return')

    # The best times: a table read row by row, the new time in the first row.
    best = wait_for(lambda: showing_window('dialog') if find(showing_window('dialog'),
                    lambda n: n.getRoleName() == 'table') else None, 10, 'the best times')
    assert best.name, 'the best-times window has a name'
    table = find(best, lambda n: n.getRoleName() == 'table')
    cells = table.queryTable()
    assert (cells.nRows, cells.nColumns) == (5, 2)
    assert [cells.getColumnDescription(c) for c in range(2)] == ['Time', 'Name']
    assert cells.getAccessibleAt(0, 0).name == announcement[len('Solved in '):], 'the time solved'
    assert [cells.getAccessibleAt(r, 0).name for r in range(1, 5)] == ['no time'] * 4
    assert [table.getChildAtIndex(i).name for i in range(2)] == [cells.getAccessibleAt(0, 0).name,
                                                                 cells.getAccessibleAt(0, 1).name], 'row by row'
    field = find(best, lambda n: n.getRoleName() == 'text')
    assert field.name == 'Your name' and has(field, 'focused'), 'the name box is labelled and has the keys'
    assert find(best, lambda n: n.getRoleName() == 'check box').name == 'remove all entries'
    key('ctrl+a')
    type_text('Ada Tester')
    wait_for(lambda: cells.getAccessibleAt(0, 1).name == 'Ada Tester', 5, 'the typed name in the table')
    show('best times', best)
    key('Return')
    wait_for(lambda: showing_window('dialog') is None and focused_dial() is not None, 10,
             'the keys back on the board')

    # The other boards, as they are dealt.
    for number, name, count in [('2', 'KOLLUK, level 1', 16), ('3', 'PLUF, level 1, 4 colours', 10),
                                ('4', 'MURVO, level 1', 31)]:
        key(number)
        wait_for(lambda: board().name == name and board().childCount == count, 10, name)
        show(name.split(',')[0] + ', English', board())
    key('1')
    wait_for(lambda: board().name == 'ZIBBO, level 1', 10, 'ZIBBO again')

    # The about window has no key: a screen reader presses its button through the button's
    # own action.
    about = button('About Spindora').queryAction()
    assert about.getName(0) == 'Press'
    about.doAction(0)
    window = wait_for(lambda: showing_window('dialog', 'Info about ...'), 10, 'the about window')
    assert find(window, lambda n: n.getRoleName() == 'push button' and n.name == 'OK')
    key('Escape')
    wait_for(lambda: showing_window('dialog') is None and focused_dial() is not None, 10,
             'the about window to go')

    # German, and the names follow at once.
    key('l')
    wait_for(lambda: showing_window('dialog', 'Spindora V1.3'), 10, 'the language question')
    key('Tab', 'Return')
    wait_for(lambda: button('Soundeffekte (S)'), 10, 'German names')
    wait_for(lambda: children(board())[0].name == 'obere Reihe, linker ZIBBO: Zeiger auf 12 Uhr', 5,
             'the dials in German')
    show('ZIBBO, German', frame())
    for name in ['Mischen (F2)', 'Musik (M)', 'Sprache (L)', 'Hilfe (F1)', 'ZIBBO (1)']:
        assert button(name), name
    assert has(button('Soundeffekte (S)'), 'checked')
    assert board().name == 'ZIBBO, Stufe 1'
    assert button('Musik (M)').description.startswith('Keine Musik')

    # The end, after the question.
    key('ctrl+q')
    question = wait_for(lambda: showing_window('dialog', 'Spiel beenden?'), 10, 'the end question')
    assert find(question, lambda n: n.name == 'Ja' and n.getRoleName() == 'push button')
    key('Return')
    deadline = time.monotonic() + 10
    while session.game.poll() is None and time.monotonic() < deadline:
        time.sleep(0.05)
    assert session.game.returncode == 0, 'the game ended with %s' % session.game.returncode


if __name__ == '__main__':
    main()
