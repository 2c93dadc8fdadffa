#!/usr/bin/env python3
"""The golden record of the command-line tool: what it prints and writes for a fixed list of
cases, stored per edition, and the check of a build against it.

    golden.py --write [--only KIND,...] [--jobs N]            record what the build prints
    golden.py --check [--shard K/N] [--only KIND,...] [--show N]  compare the build with it

Both take the programs and folders of a build tree (CMake passes them; see CMakeLists.txt).
"""

import argparse
import concurrent.futures
import difflib
import itertools
import json
import re
import sys
import time

import golden_cases
import golden_record
from golden_run import DATE_TOKEN, Case, Sandbox


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    mode = parser.add_mutually_exclusive_group(required=True)
    mode.add_argument("--write", action="store_true", help="run every case and write the record")
    mode.add_argument("--check", action="store_true", help="run the cases and compare")
    parser.add_argument("--cli", required=True, help="the aircooler-cli program of the build")
    parser.add_argument("--build-dir", required=True, help="the build tree, shown as $BUILD")
    parser.add_argument("--data-dir", required=True, help="its data folder, shown as $DATA")
    parser.add_argument("--pdftotext", default="pdftotext")
    parser.add_argument("--record", required=True, help="the record folder of the edition")
    parser.add_argument("--shard", default="1/1", help="K/N: check every N-th case from the K-th")
    parser.add_argument("--only", default="", help="kinds, comma-separated: "
                        + ", ".join(golden_cases.KINDS))
    parser.add_argument("--jobs", type=int, default=1, help="cases run side by side")
    parser.add_argument("--show", type=int, default=5, help="differences shown in full")
    parser.add_argument("--keep", action="store_true",
                        help="keep the temporary folder with every case's files")
    arguments = parser.parse_args()
    shard = re.fullmatch(r"(\d+)/(\d+)", arguments.shard)
    if not shard or not 1 <= int(shard.group(1)) <= int(shard.group(2)):
        parser.error(f"--shard takes K/N with 1 <= K <= N, not {arguments.shard!r}")
    arguments.shard = (int(shard.group(1)), int(shard.group(2)))
    if arguments.write and arguments.shard != (1, 1):
        parser.error("--write records every case: no --shard")
    kinds = [kind for kind in arguments.only.split(",") if kind] or list(golden_cases.KINDS)
    unknown = [kind for kind in kinds if kind not in golden_cases.KINDS]
    if unknown:
        parser.error(f"unknown kind {', '.join(unknown)}: use {', '.join(golden_cases.KINDS)}")
    arguments.kinds = kinds
    return arguments


_setup_runs = itertools.count()


def program_output(sandbox, args):
    """What the program prints for a run the cases are built from; it must succeed."""
    case = Case("setup", next(_setup_runs), args)
    block = sandbox.run(case)
    if "\nexit 0\n" not in block:
        raise RuntimeError(f"the cases are built from this run, which failed:\n{block}")
    stdout = block.split("\n--- stderr:")[0].split("\n")
    return "\n".join(stdout[4:])


def model_lister(sandbox):
    def list_models(series, language):
        listed = json.loads(program_output(
            sandbox, ["models", "--series", series, "--language", language, "--json"]))
        return [(model["name"], model["section"]) for model in listed["models"]]
    return list_models


def _normalised(label):
    return label.replace("³", "3").replace("²", "2").replace("°", "").lower()


def check_coverage(sandbox):
    """Every unit, grade and language the program lists is among the cases' spellings, so a
    list that grows cannot leave its new entry out of the record unnoticed."""
    select_help = program_output(sandbox, ["select", "--help"])
    heatload_help = program_output(sandbox, ["heatload", "--help"])
    models_help = program_output(sandbox, ["models", "--help"])
    listed = {}
    for text in (select_help, heatload_help):
        for option, labels in re.findall(r"^  (--[\w-]+-unit)\s+(\".*\") \(default", text, re.M):
            listed[option] = re.findall(r'"([^"]*)"', labels)
    typed = {
        "--flow-unit": golden_cases.FLOW_UNITS, "--oil-temp-unit": golden_cases.TEMP_UNITS,
        "--air-temp-unit": golden_cases.TEMP_UNITS, "--altitude-unit": golden_cases.ALTITUDE_UNITS,
        "--heat-unit": golden_cases.HEAT_UNITS, "--volume-unit": golden_cases.VOLUME_UNITS,
        "--density-unit": golden_cases.DENSITY_UNITS,
        "--heat-capacity-unit": golden_cases.HEAT_CAPACITY_UNITS,
        "--start-temp-unit": golden_cases.TEMP_UNITS, "--end-temp-unit": golden_cases.TEMP_UNITS,
        "--result-unit": ("W", "kW", "kcal/h", "BTU/h", "HP", "kcal/hr", "Btu/hr"),
    }
    missing = []
    if set(listed) != set(typed):
        missing.append(f"unit options listed {sorted(listed)}, cases type {sorted(typed)}")
    for option, labels in listed.items():
        spelled = {_normalised(label) for label in typed.get(option, ())}
        missing += [f"{option} {label}" for label in labels if _normalised(label) not in spelled]
    grades = re.findall(r'"(ISO VG \d+)"', select_help)
    missing += [f"--oil {grade}" for grade in grades if grade not in golden_cases.OIL_GRADES]
    languages = re.search(r"language of the captions, one of\s+([A-Z_, ]+)", models_help)
    names = languages.group(1).split(", ") if languages else []
    if set(names) != set(golden_cases.LANGUAGES):
        missing.append(f"languages {names}")
    if not grades or not listed:
        missing.append("the lists of the help texts, which no longer read as before")
    if missing:
        raise RuntimeError("the cases do not cover: " + "; ".join(missing)
                           + "\n(add them to golden_cases.py)")


def run_cases(sandbox, cases, jobs):
    if jobs <= 1:
        return [sandbox.run(case) for case in cases]
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        return list(pool.map(sandbox.run, cases))


def file_sections(block):
    """The block without its header, command line and standard error: what a run must repeat
    whatever its progress lines said."""
    lines = block.split("\n")
    kept, i = [], 2
    while i < len(lines):
        counted = re.match(r"^--- (.*): (\d+) lines?", lines[i])
        count = int(counted.group(2)) if counted else 0
        if not counted or counted.group(1) != "stderr":
            kept += lines[i : i + 1 + count]
        i += 1 + count
    return kept


def verify_written(cases, blocks):
    """What the record itself must show before it is written."""
    faults = []
    for case, block in zip(cases, blocks):
        if case.same_output_as >= 0:
            if file_sections(block) != file_sections(blocks[case.same_output_as]):
                faults.append(f"{case.name} does not repeat the outputs of case "
                              f"{case.same_output_as}")
        if re.search(r"^--- .* as text: \d+ lines?", block, re.M) and DATE_TOKEN not in block:
            faults.append(f"{case.name}: the report's date was not found to replace")
    if faults:
        raise RuntimeError("\n".join(faults))


def write(arguments, sandbox, catalogue):
    check_coverage(sandbox)
    for kind in arguments.kinds:
        started = time.monotonic()
        cases = golden_cases.build_cases(kind, catalogue)
        blocks = run_cases(sandbox, cases, arguments.jobs)
        verify_written(cases, blocks)
        golden_record.write_kind(arguments.record, kind, blocks)
        statuses = {}
        for block in blocks:
            status = block.split("\n")[2]
            statuses[status] = statuses.get(status, 0) + 1
        print(f"{kind}: {len(cases)} cases in {time.monotonic() - started:.1f} s "
              f"({', '.join(f'{n} {s}' for s, n in sorted(statuses.items()))})", flush=True)
    return 0


def check(arguments, sandbox, catalogue):
    shard, shards = arguments.shard
    differing = []  # (case, command line, expected, actual)
    checked = 0
    started = time.monotonic()
    for kind in arguments.kinds:
        recorded = golden_record.read_kind(arguments.record, kind)
        if recorded is None:
            print(f"golden: no record of {kind} in {arguments.record}; write it with --write")
            return 1
        cases = [case for case in golden_cases.build_cases(kind, catalogue)
                 if case.index % shards == shard - 1]
        names = {case.name for case in cases}
        dropped = [name for name in recorded
                   if int(name.split()[1]) % shards == shard - 1 and name not in names]
        for name in dropped:
            differing.append((name, "(no longer made by golden_cases.py)", recorded[name], ""))
        for case, block in zip(cases, run_cases(sandbox, cases, arguments.jobs)):
            checked += 1
            expected = recorded.get(case.name, "")
            if block != expected:
                differing.append((case.name, case.command_line(sandbox.cli), expected, block))
    elapsed = time.monotonic() - started
    if not differing:
        print(f"golden: {checked} cases as recorded ({', '.join(arguments.kinds)}; shard "
              f"{shard}/{shards}; {elapsed:.1f} s)")
        return 0
    for name, command, expected, actual in differing[: arguments.show]:
        print(f"=== {name} differs from the record")
        print(f"command (LC_ALL=C.UTF-8, a fresh HOME; --keep keeps its files):\n  {command}")
        if not expected:
            print("  (the record has no such case)")
        diff = difflib.unified_diff(expected.split("\n"), actual.split("\n"), "recorded",
                                    "this build", lineterm="", n=3)
        print("\n".join(diff))
        print()
    by_kind = {}
    for name, *_ in differing:
        by_kind[name.split()[0]] = by_kind.get(name.split()[0], 0) + 1
    print(f"golden: {len(differing)} of {checked} cases differ from the record ("
          + ", ".join(f"{kind} {count}" for kind, count in by_kind.items())
          + f"); shard {shard}/{shards}; the first {min(len(differing), arguments.show)} "
          "shown above")
    print("Regenerate the record only for an intended change: see tests/golden/README.md.")
    return 1


def main():
    arguments = parse_arguments()
    sandbox = Sandbox(arguments.cli, arguments.build_dir, arguments.data_dir, arguments.pdftotext,
                      keep=arguments.keep)
    try:
        catalogue = golden_cases.Catalogue(model_lister(sandbox))
        if arguments.write:
            return write(arguments, sandbox, catalogue)
        return check(arguments, sandbox, catalogue)
    except RuntimeError as error:
        print(f"golden: {error}")
        return 2
    finally:
        if arguments.keep:
            print(f"golden: the cases' files are kept in {sandbox.root}")
        sandbox.close()


if __name__ == "__main__":
    sys.exit(main())
