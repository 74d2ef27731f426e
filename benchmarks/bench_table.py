#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the benchmarks of a Release build and prints the performance table.

    benchmarks/bench_table.py OUTPUT.md BUILD_DIR [BUILD_DIR...]

Every timing scenario runs under callgrind (instruction counts are stable on a shared
machine, wall-clock times are not); heap use is counted by bench_memory without it. Each of
our counts sits next to its counterpart's count from the same run. The Markdown table is
printed and written to OUTPUT.md (default BUILD_DIR/benchmarks.md). Exit status 1 when a
benchmark fails to run; goals not met are reported in the table, not in the status.
"""

import os
import re
import subprocess
import sys
import time

# (benchmark, scenario, ours (function, tag), counterpart (function, tag), counterpart name, goal)
# A goal is the highest ratio ours / counterpart that meets it; None: shown for information.
# "bench_x@2" runs bench_x with QT_SCALE_FACTOR=2: every window, ours and the counterpart's,
# then paints at device pixel ratio 2.
SCENARIOS = [
    ("bench_sliders", "Range slider, fresh paint (400×24)",
     ("paint", "RangeSlider, value changed"), ("paint", "QSlider, value changed"), "QSlider", 1.6),
    ("bench_sliders", "Colormap range slider, fresh paint (400×24)",
     ("paint", "ColormapRangeSlider gradient, value changed"), ("paint", "QSlider, value changed"), "QSlider", 2.0),
    ("bench_sliders", "Range slider, fresh paint at device pixel ratio 2",
     ("paint", "RangeSlider, value changed, ratio 2"), ("paint", "QSlider, value changed, ratio 2"), "QSlider", 1.6),
    ("bench_sliders", "Colormap range slider, fresh paint at device pixel ratio 2",
     ("paint", "ColormapRangeSlider gradient, value changed, ratio 2"), ("paint", "QSlider, value changed, ratio 2"),
     "QSlider", 2.0),
    ("bench_sliders", "Range slider: create and first paint",
     ("createAndPaint", "RangeSlider"), ("createAndPaint", "QSlider"), "QSlider", None),
    ("bench_sliders", "Colormap range slider: create and first paint",
     ("createAndPaint", "ColormapRangeSlider gradient"), ("createAndPaint", "QSlider"), "QSlider", None),
    ("bench_cards", "500 cards: create, show, paint",
     ("cardWidgets", ""), ("groupBoxes", ""), "QGroupBox", 2.0),
    ("bench_cards@2", "500 cards: create, show, paint at device pixel ratio 2",
     ("cardWidgets", ""), ("groupBoxes", ""), "QGroupBox", 2.0),
    ("bench_cards", "Check one card of an exclusive group of 1 000 (growth from 10)",
     ("checkInExclusiveGroup", "1000 cards"), ("checkInExclusiveGroup", "10 cards"), "the same in a group of 10",
     None),
    ("bench_peers", "200 expanders: create, show, first paint",
     ("createShowPaint", "ExpanderWidget"), ("createShowPaint", "KCollapsibleGroupBox"), "KCollapsibleGroupBox", 1.0),
    ("bench_peers", "Expander: expand and collapse until the layout settles",
     ("expandCollapse", "ExpanderWidget"), ("expandCollapse", "KCollapsibleGroupBox"), "KCollapsibleGroupBox", 1.0),
    ("bench_peers", "200 colour buttons: create, show, first paint",
     ("createShowPaint", "ColorButton"), ("createShowPaint", "KColorButton"), "KColorButton", 1.0),
    ("bench_peers@2", "200 expanders: create, show, first paint at device pixel ratio 2",
     ("createShowPaint", "ExpanderWidget"), ("createShowPaint", "KCollapsibleGroupBox"), "KCollapsibleGroupBox", 1.0),
    ("bench_peers@2", "200 colour buttons: create, show, first paint at device pixel ratio 2",
     ("createShowPaint", "ColorButton"), ("createShowPaint", "KColorButton"), "KColorButton", 1.0),
    ("bench_cascading", "Cascading view, 100 000 items: set model to first paint",
     ("firstPaint", "CascadingListView"), ("firstPaint", "model traversal"), "one traversal of the model", 1.5),
    ("bench_cascading", "Cascading view, 100 000 items: set model to first paint",
     ("firstPaint", "CascadingListView"), ("firstPaint", "QColumnView"), "QColumnView", None),
    ("bench_cascading", "Cascading view, 100 000 items: select a six-level path",
     ("selectPath", "CascadingListView"), ("selectPath", "QColumnView"), "QColumnView", 1.0),
    ("bench_cascading@2", "Cascading view, 100 000 items: set model to first paint at device pixel ratio 2",
     ("firstPaint", "CascadingListView"), ("firstPaint", "model traversal"), "one traversal of the model", 1.5),
    ("bench_cascading@2", "Cascading view, 100 000 items: select a six-level path at device pixel ratio 2",
     ("selectPath", "CascadingListView"), ("selectPath", "QColumnView"), "QColumnView", 1.0),
    ("bench_cascading", "Cascading view, 1 000 000 items: set model to first paint",
     ("firstPaint", "CascadingListView, 1000000 items"), ("firstPaint", "model traversal, 1000000 items"),
     "one traversal of the model", 1.5),
    ("bench_cascading", "Cascading view, 1 000 000 items: set model to first paint",
     ("firstPaint", "CascadingListView, 1000000 items"), ("firstPaint", "QColumnView, 1000000 items"), "QColumnView",
     None),
    ("bench_cascading", "Cascading view, 1 000 000 items: set model to first paint (growth from 100 000)",
     ("firstPaint", "CascadingListView, 1000000 items"), ("firstPaint", "CascadingListView"),
     "itself at 100 000", None),
    ("bench_cascading", "Cascading view, 1 000 000 items: select a six-level path",
     ("selectPath", "CascadingListView, 1000000 items"), ("selectPath", "QColumnView, 1000000 items"), "QColumnView",
     1.0),
    ("bench_cascading", "Cascading view, 1 000 000 items: select a six-level path (growth from 100 000)",
     ("selectPath", "CascadingListView, 1000000 items"), ("selectPath", "CascadingListView"), "itself at 100 000",
     None),
    # Appended to the top level of a shown view over the 100 000-item tree, with a path open down to a leaf. Each
    # panel has a selection model of its own, which the model tells of every insert (QColumnView's columns share
    # one): shown for information, with the growth, which must stay linear.
    ("bench_cascading", "Cascading view: 10 000 rows inserted one at a time, to repaint",
     ("insertRows", "CascadingListView 10000"), ("insertRows", "QColumnView 10000"), "QColumnView", None),
    ("bench_cascading", "Cascading view: 10 000 rows inserted one at a time (growth from 1 000)",
     ("insertRows", "CascadingListView 10000"), ("insertRows", "CascadingListView 1000"), "itself at 1 000", 10.0),
    ("bench_flowlayout", "Flow layout, 10 000 items: setGeometry",
     ("layout", "FlowLayout setGeometry 10000"), ("layout", "QGridLayout setGeometry 10000"), "QGridLayout", 2.0),
    ("bench_flowlayout", "Flow layout growth: setGeometry, 10 000 items",
     ("layout", "FlowLayout setGeometry 10000"), ("layout", "FlowLayout setGeometry 1000"), "itself at 1 000", 12.0),
    # QGridLayout answers heightForWidth from a cache: only the growth is compared.
    ("bench_flowlayout", "Flow layout growth: heightForWidth, 10 000 items",
     ("layout", "FlowLayout heightForWidth 10000"), ("layout", "FlowLayout heightForWidth 1000"), "itself at 1 000",
     12.0),
    ("bench_flowlayout", "Flow layout growth: setGeometry, 100 000 items",
     ("layout", "FlowLayout setGeometry 100000"), ("layout", "FlowLayout setGeometry 10000"), "itself at 10 000",
     12.0),
    ("bench_flowlayout", "Flow layout growth: heightForWidth, 100 000 items",
     ("layout", "FlowLayout heightForWidth 100000"), ("layout", "FlowLayout heightForWidth 10000"),
     "itself at 10 000", 12.0),
    ("bench_memory", "Heap per card",
     ("perWidget", "CardWidget"), ("perWidget", "QGroupBox"), "QGroupBox", None),
    ("bench_memory", "Heap per expander",
     ("perWidget", "ExpanderWidget"), ("perWidget", "KCollapsibleGroupBox"), "KCollapsibleGroupBox", None),
    ("bench_memory", "Heap per range slider",
     ("perWidget", "RangeSlider"), ("perWidget", "QSlider"), "QSlider", None),
    ("bench_memory", "Heap per colormap range slider",
     ("perWidget", "ColormapRangeSlider"), ("perWidget", "QSlider"), "QSlider", None),
    ("bench_memory", "Heap per cascading view over 100 000 items",
     ("perView", "CascadingListView"), ("perView", "QColumnView"), "QColumnView", None),
]

UNITS = {"instruction reads": "instructions", "bytes": "bytes"}
RESULT = re.compile(r'^RESULT : [^:]+::(\w+)\(\):(?:"(.*)":)?\s*$')
VALUE = re.compile(r'^\s+([\d,.]+) (instruction reads|bytes)\b')


def run(build_dir, benchmark, rows):
    """Runs one benchmark for the rows asked for; returns ({(function, tag): (value, unit)}, Qt version)."""
    name, _, scale = benchmark.partition("@")
    path = os.path.join(build_dir, "benchmarks", name)
    if not os.path.exists(path):
        return None, None
    args = [path]
    if name != "bench_memory":
        args.append("-callgrind")
    # One function:tag argument per row, so that nothing else is measured.
    args += sorted({f"{function}:{tag}" if tag else function for function, tag in rows})
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    if scale:
        env["QT_SCALE_FACTOR"] = scale
    started = time.time()
    done = subprocess.run(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    print(f"  {benchmark}: {time.time() - started:.0f} s", file=sys.stderr)
    if done.returncode != 0:
        sys.stderr.write(done.stdout)
        raise RuntimeError(f"{benchmark} failed with status {done.returncode}")
    results = {}
    key = None
    for line in done.stdout.splitlines():
        match = RESULT.match(line)
        if match:
            key = (match.group(1), match.group(2) or "")
            continue
        match = VALUE.match(line)
        if match and key:
            results[key] = (float(match.group(1).replace(",", "")), UNITS[match.group(2)])
            key = None
    version = re.search(r"QtTest library (\d+\.\d+\.\d+)", done.stdout)
    return results, version.group(1) if version else "?"


def count(value, unit):
    if unit == "bytes":
        return f"{value / 1024:,.1f} KiB" if value >= 10240 else f"{value:,.0f} B"
    return f"{value:,.0f}"


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    output = sys.argv[1]
    build_dirs = sys.argv[2:]

    by_benchmark = {}
    for scenario in SCENARIOS:
        by_benchmark.setdefault(scenario[0], []).extend([scenario[2], scenario[3]])
    runs = []  # per build folder: {benchmark: (results, Qt version)}
    for build_dir in build_dirs:
        print(f"Running the benchmarks of {build_dir}", file=sys.stderr)
        runs.append({benchmark: run(build_dir, benchmark, rows) for benchmark, rows in by_benchmark.items()})

    lines = ["| Scenario | Ours | Counterpart | Counterpart's | Ratio | Goal | Met | Qt |",
             "|---|---:|---|---:|---:|---:|---|---|"]
    missing = []
    for benchmark, scenario, ours, theirs, name, goal in SCENARIOS:
        for build_dir, found in zip(build_dirs, runs):
            results, version = found[benchmark]
            if results is None:
                missing.append(f"{scenario} against {name} in {build_dir} ({benchmark} not built)")
                continue
            if ours not in results or theirs not in results:
                missing.append(f"{scenario} against {name} in {build_dir}")
                continue
            (value, unit), (reference, _) = results[ours], results[theirs]
            ratio = value / reference
            met = "—" if goal is None else ("yes" if ratio <= goal else "**no**")
            lines.append(f"| {scenario} | {count(value, unit)} | {name} | {count(reference, unit)} | {ratio:.2f}× | "
                         f"{'—' if goal is None else f'≤ {goal:g}×'} | {met} | {version} |")
    table = "\n".join(lines) + "\n"
    note = ("\nCounts: callgrind instruction reads per iteration (Release build, offscreen), except heap: bytes in "
            "use per widget (per view for the cascading view) once polished, laid out and painted, from mallinfo2.\n")
    if missing:
        note += "Not measured: " + "; ".join(missing) + ".\n"
    with open(output, "w", encoding="utf-8") as out:
        out.write(table + note)
    print(table + note)
    print(f"Written to {os.path.abspath(output)}")


if __name__ == "__main__":
    main()
