#!/usr/bin/python3
"""Walks through Nabrosa as a blind pupil does: Orca speaking Arabic through
speech-dispatcher and espeak-ng, keyboard only.

Runs inside a private X server and D-Bus session (orca.sh starts them).
Starts openbox, speech-dispatcher (with espeak-ng, its sound going nowhere),
Orca with its own settings folder and debug log, then the program. Keys go
to the program through XTest (xdotool). After each key the walk waits until
the expected words appear in Orca's "SPEECH OUTPUT" lines: never a fixed
pause, except for Orca's own start. Fails on silence where words are
expected, on English words in the program's speech, and on the stretching
character ـ (which the synthesizer spells out letter by letter).

Usage: orca_walk.py PROGRAM [LOG FOLDER]
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = float(os.environ.get("NABROSA_ORCA_TIMEOUT", "60"))
# Orca's own messages that it speaks in English whatever the locale.
ORCA_OWN = {"Screen reader on.", "Screen reader off.", "Selection deleted.", "Text unselected.",
            "Text selected."}

# Orca's debug log, written line by line (Orca buffers it otherwise, and the
# walk reads it while Orca runs). Orca looks for other Orcas of the same user
# on the whole machine, and refuses to start beside one (or, with --replace,
# kills it): this one has its own desktop bus and minds no other.
ORCA_LAUNCHER = """
import builtins, runpy, sys
log = sys.argv[1]
_open = builtins.open
def line_buffered(file, mode='r', buffering=-1, *args, **kwargs):
    if file == log and 'w' in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = line_buffered
sys.argv = ['/usr/bin/orca', '-u', sys.argv[2], '--debug-file', log]
orca = runpy.run_path('/usr/bin/orca', run_name='orca_launcher')
orca['main'].__globals__['otherOrcas'] = lambda: []
sys.exit(orca['main']())
"""

SPEECHD_CONF = """LogLevel 4
LogDir "{logs}"
DefaultModule espeak-ng
DefaultLanguage "ar"
AudioOutputMethod "alsa"
SymbolsPreproc "char"
SymbolsPreprocFile "symbols.dic"
SymbolsPreprocFile "orca.dic"
SymbolsPreprocFile "orca-chars.dic"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
"""


class Failure(Exception):
    pass


class Speech:
    """Orca's speech and focus changes as its debug log records them."""

    # Orca ends an utterance with its voice, a dictionary or, at times, a
    # list of one.
    LINE = re.compile(r"SPEECH OUTPUT: '(.*)' ?\[?\{'established", re.S)
    END = re.compile(r"' ?\[?\{'established")
    FOCUS = re.compile(r"OBJECT EVENT: object:state-changed:focused \(1, 0, \[[^|]*\| (.*)\]\)")

    def __init__(self, path):
        self.path = path
        self.heard = []   # every utterance so far
        self.focus = []   # the name of every control that took the focus
        self.read = 0     # utterances already looked at by expect()
        self.focus_read = 0
        self._offset = 0
        self._rest = ""
        self._open = None  # an utterance whose lines are still coming

    def poll(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self._offset)
                chunk = f.read()
                self._offset = f.tell()
        except FileNotFoundError:
            return
        text = self._rest + chunk
        lines = text.split("\n")
        self._rest = lines.pop()
        for line in lines:
            # An utterance of several lines goes on over the log's lines.
            if self._open is not None:
                self._open += "\n" + line.strip()
                if not self.END.search(line):
                    continue
                line, self._open = "SPEECH OUTPUT: '" + self._open, None
            elif "SPEECH OUTPUT: '" in line and not self.END.search(line):
                self._open = line.split("SPEECH OUTPUT: '", 1)[1]
                continue
            m = self.LINE.search(line)
            if m:
                said = m.group(1)
                self.heard.append(said)
                print(f"  heard: {said}", flush=True)
                continue
            m = self.FOCUS.search(line)
            if m:
                self.focus.append(m.group(1))

    def mark(self):
        """Forgets what was said and focused up to now for the next waits."""
        self.poll()
        self.read = len(self.heard)
        self.focus_read = len(self.focus)

    def expect(self, *words, timeout=TIMEOUT, what=None, start=False):
        """Waits until an utterance said after the mark holds all the words
        (or, with start, begins with the first)."""
        end = time.monotonic() + timeout
        while True:
            self.poll()
            for i in range(self.read, len(self.heard)):
                said = self.heard[i]
                if (said.startswith(words[0]) if start else all(w in said for w in words)):
                    self.read = i + 1
                    return said
            if time.monotonic() > end:
                raise Failure(f"silence: '{what or ' '.join(words)}' was not heard; "
                              f"heard since: {self.heard[self.read:]}")
            time.sleep(0.05)

    def focused(self, timeout=TIMEOUT):
        """Waits for the next control that takes the focus; its name."""
        end = time.monotonic() + timeout
        while True:
            self.poll()
            if self.focus_read < len(self.focus):
                self.focus_read += 1
                return self.focus[self.focus_read - 1]
            if time.monotonic() > end:
                raise Failure("the focus did not move")
            time.sleep(0.05)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--", text], check=True)


class Walk:
    def __init__(self, program, folder):
        self.folder = folder
        self.processes = []
        self.speech = Speech(os.path.join(folder, "orca.log"))
        self.program_path = program
        self.program = None

    def start(self, args, log, env=None):
        out = open(os.path.join(self.folder, log), "w")
        p = subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT, env=env or os.environ)
        self.processes.append(p)
        return p

    def setup(self):
        home = os.path.join(self.folder, "home")
        os.makedirs(home, exist_ok=True)
        os.environ["HOME"] = home
        # The synthesizer's sound goes nowhere: there is no sound card.
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        conf = os.path.join(self.folder, "speechd")
        os.makedirs(os.path.join(conf, "modules"), exist_ok=True)
        logs = os.path.join(self.folder, "speechd-logs")
        os.makedirs(logs, exist_ok=True)
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF.format(logs=logs))
        module = "/etc/speech-dispatcher/modules/espeak-ng.conf"
        if os.path.exists(module):
            shutil.copy(module, os.path.join(conf, "modules"))
        self.start(["openbox"], "openbox.log")
        self.start(["speech-dispatcher", "-s", "-t", "0", "-C", conf, "-L", logs], "speechd.out")
        orca_home = os.path.join(self.folder, "orca-settings")
        os.makedirs(orca_home, exist_ok=True)
        self.start(["/usr/bin/python3", "-c", ORCA_LAUNCHER, os.path.join(self.folder, "orca.log"), orca_home],
                   "orca.out")
        # Orca's start: its greeting.
        self.speech.expect("Screen reader on", timeout=max(TIMEOUT, 90), what="Orca starting")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # The seed fixes the practice window's first exercise.
        self.program = self.start([self.program_path, "--seed", "5"], "program.out", env)

    def stop(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
        for p in reversed(self.processes):
            try:
                p.wait(timeout=10)
            except subprocess.TimeoutExpired:
                p.kill()

    # -- moving around ------------------------------------------------------

    def tab_to(self, name, most=25, backwards=False):
        """Tabs until the control of that name has the focus, and is heard."""
        for _ in range(most):
            self.speech.mark()
            key("shift+Tab" if backwards else "Tab")
            # Each stop is heard before the next key, so that keys and
            # speech stay in step on a busy machine.
            reached = self.speech.focused()
            said = self.speech.expect(reached, what=f"'{reached}' on taking the focus")
            if reached == name:
                return said
        raise Failure(f"'{name}' not reached by Tab")

    def tab_to_start(self, start, most=25):
        """Tabs until a control whose name begins so has the focus (a button
        whose name counts down)."""
        # What took the focus before is behind us.
        self.speech.poll()
        self.speech.focus_read = len(self.speech.focus)
        for _ in range(most):
            self.speech.mark()
            key("Tab")
            reached = self.speech.focused()
            self.speech.expect(reached, what=f"'{reached}' on taking the focus")
            if reached.startswith(start):
                return reached
        raise Failure(f"'{start}…' not reached by Tab")

    def open_by(self, keys, title):
        """Presses a key that opens a window (or brings one back): its
        title is heard, then the control that holds its focus."""
        self.speech.mark()
        key(keys)
        self.speech.expect(title, what=f"the window '{title}'")
        self.settle()

    def enter_list(self, keys, heading, name):
        """Presses a key that takes the focus into a list of options: its
        heading is heard, then the option reached."""
        self.speech.mark()
        start = len(self.speech.heard)
        key(keys)
        reached = self.settle()
        if reached != name:
            raise Failure(f"'{name}' was not the list's stop; the focus went to '{reached}'")
        if not any(heading in said for said in self.speech.heard[start:]):
            raise Failure(f"the list's heading '{heading}' was not heard; heard: {self.speech.heard[start:]}")

    def arrow_to(self, name, arrow="Down", most=12):
        """Moves along a list with an arrow until the option of that name is
        reached: it is heard chosen."""
        for _ in range(most):
            self.speech.mark()
            key(arrow)
            reached = self.speech.focused()
            said = self.speech.expect(reached, what=f"'{reached}' on taking the focus")
            if reached == name:
                # Its state follows its name: chosen, not "غير منتقى".
                self.speech.expect("منتقى", start=True, what=f"'{name}' chosen")
                return said
        raise Failure(f"'{name}' not reached by the arrows")

    def settle(self):
        """Waits until the control that took the focus is heard."""
        reached = self.speech.focused()
        self.speech.expect(reached, what=f"'{reached}' on taking the focus")
        return reached

    def check_words(self):
        """No English and no stretching character in what the program said."""
        bad = []
        for said in self.speech.heard:
            if said in ORCA_OWN:
                continue
            # Orca's own count of a list's items is written with ـ.
            if "\u0640" in re.sub(r"بـ \d+ من العناصر", "", said):
                bad.append(f"stretching character: {said}")
            elif re.search(r"[A-Za-z]{2,}", said) and not re.fullmatch(r"\S+ ", said):
                bad.append(f"English: {said}")
        if bad:
            raise Failure("; ".join(bad))


def walk(w):
    s = w.speech
    # The main menu by its Arabic name; its list of sections is one Tab stop
    # whose heading is heard on entering it; the arrows move and choose; a
    # section by Enter.
    s.expect("نبروسة", what="the main menu's name")
    w.settle()
    w.tab_to("انتقال")
    w.enter_list("shift+Tab", "اختر مما يلي من الحسابات ثم اضغط على زر انتقال", "الحاسبة التقليدية")
    w.arrow_to("حساب المساحات")
    w.open_by("Return", "حساب المساحات")

    # The figures: one Tab stop, the heading heard on entering, the arrows
    # choose; the radius box is the next stop.
    w.tab_to("المساحة تساوي")
    w.enter_list("shift+Tab", "اختر من الخيارات التي بالأسفل", "مساحة الدائرة")
    w.arrow_to("مساحة الكرة")
    w.arrow_to("مساحة الدائرة", arrow="Up")
    s.mark()
    key("Tab")
    if w.settle() != "أدخل نصف القطر":
        raise Failure("the radius box is not the stop after the list")

    # A calculation by keys alone, its result heard once and whole.
    s.mark()
    type_text("2.5")
    s.expect("5")
    s.mark()
    key("Return")
    s.expect("المساحة تساوي 19 فاصلة 6 3 4 9 5", what="the circle's area")
    w.tab_to("المساحة تساوي")
    s.expect("19.63495", what="the result box read whole")

    # A notice: radius and diameter both given; Enter answers it.
    w.tab_to("أو أدخل القطر", backwards=True)
    s.mark()
    type_text("3")
    s.expect("3")
    w.open_by("Return", "أدخل فقط إما نصف القطر أو القطر نفسه")
    w.open_by("Return", "حساب المساحات")

    # The radius taken out, the area from the diameter; its steps by F2,
    # walked line by line, then Escape back.
    w.tab_to("أدخل نصف القطر", backwards=True)
    s.mark()
    key("ctrl+a", "BackSpace")
    s.mark()
    key("Return")
    s.expect("المساحة تساوي 7 فاصلة 0 6 8 5 8 2", what="the area from the diameter")
    s.mark()
    key("F2")
    s.expect("خطوات الحل", what="the steps window")
    s.expect("قائمة", what="the lines of the steps as a list")
    s.expect("نق يساوي ق على", what="the first line of the steps")
    s.mark()
    key("Down")
    s.expect("يساوي", what="the next line of the steps")
    w.open_by("Escape", "حساب المساحات")

    # The laws window read line by line.
    w.tab_to("قوانين رياضية")
    s.mark()
    key("space")
    s.expect("قوانين حساب المساحة", what="the laws window")
    s.expect("قائمة", what="the laws as a list")
    s.expect("مساحة المثلث يساوي", what="the first law")
    s.mark()
    key("Down")
    s.expect("مساحة المربع والمستطيل يساوي الطول ضرب العرض", what="the next law")
    w.open_by("Escape", "حساب المساحات")

    # Back to the menu, to the equation: its form said once, with the
    # window, not with each box.
    w.tab_to("القائمة الرئيسية")
    w.open_by("space", "نبروسة")
    w.arrow_to("حل معادلة")
    s.mark()
    start = len(s.heard)
    key("Return")
    s.expect("حل معادلات", what="the equation window")
    s.expect("المعادلة على الصورة", what="the equation's form")
    w.settle()
    # The boxes told apart; a notice for the empty one, answered by Escape.
    w.open_by("Return", "من فضلك .. أدخل أ معامل س من الدرجة الثانية")
    w.open_by("Escape", "حل معادلات")
    if w.speech.focus[-1] != "أ: معامل س تربيع":
        raise Failure("the focus did not come back to the first box")
    s.mark()
    type_text("1")
    s.expect("1")
    w.tab_to("ب: معامل س")
    s.mark()
    type_text("-3")
    s.expect("3")
    w.tab_to("ج: العدد الثابت")
    s.mark()
    type_text("2")
    s.expect("2")
    s.mark()
    key("Return")
    s.expect("الحل الأول 2", "الحل الثاني 1", what="both roots")
    repeated = [said for said in s.heard[start:] if "معامل" in said and "على الصورة" in said]
    if repeated:
        raise Failure(f"the equation's form was said with a box: {repeated}")

    # The fractions: their list entered by Tab, its heading heard.
    w.tab_to("القائمة الرئيسية")
    w.open_by("space", "نبروسة")
    w.arrow_to("توحيد المقامات")
    w.open_by("Return", "توحيد المقامات")
    w.enter_list("Tab", "اختر من هنا أولا", "جمع كسرين")
    s.mark()
    key("space")
    s.expect("منتقى", start=True)
    for name, value in (("بسط الكسر الأول", "1"), ("مقام الكسر الأول", "2"),
                        ("بسط الكسر الثاني", "1"), ("مقام الكسر الثاني", "3")):
        w.tab_to(name)
        s.mark()
        type_text(value)
        s.expect(value)
    s.mark()
    key("Return")
    s.expect("الناتج 5 على 6", what="the fraction")

    # One exercise in the practice window, opened by F3 beside the fractions
    # (the seed makes it 8/9 + 7/8): a wrong answer told kindly, a hint read
    # out, then the right answer.
    w.open_by("F3", "تمارين")
    if w.speech.focus[-1] != "إجابتك":
        raise Failure("the practice window did not open on the answer box")
    s.mark()
    type_text("1/2")
    s.expect("2")
    s.mark()
    key("Return")
    s.expect("ليست صحيحة", what="a wrong answer")
    w.tab_to_start("تلميح")
    s.mark()
    key("space")
    s.expect("مقاما واحدا", what="the method of the kind as the first hint")
    w.tab_to("إجابتك", backwards=True)
    key("ctrl+a")
    s.mark()
    type_text("127/72")
    s.expect("2")
    s.mark()
    key("Return")
    s.expect("أحسنت", what="the right answer")
    # The focus goes on to "تمرين جديد" with the praise; Escape closes.
    if w.settle() != "تمرين جديد":
        raise Failure("the focus did not go on to a new exercise")
    w.open_by("Escape", "توحيد المقامات")

    # The exit confirmation answered with Escape: the program stays.
    w.tab_to("خروج")
    w.open_by("space", "هل أنت متأكد من الخروج")
    w.open_by("Escape", "توحيد المقامات")
    if w.speech.focus[-1] != "خروج":
        raise Failure("the focus did not come back to the exit button")
    if w.program.poll() is not None:
        raise Failure("Escape ended the program")
    # And answered Yes: the program ends.
    w.open_by("space", "هل أنت متأكد من الخروج")
    key("Return")
    code = w.program.wait(timeout=TIMEOUT)
    if code != 0:
        raise Failure(f"the program ended with {code}")


def main():
    program = os.path.realpath(sys.argv[1])
    folder = sys.argv[2] if len(sys.argv) > 2 and sys.argv[2] else tempfile.mkdtemp(prefix="nabrosa-orca-")
    os.makedirs(folder, exist_ok=True)
    print(f"logs in {folder}", flush=True)
    started = time.monotonic()
    w = Walk(program, folder)
    try:
        w.setup()
        walk(w)
        w.check_words()
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr, flush=True)
        return 1
    finally:
        w.stop()
    print(f"walked with Orca in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
