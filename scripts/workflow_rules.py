#!/usr/bin/env python3
"""What the Windows workflow must hold (scripts/check-workflow): both builds on a named Windows image whose
Visual Studio the MSVC preset's generator finds, GoogleTest from the vcpkg manifest, tests through ctest,
what they build kept only as an artifact named a test build, and every action pinned to a version that
runs on the runners' Node 24.
  workflow_rules.py WORKFLOW PRESETS
"""
import json, re, sys, yaml
workflow = yaml.safe_load(open(sys.argv[1]))
presets = {p["name"]: p for p in json.load(open(sys.argv[2]))["configurePresets"]}
# The Visual Studio of each Windows image (GitHub's runner-images; windows-2025 moved to 2026 in June
# 2026), and the first major of each action whose action.yml runs on Node 24.
visual_studio = {"windows-2022": "Visual Studio 17 2022", "windows-2025": "Visual Studio 18 2026",
                 "windows-2025-vs2026": "Visual Studio 18 2026"}
node24 = {"actions/checkout": 5, "actions/upload-artifact": 6}
faults = []
def expect(condition, what):
    if not condition: faults.append(what)
jobs = workflow.get("jobs", {})
expect(set(jobs) >= {"msvc", "mingw"}, "jobs msvc and mingw")
for name, job in jobs.items():
    steps = job.get("steps", [])
    expect(job.get("runs-on") in visual_studio, f"{name} runs on a named Windows image, not one that moves")
    runs = " ".join(step.get("run", "") for step in steps)
    expect("ctest --preset" in runs, f"{name} runs ctest")
    uses = [step["uses"] for step in steps if "uses" in step]
    expect(any(u.startswith("actions/checkout@") for u in uses), f"{name} checks out the code")
    artifacts = [step.get("with", {}).get("name", "") for step in steps if step.get("uses", "").startswith("actions/upload-artifact@")]
    expect(artifacts and all("test-build" in a and "not-for-download" in a for a in artifacts),
           f"{name} keeps its build only as an artifact named a test build, not for download")
    for u in uses:
        pinned = re.fullmatch(r"([\w.-]+/[\w.-]+)@v(\d+)(\.\d+)*", u)
        expect(pinned is not None, f"{u} pinned to a version")
        if pinned and pinned.group(1) in node24:
            expect(int(pinned.group(2)) >= node24[pinned.group(1)], f"{u} at a major that runs on Node 24")
expect("windows-msvc" in str(jobs.get("msvc")), "msvc uses the windows-msvc preset")
msvc_runs = " ".join(step.get("run", "") for step in jobs.get("msvc", {}).get("steps", []))
expect("vcpkg install" not in msvc_runs and "VCPKG_ROOT" in msvc_runs,
       "msvc takes GoogleTest from vcpkg.json through the preset, not vcpkg's classic mode")
expect("vcpkg.cmake" in presets["windows-msvc"].get("toolchainFile", ""), "the windows-msvc preset uses vcpkg's toolchain")
manifest = json.load(open("vcpkg.json"))
expect("gtest" in manifest.get("dependencies", []), "vcpkg.json asks for gtest")
expect(re.fullmatch(r"[0-9a-f]{40}", manifest.get("builtin-baseline", "")) is not None, "vcpkg.json names a baseline commit")
generator = presets["windows-msvc"].get("generator")
image = jobs.get("msvc", {}).get("runs-on")
expect(visual_studio.get(image) == generator,
       f"the windows-msvc preset's generator ({generator}) is the Visual Studio of the msvc job's image ({image})")
expect("windows-mingw" in str(jobs.get("mingw")), "mingw uses the windows-mingw preset")
# The GNU build points the program's load configuration directory at it with a Python script.
installed = str(next((step.get("with", {}).get("install", "") for step in jobs.get("mingw", {}).get("steps", [])
                      if step.get("uses", "").startswith("msys2/setup-msys2@")), ""))
expect("python" in installed, "mingw installs Python, which the GNU build's load configuration needs")
for fault in faults:
    print(f"FAILED: the workflow should hold: {fault}")
if not faults:
    print("ok: the workflow holds the expected jobs, steps and pinned actions")
sys.exit(1 if faults else 0)
