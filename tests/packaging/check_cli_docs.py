#!/usr/bin/env python3
"""zarvik-cli's manual page and bash completion against the program itself.

Every command the top-level help lists and every option a command's --help
lists must appear, by name, in the manual page and among the options the
completion offers for that command; and every fixed value the completion
offers (kinds, operations, properties, list texts) must be one the program
takes. Names only, so reworded help texts do not break it.

The manual page is made from the program's family registry at build time,
and the completion asks the program; this checks that both stay whole.

Usage: check_cli_docs.py ZARVIK_CLI MANPAGE COMPLETION
"""
import json
import os
import re
import shlex
import subprocess
import sys

BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"
cli, manpage, completion = sys.argv[1:4]
# The completion asks the program itself, by name.
env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8",
           PATH=os.path.dirname(os.path.abspath(cli)) + os.pathsep + os.environ.get("PATH", ""))
failures = []


def run(*args):
    return subprocess.run([cli, *args], capture_output=True, text=True, env=env)


def option_names(help_text):
    # --name and -o as options are written: after a space, bracket, bar or quote.
    return set(re.findall(r"(?:^|(?<=[\s\[|'\"(]))(--[a-z][a-z0-9-]*|-[a-zA-Z])(?=[\s=\]|'\",)]|$)",
                          help_text, re.M))


def completions(*words):
    """What the completion offers for the command line `words` (the last word is being typed)."""
    script = f"""
source {shlex.quote(BASH_COMPLETION)}
source {shlex.quote(completion)}
COMP_WORDS=({' '.join(shlex.quote(w) for w in words)})
COMP_CWORD=$((${{#COMP_WORDS[@]}} - 1))
COMP_LINE="${{COMP_WORDS[*]}}"
COMP_POINT=${{#COMP_LINE}}
_zarvik_cli zarvik-cli "${{COMP_WORDS[COMP_CWORD]}}" "${{COMP_WORDS[COMP_CWORD-1]}}"
printf '%s\\n' "${{COMPREPLY[@]}}"
"""
    out = subprocess.run(["bash", "-c", script], capture_output=True, text=True, env=env)
    if out.returncode != 0:
        failures.append(f"completion of {words}: {out.stderr.strip()}")
    return [line for line in out.stdout.split("\n") if line]


def values(*words):
    # Replies are quoted for the shell ("Eldesiz\ Toplama"); the program sees them unquoted.
    return [shlex.split(reply)[0] for reply in completions(*words)]


def check(condition, message):
    if not condition:
        failures.append(message)


if not os.path.exists(BASH_COMPLETION):
    print("bash-completion is not installed (scripts/setup.sh installs it)")
    sys.exit(77)

with open(manpage, encoding="utf-8") as f:
    # troff writes "-" as "\-" and switches fonts with \fB ... \fR.
    man = re.sub(r"\\f[BIRP]", "", f.read()).replace("\\-", "-")
man_words = set(re.findall(r"(?<![\w-])(--?[a-zA-Z][a-z0-9-]*)", man))

top = run("--help")
check(top.returncode == 0, "zarvik-cli --help failed")
commands = re.findall(r"^\s+([a-z][a-z-]*)\s", top.stdout, re.M)
check(len(commands) >= 4, f"the top-level help lists only {commands}")
version = run("--version")
check(version.returncode == 0 and re.fullmatch(r"zarvik-cli \d+\.\d+\n", version.stdout),
      f"zarvik-cli --version printed {version.stdout!r}")
top_options = option_names(top.stdout) | {"--help", "--version"}
offered = set(completions("zarvik-cli", "-"))
for option in sorted(top_options):
    check(option in man_words, f"the manual page lacks {option}")
    check(option in offered, f"the completion does not offer {option}")
offered = set(completions("zarvik-cli", ""))
for command in commands:
    check(re.search(rf"^\.SS \"?{command}\b", man, re.M), f"the manual page has no section for {command}")
    check(command in offered, f"the completion does not offer the command {command}")
    help_run = run(command, "--help")
    check(help_run.returncode == 0, f"zarvik-cli {command} --help failed")
    options = option_names(help_run.stdout)
    check(len(options) >= 3, f"zarvik-cli {command} --help lists only {options}")
    words = ["zarvik-cli", command] + (["101"] if command == "text" else [])
    command_offered = set(completions(*words, "-"))
    for option in sorted(options):
        check(option in man_words, f"the manual page lacks {command} {option}")
        check(option in command_offered, f"the completion does not offer {command} {option}")

# The fixed values the completion offers are ones the program takes.
kinds = values("zarvik-cli", "text", "")
check(len(kinds) >= 20, f"the completion offers only the text kinds {kinds}")
for kind in kinds:
    check(run("text", kind, "--count", "1", "-o", os.devnull).returncode != 2,
          f"zarvik-cli text refuses the kind {kind} that the completion offers")
for op in values("zarvik-cli", "column", "--op", ""):
    properties = values("zarvik-cli", "column", "--op", op, "--prop", "")
    check(properties, f"the completion offers no property for {op}")
    for prop in properties:
        page = json.loads(run("column", "--page", "a4", "--op", op, "--prop", prop, "--json",
                              "--time", "1", "--date", "-").stdout)
        check(any(page["first"]), f"column --op {op} --prop {prop!r}, offered, makes no problems")
for op in values("zarvik-cli", "fraction", "--op", ""):
    for type_ in values("zarvik-cli", "fraction", "--type", ""):
        for relation in values("zarvik-cli", "fraction", "--denominators", ""):
            if op in ("Çarpma", "Bölme") and relation != values("zarvik-cli", "fraction", "--denominators", "")[0]:
                continue  # the relation counts for addition and subtraction only
            page = json.loads(run("fraction", "--op", op, "--type", type_, "--denominators",
                                  relation, "--json", "--time", "1", "--date", "-").stdout)
            check(any(any(row) for row in page["rows"]),
                  f"fraction --op {op} --type {type_!r} --denominators {relation!r} makes no exercises")
for kind in values("zarvik-cli", "numbers", "--kind", ""):
    for columns in values("zarvik-cli", "numbers", "--columns", ""):
        result = run("numbers", "--kind", kind, "--digits", "3", "--columns", columns, "--json",
                     "--time", "1", "--date", "-")
        check(result.returncode == 0 and json.loads(result.stdout)["title"],
              f"numbers --kind {kind!r} --columns {columns!r}, offered, is not a kind")
# Quoting: a property with spaces and an apostrophe comes back as one shell word.
check(r"20\'den\ küçük\ sayılar\ ile" in completions("zarvik-cli", "column", "--op", "Çıkarma", "--prop", "20"),
      "the completion does not quote \"20'den küçük sayılar ile\" for the shell")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
