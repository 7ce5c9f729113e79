"""Reads the mutant list of scripts/mutation.sh and applies one mutant to a source tree.

A mutant is a block of the list: `== description`, `file: path`, one or more `- original` lines
and `+ replacement` lines. The original is matched with any run of white space standing for any
other, so indentation need not be copied; it must occur exactly once in the file.
"""
import filecmp
import os
import re
import shutil
import subprocess
import sys


def parse(path):
    mutants, current = [], None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line.startswith("== "):
                current = {"line": number, "description": line[3:].strip(), "file": None,
                           "original": [], "replacement": []}
                mutants.append(current)
            elif not line.strip() or line.startswith("#"):
                continue
            elif current is None:
                sys.exit(f"{path}:{number}: text before the first mutant")
            elif line.startswith("file:"):
                current["file"] = line[5:].strip()
            elif line.startswith("-"):
                current["original"].append(line[1:].strip())
            elif line.startswith("+"):
                current["replacement"].append(line[1:].strip())
            else:
                sys.exit(f"{path}:{number}: unreadable line: {line}")
    return mutants


def pattern(mutant):
    lines = [r"\s+".join(re.escape(word) for word in text.split()) for text in mutant["original"]]
    return re.compile(r"\s+".join(lines))


def locate(mutant, root):
    """The one match of the mutant in its file, or an error message."""
    if not mutant["file"] or not mutant["original"]:
        return None, None, "no file or no original text"
    path = os.path.join(root, mutant["file"])
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except OSError as error:
        return None, None, str(error)
    matches = list(pattern(mutant).finditer(text))
    if len(matches) != 1:
        return None, None, f"original text found {len(matches)} times"
    return text, matches[0], None


def apply(mutant, root):
    text, match, error = locate(mutant, root)
    if error:
        sys.exit(f"{mutant['file']}: {mutant['description']}: {error}")
    line_start = text.rfind("\n", 0, match.start()) + 1
    indent = re.match(r"[ \t]*", text[line_start:]).group(0)
    replacement = ("\n" + indent).join(mutant["replacement"])
    with open(os.path.join(root, mutant["file"]), "w", encoding="utf-8") as f:
        f.write(text[: match.start()] + replacement + text[match.end() :])


def check(mutants, root, list_path):
    bad = 0
    for mutant in mutants:
        _, _, error = locate(mutant, root)
        if error:
            bad += 1
            print(f"{list_path}:{mutant['line']}: {mutant['description']} "
                  f"({mutant['file']}): {error}", file=sys.stderr)
    print(f"{len(mutants)} mutants, {bad} that do not apply exactly once")
    return 1 if bad else 0


def sync(root, copy):
    """Copies the project's files (tracked or new, not ignored) where they differ."""
    listed = subprocess.run(["git", "-C", root, "ls-files", "-co", "--exclude-standard", "-z"],
                            check=True, capture_output=True).stdout.decode().split("\0")
    wanted = {name for name in listed if name and os.path.isfile(os.path.join(root, name))}
    for name in wanted:
        source, target = os.path.join(root, name), os.path.join(copy, name)
        if not os.path.exists(target) or not filecmp.cmp(source, target, shallow=False):
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy2(source, target)
    for folder, dirs, files in os.walk(copy):
        relative = os.path.relpath(folder, copy)
        if relative == "build" or relative.startswith("build" + os.sep):
            dirs[:] = []
            continue
        for name in files:
            path = os.path.normpath(os.path.join(relative, name))
            if path not in wanted:
                os.remove(os.path.join(folder, name))


def targets(build):
    """The executables the tests listed on standard input (ctest --show-only=json-v1) run."""
    import json

    found = set()
    for test in json.load(sys.stdin).get("tests", []):
        for word in test.get("command", []):
            path = word.split("=", 1)[-1]
            if path.startswith(build) and os.path.isfile(path) and os.access(path, os.X_OK):
                found.add(os.path.basename(path))
    print(" ".join(sorted(found)))


def main():
    command = sys.argv[1]
    if command == "targets":
        targets(os.path.realpath(sys.argv[2]))
        return 0
    if command == "sync":
        sync(sys.argv[2], sys.argv[3])
        return 0
    mutants = parse(sys.argv[2])
    if command == "count":
        print(len(mutants))
    elif command == "describe":
        mutant = mutants[int(sys.argv[3])]
        print(f"{mutant['file']}\t{mutant['description']}")
    elif command == "apply":
        apply(mutants[int(sys.argv[3])], sys.argv[4])
    elif command == "check":
        return check(mutants, sys.argv[3], sys.argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main())
