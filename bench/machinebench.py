#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the real game (build/game/zandslots) the way a player's desktop runs
it: a window under Xvfb with a window manager, keys pressed through XTest, and
SDL's disk audio driver, so the mixing and the music synthesis really happen.
Runs under bench/run-idle.sh, which starts the X server. Each figure is printed
beside its goal, for this build and, when given, a baseline build measured in
the same run, the two taking turns phase by phase.
"""

import argparse
import array
import ctypes
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time

BYTES_PER_SECOND = 44100 * 4
AUDIBLE = 300
# Set in main: the library that keeps stdio from holding back the disk
# driver's writes, so the file grows one device buffer at a time as it is mixed.
UNBUFFERED = ''

# ---------------------------------------------------------------- X server


class X11:
    """Keys through XTest, as xdotool presses them, without a process start in
    the measured time."""

    def __init__(self):
        self.x = ctypes.CDLL('libX11.so.6')
        self.xtst = ctypes.CDLL('libXtst.so.6')
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.dpy = self.x.XOpenDisplay(None)
        if not self.dpy:
            sys.exit('machinebench: no X display')
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.x.XStringToKeysym.restype = ctypes.c_ulong
        self.x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x.XGetImage.restype = ctypes.c_void_p
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

    def colours_across(self, y):
        """How many colours the screen shows along row y."""
        width = self.x.XDisplayWidth(self.dpy, 0)
        image = self.x.XGetImage(self.dpy, self.root, 0, y, width, 1, 0xffffffff, 2)  # ZPixmap
        if not image:
            return 0
        data = ctypes.cast(image, ctypes.POINTER(ctypes.c_void_p))[2]  # XImage.data
        pixels = ctypes.string_at(data, 4 * width)
        self.x.XFree(ctypes.c_void_p(data))
        self.x.XFree(ctypes.c_void_p(image))
        return len({pixels[i:i + 3] for i in range(0, len(pixels), 4)})

    def key(self, name):
        code = self.x.XKeysymToKeycode(self.dpy, self.x.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        self.x.XFlush(self.dpy)
        pressed = time.monotonic()
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        self.x.XFlush(self.dpy)
        return pressed


def window_of(pid, timeout=30):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        out = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(pid), '--name', '.'],
                             capture_output=True, text=True).stdout.split()
        if out:
            window = int(out[-1])
            subprocess.run(['xdotool', 'windowactivate', '--sync', str(window)], capture_output=True)
            return window
        time.sleep(0.2)
    return None

# ---------------------------------------------------------------- /proc


def threads(pid):
    """{tid: (name, nanoseconds on a CPU)}"""
    result = {}
    for tid in os.listdir(f'/proc/{pid}/task'):
        try:
            with open(f'/proc/{pid}/task/{tid}/comm') as f:
                name = f.read().strip()
            with open(f'/proc/{pid}/task/{tid}/schedstat') as f:
                result[int(tid)] = (name, int(f.read().split()[0]))
        except OSError:
            pass
    return result


def status(pid, key):
    try:
        with open(f'/proc/{pid}/status') as f:
            for line in f:
                if line.startswith(key + ':'):
                    return int(line.split()[1]) / 1024.0
    except OSError:
        pass
    return 0.0


def children(pid):
    found = []
    for tid in os.listdir(f'/proc/{pid}/task'):
        try:
            with open(f'/proc/{pid}/task/{tid}/children') as f:
                found += [int(c) for c in f.read().split()]
        except OSError:
            pass
    return found


class StallWatch:
    """The game's thread sampled every 2 ms: a stall is a stretch in which it
    ran without a break (a track opened, a file loaded), the longest counts."""

    def __init__(self, pid):
        self.path = f'/proc/{pid}/task/{pid}/schedstat'

    def _ns(self):
        with open(self.path) as f:
            return int(f.read().split()[0])

    def longest(self, seconds):
        # The kernel brings a running thread's time up to date at its ticks:
        # a stretch lasts while the thread ran for most of it.
        longest, run, run_busy = 0.0, 0.0, 0.0
        last_ns, last_t = self._ns(), time.monotonic()
        end = last_t + seconds
        while time.monotonic() < end:
            time.sleep(0.002)
            ns, t = self._ns(), time.monotonic()
            busy, elapsed = (ns - last_ns) / 1e9, t - last_t
            if run == 0.0:
                if busy > 0.5 * elapsed:
                    run, run_busy = elapsed, busy
            else:
                run, run_busy = run + elapsed, run_busy + busy
                if run_busy < 0.8 * run:
                    run, run_busy = 0.0, 0.0
            longest = max(longest, min(run, run_busy))
            last_ns, last_t = ns, t
        return 1000 * longest


def cpu_window(pid, seconds, others=()):
    """Per-thread share of one core over a window, grouped: game thread,
    audio thread, the rest; plus other processes (the X server)."""
    before = threads(pid)
    other_before = {p: process_ns(p) for p in others}
    time.sleep(seconds)
    after = threads(pid)
    groups = {'game thread': 0, 'audio thread': 0, 'other threads': 0}
    for tid, (name, ns) in after.items():
        spent = ns - before.get(tid, (name, 0))[1]
        group = 'game thread' if tid == pid else 'audio thread' if name.startswith('SDLAudio') else 'other threads'
        groups[group] += spent
    share = {k: 100.0 * v / 1e9 / seconds for k, v in groups.items()}
    share['process'] = sum(share.values())
    for p in others:
        share['X server'] = 100.0 * (process_ns(p) - other_before[p]) / 1e9 / seconds
    return share


def process_ns(pid):
    return sum(ns for _, ns in threads(pid).values())

# ---------------------------------------------------------------- sound server


class SoundServer:
    """A real sound server, PulseAudio or PipeWire with its pulse server, run
    as our own processes under a folder of its own: a null sink that
    suspends when idle, no system daemon. What a player's desktop runs."""

    def __init__(self, kind, work):
        self.kind = kind
        self.dir = tempfile.mkdtemp(dir=work, prefix=f'{kind}-')
        os.chmod(self.dir, 0o700)
        self.procs, self.bus = [], None
        env = dict(os.environ, HOME=self.dir, XDG_RUNTIME_DIR=self.dir, XDG_CONFIG_HOME=os.path.join(self.dir, 'config'))
        log = open(os.path.join(self.dir, 'log.txt'), 'a')
        if kind == 'pulse':
            socket = os.path.join(self.dir, 'native')
            self.procs.append(subprocess.Popen(
                ['pulseaudio', '-n', '--daemonize=no', '--exit-idle-time=-1', '--use-pid-file=no',
                 '-L', f'module-native-protocol-unix socket={socket} auth-anonymous=1',
                 '-L', 'module-null-sink sink_name=null', '-L', 'module-suspend-on-idle timeout=1'],
                env=env, stdout=log, stderr=log))
        else:
            bus = subprocess.run(['dbus-launch', '--sh-syntax'], env=env, capture_output=True, text=True).stdout
            self.bus = int(re.search(r"DBUS_SESSION_BUS_PID=(\d+)", bus).group(1))
            env['DBUS_SESSION_BUS_ADDRESS'] = re.search(r"DBUS_SESSION_BUS_ADDRESS='([^']*)'", bus).group(1)
            for program in ('pipewire', 'wireplumber', 'pipewire-pulse'):
                self.procs.append(subprocess.Popen([program], env=env, stdout=log, stderr=log))
                time.sleep(1)
            socket = os.path.join(self.dir, 'pulse', 'native')
        self.env = {'PULSE_SERVER': f'unix:{socket}'}
        for _ in range(50):
            if self.pactl('info').returncode == 0:
                break
            time.sleep(0.2)
        if kind == 'pipewire':
            self.pactl('load-module', 'module-null-sink', 'sink_name=null')
            self.pactl('set-default-sink', 'null')
        self.watch = SinkWatch(self)

    def pactl(self, *args):
        return subprocess.run(['pactl', *args], env=dict(os.environ, **self.env), capture_output=True, text=True)

    def pids(self):
        return [p.pid for p in self.procs]

    def sink_state(self):
        for line in self.pactl('list', 'short', 'sinks').stdout.splitlines():
            fields = line.split()
            if len(fields) > 1 and fields[1] == 'null':
                return fields[-1]
        return '?'

    def stop(self):
        self.watch.stop()
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        if self.bus:
            os.kill(self.bus, signal.SIGTERM)


class SinkWatch:
    """The null sink's state as it changes, heard on one subscription that
    stays open. Asking the server each second instead costs it more than an
    idle game does: a connection a second is 0.22 % of a core and 26 wakes a
    second under PipeWire, 0.05 % under PulseAudio."""

    def __init__(self, server):
        self.server = server
        self.proc = subprocess.Popen(['pactl', 'subscribe'], env=dict(os.environ, **server.env),
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.lock = threading.Lock()
        self.changes = [(time.monotonic(), server.sink_state())]
        self.thread = threading.Thread(target=self._listen, daemon=True)
        self.thread.start()

    def _listen(self):
        for line in self.proc.stdout:
            if "'change' on sink #" in line:
                state = self.server.sink_state()
                with self.lock:
                    self.changes.append((time.monotonic(), state))

    def suspended(self, start, end):
        """The share of [start, end] the sink was suspended, in per cent."""
        with self.lock:
            changes = list(self.changes)
        total = 0.0
        for i, (at, state) in enumerate(changes):
            until = changes[i + 1][0] if i + 1 < len(changes) else end
            if state == 'SUSPENDED':
                total += max(0.0, min(until, end) - max(at, start))
        return 100.0 * total / max(1e-9, end - start)

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def wakes(pid):
    """Times any thread of the process was put on a CPU so far."""
    total = 0
    try:
        for tid in os.listdir(f'/proc/{pid}/task'):
            try:
                with open(f'/proc/{pid}/task/{tid}/status') as f:
                    total += sum(int(line.split()[1]) for line in f if 'ctxt_switches' in line)
            except OSError:
                pass
    except OSError:
        pass
    return total


def server_window(game, server, seconds):
    """The game's and the server's share of one core and their wakes a
    second, and how much of the window the null sink was suspended."""
    pids = server.pids()
    before = threads(game.pid), {p: process_ns(p) for p in pids}, wakes(game.pid), sum(wakes(p) for p in pids)
    start = time.monotonic()
    time.sleep(seconds)
    after = threads(game.pid)
    share = {'game thread': 0, 'audio thread': 0, 'other threads': 0}
    for tid, (name, ns) in after.items():
        group = 'game thread' if tid == game.pid else \
            'audio thread' if name.startswith(('SDLAudio', 'threaded-ml')) else 'other threads'
        share[group] += 100.0 * (ns - before[0].get(tid, (name, 0))[1]) / 1e9 / seconds
    share['process'] = sum(share.values())
    share['sound server'] = sum(100.0 * (process_ns(p) - before[1][p]) / 1e9 / seconds for p in pids)
    share['game + server'] = share['process'] + share['sound server']
    share['game wakes/s'] = (wakes(game.pid) - before[2]) / seconds
    share['server wakes/s'] = (sum(wakes(p) for p in pids) - before[3]) / seconds
    share['sink suspended (%)'] = server.watch.suspended(start, start + seconds)
    return share


def server_floor(server, seconds):
    """The server's cost with no client, and for the cheapest stream a
    client can ask for: a second of silence ahead, refilled a fifth at a
    time, at the server's own rate and at the songs' 44.1 kHz. What no game
    can go below. Under PipeWire also the same through its own protocol
    (pw-cat), which a game could speak instead."""
    streams = [('no stream', None)]
    for rate in (48000, 44100):
        streams.append((f'one stream of silence at {rate} Hz, a second ahead',
                        ['pacat', f'--rate={rate}', '--latency-msec=1000', '--process-time-msec=200', '/dev/zero']))
    if server.kind == 'pipewire' and shutil.which('pw-cat'):
        for rate in (48000, 44100):
            wave = os.path.join(server.dir, f'silence-{rate}.wav')
            with open(wave, 'wb') as f:
                f.write(wave_file(bytes(4 * rate * int(seconds + 10)), rate))
            streams.append((f'the same at {rate} Hz through PipeWire\'s own protocol',
                            ['pw-cat', '--playback', '--latency=1s', wave]))
    env = dict(os.environ, **server.env, PIPEWIRE_RUNTIME_DIR=server.dir)
    floor = {}
    for name, command in streams:
        reference = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL) if command else None
        time.sleep(3 if command else 7)  # without a stream, time for the sink to suspend
        pids = server.pids()
        before, woken = sum(process_ns(p) for p in pids), sum(wakes(p) for p in pids)
        time.sleep(seconds)
        floor[name] = (100.0 * (sum(process_ns(p) for p in pids) - before) / 1e9 / seconds,
                       (sum(wakes(p) for p in pids) - woken) / seconds)
        if reference:
            reference.terminate()
            reference.wait()
    return floor


def draw_floor(build, seconds):
    """What Qt and the X server take for the idle lights' drawings alone
    (zand_drawfloor: the same rectangles at the same moments, filled flat):
    the floor under the game thread's idle cost."""
    program = os.path.join(build, 'bench', 'zand_drawfloor')
    if not os.path.exists(program):
        return 'not built'
    out = subprocess.run([program, str(seconds)], env=dict(os.environ, QT_QPA_PLATFORM='xcb'),
                         capture_output=True, text=True, timeout=seconds + 60).stdout
    return out.strip().removeprefix('drawfloor: ') or 'no figure'


def wave_file(frames, rate):
    """16-bit stereo samples as a wave file."""
    return b'RIFF' + struct.pack('<I', 36 + len(frames)) + b'WAVEfmt ' + \
        struct.pack('<IHHIIHH', 16, 1, 2, rate, 4 * rate, 4, 16) + b'data' + struct.pack('<I', len(frames)) + frames


class MonitorCapture:
    """The null sink's monitor recorded into a file: what the server mixed,
    as a sound card would play it. Recording keeps the sink awake."""

    def __init__(self, server, path):
        self.file = Capture(path)
        self.proc = subprocess.Popen(['parec', '-d', 'null.monitor', '--format=s16le', '--rate=44100', '--channels=2',
                                      '--latency-msec=5', path], env=dict(os.environ, **server.env))
        # A sink woken for the recording starts it late: nothing counts
        # until a second has been recorded.
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and self.file.size() < BYTES_PER_SECOND:
            time.sleep(0.05)

    def stop(self):
        self.proc.terminate()
        self.proc.wait()

    def gaps(self, start):
        """Runs of digital silence longer than 10 ms inside the music recorded
        from byte `start`: the music ran dry. Returns their count and the
        longest in ms."""
        with open(self.file.path, 'rb') as f:
            f.seek(start & ~3)
            samples = array.array('h')
            data = f.read()
            samples.frombytes(data[:len(data) & ~3])
        frames = [samples[i] | samples[i + 1] for i in range(0, len(samples) - 1, 2)]
        runs, run = [], 0
        first = next((i for i, v in enumerate(frames) if v), len(frames))
        last = len(frames) - next((i for i, v in enumerate(reversed(frames)) if v), len(frames))
        for v in frames[first:last]:
            if v == 0:
                run += 1
            else:
                if run > 441:
                    runs.append(run)
                run = 0
        return len(runs), 1000.0 * max(runs, default=0) / 44100

    def clipped(self, start):
        with open(self.file.path, 'rb') as f:
            f.seek(start & ~1)
            samples = array.array('h')
            data = f.read()
            samples.frombytes(data[:len(data) & ~1])
        return sum(1 for v in samples if v >= 32767 or v <= -32767)


def served_session(game, directory, server, x11, args):
    """Through the sound server: idle with music on and off (the server's
    cost beside the game's, the sink suspended or not), effects from a
    resting game, clipping of effects over music, underruns under load."""
    r = {}
    capture = MonitorCapture(server, os.path.join(game.home, f'{server.kind}-start.raw'))
    launched = time.monotonic()
    r['first frame (ms)'] = first_frame(game, directory, None, x11, server)
    while time.monotonic() < launched + 90 and not (capture.file.size() and capture.file.loudest(
            max(0, capture.file.size() - BYTES_PER_SECOND)) > AUDIBLE):
        time.sleep(0.1)
    capture.stop()
    time.sleep(3)
    r['idle, music on'] = server_window(game, server, args.window)
    game.toggle_music()
    time.sleep(7)  # the game's streams rest, then the sink (PipeWire waits 5 s)
    r['idle, music off'] = server_window(game, server, args.window)

    capture = MonitorCapture(server, os.path.join(game.home, f'{server.kind}-monitor.raw'))
    r['effect latency (ms)'] = effect_latencies(capture.file, x11, args, 0)
    game.toggle_music()  # music on again
    time.sleep(2)
    start = capture.file.size()
    for press in range(args.presses):
        x11.key('b')
        time.sleep(0.4)
        if press % 3 == 2:
            x11.key('space')
            time.sleep(2.5)
    r['clipped samples, effects over music'] = capture.clipped(start)
    r['peak memory (MB)'] = status(game.pid, 'VmHWM')

    hogs = [subprocess.Popen([sys.executable, '-c', 'while True: pass']) for _ in range(2)]
    time.sleep(0.5)
    start = capture.file.size()
    time.sleep(args.load_seconds)
    for hog in hogs:
        hog.kill()
        hog.wait()
    r['underruns under load'], r['longest gap in the sound under load (ms)'] = capture.gaps(start)
    capture.stop()
    game.stop()
    return r


def served_latency_running(game, directory, server, x11, args):
    """Effects while the music plays a silent song, heard at the monitor."""
    game.start(directory, None, server)
    time.sleep(6)
    capture = MonitorCapture(server, os.path.join(game.home, f'{server.kind}-silent.raw'))
    latencies = effect_latencies(capture.file, x11, args, 0)
    capture.stop()
    game.stop()
    return {'effect latency, music playing (ms)': latencies}

# ---------------------------------------------------------------- sound file


class Capture:
    def __init__(self, path):
        self.path = path

    def size(self):
        try:
            return os.path.getsize(self.path)
        except OSError:
            return 0

    def loudest(self, start, end=None):
        with open(self.path, 'rb') as f:
            f.seek(start & ~1)
            data = f.read() if end is None else f.read(max(0, end - start))
        samples = array.array('h')
        samples.frombytes(data[:len(data) & ~1])
        return max((abs(s) for s in samples), default=0)

    def wait_silence(self, seconds=0.3, timeout=20):
        """Until the last `seconds` of the file are quiet, or the file has
        not grown for that long (the device rests when nothing sounds)."""
        deadline = time.monotonic() + timeout
        span = int(seconds * BYTES_PER_SECOND)
        last_size, still_since = self.size(), time.monotonic()
        while time.monotonic() < deadline:
            end = self.size()
            if end != last_size:
                last_size, still_since = end, time.monotonic()
            elif time.monotonic() - still_since >= seconds:
                return True
            if end > span and self.loudest(end - span, end) <= AUDIBLE:
                return True
            time.sleep(0.05)
        return False

    def device_buffer(self):
        """The device's buffer, in seconds: each growth of the file is one
        buffer, written as it is mixed."""
        grown = sorted(g for _, g in self.gaps(1.0))
        return grown[len(grown) // 2] / BYTES_PER_SECOND if grown else 1024 / 44100

    def first_sound_after(self, offset, since, timeout=2.0):
        """Wall time from `since` until a sample louder than silence appears
        after byte `offset`."""
        deadline = since + timeout
        while time.monotonic() < deadline:
            # A device that was closed and opened again starts the file anew.
            if self.size() < offset:
                offset = 0
            with open(self.path, 'rb') as f:
                f.seek(offset & ~1)
                data = f.read()
            seen = time.monotonic()
            samples = array.array('h')
            samples.frombytes(data[:len(data) & ~1])
            if any(abs(s) > AUDIBLE for s in samples):
                return seen - since
            time.sleep(0.001)
        return None

    def gaps(self, seconds):
        """Intervals between growths of the file, polled every 2 ms."""
        gaps, last_size, last_time = [], self.size(), time.monotonic()
        end = last_time + seconds
        while time.monotonic() < end:
            time.sleep(0.002)
            size = self.size()
            if size != last_size:
                now = time.monotonic()
                gaps.append((now - last_time, size - last_size))
                last_size, last_time = size, now
        return gaps

# ---------------------------------------------------------------- the game


def midi_song(base_note):
    """A short piano phrase: four notes of a quarter second."""
    track = b'\x00\xc0\x00'
    for step in (0, 4, 7, 12):
        note = base_note + step
        track += bytes([0, 0x90, note, 100, 0x30, 0x80, note, 0])
    track += b'\x00\xb0\x78\x00\x00\xff\x2f\x00'
    return b'MThd' + struct.pack('>IHHH', 6, 0, 1, 96) + b'MTrk' + struct.pack('>I', len(track)) + track


def vlq(value):
    out = bytearray([value & 0x7f])
    while value >> 7:
        value >>= 7
        out.insert(0, 0x80 | (value & 0x7f))
    return bytes(out)


def silent_song(seconds):
    """A faint note, then silence: the music plays, so the device runs, and
    an effect can still be told from it."""
    ticks = int(seconds * 2 * 96)  # 120 beats a minute, 96 ticks a beat
    track = (b'\x00\xc0\x00' b'\x00\xb0\x07\x40' b'\x00\x90\x3c\x30' + vlq(48) + b'\x80\x3c\x00'
             + vlq(ticks) + b'\xb0\x07\x10' b'\x00\xff\x2f\x00')
    return b'MThd' + struct.pack('>IHHH', 6, 0, 1, 96) + b'MTrk' + struct.pack('>I', len(track)) + track


def theme(game_dir, into, songs=None):
    """A copy of the game beside its files; 'short' songs change track every
    few seconds, 'silent' ones play nothing but silence."""
    os.makedirs(into, exist_ok=True)
    for name in os.listdir(game_dir):
        source = os.path.join(game_dir, name)
        if os.path.isfile(source):
            shutil.copy2(source, into)
    for n in range(5) if songs else ():
        with open(os.path.join(into, f'Zand{n}.mid'), 'wb') as f:
            f.write(midi_song(60 + 2 * n) if songs == 'short' else silent_song(60))
    return into


class Game:
    def __init__(self, label, game_dir, work):
        self.label = label
        self.game_dir = game_dir
        self.home = os.path.join(work, label)
        os.makedirs(self.home, exist_ok=True)
        self.proc = None

    def start(self, directory, capture, server=None):
        self.launch(directory, capture, server)
        return self.attach()

    def launch(self, directory, capture, server=None):
        # With a sound server the game finds it as on a desktop; SDL, where
        # it is used, talks to it too.
        sound = dict(server.env, SDL_AUDIODRIVER='pulseaudio') if server else \
            dict(SDL_AUDIODRIVER='disk', SDL_DISKAUDIOFILE=capture.path, LD_PRELOAD=UNBUFFERED)
        env = dict(os.environ, **sound, XDG_CONFIG_HOME=os.path.join(self.home, 'config'),
                   XDG_CACHE_HOME=os.path.join(self.home, 'cache'), QT_QPA_PLATFORM='xcb')
        env.pop('SDL_SOUNDFONTS', None)
        if not server:
            env.pop('PULSE_SERVER', None)
        self.proc = subprocess.Popen([os.path.join(directory, 'zandslots')], env=env,
                                     stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.home, 'stderr.txt'), 'a'))
        self.pid = self.proc.pid

    def attach(self):
        self.window = window_of(self.pid)
        if self.window is None:
            sys.exit(f'machinebench: {self.label}: no window')
        return self

    def stop(self):
        if self.proc:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
            self.proc = None

    def toggle_music(self):
        """Options > Music, from the keyboard."""
        subprocess.run(['xdotool', 'key', 'alt+o'], capture_output=True)
        time.sleep(0.3)
        subprocess.run(['xdotool', 'key', 'Down', 'Return'], capture_output=True)
        time.sleep(0.3)

# ---------------------------------------------------------------- phases


def cold_start(game, directory, capture):
    """From launch to the first music, with an empty cache; the peak of the
    game and of any renderer it starts."""
    shutil.rmtree(os.path.join(game.home, 'cache'), ignore_errors=True)
    launched = time.monotonic()
    game.start(directory, capture)
    renderer_peak, rendered, seen = 0.0, None, False
    deadline = launched + 90
    while time.monotonic() < deadline:
        running = children(game.pid)
        for child in running:
            renderer_peak = max(renderer_peak, status(child, 'VmHWM'))
        seen = seen or bool(running)
        if running:
            rendered = time.monotonic() - launched
        elif time.monotonic() - launched > (rendered or 0) + 5:
            break
        time.sleep(0.02)
    result = {'all songs made, empty cache (s)': rendered if seen else None,
              'renderer peak (MB)': renderer_peak if seen else None,
              'game peak, empty cache (MB)': status(game.pid, 'VmHWM')}
    game.stop()
    return result


def first_frame(game, directory, capture, x11, server=None):
    """From launch to the machine on the screen: the row through the middle
    of the screen shows the machine's many colours instead of one."""
    middle = x11.x.XDisplayHeight(x11.dpy, 0) // 2
    launched = time.monotonic()
    game.launch(directory, capture, server)
    shown = None
    while time.monotonic() < launched + 30 and game.proc.poll() is None:
        if x11.colours_across(middle) >= 16:
            shown = time.monotonic() - launched
            break
        time.sleep(0.002)
    game.attach()
    return 1000 * shown if shown is not None else None


def first_frames(game, directory, capture, x11, args, server=None):
    """The first frame of several launches in a row: one launch alone is
    a single sample, which a page fault or a busy moment of the machine
    can double."""
    frames = []
    for _ in range(args.launches):
        frames.append(first_frame(game, directory, capture, x11, server))
        game.stop()
        time.sleep(1)
    return {'first frames (ms)': frames}


def session(game, directory, capture, x11, args, xserver):
    r = {}
    launched = time.monotonic()
    r['first frame (ms)'] = first_frame(game, directory, capture, x11)
    # The music starts a moment after the window shows.
    deadline = launched + 30
    while time.monotonic() < deadline and not (capture.size() and capture.loudest(max(0, capture.size() - BYTES_PER_SECOND)) > AUDIBLE):
        time.sleep(0.05)
    time.sleep(2)
    period = capture.device_buffer()
    r['device buffer (frames)'] = period * 44100
    r['idle, music on'] = cpu_window(game.pid, args.window, [xserver])

    game.toggle_music()
    capture.wait_silence(0.5)
    time.sleep(1)
    r['idle, music off'] = cpu_window(game.pid, args.window, [xserver])

    r['effect latency (ms)'] = effect_latencies(capture, x11, args, period)

    game.toggle_music()  # music on again
    time.sleep(1)
    watch = StallWatch(game.pid)
    stalls = []
    for spin in range(args.spins):
        x11.key('m')
        x11.key('space')
        stalls.append(watch.longest(2.2))
    r['longest game-thread stall, spinning with music (ms)'] = max(stalls, default=0)
    r['peak memory (MB)'] = status(game.pid, 'VmHWM')
    r['memory now (MB)'] = status(game.pid, 'VmRSS')

    # A loaded machine: two busy processes as the music plays.
    hogs = [subprocess.Popen([sys.executable, '-c', 'while True: pass']) for _ in range(2)]
    time.sleep(0.5)
    gaps = capture.gaps(args.load_seconds)
    for hog in hogs:
        hog.kill()
        hog.wait()
    underruns = sum(1 for interval, grown in gaps if interval > grown / BYTES_PER_SECOND + 2 * period)
    r['underruns under load'] = underruns
    r['longest gap in the sound under load (ms)'] = 1000 * max((g for g, _ in gaps), default=0)
    game.stop()
    return r


def effect_latencies(capture, x11, args, period):
    """Bet One pressed again and again: from the key to the device buffer
    that holds the first loud sample of its sound, as it is written, plus
    the buffer that plays ahead of it."""
    latencies = []
    for press in range(args.presses):
        if press % 3 == 0 and press:
            x11.key('space')  # spend the three coins
            time.sleep(2.5)
        capture.wait_silence(0.4)
        time.sleep(0.05 + 0.0137 * (press % 7))  # not always on the same buffer edge
        offset = capture.size()
        pressed = x11.key('b')
        heard = capture.first_sound_after(offset, pressed)
        if heard is not None:
            latencies.append(1000 * (heard + period))
        time.sleep(0.3)
    return latencies


def latency_running(game, directory, capture, x11, args):
    """Effects while the device runs: the music plays a silent song."""
    game.start(directory, capture)
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline and capture.size() < 2 * BYTES_PER_SECOND:
        time.sleep(0.1)
    period = capture.device_buffer()
    latencies = effect_latencies(capture, x11, args, period)
    game.stop()
    return {'effect latency, music playing (ms)': latencies}


def track_changes(game, directory, capture, x11, args, server=None):
    """Songs of two seconds: the music changes track every few seconds, while
    idle and while spinning; the longest the game's thread is held."""
    game.start(directory, capture, server)
    time.sleep(3)
    watch = StallWatch(game.pid)
    idle = watch.longest(args.track_seconds)
    stalls = []
    for spin in range(max(3, args.spins // 2)):
        x11.key('m')
        x11.key('space')
        stalls.append(watch.longest(2.2))
    game.stop()
    return {'longest game-thread stall, idle, track changes (ms)': idle,
            'longest game-thread stall, spinning, track changes (ms)': max(stalls)}


def zand_bench(build, screen, spins, loaded, watch_memory=False):
    """The spin benchmark of that build: every spin timed inside the game.
    Returns its figures; with watch_memory, also the resident memory after a
    tenth of the spins and at the end, and the peak."""
    bench = os.path.join(build, 'bench', 'zand_bench')
    env = dict(os.environ, SDL_AUDIODRIVER='disk', SDL_DISKAUDIOFILE='/dev/null', QT_QPA_PLATFORM='xcb',
               XDG_CACHE_HOME=os.path.join(os.path.dirname(bench), 'bench-cache'))
    hogs = [subprocess.Popen([sys.executable, '-c', 'while True: pass']) for _ in range(2 if loaded else 0)]
    memory = []
    try:
        proc = subprocess.Popen([bench, str(spins), '--screen', screen, '--idle', '1'], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        while watch_memory and proc.poll() is None:
            memory.append((time.monotonic(), status(proc.pid, 'VmRSS'), status(proc.pid, 'VmHWM')))
            time.sleep(1)
        out = proc.communicate(timeout=600 + 2 * spins)[0]
    finally:
        for hog in hogs:
            hog.kill()
            hog.wait()
    figures = {}
    for key, pattern in (('spin', r'wall time \(ms\)'), ('spin CPU', r'CPU load, process \(%\)')):
        match = re.search(pattern + r'\s+([\d.]+)\s+([\d.]+)', out)
        if match:
            figures[f'{key} median'], figures[f'{key} worst'] = float(match.group(1)), float(match.group(2))
    memory = [m for m in memory if m[1] > 0]
    if memory:
        start = memory[0][0] + 0.1 * (memory[-1][0] - memory[0][0])
        early = next(m for m in memory if m[0] >= start)
        figures.update({'memory after a tenth (MB)': early[1], 'memory at the end (MB)': memory[-1][1],
                        'peak (MB)': max(m[2] for m in memory)})
    return figures

# ---------------------------------------------------------------- report


def median(values):
    values = sorted(v for v in values if v is not None)
    if not values:
        return None
    n = len(values)
    return values[n // 2] if n % 2 else (values[n // 2 - 1] + values[n // 2]) / 2


def fmt(value, digits=1):
    return '-' if value is None else f'{value:.{digits}f}'


def report(results, labels, args):
    rows = []

    def row(name, goal, values, met=None, digits=1):
        rows.append((name, goal, [fmt(v, digits) for v in values],
                     '' if met is None or values[0] is None else ('met' if met(values[0]) else 'MISSED')))

    get = lambda key, sub=None: [results[l].get(key) if sub is None else (results[l].get(key) or {}).get(sub) for l in labels]
    row('peak memory, game (MB)', '<= 80', get('peak memory (MB)'), lambda v: v <= 80)
    row('memory at the end (MB)', '', get('memory now (MB)'))
    row('peak memory, renderer process (MB)', 'separate, brief', get('renderer peak (MB)'))
    row('peak memory, game, empty cache (MB)', '<= 80', get('game peak, empty cache (MB)'), lambda v: v <= 80)
    row('all songs made, empty cache (s)', '', get('all songs made, empty cache (s)'))
    for state in ('idle, music on', 'idle, music off'):
        if args.sound == 'disk':
            row(f'{state}: process (% of a core)', '<= 0.5', get(state, 'process'), lambda v: v <= 0.5, 2)
        else:
            goal = 0.5 if state.endswith('on') else 0.3
            row(f'{state}: game + server (% of a core)', '<= 0.5' if goal == 0.5 else '',
                get(state, 'game + server'), (lambda v: v <= 0.5) if goal == 0.5 else None, 2)
            row(f'    game (% of a core)', f'<= {goal}', get(state, 'process'), lambda v, g=goal: v <= g, 2)
        for part in ('game thread', 'audio thread', 'other threads', 'X server', 'sound server'):
            if any(v is not None for v in get(state, part)):
                row(f'    {part}', '', get(state, part), digits=2)
        for part, digits in (('game wakes/s', 0), ('server wakes/s', 0), ('sink suspended (%)', 0)):
            if any(v is not None for v in get(state, part)):
                row(f'    {part}', '100' if part.startswith('sink') and state.endswith('off') else '',
                    get(state, part), (lambda v: v >= 90) if part.startswith('sink') and state.endswith('off') else None,
                    digits)
    if args.sound != 'disk':
        row('clipped samples, effects over music', '0', get('clipped samples, effects over music'), lambda v: v == 0, 0)
    lat = [results[l].get('effect latency (ms)') or [] for l in labels]
    row('device buffer (frames)', '', get('device buffer (frames)'), digits=0)
    row('effect latency, median (ms)', '', [median(v) for v in lat])
    row('effect latency, worst (ms)', '<= 30', [max(v) if v else None for v in lat], lambda v: v <= 30)
    lat = [results[l].get('effect latency, music playing (ms)') or [] for l in labels]
    row('effect latency, music playing, median (ms)', '', [median(v) for v in lat])
    row('effect latency, music playing, worst (ms)', '<= 30', [max(v) if v else None for v in lat], lambda v: v <= 30)
    row('underruns under load', '0', get('underruns under load'), lambda v: v == 0, 0)
    row('longest gap in the sound under load (ms)', '', get('longest gap in the sound under load (ms)'))
    row('stall, spinning with music (ms)', '', get('longest game-thread stall, spinning with music (ms)'))
    row('stall, idle, track changes (ms)', '<= 20', get('longest game-thread stall, idle, track changes (ms)'), lambda v: v <= 20)
    row('stall, spinning, track changes (ms)', '<= 20', get('longest game-thread stall, spinning, track changes (ms)'), lambda v: v <= 20)
    row('first frame, first launch (ms)', '', get('first frame (ms)'), digits=0)
    frames = [results[l].get('first frames (ms)') or [] for l in labels]
    row(f'first frame, median of {args.launches} launches (ms)', '<= 300', [median(v) for v in frames],
        lambda v: v <= 300, 0)
    row('first frame, slowest launch (ms)', '', [max((f for f in v if f is not None), default=None) for v in frames],
        digits=0)
    row('spin (zand_bench), median (ms)', '~1175', get('spin spin median'))
    row('spin (zand_bench), slowest (ms)', '<= 1185', get('spin spin worst'), lambda v: v <= 1185)
    row('CPU while spinning, median (% of a core)', '<= 10', get('spin spin CPU median'), lambda v: v <= 10)
    row('spin under load, median (ms)', '~1175', get('loaded spin spin median'))
    row('spin under load, slowest (ms)', '<= 1185', get('loaded spin spin worst'), lambda v: v <= 1185)
    if any(results[l].get('growth peak (MB)') for l in labels):
        row(f'memory after a tenth of {args.growth_spins} spins (MB)', '', get('growth memory after a tenth (MB)'))
        row(f'memory after {args.growth_spins} spins (MB)', '', get('growth memory at the end (MB)'))
        row('  growth (MB)', '<= 0.5', [None if (results[l].get('growth memory at the end (MB)') is None) else
                                   results[l]['growth memory at the end (MB)'] - results[l]['growth memory after a tenth (MB)']
                                   for l in labels], lambda v: v <= 0.5)
        row(f'peak memory over {args.growth_spins} spins (MB)', '<= 80', get('growth peak (MB)'), lambda v: v <= 80)

    width = max(len(r[0]) for r in rows)
    print(f"\n{'':{width}}  {'goal':>15}  " + '  '.join(f'{l:>10}' for l in labels) + '  verdict')
    for name, goal, values, verdict in rows:
        print(f'{name:{width}}  {goal:>15}  ' + '  '.join(f'{v:>10}' for v in values) + f'  {verdict}')
    for key in ('effect latency (ms)', 'effect latency, music playing (ms)'):
        for l in labels:
            if results[l].get(key):
                print(f'{key}, {l}, press by press: ' + ' '.join(fmt(v) for v in results[l][key]))
    if args.sound != 'disk':
        print(f'\n(sound through {args.sound}; latency = key to the first loud sample at the null sink\'s '
              'monitor, which the recording keeps awake)')
    if len(labels) == 2:
        print('\n(verdict: the first build)')
    if args.sound == 'disk':
        print('(latency = key to the device buffer holding the first loud sample, as it is written, plus one '
              'device buffer playing ahead of it)')


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--build', default='build')
    parser.add_argument('--baseline', help='another build directory, measured in turn with this one')
    parser.add_argument('--screen', default='1920x1080')
    parser.add_argument('--window', type=float, default=30, help='seconds of each idle window')
    parser.add_argument('--spins', type=int, default=20)
    parser.add_argument('--launches', type=int, default=7, help='launches timed to their first frame')
    parser.add_argument('--presses', type=int, default=12)
    parser.add_argument('--load-seconds', type=float, default=15)
    parser.add_argument('--track-seconds', type=float, default=20)
    parser.add_argument('--bench-spins', type=int, default=20)
    parser.add_argument('--growth-spins', type=int, default=0,
                        help='also play this many spins, watching the memory (2000 take 40 minutes a build)')
    parser.add_argument('--sound', choices=('disk', 'pulse', 'pipewire'), default='disk',
                        help='disk: SDL writes the sound to a file (the default); pulse, pipewire: a real sound '
                             'server started for the run, the game as on a desktop')
    parser.add_argument('--only-sound', action='store_true', help='with --sound: leave out the spin benchmarks')
    parser.add_argument('--smoke', action='store_true',
                        help='every phase, as briefly as it goes: that the benchmark runs, no figures to keep')
    args = parser.parse_args()
    if args.smoke:
        args.window, args.presses, args.spins, args.load_seconds = 2, 2, 1, 2
        args.track_seconds, args.bench_spins, args.launches = 2, 2, 1

    builds = {'this': os.path.abspath(args.build)}
    if args.baseline:
        builds['baseline'] = os.path.abspath(args.baseline)
    global UNBUFFERED
    UNBUFFERED = os.path.join(builds['this'], 'bench', 'libzand_unbuffered.so')
    if not os.path.exists(UNBUFFERED):
        sys.exit(f'machinebench: {UNBUFFERED} is missing; build the project first')
    labels = list(builds)
    work = tempfile.mkdtemp(prefix='machinebench-')
    x11 = X11()
    xserver = int(subprocess.run(['pgrep', '-n', 'Xvfb'], capture_output=True, text=True).stdout.split()[0])
    games = {l: Game(l, os.path.join(b, 'game'), work) for l, b in builds.items()}
    themes = {l: (theme(g.game_dir, os.path.join(work, l, 'game')),
                  theme(g.game_dir, os.path.join(work, l, 'short'), 'short'),
                  theme(g.game_dir, os.path.join(work, l, 'silent'), 'silent')) for l, g in games.items()}
    results = {l: {} for l in labels}
    print(f'machinebench: {args.screen}, builds: ' + ', '.join(f'{l} = {b}' for l, b in builds.items()), flush=True)

    def each(step, name):
        order = labels if len(results[labels[0]]) % 2 == 0 else labels[::-1]
        for l in order:
            print(f'  {name}: {l}', flush=True)
            results[l].update(step(l))

    print(f"  the window system alone, the idle lights' drawings: {draw_floor(builds['this'], args.window)}",
          flush=True)
    capture = lambda l, what: Capture(os.path.join(work, l, f'{what}.raw'))
    each(lambda l: cold_start(games[l], themes[l][0], capture(l, 'cold')), 'start with an empty cache')
    if args.sound == 'disk':
        each(lambda l: session(games[l], themes[l][0], capture(l, 'session'), x11, args, xserver),
             'idle, latency, spins, load')
        each(lambda l: latency_running(games[l], themes[l][2], capture(l, 'silent'), x11, args),
             'effects with music playing')
        each(lambda l: track_changes(games[l], themes[l][1], capture(l, 'short'), x11, args), 'track changes')
        each(lambda l: first_frames(games[l], themes[l][0], capture(l, 'frames'), x11, args), 'first frames')
    else:
        server = SoundServer(args.sound, work)
        try:
            floor = server_floor(server, args.window)
            each(lambda l: served_session(games[l], themes[l][0], server, x11, args), f'through {args.sound}')
            each(lambda l: served_latency_running(games[l], themes[l][2], server, x11, args),
                 'effects with music playing')
            each(lambda l: track_changes(games[l], themes[l][1], None, x11, args, server),
                 f'track changes through {args.sound}')
            each(lambda l: first_frames(games[l], themes[l][0], None, x11, args, server), 'first frames')
        finally:
            server.stop()
        for stream, (share, woken) in floor.items():
            print(f'  the server alone, {stream}: {share:.2f} % of a core, {woken:.0f} wakes a second', flush=True)
        if args.only_sound:
            report(results, labels, args)
            shutil.rmtree(work, ignore_errors=True)
            return

    def spins(l, loaded):
        prefix = 'loaded spin' if loaded else 'spin'
        figures = zand_bench(builds[l], args.screen, args.bench_spins, loaded)
        return {f'{prefix} {k}': v for k, v in figures.items()}
    each(lambda l: spins(l, False), 'zand_bench')
    each(lambda l: spins(l, True), 'zand_bench under load')
    if args.growth_spins:
        each(lambda l: {f'growth {k}': v for k, v in
                        zand_bench(builds[l], args.screen, args.growth_spins, False, True).items()},
             f'{args.growth_spins} spins')

    report(results, labels, args)
    shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    main()
