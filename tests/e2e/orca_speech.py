#!/usr/bin/env python3
"""A ZIBBO deal played by ear with Debian's own screen reader, Orca, on screen_reader.py's
private set-up, speaking through speech-dispatcher and espeak-ng into a silent audio driver.
What Orca speaks is the "SPEECH OUTPUT" lines of its debug log; keys go in through XTEST.
Each key's speech is checked, then a fresh deal is learnt by walking the dials and solved from
what was heard. It waits on speech, never on the clock.

    orca_speech.py PATH/TO/spindora

Exits 77 (skipped) where Orca, speech-dispatcher or espeak-ng is missing.
"""
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen_reader as sr  # noqa: E402

ORCA = '/usr/bin/orca'
PLACES = [(row, column) for row in sr.ROWS for column in sr.COLUMNS]
# How a press's news names the other dials it turned.
BRIEF = ['top left', 'top middle', 'top right', 'middle left', 'centre', 'middle right',
         'bottom left', 'bottom middle', 'bottom right']
DIAL = r"(top|middle|bottom) row, (left|middle|right) dial: pointer at (\d+) o'clock"
BOARD = ['Spindora frame', 'ZIBBO, level 1 panel', DIAL + ' push button']  # the keys back on it
# Orca as a module: its log line-buffered, so that each line is there as it is spoken, and
# blind to other screen readers of this user, so that it runs beside any other test.
ORCA_LAUNCH = r'''
import builtins, importlib.machinery, importlib.util, sys
loader = importlib.machinery.SourceFileLoader('orca_launcher', sys.argv.pop(1))
orca = importlib.util.module_from_spec(importlib.util.spec_from_loader('orca_launcher', loader))
loader.exec_module(orca)
orca.open = lambda path, mode='r', *rest, **named: builtins.open(path, mode, buffering=1)
orca.otherOrcas = lambda: []
orca.setProcessName = lambda name: None
sys.exit(orca.main())
'''


class Speech:
    """What Orca has spoken, read from its log."""

    LINE = re.compile(r"SPEECH OUTPUT: '(.*)' ?(\[?\{[^{}]*\}\]?)?\s*$")

    def __init__(self, log):
        self.log, self.read_to, self.said, self.checked = log, 0, [], 0

    def heard(self, *expected, ignoring='$^', seconds=10):
        """Waits until what was said since the last check, but for `ignoring`, is `expected`
        (patterns) in order; answers their matches."""
        deadline = time.monotonic() + seconds
        while True:
            if os.path.exists(self.log):
                with open(self.log, 'rb') as file:
                    file.seek(self.read_to)
                    chunk = file.read()
                chunk = chunk[:chunk.rfind(b'\n') + 1]
                self.read_to += len(chunk)
                # A key's echo is its name and a space; all else is what Orca reads out.
                self.said += [m.group(1).rstrip('.') for m in map(self.LINE.search, chunk.decode().splitlines())
                              if m and not m.group(1).endswith(' ')]
            said = [(at, text) for at, text in enumerate(self.said[self.checked:], self.checked)
                    if not re.fullmatch(ignoring, text)]
            matches = [re.fullmatch(pattern, text) for pattern, (_, text) in zip(expected, said)]
            assert all(matches), 'expected %r, heard %r' % (expected, [text for _, text in said])
            if len(matches) == len(expected):
                self.checked = said[len(expected) - 1][0] + 1
                return matches
            assert time.monotonic() < deadline, 'waited %gs for %r, heard %r' % (seconds, expected, said)
            time.sleep(0.02)


class Player:
    """Keys in, speech out, and the nine pointers as the speech told them."""

    def __init__(self, speech):
        self.speech, self.hours, self.focus = speech, [None] * 9, 0

    def key(self, key, *expected, **options):
        sr.key(key)
        return self.speech.heard(*expected, **options)

    def focused(self, match):
        """Notes the dial a focus utterance names, and its pointer."""
        self.focus = PLACES.index((match.group(1), match.group(2)))
        self.hours[self.focus] = int(match.group(3))

    def step(self, direction):
        """An arrow, the focus mark showing since the hint."""
        target = self.focus + {'Right': 1, 'Left': -1, 'Down': 3, 'Up': -3}[direction]
        self.focused(self.key(direction, DIAL + ' push button')[0])
        assert self.focus == target, 'went %s to the %s' % (direction, PLACES[self.focus])

    def walk_to(self, dial):
        while self.focus != dial:
            vertical = dial // 3 != self.focus // 3
            self.step(('Down' if dial > self.focus else 'Up') if vertical else
                      ('Right' if dial > self.focus else 'Left'))

    def press(self, dial, forward, solves):
        """One press, and its news: the dial's new pointer, then the other dials it turned."""
        for i in range(9):
            self.hours[i] = (self.hours[i] - 1 + (1 if forward else -1) * sr.LEVEL_ONE[dial][i]) % 12 + 1
        news = "%s row, %s dial: pointer at %d o'clock" % (*PLACES[dial], self.hours[dial])
        others = [BRIEF[i] for i in range(9) if i != dial and sr.LEVEL_ONE[dial][i]]
        news += '; also turned: ' + ', '.join(others) if others else ''
        # The solved notice comes with the focus on its button; the time follows it.
        expected = ['Solved dialog Hurrah, you did it!', 'OK push button', r'Solved in (\d+(\.\d)?) seconds?'] \
            if solves else [re.escape(news)]
        return self.key('space' if forward else 'shift+space', *expected)[-1]


def start_speech(session):
    """speech-dispatcher with espeak-ng into a silent driver, and Orca with its log."""
    at = lambda name: os.path.join(session.scratch, name)  # noqa: E731
    files = {'home/.libao': 'default_driver=null\n', 'speechd/speechd.conf': 'AudioOutputMethod "libao"\n'
             'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n', 'orca/.keep': ''}
    for name, text in files.items():
        os.makedirs(os.path.dirname(at(name)), exist_ok=True)
        with open(at(name), 'w') as file:
            file.write(text)
    session.env.update(HOME=at('home'), SPEECHD_ADDRESS='unix_socket:' + at('speechd.sock'))
    for command in [['speech-dispatcher', '-s', '-t', '0', '-C', at('speechd'), '-S', at('speechd.sock')],
                    [sys.executable, '-c', ORCA_LAUNCH, ORCA, '-u', at('orca'), '-d', 'braille', '--debug-file',
                     at('orca.log')]]:
        with open(at(os.path.basename(command[0]) + '.out'), 'w') as out:  # their chatter
            session.processes.append(subprocess.Popen(command, env=session.env, start_new_session=True,
                                                      cwd=session.scratch, stdout=out, stderr=subprocess.STDOUT))
        sr.wait_for(lambda: os.path.exists(at('speechd.sock')), 10, 'speech-dispatcher to listen')
    speech = Speech(at('orca.log'))
    speech.heard('Screen reader on', seconds=30)
    return speech


def play(session, speech, game):
    session.start_game(game)
    player = Player(speech)
    speech.heard('Spindora dialog', seconds=30)  # the start picture
    player.focused(player.key('Escape', *BOARD)[2])

    # The switches, a pause with nothing running and the deals, each said once.
    for key, news in [('s', 'Sound effects off'), ('s', 'Sound effects on'), ('m', 'No music: there are no MIDI files'),
                      ('p', 'No pause: the clock is not running'), ('Page_Up', 'ZIBBO, level 2: new deal'),
                      ('Page_Down', 'ZIBBO, level 1: new deal'), ('ctrl+Page_Down', 'New deal')]:
        player.key(key, news)
    # Tab reaches every tool-bar button but the grey one of the music, and comes back.
    for button in ['Shuffle (F2)', 'Next level (Page Up)', 'Pause (P)', 'Sound effects (S)', 'Best times (Ctrl+H)',
                   'End the game (Ctrl+Q)', 'ZIBBO (1)', 'KOLLUK (2)', 'PLUF (3)', 'MURVO (4)', 'Language (L)',
                   'Help (F1)', 'About Spindora', 'More puzzles on the web']:
        player.key('Tab', re.escape(button) + ' (push button|check box( not)? checked)', '.+')  # and its hint
    player.key('Tab', *BOARD[1:])

    # A hint moves the focus to its dial and names the button; H again plays it. A search
    # that takes a moment says so first. The game's first hint adds what it costs.
    hint = player.key('h', r'Hint: (top|middle|bottom) row, (left|middle|right) dial, (left|right) button'
                           r'\. With a hint: no entry in the best times',
                      ignoring='Hint: looking for the next move…|' + BOARD[2])[0]
    player.focus = PLACES.index(hint.group(1, 2))
    # Once, under heavy load, Orca spoke the hint a second time just after the first.
    played = player.key('h', re.escape("%s row, %s dial: pointer at " % PLACES[player.focus]) + '.*',
                        ignoring=re.escape(hint.group(0)))[0].group(0)
    player.key('ctrl+z', 'Undone: ' + DIAL + '.*')
    player.key('ctrl+y', re.escape('Redone: ' + played))
    player.key('p', 'Pause dialog', 'Continue push button')
    player.key('Return', *BOARD, 'The game goes on')
    # A game that showed a hint makes no best time: given up for a fresh deal.
    player.key('F2', 'Give up the puzzle\\? dialog Do you really want to giveup the puzzle\\?', 'Yes push button')
    player.focused(player.key('Return', *BOARD, 'New deal')[2])

    # The deal learnt by ear, each pointer heard as the focus reaches its dial, and solved.
    player.step('Right' if player.focus % 3 == 0 else 'Left')
    for direction in ['Left'] * (player.focus % 3) + ['Up'] * (player.focus // 3) + \
            ['Right', 'Right', 'Down', 'Left', 'Left', 'Down', 'Right', 'Right']:
        player.step(direction)
    plan = sr.presses_to_solve(player.hours)
    presses = [(dial, plan[dial] <= 6, min(plan[dial], 12 - plan[dial])) for dial in [8, 7, 6, 3, 4, 5, 2, 1, 0]]
    presses = [(dial, forward, _) for dial, forward, count in presses for _ in range(count)]
    for n, (dial, forward, _) in enumerate(presses):
        player.walk_to(dial)
        solved = player.press(dial, forward, solves=n == len(presses) - 1)
    assert player.hours == [12] * 9

    # The best times: the name box read once, with its label; the list read row by row under
    # its column headers, the time first.
    seconds = re.escape(solved.group(1))
    player.key('Return', 'ZIBBO – level 1 dialog', 'Your name text', 'Mr. Brain',
               'New best time in place 1: %s seconds' % seconds)
    player.key('shift+Tab', 'Best times', 'table with 5 rows 2 columns', 'Time: %s seconds' % seconds,
               'Name: Mr. Brain', 'new entry')
    player.key('Down', 'Time: no time', 'Name: Mr. Brain')
    player.key('Return', *BOARD)

    # The clock ran through the deal and told no screen reader of its ticks. Orca logs each
    # event it receives with the role and name of its source.
    with open(speech.log, encoding='utf-8', errors='replace') as file:
        ticks = re.findall(r'EVENT MANAGER: object:property-change:accessible-description for \[filler \|', file.read())
    assert not ticks, '%d descriptions of the clock' % len(ticks)

    player.key('ctrl+q', 'End the game\\? dialog Do you really want to end the game\\?', 'Yes push button')
    sr.key('Return')
    assert session.game.wait(10) == 0, 'the game ended with %s' % session.game.returncode


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    game = os.path.abspath(sys.argv[1])
    launcher = sr.prerequisites()
    for program in [ORCA, 'speech-dispatcher', 'espeak-ng', '/usr/lib/speech-dispatcher-modules/sd_espeak-ng']:
        if not shutil.which(program):
            sr.skip(program + ' is not installed')
    if os.environ.get('SPINDORA_PRIVATE_BUS') != '1':
        os.environ['SPINDORA_PRIVATE_BUS'] = '1'
        os.execvp('dbus-run-session', ['dbus-run-session', '--', sys.executable] + sys.argv)
    started = time.monotonic()
    session = sr.Session(launcher)
    log = os.path.join(session.scratch, 'orca.log')
    try:
        play(session, start_speech(session), game)
    except BaseException:
        if os.path.exists(log):
            with open(log, errors='replace') as file:
                print('what Orca said:\n' + ''.join(line for line in file if 'SPEECH OUTPUT' in line))
        raise
    finally:
        session.close()
    print('played in %.1f s' % (time.monotonic() - started))


if __name__ == '__main__':
    main()
