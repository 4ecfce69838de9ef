#!/usr/bin/env python3
"""Prints a Google Benchmark JSON run as a table, with our time against the peer's."""
import json
import sys

path, ours, peer = sys.argv[1:4]
runs = json.load(open(path))["benchmarks"]
by_name = {r["name"]: r for r in runs}
print(f"{'benchmark':45} {'ms':>10}  counters")
for r in runs:
    counters = {k: v for k, v in r.items() if k not in {
        "name", "family_index", "per_family_instance_index", "run_name", "run_type", "repetitions",
        "repetition_index", "threads", "iterations", "real_time", "cpu_time", "time_unit"}}
    text = "  ".join(f"{k}={v:.6g}" for k, v in counters.items())
    print(f"{r['name']:45} {r['real_time']:10.3f}  {text}")
for arg in ("5", "10", "15"):
    a, b = by_name.get(f"{ours}/{arg}"), by_name.get(f"{peer}/{arg}")
    if a and b:
        print(f"G={arg}: {ours} {a['real_time']:.3f} ms, peer {b['real_time']:.3f} ms, "
              f"peer/ours = {b['real_time'] / a['real_time']:.1f}x")
