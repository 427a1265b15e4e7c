#!/usr/bin/env python3
"""A ZIBBO deal played by ear with Debian's own screen reader, Orca.

Orca runs on a private X server, D-Bus session and accessibility bus (screen_reader.py's
set-up), speaking through speech-dispatcher and espeak-ng into libao's silent driver; what it
speaks is the "SPEECH OUTPUT" lines of its debug log. Keys go in through XTEST, as from a
keyboard. The script checks what Orca says after the sound and music keys, the deals, a
hint, an undo and a redo, a pause, then learns a fresh deal by walking the dials, solves it
knowing only what it heard, checks what is said after every press and at the solve, and
reads the best times. It waits on speech, never on the clock.

    orca_speech.py PATH/TO/spindora

Exits 77 (skipped) where Orca, speech-dispatcher, espeak-ng or what screen_reader.py needs
is missing.
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
ESPEAK_MODULE = '/usr/lib/speech-dispatcher-modules/sd_espeak-ng'
PLACES = [(row, column) for row in sr.ROWS for column in sr.COLUMNS]
# How the news of a press names the other dials it turned.
BRIEF = ['top left', 'top middle', 'top right', 'middle left', 'centre', 'middle right',
         'bottom left', 'bottom middle', 'bottom right']
DIAL = r"(top|middle|bottom) row, (left|middle|right) dial: pointer at (\d+) o'clock"

# Orca loaded as a module: its debug log line-buffered, so that each line is there as it is
# spoken, and without its check for other screen readers of this user, so that it runs
# beside any other test.
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


def prerequisites():
    launcher = sr.prerequisites()
    for path, package in [(ORCA, 'orca'), (ESPEAK_MODULE, 'speech-dispatcher-espeak-ng')]:
        if not os.path.exists(path):
            sr.skip(package + ' is not installed')
    for program in ['speech-dispatcher', 'espeak-ng']:
        if not shutil.which(program):
            sr.skip(program + ' is not installed')
    return launcher


class Speech:
    """What Orca has spoken, read from its log; `heard` moves on past what was checked."""

    LINE = re.compile(r"SPEECH OUTPUT: '(.*)' ?(\[?\{[^{}]*\}\]?)?\s*$")

    def __init__(self, log):
        self.log = log
        self.spoken = []  # (text, is a key's echo)
        self.read_to = 0
        self.checked = 0

    def read(self):
        if not os.path.exists(self.log):
            return
        with open(self.log, encoding='utf-8', errors='replace') as file:
            file.seek(self.read_to)
            chunk = file.read()
        whole = chunk[:chunk.rfind('\n') + 1]
        self.read_to += len(whole.encode('utf-8', errors='replace'))
        for line in whole.splitlines():
            match = self.LINE.search(line)
            if match:
                raw = match.group(1)
                # Orca echoes a key as its name and a space; what it reads ends a sentence.
                self.spoken.append((raw.rstrip(' .'), raw.endswith(' ')))

    def heard(self, *expected, seconds=10):
        """Waits until the utterances since the last check, key echoes aside, are `expected`
        (regular expressions; an Optional one may be left out) in order; answers their matches
        (None for one left out)."""
        deadline = time.monotonic() + seconds
        while True:
            self.read()
            said = [text for text, echo in self.spoken[self.checked:] if not echo]
            matches = self.match(expected, said)
            if matches is not None:
                # Past the echoes too, so that the next check starts at what comes next.
                seen = 0
                while seen < sum(m is not None for m in matches):
                    if not self.spoken[self.checked][1]:
                        seen += 1
                    self.checked += 1
                return matches
            if time.monotonic() > deadline:
                raise AssertionError('waited %gs for %r, heard %r' % (seconds, list(expected), said))
            time.sleep(0.02)

    @staticmethod
    def match(expected, said):
        """The matches of `expected` in `said`, or None while more is to come."""
        matches, at = [], 0
        for pattern in expected:
            optional = isinstance(pattern, Optional)
            if at == len(said):
                if not optional:
                    return None
                matches.append(None)
                continue
            found = re.fullmatch(str(pattern), said[at])
            if not found and not optional:
                raise AssertionError('expected %r, heard %r' % ([str(p) for p in expected], said))
            matches.append(found)
            at += 1 if found else 0
        return matches


class Optional(str):
    """An utterance that may be left out."""


class Player:
    """Keys in, speech out, and the nine pointers as the speech has told them."""

    def __init__(self, speech):
        self.speech = speech
        self.hours = None
        self.focus = 0
        self.mark_shown = False

    def key(self, key, *expected):
        sr.key(key)
        return self.speech.heard(*expected)

    def focused(self, match):
        """Notes the dial a focus utterance names, and its pointer."""
        row, column, hour = match.group(1), match.group(2), int(match.group(3))
        self.focus = PLACES.index((row, column))
        return hour

    def step(self, direction):
        """One arrow, and the dial it leads to as Orca names it; answers its pointer."""
        if not self.mark_shown:  # the first arrow only shows where the focus is
            sr.key(direction)
            self.mark_shown = True
        target = self.focus + {'Right': 1, 'Left': -1, 'Down': 3, 'Up': -3}[direction]
        hour = self.focused(self.key(direction, DIAL + ' push button')[0])
        assert self.focus == target, 'went %s to %s' % (direction, PLACES[self.focus])
        return hour

    def read_dials(self):
        """The pointers, each heard as the focus reaches its dial: to the top left, then row
        by row in a snake."""
        hours = [None] * 9

        def step(direction):
            hour = self.step(direction)
            hours[self.focus] = hour

        if self.focus == 0:
            step('Right')
        while self.focus % 3:
            step('Left')
        while self.focus >= 3:
            step('Up')
        for direction in ['Right', 'Right', 'Down', 'Left', 'Left', 'Down', 'Right', 'Right']:
            step(direction)
        return hours

    def press(self, dial, forward, solves=False):
        """One press of `dial`, and the news it must bring: its new pointer, then the other
        dials it turned."""
        for i in range(9):
            self.hours[i] = (self.hours[i] - 1 + (1 if forward else -1) * sr.LEVEL_ONE[dial][i]) % 12 + 1
        if solves:
            # The notice comes with the focus on its button; the time follows.
            return self.key('space' if forward else 'shift+space', 'Solved dialog Hurrah, you did it!',
                            'OK push button', r'Solved in (\d+(\.\d)?) seconds?')[2]
        others = [BRIEF[i] for i in range(9) if i != dial and sr.LEVEL_ONE[dial][i]]
        news = "%s row, %s dial: pointer at %d o'clock" % (*PLACES[dial], self.hours[dial])
        if others:
            news += '; also turned: ' + ', '.join(others)
        self.key('space' if forward else 'shift+space', re.escape(news))
        return news

    def walk_to(self, dial):
        while self.focus != dial:
            if dial // 3 != self.focus // 3:
                self.step('Down' if dial // 3 > self.focus // 3 else 'Up')
            else:
                self.step('Right' if dial % 3 > self.focus % 3 else 'Left')


def start_quietly(session, command):
    """A process of the session whose chatter goes to a file of the scratch folder."""
    with open(os.path.join(session.scratch, os.path.basename(command[0]) + '.out'), 'w') as out:
        process = subprocess.Popen(command, env=session.env, start_new_session=True, cwd=session.scratch,
                                   stdout=out, stderr=subprocess.STDOUT)
    session.processes.append(process)


def start_speech(session):
    """speech-dispatcher with espeak-ng into a silent driver, and Orca with its log."""
    home = os.path.join(session.scratch, 'home')
    config = os.path.join(session.scratch, 'speechd')
    os.mkdir(home)
    os.mkdir(config)
    with open(os.path.join(home, '.libao'), 'w') as file:
        file.write('default_driver=null\n')
    with open(os.path.join(config, 'speechd.conf'), 'w') as file:
        file.write('AudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                   'DefaultModule espeak-ng\n')
    socket = os.path.join(session.scratch, 'speechd.sock')
    session.env.update(HOME=home, SPEECHD_ADDRESS='unix_socket:' + socket)
    os.environ.update(session.env)
    start_quietly(session, ['speech-dispatcher', '-s', '-t', '0', '-C', config, '-S', socket])
    sr.wait_for(lambda: os.path.exists(socket), 10, 'speech-dispatcher to listen')
    log = os.path.join(session.scratch, 'orca.log')
    prefs = os.path.join(session.scratch, 'orca')
    os.mkdir(prefs)
    start_quietly(session, [sys.executable, '-c', ORCA_LAUNCH, ORCA, '-u', prefs, '-d', 'braille', '--debug-file', log])
    speech = Speech(log)
    speech.heard('Screen reader on', seconds=30)
    return speech


def play(session, speech, game):
    session.start_game(game)
    player = Player(speech)
    # The start picture, then the board with the keys on its first dial.
    speech.heard('Spindora dialog', seconds=30)
    player.focused(player.key('Escape', 'Spindora frame', 'ZIBBO, level 1 panel', DIAL + ' push button')[2])
    print('start: focus on', PLACES[player.focus])

    # The switches, a pause with nothing running, and the deals, each said once.
    player.key('s', 'Sound effects off')
    player.key('s', 'Sound effects on')
    player.key('m', 'No music: there are no MIDI files')
    player.key('p', 'No pause: the clock is not running')
    player.key('Page_Up', 'ZIBBO, level 2: new deal')
    player.key('Page_Down', 'ZIBBO, level 1: new deal')
    player.key('ctrl+Page_Down', 'New deal')

    # A hint moves the focus to its dial and names the button; H again plays it. A search
    # that takes a moment says so first.
    said = player.key('h', Optional('Hint: looking for the next move…'), Optional(DIAL + ' push button'),
                      r'Hint: (top|middle|bottom) row, (left|middle|right) dial, (left|right) button')
    if said[1]:
        player.focused(said[1])
    hint = said[2]
    assert PLACES.index((hint.group(1), hint.group(2))) == player.focus, 'the hint names the focused dial'
    player.mark_shown = True
    played = player.key('h', DIAL + '(; also turned: .*)?')[0].group(0)
    assert played.startswith('%s row, %s dial' % PLACES[player.focus]), played
    undone = player.key('ctrl+z', 'Undone: ' + DIAL + '.*')[0].group(0)
    player.key('ctrl+y', re.escape('Redone: ' + played))
    print('hint played:', played, '/', undone)

    # A pause, and the game going on once the board has the keys again.
    player.key('p', 'Pause dialog', 'Continue push button')
    player.key('Return', 'Spindora frame', 'ZIBBO, level 1 panel', DIAL + ' push button', 'The game goes on')

    # A game that showed a hint makes no best time: give it up for a fresh deal.
    player.key('F2', 'Give up the puzzle\\? dialog Do you really want to giveup the puzzle\\?', 'Yes push button')
    match = player.key('Return', 'Spindora frame', 'ZIBBO, level 1 panel', DIAL + ' push button', 'New deal')
    player.focused(match[2])

    # The deal learnt by ear, solved, and every press heard.
    player.hours = player.read_dials()
    plan = sr.presses_to_solve(player.hours)
    print('pointers heard', player.hours, '- forward twelfths per dial', plan)
    presses = [(k, plan[k] <= 6, plan[k] if plan[k] <= 6 else 12 - plan[k]) for k in [8, 7, 6, 3, 4, 5, 2, 1, 0]]
    presses = [p for p in presses if p[2]]
    for n, (dial, forward, count) in enumerate(presses):
        player.walk_to(dial)
        for i in range(count):
            last = n == len(presses) - 1 and i == count - 1
            solved = player.press(dial, forward, solves=last)
    assert player.hours == [12] * 9
    print('solved:', solved.group(0))

    # The best times: the name box read once, with its label; the list a table read row by
    # row under its column headers, the time first.
    time_heard = solved.group(1)
    player.key('Return', 'ZIBBO – level 1 dialog', 'Your name text', 'Mr. Brain',
               re.escape('New best time in place 1: %s seconds' % time_heard))
    player.key('shift+Tab', 'Best times', 'table with 5 rows 2 columns', re.escape('Time: %s seconds' % time_heard),
               'Name: Mr. Brain', 'new entry')
    player.key('Down', 'Time: no time', 'Name: Mr. Brain')
    match = player.key('Return', 'Spindora frame', 'ZIBBO, level 1 panel', DIAL + ' push button')
    assert player.focused(match[2]) == 12

    # The clock ran through the deal and told no screen reader of its ticks: its words are
    # read when asked. Orca logs each event it receives with the role and name of its source.
    with open(speech.log, encoding='utf-8', errors='replace') as file:
        ticks = re.findall(r'EVENT MANAGER: object:property-change:accessible-description for \[filler \|', file.read())
    assert not ticks, '%d descriptions of the clock' % len(ticks)

    # The end, after the question.
    player.key('ctrl+q', 'End the game\\? dialog Do you really want to end the game\\?', 'Yes push button')
    sr.key('Return')
    assert session.game.wait(10) == 0, 'the game ended with %s' % session.game.returncode


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    game = os.path.abspath(sys.argv[1])
    launcher = prerequisites()
    if os.environ.get('SPINDORA_PRIVATE_BUS') != '1':
        os.environ['SPINDORA_PRIVATE_BUS'] = '1'
        os.execvp('dbus-run-session', ['dbus-run-session', '--', sys.executable] + sys.argv)
    started = time.monotonic()
    session = sr.Session(launcher)
    try:
        speech = start_speech(session)
        print('Orca speaks after %.1f s' % (time.monotonic() - started))
        play(session, speech, game)
    except BaseException:
        print('\nwhat Orca said:')
        speech_log = os.path.join(session.scratch, 'orca.log')
        if os.path.exists(speech_log):
            with open(speech_log, errors='replace') as file:
                print(''.join(line for line in file if 'SPEECH OUTPUT' in line))
        raise
    finally:
        session.close()
    print('\nplayed in %.1f s' % (time.monotonic() - started))


if __name__ == '__main__':
    main()
