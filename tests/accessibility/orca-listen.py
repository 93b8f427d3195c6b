#!/usr/bin/python3
"""Drives the configurator by keys while the Orca screen reader listens, and checks what it says.

Run by orca-test.sh inside Xvfb and a private session bus. Starts the accessibility bus, the
openbox window manager, Orca (its speech server writes every utterance to a file instead of a
sound card) and the configurator on a simulated device whose page 5 stays silent once. Then it
presses the keys of each step below and waits for the utterances the step expects; a step fails
when one is missing or a forbidden one is heard. KORVEX_ORCA_EVENTS=1 also counts the events on
the accessibility bus during each step (the figure of a write), KORVEX_ORCA_KEEP=DIR keeps the
speech and the logs.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import time

PROGRAM, WORK = sys.argv[1], sys.argv[2]
SPOKEN = os.path.join(WORK, "spoken.txt")
EVENTS = os.path.join(WORK, "events.txt")
QUIET = 0.8  # seconds without speech after which a step's speech counts as finished


class Step:
    def __init__(self, what, keys, expect=(), forbid=(), timeout=6):
        self.what, self.keys, self.expect, self.forbid = what, keys, expect, forbid
        self.timeout = timeout


# Each step's keys, then what Orca must say (regular expressions over the step's utterances,
# joined by single spaces) and what it must not say.
STEPS = [
    Step("a page's name on Ctrl+Tab", ["ctrl+Tab"], [r"\bDigipeater (page|tab)\b"]),
    Step("a field's whole value", ["ctrl+shift+Tab"],
         [r"\bRadio (page|tab)\b", r"Callsign:? (text\. )?NOCALL\b"], [r"\bNOCAL\b"]),
    Step("a one-character value", ["Tab"], [r"SSID:? (text\. )?0\b"]),
    Step("a labelled drop-down's entry on focus", ["Tab"], [r"Baud rate", r"1200 / AFSK"]),
    Step("a labelled drop-down's entry on Down", ["Down"], [r"9600 / GMSK"]),
    Step("an inner page's name", ["ctrl+Tab"] * 10,
         [r"\bTelemetry reports (page|tab)\b", r"\bReport settings (page|tab)\b"]),
    Step("the next inner page on Ctrl+PageDown", ["ctrl+Next"], [r"\bAnalog channels (page|tab)\b"]),
    Step("a write that fails", ["alt+d", "w"],
         [r"(?i)\bwrite config\b.*\bfailed\b|nothing was written|partly written"],
         [r"(?i)write config (done|succeeded)"], timeout=15),
    Step("the failure's box closes", ["Return"], [r"(?i)\bDevice\b|\bAnalog channel"]),
    Step("the question before a write", ["alt+d", "w"], [r"(?i)\bWrite\b.*push button"],
         timeout=15),
    Step("a write that succeeds", ["alt+w"], [r"(?i)\bwrite config (done|succeeded)"],
         [r"(?i)\bfailed\b"], timeout=30),
    Step("the check dialog's first row", ["alt+d", "h"], [r"Check station", r"\w / \w.*\w"]),
    Step("Tab leaves the check dialog's table", ["Tab"], [r"Beacons as they go on the air"]),
    Step("the check dialog's buttons", ["Tab"] * 2, [r"(Close|Show) push button"]),
]


def start(command, log=None, **options):
    """Starts a program in a process group of its own, so that it goes with all it started."""
    output = open(os.path.join(WORK, log), "w") if log else subprocess.DEVNULL
    return subprocess.Popen(command, start_new_session=True, stdout=output,
                            stderr=subprocess.STDOUT, **options)


def private_environment():
    """HOME and XDG folders of this run, and a speech server that writes to SPOKEN."""
    config = os.path.join(WORK, "config")
    environment = dict(os.environ, HOME=WORK, XDG_CONFIG_HOME=config,
                       XDG_DATA_HOME=os.path.join(WORK, "data"),
                       XDG_CACHE_HOME=os.path.join(WORK, "cache"),
                       XDG_RUNTIME_DIR=os.path.join(WORK, "run"))
    modules = os.path.join(config, "speech-dispatcher", "modules")
    os.makedirs(modules)
    os.makedirs(os.path.join(WORK, "run"), mode=0o700)
    with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as conf:
        conf.write('AddModule "filelog" "sd_generic" "filelog.conf"\nDefaultModule filelog\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                   f'LogDir "{WORK}"\nLogLevel 2\n')
    with open(os.path.join(modules, "filelog.conf"), "w") as conf:
        # One line per utterance: the time it was spoken and the text.
        conf.write(f'GenericExecuteSynth "printf \'%s\\\\t%s\\\\n\' $(date +%s.%N) \\\'$DATA\\\' '
                   f'>> {SPOKEN}"\nAddVoice "en" "MALE1" "en"\nGenericLanguage "en" "en" "utf-8"\n')
    open(SPOKEN, "w").close()
    return environment


def heard(since=0):
    """(time, text) of every utterance from line `since` on."""
    with open(SPOKEN, encoding="utf-8", errors="replace") as spoken:
        lines = spoken.read().splitlines()[since:]
    found = []
    for line in lines:
        stamp, _, text = line.partition("\t")
        try:
            found.append((float(stamp), text.strip()))
        except ValueError:
            found.append((time.time(), line.strip()))
    return found


def press(chord):
    """Presses `chord` ("ctrl+shift+Tab"): modifiers held down one by one, since an instant chord
    is sometimes lost while Orca is busy."""
    *modifiers, key = chord.split("+")
    for modifier in modifiers:
        subprocess.run(["xdotool", "keydown", modifier], check=True)
        time.sleep(0.05)
    subprocess.run(["xdotool", "key", key], check=True)
    time.sleep(0.05)
    for modifier in reversed(modifiers):
        subprocess.run(["xdotool", "keyup", modifier], check=True)
    time.sleep(0.25)


def wait_for(expect, since, timeout):
    """Waits until every pattern of `expect` is heard after line `since` and speech has been
    quiet for QUIET seconds, or until `timeout`. Returns the utterances heard."""
    deadline = time.time() + timeout
    while True:
        spoken = heard(since)
        text = " ".join(line for _, line in spoken)
        last = max([stamp for stamp, _ in spoken], default=0)
        done = all(re.search(pattern, text) for pattern in expect)
        if (done and time.time() - last > QUIET) or time.time() > deadline:
            return spoken
        time.sleep(0.1)


def events_since(mark):
    if not os.path.exists(EVENTS):
        return []
    with open(EVENTS) as events:
        return [line.split(" ", 1) for line in events.read().splitlines()
                if float(line.split(" ", 1)[0]) >= mark]


COUNTER = """
import sys, time, pyatspi
out = open(sys.argv[1], "a", buffering=1)
def heard(event):
    out.write("%.3f %s\\n" % (time.time(), event.type))
pyatspi.Registry.registerEventListener(heard, "object", "window", "focus")
pyatspi.Registry.start()
"""


def main():
    environment = private_environment()
    started = time.time()
    group = []
    failures = []
    failed = 0
    try:
        group.append(start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           env=environment))
        time.sleep(1)
        group.append(start(["openbox"], env=environment))
        # Through Python, so that Orca's check for another Orca of this user (pgrep -x orca) sees
        # neither this one nor is seen by one that another session runs.
        group.append(start([sys.executable, shutil.which("orca"), "-u", os.path.join(WORK, "orca")]
                           + (["--debug-file", os.path.join(WORK, "orca-debug.txt")]
                              if os.environ.get("KORVEX_ORCA_DEBUG") else []),
                           "orca.txt", env=environment))
        deadline = time.time() + 30
        while not any("Screen reader on" in text for _, text in heard()):
            if time.time() > deadline:
                print("screen-reader: FAIL Orca did not start (it said nothing within 30 s)")
                return 1
            time.sleep(0.2)
        if os.environ.get("KORVEX_ORCA_EVENTS"):
            group.append(start([sys.executable, "-c", COUNTER, EVENTS], env=environment))
        program = start([PROGRAM, "--simulate", os.path.join(WORK, "sim"), "--sim-fault",
                         "silent:5"], "program.txt",
                        env=dict(environment, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                 QT_QPA_PLATFORM="xcb"))
        group.append(program)
        # Start-up ends with the window's first control focused and spoken.
        shown = time.time()
        spoken = wait_for([r"Read config push button"], 0, 90)
        if not any("Read config push button" in text for _, text in spoken):
            print("screen-reader: FAIL the window's first button was not spoken within 90 s")
            return 1
        print(f"screen-reader: the window was spoken {spoken[-1][0] - shown:.1f} s after the "
              "program started")
        for step in STEPS:
            if program.poll() is not None:
                failures.append(f"the configurator ended with status {program.returncode}")
                break
            since = len(heard())
            mark = time.time()
            for chord in step.keys:
                press(chord)
            spoken = wait_for(step.expect, since, step.timeout)
            text = " ".join(line for _, line in spoken)
            missing = [p for p in step.expect if not re.search(p, text)]
            unwanted = [p for p in step.forbid if re.search(p, text)]
            verdict = "ok" if not missing and not unwanted else "FAIL"
            print(f"screen-reader: {verdict} {step.what} ({time.time() - mark:.1f} s): {text!r}")
            if missing:
                failures.append(f"{step.what}: nothing matched {', '.join(missing)}")
            if unwanted:
                failures.append(f"{step.what}: heard {', '.join(unwanted)}")
            failed += 1 if missing or unwanted else 0
            events = events_since(mark)
            if events:
                kinds = {}
                for _, kind in events:
                    kinds[kind] = kinds.get(kind, 0) + 1
                top = ", ".join(f"{n} {k}" for k, n in sorted(kinds.items(), key=lambda i: -i[1])[:4])
                print(f"screen-reader:   {len(events)} events on the bus ({top})")
                inserts = [float(stamp) for stamp, kind in events if "text-changed" in kind]
                if inserts and spoken:
                    print(f"screen-reader:   {spoken[-1][0] - inserts[-1]:.1f} s from the last "
                          "log line to the last utterance")
    finally:
        for process in reversed(group):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
        keep = os.environ.get("KORVEX_ORCA_KEEP")
        if keep:
            shutil.copytree(WORK, keep, dirs_exist_ok=True,
                            ignore=shutil.ignore_patterns("run", "sim", "config", "cache"))
    for failure in failures:
        print("screen-reader: FAIL " + failure)
    print(f"screen-reader: {len(STEPS) - failed} of {len(STEPS)} steps heard right, "
          f"{time.time() - started:.0f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
