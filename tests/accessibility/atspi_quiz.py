#!/usr/bin/python3
"""Reads the quiz screen of a running Brainlark over the desktop's accessibility bus, the way a screen reader
does: the question as a label and the four answers as buttons named by their texts and number keys, with the
list's own texts; then answers wrong through a button's action and waits for the feedback to be announced,
then answers right and waits for the next question to be announced with its answers.

Usage: atspi_quiz.py LIST.json   (the list as `brainlark-cli dump` prints it)
Exit status 0 when everything holds, 1 with the first fault printed."""
import json
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("atspi_quiz: " + message)
    sys.exit(1)


def children(obj):
    return [c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c is not None]


def find_quiz_screen(timeout):
    """The quiz view: the container whose children include buttons described "Key 1".."Key 4"."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app.name != "Brainlark":
                continue
            stack = [app]
            while stack:
                obj = stack.pop()
                kids = children(obj)
                if sum(1 for k in kids if k.description.startswith("Key ")) == 4:
                    return obj
                stack.extend(k for k in kids if k.getRole() != pyatspi.ROLE_MENU_BAR)
        time.sleep(0.3)
    fail("no quiz screen with four answer buttons on the accessibility bus")


def main():
    pairs = json.load(open(sys.argv[1], encoding="utf-8"))["pairs"]
    answer_of = {p["question"]: p["answer"] for p in pairs}
    screen = find_quiz_screen(20)
    parts = children(screen)
    question = parts[0]
    if question.getRole() != pyatspi.ROLE_LABEL or question.name not in answer_of:
        fail("the first part is not the question label: %s %r" % (question.getRoleName(), question.name))
    buttons = [p for p in parts if p.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if [b.description for b in buttons] != ["Key 1", "Key 2", "Key 3", "Key 4"]:
        fail("answer buttons: %r" % [(b.name, b.description) for b in buttons])
    names = [b.name for b in buttons]
    right = answer_of[question.name]
    if right not in names or len(set(names)) != 4 or not set(names) <= set(answer_of.values()):
        fail("answers %r for %r (right answer %r)" % (names, question.name, right))
    if not any(p.getRole() == pyatspi.ROLE_STATUS_BAR and p.name == "Right: 0 - Wrong: 0" for p in parts):
        fail("no score part: %r" % [(p.getRoleName(), p.name) for p in parts])

    # A wrong answer through the button's action; the reader hears the notification become showing.
    expected = "Wrong, the answer is " + right
    heard = []

    def listen(event):
        source = event.source

        if (event.type == "object:state-changed:showing" and source is not None
                and source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1):
            heard.append(source.name)
            if next_question(heard):
                pyatspi.Registry.stop()

    right_pressed = []  # how much had been heard when the right answer was first pressed

    def next_question(said):
        # After the right answer, the next question is said with its answers and their keys.
        return bool(right_pressed) and any(
            n.split(". Key 1: ")[0] in answer_of and ". Key 1: " in n for n in said[right_pressed[0]:])

    def press():
        # Until the new question's animation has ended, the screen asks the learner to wait: press again.
        if expected not in heard:
            wrong = buttons[[i for i, n in enumerate(names) if n != right][0]]
            wrong.queryAction().doAction(0)
        elif not next_question(heard):
            if not right_pressed:
                right_pressed.append(len(heard))
            buttons[names.index(right)].queryAction().doAction(0)
        return not next_question(heard)

    def give_up():
        pyatspi.Registry.stop()
        return False

    # A screen reader listens to name changes too, which keeps the names the bus library holds up to date.
    pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing",
                                           "object:property-change:accessible-name")
    GLib.timeout_add(700, press)
    GLib.timeout_add(30000, give_up)  # generous: a loaded machine animates slowly
    pyatspi.Registry.start()
    if not next_question(heard):
        fail("announcement %r and the next question not heard (heard %r)" % (expected, heard))
    print("atspi_quiz: question %r, answers %r, heard %r" % (question.name, names, heard))


if __name__ == "__main__":
    main()
