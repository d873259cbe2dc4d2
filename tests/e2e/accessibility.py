#!/usr/bin/python3
"""Uses Nabrosa as a screen reader user does, through the accessibility bus.

Starts the program, then opens every section from the main menu by the
option's action and the navigate button's action, chooses options by their
action, types into boxes found by their spoken names, presses buttons by
their action, reads the result boxes (and hears each calculation announced
once, by a notification with the result box's name and value), and
answers notice boxes. Waits for states, never for a fixed time.

Usage: accessibility.py PROGRAM
"""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402

import pyatspi  # noqa: E402

# How long one state may take to come: long enough for a machine whose cores
# are busy with other builds; a state that comes ends the wait at once.
TIMEOUT = float(os.environ.get("NABROSA_A11Y_TIMEOUT", "60"))
OK = "موافق"
MENU = "نبروسة"
NAVIGATE = "انتقال"
TO_MENU = "القائمة الرئيسية"


class Failure(Exception):
    pass


def pump():
    """Lets the accessibility library deliver the events that came in."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait(what, probe, timeout=TIMEOUT):
    """Polls probe until it gives a true value; fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except (GLib.Error, LookupError, AttributeError):
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.01)


def showing(acc):
    return acc is not None and acc.getState().contains(pyatspi.STATE_SHOWING)


def descendants(root):
    queue = [root]
    while queue:
        node = queue.pop(0)
        for child in node:
            if child is not None:
                yield child
                queue.append(child)


def find(root, role, name=None, nth=0):
    """The nth shown control of a role (and a spoken name) under root."""
    found = [a for a in descendants(root)
             if a.getRoleName() == role and (name is None or a.name == name) and showing(a)]
    return found[nth] if len(found) > nth else None


def control(root, role, name, nth=0):
    return wait(f"{role} '{name}'", lambda: find(root, role, name, nth))


def act(acc, action):
    actions = acc.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            return
    raise Failure(f"'{acc.name}' has no action {action}")


def press(root, name, nth=0):
    act(control(root, "push button", name, nth), "Press")


def choose(root, name):
    option = control(root, "radio button", name)
    act(option, "Toggle")
    wait(f"'{name}' checked", lambda: option.getState().contains(pyatspi.STATE_CHECKED))


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def type_into(root, name, value, nth=0):
    type_box(control(root, "text", name, nth), value)


def type_box(box, value):
    box.queryEditableText().setTextContents(value)
    wait(f"'{value}' in '{box.name}'", lambda: text_of(box) == value)


def heard_as(number):
    """A number as the program announces it: the decimal mark as a word and
    the digits after it one by one."""
    m = re.fullmatch(r"(-?)(\d+)(?:\.(\d+))?", number)
    if not m:
        return number
    said = ("ناقص " if m.group(1) else "") + m.group(2)
    if m.group(3):
        said += " فاصلة " + " ".join(m.group(3))
    return said


class Program:
    def __init__(self, path):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        self.process = subprocess.Popen([path], env=env)
        # What the program announces: the notifications that appear. (A
        # result box's inserted text is not heard: a screen reader speaks
        # inserted text only in the control that has the focus.)
        self.heard = []
        self.listener = self.notified
        pyatspi.Registry.registerEventListener(self.listener, "object:state-changed:showing")
        self.app = wait("the program on the accessibility bus", self.find_app)

    def notified(self, event):
        if event.detail1 and event.source is not None and event.source.getRoleName() == "notification":
            self.heard.append(event.source.name)

    def find_app(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with {self.process.returncode}")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, title, role="frame"):
        def probe():
            for w in self.app:
                if w is not None and w.getRoleName() == role and w.name == title and showing(w):
                    return w
            return None
        return wait(f"window '{title}'", probe)

    def gone(self, title, role="frame"):
        def probe():
            return not any(w is not None and w.getRoleName() == role and w.name == title and showing(w)
                           for w in self.app)
        wait(f"window '{title}' to go", probe)

    def answer(self, title, text, button=OK):
        """Presses a button of the notice box with that title whose text contains text."""
        box = self.window(title, role="alert")
        wait(f"the text of notice '{title}'",
             lambda: any(text in (a.name or "") for a in descendants(box) if a.getRoleName() == "label"))
        press(box, button)

    def notice(self, title, text, button=OK):
        """Answers the notice box and waits for it to go."""
        self.answer(title, text, button)
        self.gone(title, role="alert")

    def result(self, root, name, expected, nth=0, heard=None):
        """Waits for a result box to show the text, and for the calculation
        to be announced once with the box's name and its value as heard."""
        box = control(root, "text", name, nth)

        def shown():
            for w in self.app:
                if w is not None and w.getRoleName() == "alert" and showing(w):
                    said = " ".join(a.name for a in descendants(w) if a.getRoleName() == "label")
                    raise Failure(f"notice '{w.name}' in place of a result: {said}")
            return text_of(box) == expected
        wait(f"'{expected}' in '{name}'", shown)
        words = heard or f"{name} {heard_as(expected)}"
        wait(f"the announcement '{words}'", lambda: any(words in said for said in self.heard))
        count = sum(words in said for said in self.heard)
        if count != 1:
            raise Failure(f"'{words}' announced {count} times")
        self.heard.clear()

    def section(self, option, title):
        menu = self.window(MENU)
        choose(menu, option)
        press(menu, NAVIGATE)
        self.gone(MENU)
        return self.window(title)

    def back_to_menu(self, window, title, button=TO_MENU):
        press(window, button)
        self.gone(title)
        self.window(MENU)

    def recover(self):
        """Back to the main menu from whatever window a failed check left."""
        pump()
        for w in list(self.app):
            if w is None or not showing(w):
                continue
            if w.getRoleName() == "alert":
                press(w, OK)
            elif w.name != MENU:
                for leave in (TO_MENU, "رجوع", "إغلاق"):
                    if find(w, "push button", leave):
                        press(w, leave)
                        break
        self.window(MENU)

    def end(self):
        pyatspi.Registry.deregisterEventListener(self.listener, "object:state-changed:showing")
        menu = self.window(MENU)
        press(menu, "خروج")
        # The program ends at once: its windows leave the bus with it, so the
        # end of the process is what is waited for.
        self.answer("تنبيه", "هل أنت متأكد من الخروج", button="نعم")
        if self.process.wait(timeout=TIMEOUT) != 0:
            raise Failure(f"the program ended with code {self.process.returncode}")


def conventional(p):
    w = p.section("الحاسبة التقليدية", "الحاسبة التقليدية")
    type_into(w, "العدد 1", "2")
    type_into(w, "العدد 2", "3")
    press(w, "الجمع")
    p.result(w, "الناتج", "5")
    p.back_to_menu(w, "الحاسبة التقليدية", "رجوع")


# The windows of an option list, each used once: (menu option and window
# title, option, input box, input, calculate button, result box, result).
OPTION_WINDOWS = {
    "areas": ("حساب المساحات", "مساحة الدائرة", "أدخل نصف القطر", "1",
             "احسب مساحة الدائرة", "المساحة تساوي", "3.141592"),
    "conversions": ("حساب التحويلات", "من المئوي إلى الفهرنهايت", "العدد المطلوب تحويله", "100",
                   "تحويل إلى فهرنهايت", "الناتج", "212"),
    "perimeters": ("حساب المحيط", "محيط المربع", "أدخل طول الضلع", "5",
                  "احسب محيط المربع", "المحيط يساوي", "20"),
    "volumes": ("حساب الأحجام", "حجم المكعب", "أدخل طول الحرف", "3",
               "احسب حجم المكعب", "الحجم يساوي", "27"),
    "operations": ("حسابات أخرى", "الجذر التربيعي", "أدخل العدد", "16",
                  "أوجد الجذر التربيعي", "الناتج", "4"),
}


def option_window(name):
    title, option, box, value, button, result, expected = OPTION_WINDOWS[name]

    def check(p):
        w = p.section(title, title)
        choose(w, option)
        type_into(w, box, value)
        press(w, button)
        p.result(w, result, expected)
        p.back_to_menu(w, title)
    check.__name__ = name
    return check


def trigonometry(p):
    w = p.section("حساب الدوال المثلثية", "حساب الدوال المثلثية")
    type_into(w, "أدخل الزاوية", "0")
    choose(w, "حساب الجتا")
    press(w, "احسب جتا الزاوية")
    p.result(w, "بالدرجات", "1")
    p.back_to_menu(w, "حساب الدوال المثلثية")


def keypad(p):
    w = p.section("الحاسبة المتقدمة", "الحاسبة المتقدمة - تجريبية")
    display = control(w, "text", "الشاشة")
    for key in ("١", "٢", "جمع", "٣", "يساوي"):
        before = text_of(display)
        press(w, key)
        wait(f"the display to take key {key}", lambda: text_of(display) != before)
    p.result(w, "الشاشة", "15")
    p.back_to_menu(w, "الحاسبة المتقدمة - تجريبية")


def equation(p):
    w = p.section("حل معادلة", "حل معادلات")
    type_into(w, "أ: معامل س تربيع", "1")
    type_into(w, "ب: معامل س", "-3")
    type_into(w, "ج: العدد الثابت", "2")
    press(w, "أوجد الحل")
    p.result(w, "الحل الأول", "2", heard="الحل الأول 2، الحل الثاني 1")
    # The laws window: an option chosen by its action, a note answered.
    press(w, "قوانين رياضية")
    laws = p.window("معادلة الدرجة الثانية")
    choose(laws, "الصيغة العامة")
    press(laws, "معلومة رياضية")
    p.notice("معلومة رياضية", "للمعادلة من الدرجة الثانية حلين")
    press(laws, "إغلاق")
    p.gone("معادلة الدرجة الثانية")
    p.back_to_menu(w, "حل معادلات")


def fractions(p):
    w = p.section("توحيد المقامات", "توحيد المقامات")
    choose(w, "جمع كسرين")
    type_into(w, "بسط الكسر الأول", "1")
    type_into(w, "مقام الكسر الأول", "2")
    type_into(w, "بسط الكسر الثاني", "1")
    type_into(w, "مقام الكسر الثاني", "3")
    press(w, "الجمع")
    p.result(w, "بسط الناتج", "5", heard="الناتج 5 على 6")
    p.back_to_menu(w, "توحيد المقامات")


def main():
    started = time.monotonic()
    program = Program(sys.argv[1])
    try:
        menu = program.window(MENU)
        # Navigate with nothing chosen: the notice under the program's title.
        press(menu, NAVIGATE)
        program.notice("Nabrosa", "من فضلك اختر أحد الحسابات")
        failed = []
        checks = [conventional, *map(option_window, OPTION_WINDOWS), trigonometry, keypad, equation, fractions]
        for check in checks:
            try:
                check(program)
                print(f"ok {check.__name__}", flush=True)
            except Failure as failure:
                print(f"FAIL {check.__name__}: {failure}", flush=True)
                failed.append(check.__name__)
                program.recover()
        program.end()
    except BaseException:
        program.process.kill()
        raise
    print(f"windows used through the accessibility bus in {time.monotonic() - started:.1f} s")
    if failed:
        raise Failure("failed: " + ", ".join(failed))


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
