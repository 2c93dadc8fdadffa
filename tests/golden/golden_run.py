"""Runs a case's command in a sandbox of its own and renders what it printed and wrote."""

import datetime
import os
import re
import shlex
import shutil
import subprocess
import tempfile
from dataclasses import dataclass, field
from pathlib import Path

from golden_record import BLOCK_START, output_section

PROGRAM_NAME = "aircooler-cli"
CASE_TIMEOUT_SECONDS = 300

# The batch command's progress lines on a pipe; with worker processes, which of them is told
# depends on which worker reports first.
_PROGRESS_LINE = re.compile(r"^sized \d+ of \d+ rows$")

# The sanitizer tree's options reach the programs; nothing else of the caller's environment does.
_PASSED_ON = ("PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS",
              "ASAN_SYMBOLIZER_PATH")

# Qt's names of the months in the C locale, which the report's date is written in.
_C_MONTHS = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")
DATE_TOKEN = "$TODAY"


def c_locale_short_date(day):
    """The date as the programs write it under the C locale: Qt's short format "d MMM yyyy"."""
    return f"{day.day} {_C_MONTHS[day.month - 1]} {day.year}"


@dataclass
class Case:
    kind: str
    index: int
    args: list
    stdin: bytes = b""
    stdin_name: str = ""  # the input file a reader would pipe in, shown on the command line
    inputs: dict = field(default_factory=dict)  # files written into the case's folder first
    text_outputs: list = field(default_factory=list)  # files the command writes, read as text
    pdf_outputs: list = field(default_factory=list)  # files the command writes, as pdftotext
    racing_progress: bool = False  # the progress lines depend on the workers' timing
    same_output_as: int = -1  # a case of the kind whose outputs this one must repeat

    @property
    def name(self):
        return f"{self.kind} {self.index:04d}"

    def command_line(self, program=PROGRAM_NAME):
        line = shlex.join([program] + self.args)
        if self.stdin_name:
            line += " < " + shlex.quote(self.stdin_name)
        return line


class Sandbox:
    """A temporary home, configuration and locale for every run, so that nothing the user has
    set reaches the programs, and the tokens that keep the machine's paths out of the record."""

    def __init__(self, cli, build_dir, data_dir, pdftotext, keep=False):
        self.cli = str(Path(cli).resolve())
        self.pdftotext = pdftotext
        self.keep = keep
        self.root = Path(tempfile.mkdtemp(prefix="aircooler-golden-")).resolve()
        home = self.root / "home"
        runtime = self.root / "runtime"
        home.mkdir()
        runtime.mkdir(mode=0o700)
        self.env = {name: os.environ[name] for name in _PASSED_ON if name in os.environ}
        self.env.update(
            HOME=str(home),
            XDG_CONFIG_HOME=str(home / ".config"),
            XDG_DATA_HOME=str(home / ".local/share"),
            XDG_CACHE_HOME=str(home / ".cache"),
            XDG_RUNTIME_DIR=str(runtime),
            LC_ALL="C.UTF-8",
            LANG="C.UTF-8",
            TZ="UTC",
            QT_QPA_PLATFORM="offscreen",
        )
        # Longest first: the data folder lies in the build tree.
        self.tokens = [
            (str(Path(data_dir).resolve()), "$DATA"),
            (str(Path(build_dir).resolve()), "$BUILD"),
            (str(self.root), "$TMP"),
        ]

    def close(self):
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)

    def _tokenised(self, text, folder):
        text = text.replace(str(folder), "$WORK")
        for path, token in self.tokens:
            text = text.replace(path, token)
        return text

    def run(self, case):
        """The case's block of the record, as this run renders it."""
        folder = self.root / "cases" / f"{case.kind}-{case.index:04d}"
        folder.mkdir(parents=True)
        for name, content in case.inputs.items():
            (folder / name).write_bytes(content)
        before = datetime.date.today()
        block = [BLOCK_START + case.name, "$ " + case.command_line()]
        try:
            done = subprocess.run([self.cli] + case.args, cwd=folder, env=self.env,
                                  input=case.stdin, capture_output=True,
                                  timeout=CASE_TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            block.append(f"no end after {CASE_TIMEOUT_SECONDS} s")
            return "\n".join(block)
        status = done.returncode
        block.append(f"exit {status}" if status >= 0 else f"killed by signal {-status}")
        stderr = _decoded(done.stderr)
        if case.racing_progress:
            stderr = "".join(
                line for line in stderr.splitlines(keepends=True)
                if not _PROGRESS_LINE.match(line.rstrip("\n"))
            )
        block += output_section("stdout", self._tokenised(_decoded(done.stdout), folder))
        block += output_section("stderr", self._tokenised(stderr, folder))
        for name in case.text_outputs:
            block += self._file_section(folder / name, name, _decoded)
        for name in case.pdf_outputs:
            dates = {c_locale_short_date(before), c_locale_short_date(datetime.date.today())}
            block += self._file_section(folder / name, f"{name} as text",
                                        lambda pdf: self._pdf_text(pdf, dates))
        if not self.keep:
            shutil.rmtree(folder, ignore_errors=True)
        return "\n".join(block)

    def _file_section(self, path, name, read):
        if not path.exists():
            return [f"--- {name}: not written"]
        return output_section(name, self._tokenised(read(path.read_bytes()), path.parent))

    def _pdf_text(self, pdf, dates):
        done = subprocess.run([self.pdftotext, "-layout", "-", "-"], input=pdf,
                              capture_output=True, timeout=CASE_TIMEOUT_SECONDS)
        if done.returncode != 0:
            return f"pdftotext failed ({done.returncode}): {_decoded(done.stderr)}"
        text = _decoded(done.stdout)
        for date in dates:
            text = text.replace(date, DATE_TOKEN)
        return text


def _decoded(raw):
    """Bytes as text; bytes that are no UTF-8 are shown escaped rather than lost."""
    return raw.decode("utf-8", "backslashreplace")
