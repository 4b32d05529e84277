#!/usr/bin/env python3
"""A small mutation runner: does the test suite notice when the product code is wrong?

  scripts/mutate.sh pick [--seed N] [--count N] [--out FILE]
      Lists single-point mutations of src/ (a comparison flipped, a "+ 1" dropped, a condition
      negated, a statement removed, a constant changed, ...) picked at random from the seed.
      Each is anchored by the name of its function and the text of its line, never by a line
      number, so that the same list still applies after files move.
  scripts/mutate.sh run [--list FILE] [--limit SECONDS] [--only LIBRARY] [--resume]
      Applies each mutation in turn, rebuilds only what changed (in build-mutate/), runs the
      tests of the mutated library and of the floors above it, and restores the file. Prints,
      per library, how many mutants the tests caught, the ones they missed, and the mutants whose
      anchor no longer exists and those in files this build does not compile (the Windows
      side: neither is counted). Outcomes are kept in
      build-mutate/mutation-outcomes.tsv as they come; --resume goes on where a run stopped.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, "src")
BUILD = os.path.join(ROOT, "build-mutate")
DEFAULT_LIST = os.path.join(ROOT, "scripts", "mutants.txt")

# The tests that run for a mutant of each library: its own, and those of the floors above it.
UI_TESTS = ["ui_tests", "ui_program_tests", "ui_command_line_tests", "ui_windows_tests",
            "ui_x11_tests", "hashwell_terminal_options"]
TESTS_ABOVE = {
    "platform": ["platform_tests", "digest_tests", "settings_tests", "export_tests",
                 "checksums_tests", "core_tests", "cli_tests", "helpfile_tests"] + UI_TESTS,
    "digest": ["digest_tests", "checksums_tests", "core_tests", "cli_tests"] + UI_TESTS,
    "settings": ["settings_tests", "core_tests"] + UI_TESTS,
    "export": ["export_tests", "core_tests", "cli_tests"] + UI_TESTS,
    "checksums": ["checksums_tests", "core_tests", "cli_tests"] + UI_TESTS,
    "helpfile": ["helpfile_tests"] + UI_TESTS,
    "core": ["core_tests", "cli_tests"] + UI_TESTS,
    "cli": ["cli_tests"],
    "ui": UI_TESTS,
    "main": UI_TESTS,
}

# Single-point mutations: a pattern, and what its match becomes.
OPERATORS = [
    ("flip <", r"(?<=[\w\)\]]) < (?=[\w\(!-])", " <= "),
    ("flip <=", r" <= ", " < "),
    ("flip >", r"(?<=[\w\)\]]) > (?=[\w\(!-])", " >= "),
    ("flip >=", r" >= ", " > "),
    ("flip ==", r" == ", " != "),
    ("flip !=", r" != ", " == "),
    ("flip &&", r" && ", " || "),
    ("flip ||", r" \|\| ", " && "),
    ("drop + 1", r" \+ 1\b", ""),
    ("drop - 1", r" - 1\b", ""),
    ("flip true", r"\btrue\b", "false"),
    ("flip false", r"\bfalse\b", "true"),
    ("change constant", r"(?<![\w.])([2-9]|[1-9]\d+)(?![\w.'])", None),  # n becomes n + 1
]
CONTROL = ("if", "for", "while", "switch", "catch", "return", "sizeof", "else")


@dataclass
class Mutant:
    library: str
    file: str  # where it was picked; a hint only
    function: str
    line: str  # the line's text, without its indentation
    operator: str
    occurrence: int  # which match of the operator on the line

    def key(self):
        return f"{self.function} | {self.operator} #{self.occurrence} | {self.line}"


def library_of(path):
    parts = os.path.relpath(path, SRC).split(os.sep)
    return parts[0] if len(parts) > 1 else "main"  # src/main.cpp


def source_files():
    for folder, _, names in os.walk(SRC):
        for name in sorted(names):
            if name.endswith(".cpp"):
                yield os.path.join(folder, name)


def strip_comment(line):
    line = re.sub(r'"(?:[^"\\]|\\.)*"', '""', line)  # string literals hold no code
    line = re.sub(r"'(?:[^'\\]|\\.)*'", "''", line)
    at = line.find("//")
    return line if at < 0 else line[:at]


def functions(path):
    """Yields (function name, [(line index, text)]) for each function defined in the file."""
    with open(path, encoding="utf-8") as source:
        lines = source.read().split("\n")
    depth = 0
    pending = ""  # what came since the last ';', '{' or '}' outside functions
    function = None  # (name, depth at which it ends, lines)
    for index, raw in enumerate(lines):
        code = strip_comment(raw)
        if code.lstrip().startswith("#"):
            continue
        if function is not None:
            function[2].append((index, raw))
        for char in code:
            if char == "{":
                if function is None:
                    head = pending.strip()
                    match = re.search(r"([\w:~]+)\s*\([^;]*\)[^;(]*$", head)
                    if (match and not head.startswith(("namespace", "class", "struct", "enum"))
                            and match.group(1).split("::")[-1] not in CONTROL
                            and "=" not in head.split("(")[0]):
                        function = (match.group(1), depth, [(index, raw)])
                depth += 1
                pending = ""
            elif char == "}":
                depth -= 1
                pending = ""
                if function is not None and depth == function[1]:
                    yield function[0], function[2]
                    function = None
            elif char == ";":
                pending = ""
            else:
                pending += char
        pending += " "


def candidates():
    for path in source_files():
        for name, body in functions(path):
            for _, raw in body[1:-1]:  # not the signature, not the closing brace
                text = raw.strip()
                code = strip_comment(raw)
                if not text or text.startswith(("//", "#", "case ", "default:")):
                    continue
                for operator, pattern, _ in OPERATORS:
                    for occurrence, _ in enumerate(re.finditer(pattern, code)):
                        yield Mutant(library_of(path), os.path.relpath(path, ROOT), name, text,
                                     operator, occurrence)
                # A condition negated, when the whole of it stands on the line.
                if re.match(r"(} else )?if \(.*\) \{$", text):
                    yield Mutant(library_of(path), os.path.relpath(path, ROOT), name, text,
                                 "negate if", 0)
                # A statement removed: a call or an assignment on a line of its own.
                if (text.endswith(";") and not text.startswith(("return", "break", "continue"))
                        and re.match(r"[\w:.>\-\[\]*]+(\(| [+\-|&]?= )", text)
                        and not re.match(r"(const |static |auto |std::|[A-Z]\w*[<& *]+\w+ =)",
                                         text)
                        and text.count("(") == text.count(")")):
                    yield Mutant(library_of(path), os.path.relpath(path, ROOT), name, text,
                                 "remove statement", 0)


def mutated_line(raw, mutant):
    """The line with the mutation applied, or None when it does not apply."""
    indent = raw[: len(raw) - len(raw.lstrip())]
    text = raw.strip()
    if mutant.operator == "negate if":
        match = re.match(r"((?:} else )?if \()(.*)(\) \{)$", text)
        return indent + match.group(1) + "!(" + match.group(2) + ")" + match.group(3)
    if mutant.operator == "remove statement":
        return indent + "// removed by the mutation runner"
    for operator, pattern, replacement in OPERATORS:
        if operator != mutant.operator:
            continue
        code = strip_comment(text)
        matches = list(re.finditer(pattern, code))
        if mutant.occurrence >= len(matches):
            return None
        match = matches[mutant.occurrence]
        new = str(int(match.group(0)) + 1) if replacement is None else replacement
        return indent + text[: match.start()] + new + text[match.end():]
    return None


def locate(mutant):
    """The file and line index the mutant's anchor names now: its hinted file first."""
    hinted = os.path.join(ROOT, mutant.file)
    paths = ([hinted] if os.path.exists(hinted) else []) + [
        p for p in source_files() if p != hinted]
    for path in paths:
        for name, body in functions(path):
            if name != mutant.function:
                continue
            for index, raw in body:
                if raw.strip() == mutant.line:
                    return path, index
    return None


def pick(arguments):
    found = list({m.key(): m for m in candidates()}.values())  # a line twice is one site
    generator = random.Random(arguments.seed)
    # Every library gets a few, so that each has a rate of its own; the rest fall at random.
    chosen = []
    for library in sorted({m.library for m in found}):
        own = [m for m in found if m.library == library]
        chosen += generator.sample(own, min(arguments.least, len(own)))
    rest = [m for m in found if m not in chosen]
    chosen += generator.sample(rest, max(0, min(arguments.count - len(chosen), len(rest))))
    chosen.sort(key=lambda m: (m.library, m.file, m.function, m.line))
    with open(arguments.out, "w", encoding="utf-8") as out:
        out.write(f"# {len(chosen)} of {len(found)} mutation sites, seed {arguments.seed}.\n")
        out.write("# library\tfile (a hint)\tfunction\toperator\toccurrence\tline\n")
        for m in chosen:
            out.write(f"{m.library}\t{m.file}\t{m.function}\t{m.operator}\t{m.occurrence}\t"
                      f"{m.line}\n")
    print(f"{len(chosen)} mutants written to {os.path.relpath(arguments.out, ROOT)}")


def read_list(path):
    mutants = []
    with open(path, encoding="utf-8") as listing:
        for row in listing:
            if row.startswith("#") or not row.strip():
                continue
            library, file, function, operator, occurrence, line = row.rstrip("\n").split("\t", 5)
            mutants.append(Mutant(library, file, function, line, operator, int(occurrence)))
    return mutants


def run_command(command, limit=None):
    # In a session of its own, so that whatever a mutant leaves behind (a program blocked on a
    # pipe, a test whose runner was stopped) is killed with it rather than slowing the next one.
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        return process.wait(timeout=limit)
    except subprocess.TimeoutExpired:
        return "timeout"
    finally:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()


def configure():
    # Warnings are not errors here: a mutant the compiler merely warns about is still run.
    subprocess.run(["scripts/configure.sh", BUILD, "-DHASHWELL_BUILD_BENCH=OFF",
                    "-DHASHWELL_WERROR=OFF"], cwd=ROOT, check=True)


def build_and_test(tests, limit):
    """'killed' when a test failed or ran out of time, 'survived' when all passed, 'stillborn'
    when the mutant does not build."""
    if run_command(["cmake", "--build", BUILD]) != 0:  # ninja rebuilds only what changed
        return "stillborn"
    pattern = "^(" + "|".join(tests) + ")$"
    result = run_command(["ctest", "--test-dir", BUILD, "-R", pattern, "--label-exclude", "large",
                          "--timeout", str(limit), "-j", str(os.cpu_count() or 1)],
                         limit * 2 + 60)
    return "survived" if result == 0 else "killed"


def compiled_here(path):
    """Whether this build compiles the file (the Windows side, say, is not compiled here)."""
    target = os.path.basename(path) + ".o"
    return any(target in names for _, _, names in os.walk(BUILD))


def stop_on_signal(number, frame):
    # A run that is asked to end restores the mutated file on the way out (see run()).
    raise SystemExit(f"stopped by signal {number}")


def remove_left_at_root(before):
    """A mutant that keeps a test from giving up its privileges lets it write to the root of
    the file system, where the next mutants' tests would find it: what is new there goes."""
    for name in set(os.listdir("/")) - before:
        shutil.rmtree(os.path.join("/", name), ignore_errors=True)


def run(arguments):
    mutants = read_list(arguments.list)
    if arguments.only:
        mutants = [m for m in mutants if m.library == arguments.only]
    if subprocess.run(["git", "diff", "--quiet", "HEAD", "--", "src"], cwd=ROOT).returncode != 0:
        sys.exit("src/ holds changes (a mutant left by a run that was killed?): "
                 "git checkout -- src, then run again")
    for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(number, stop_on_signal)
    at_root = set(os.listdir("/"))
    configure()
    if run_command(["cmake", "--build", BUILD]) != 0:
        sys.exit("the unmutated build fails")
    listed = subprocess.run(["ctest", "--test-dir", BUILD, "-N"], cwd=ROOT, check=True,
                            stdout=subprocess.PIPE, text=True).stdout
    present = set(re.findall(r"Test +#\d+: (\S+)", listed))
    # Each outcome is kept as it comes, so that a run stopped half way goes on with --resume.
    journal = os.path.join(BUILD, "mutation-outcomes.tsv")
    earlier = {}
    if arguments.resume and os.path.exists(journal):
        with open(journal, encoding="utf-8") as kept:
            for row in kept:
                outcome, seconds, key = row.rstrip("\n").split("\t", 2)
                earlier[key] = (outcome, float(seconds))
    else:
        open(journal, "w").close()
    started = time.monotonic() - sum(seconds for _, seconds in earlier.values())
    results = {}
    for number, mutant in enumerate(mutants, 1):
        record = f"{mutant.library}: {mutant.key()}"
        begun = time.monotonic()
        where = locate(mutant)
        if record in earlier:
            outcome = earlier[record][0]
        elif where is None:
            outcome = "gone"
        elif not compiled_here(where[0]):
            outcome = "unbuilt"
        else:
            path, index = where
            with open(path, encoding="utf-8") as source:
                original = source.read()
            lines = original.split("\n")
            new = mutated_line(lines[index], mutant)
            if new is None:
                outcome = "gone"
            else:
                lines[index] = new
                try:
                    with open(path, "w", encoding="utf-8") as source:
                        source.write("\n".join(lines))
                    # The tests of the library the anchor is in now: files move between them.
                    tests = [t for t in TESTS_ABOVE[library_of(path)] if t in present]
                    outcome = build_and_test(tests, arguments.limit)
                finally:
                    with open(path, "w", encoding="utf-8") as source:
                        source.write(original)
                    remove_left_at_root(at_root)
        results.setdefault(mutant.library, []).append((mutant, outcome))
        if record not in earlier:
            with open(journal, "a", encoding="utf-8") as kept:
                kept.write(f"{outcome}\t{time.monotonic() - begun:.0f}\t{record}\n")
        print(f"[{number}/{len(mutants)}] {outcome:9} {record}", flush=True)
    run_command(["cmake", "--build", BUILD])  # the unmutated objects again
    report(results, time.monotonic() - started)


def report(results, seconds):
    lines = [f"Mutation run: {seconds / 60:.0f} min"]
    total_killed = total_counted = 0
    for library in sorted(results):
        outcomes = [o for _, o in results[library]]
        killed = outcomes.count("killed")
        counted = killed + outcomes.count("survived")
        total_killed += killed
        total_counted += counted
        rate = f"{100 * killed / counted:.0f} %" if counted else "-"
        lines.append(f"{library:10} caught {killed:3} of {counted:3} ({rate}); "
                     f"stillborn {outcomes.count('stillborn')}, anchor gone {outcomes.count('gone')}, "
                     f"not compiled here {outcomes.count('unbuilt')}")
    if total_counted:
        lines.append(f"{'all':10} caught {total_killed:3} of {total_counted:3} "
                     f"({100 * total_killed / total_counted:.0f} %)")
    for kind in ("survived", "gone"):
        listed = [m for library in sorted(results) for m, o in results[library] if o == kind]
        if listed:
            lines.append(f"\n{'Survivors' if kind == 'survived' else 'Anchors gone'}:")
            lines += [f"  {m.library}: {m.key()}" for m in listed]
    text = "\n".join(lines)
    print("\n" + text)
    with open(os.path.join(BUILD, "mutation-report.txt"), "w", encoding="utf-8") as out:
        out.write(text + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    picking = commands.add_parser("pick")
    picking.add_argument("--seed", type=int, default=25)
    picking.add_argument("--count", type=int, default=240)
    picking.add_argument("--least", type=int, default=12, help="mutants of each library")
    picking.add_argument("--out", default=DEFAULT_LIST)
    running = commands.add_parser("run")
    running.add_argument("--list", default=DEFAULT_LIST)
    running.add_argument("--limit", type=int, default=120, help="seconds per test program")
    running.add_argument("--only", help="only the mutants of this library")
    running.add_argument("--resume", action="store_true", help="go on with a stopped run")
    arguments = parser.parse_args()
    pick(arguments) if arguments.command == "pick" else run(arguments)


if __name__ == "__main__":
    main()
