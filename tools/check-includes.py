#!/usr/bin/env python3
"""Checks that every include of the project follows its build's target graph.

    check-includes.py BUILD_DIR

The libraries and programs, their sources and headers, their include
folders and what each links come from the configured build itself (CMake's
file API, asked for by the top CMakeLists.txt), so a new file or folder is
checked as soon as a target lists it. Each #include of each source and
header of a target is found as the compiler finds it (the including file's
folder for quoted includes, then the target's include folders), and is
allowed only when:

  - a header of the project belongs to the including target or to a library
    it links (one in its link closure): numtext -> formulas and the
    practice core -> typeset -> kit -> the section windows -> app, as the
    libraries link;
  - a header of the project is listed by some target (a header no target
    lists is not checked, and may hide anything);
  - a Qt header comes from a Qt module the target links (<QtWidgets/...>
    in a library that links Qt Core only would still be found through the
    base include folder);
  - a header of the project is written from an include folder, in quotes,
    without "..";
  - in the section windows' library, one section's window includes no other
    section's window: a file includes that library's headers of its own
    folder only.

Prints each include against these rules and exits 1 when there is one.
"""

import glob
import json
import os
import re
import subprocess
import sys

# The libraries whose folders stay apart: a section's window includes no
# other section's.
FOLDERS_APART = {"nabrosa-sections"}
LIBRARY_TYPES = {"STATIC_LIBRARY", "SHARED_LIBRARY", "OBJECT_LIBRARY", "MODULE_LIBRARY", "INTERFACE_LIBRARY"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_MODULE = re.compile(r"/qt6/(Qt\w+)/")


def load_codemodel(build):
    reply = os.path.join(build, ".cmake", "api", "v1", "reply")
    indexes = sorted(glob.glob(os.path.join(reply, "index-*.json")))
    if not indexes:
        # CMake answers the queries it finds when a configuration starts;
        # the build's first configuration only wrote its query (the top
        # CMakeLists.txt). Configured again, nothing changes but the answer.
        cache = os.path.join(build, "CMakeCache.txt")
        cmake = "cmake"
        if os.path.isfile(cache):
            with open(cache, encoding="utf-8") as f:
                cmake = next((l.split("=", 1)[1].strip() for l in f if l.startswith("CMAKE_COMMAND:")), cmake)
            subprocess.run([cmake, build], stdout=subprocess.DEVNULL, check=False)
        indexes = sorted(glob.glob(os.path.join(reply, "index-*.json")))
    if not indexes:
        print(f"{build}: no reply of CMake's file API; configure the build first (cmake -S . -B {build})")
        sys.exit(2)
    with open(indexes[-1], encoding="utf-8") as f:
        index = json.load(f)
    model = next((o for o in index["objects"] if o["kind"] == "codemodel"), None)
    if model is None:
        print(f"{build}: the file API has no code model; configure the build again")
        sys.exit(2)
    with open(os.path.join(reply, model["jsonFile"]), encoding="utf-8") as f:
        codemodel = json.load(f)
    source_dir = os.path.realpath(codemodel["paths"]["source"])
    targets = []
    for entry in codemodel["configurations"][0]["targets"]:
        with open(os.path.join(reply, entry["jsonFile"]), encoding="utf-8") as f:
            targets.append(json.load(f))
    return source_dir, targets


class Target:
    def __init__(self, data, source_dir):
        self.name = data["name"]
        self.id = data["id"]
        self.type = data["type"]
        self.depends = [d["id"] for d in data.get("dependencies", [])]
        self.files = []
        for s in data.get("sources", []):
            if s.get("isGenerated"):
                continue
            path = os.path.realpath(os.path.join(source_dir, s["path"]))
            if path.startswith(source_dir + os.sep) and path.endswith((".cpp", ".h", ".hpp", ".cc")):
                self.files.append(path)
        self.includes = []  # (folder, is system), in the compiler's order
        for group in data.get("compileGroups", []):
            for inc in group.get("includes", []):
                entry = (os.path.realpath(inc["path"]), bool(inc.get("isSystem")))
                if entry not in self.includes:
                    self.includes.append(entry)
        self.includes.sort(key=lambda e: e[1])  # -I before -isystem
        self.closure = set()


def link_closure(targets):
    """Each target's libraries: itself and every library it depends on, through
    the libraries they depend on (CMake's dependencies of a target are those
    of its link line, and its build-order ones)."""
    by_id = {t.id: t for t in targets}
    for t in targets:
        seen, stack = {t.id}, list(t.depends)
        while stack:
            d = stack.pop()
            if d in seen or d not in by_id:
                continue
            seen.add(d)
            if by_id[d].type in LIBRARY_TYPES:
                stack.extend(by_id[d].depends)
        t.closure = {by_id[i].name for i in seen if i == t.id or by_id[i].type in LIBRARY_TYPES}


def resolve(including, quoted, name, target):
    folders = ([os.path.dirname(including)] if quoted else []) + [f for f, _ in target.includes]
    for folder in folders:
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            return os.path.realpath(path), folder
    return None, None


def top_folder(path, source_dir):
    return os.path.relpath(path, source_dir).split(os.sep)[0]


def check(build):
    source_dir, data = load_codemodel(build)
    build_dir = os.path.realpath(build)
    targets = [Target(d, source_dir) for d in data]
    link_closure(targets)
    owners = {}
    for t in targets:
        for f in t.files:
            owners.setdefault(f, set()).add(t.name)
    # A file compiled into several targets is checked once per target.
    problems = []
    for t in targets:
        qt_modules = {m.group(1) for f, _ in t.includes for m in [QT_MODULE.search(f + "/")] if m}
        for path in t.files:
            rel = os.path.relpath(path, source_dir)
            with open(path, encoding="utf-8", errors="replace") as f:
                lines = f.readlines()
            for number, text in enumerate(lines, 1):
                m = INCLUDE.match(text)
                if not m:
                    continue
                quoted, name = m.group(1) == '"', m.group(2).strip()
                where = f"{rel}:{number}: " + (f'"{name}"' if quoted else f"<{name}>")
                header, folder = resolve(path, quoted, name, t)
                if header is None:
                    continue
                in_project = header.startswith(source_dir + os.sep) and not header.startswith(build_dir + os.sep)
                if not in_project:
                    module = QT_MODULE.search(header)
                    if module and module.group(1) not in qt_modules:
                        problems.append(f"{where}: {t.name} does not link Qt's {module.group(1)[2:]}")
                    continue
                hrel = os.path.relpath(header, source_dir)
                if ".." in name.split("/"):
                    problems.append(f"{where}: written with \"..\"; write {hrel} from an include folder")
                elif not quoted:
                    problems.append(f"{where}: a header of the project is included in quotes")
                libraries = owners.get(header)
                if not libraries:
                    problems.append(f"{where}: {hrel} is in no library's sources")
                    continue
                if not libraries & t.closure:
                    problems.append(f"{where}: {t.name} does not link {' or '.join(sorted(libraries))}, "
                                    f"which {hrel} belongs to")
                    continue
                apart = libraries & FOLDERS_APART & {t.name}
                if apart and path in t.files and top_folder(header, source_dir) != top_folder(path, source_dir):
                    problems.append(f"{where}: one section's window does not include another's "
                                    f"({top_folder(path, source_dir)}/ and {top_folder(header, source_dir)}/)")
    problems = sorted(set(problems))
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) against the libraries' links (numtext -> formulas -> typeset -> "
              "kit -> sections -> app)")
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: check-includes.py BUILD_DIR")
    sys.exit(check(sys.argv[1]))
