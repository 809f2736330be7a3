#!/usr/bin/env python3
"""The manifests' check refuses manifests that lack any field that winget's and Scoop's community
repositories ask for, taken away one at a time, that keep Scoop's download or a command outside its
architecture, or that carry another hash.
  manifests_test.py ZIP
"""
import copy
import json
import os
import sys
from importlib.machinery import SourceFileLoader

import yaml

check = SourceFileLoader("check_manifests", os.path.join(os.path.dirname(__file__), "..", "..", "scripts",
                                                           "check-manifests")).load_module()


def main(archive):
    folder = os.path.dirname(archive)
    winget = {kind: yaml.safe_load(open(os.path.join(folder, "winget", f"{check.IDENT}{suffix}.yaml")))
              for kind, suffix in check.WINGET_FILES.items()}
    scoop = json.load(open(os.path.join(folder, "orvendale.json")))
    if check.faults(archive, winget, scoop):
        sys.exit("the manifests themselves fail the check")
    changes = [(f"winget {kind} without {key}", lambda w, s, kind=kind, key=key: w[kind].pop(key))
               for kind, keys in check.WINGET_REQUIRED.items() for key in keys]
    changes += [(f"scoop without {key}", lambda w, s, key=key: s.pop(key)) for key in check.SCOOP_REQUIRED]
    changes += [("scoop with bin", lambda w, s: s.update(bin="orvendale.exe")),
                ("scoop with its url outside the architecture", lambda w, s: s.update(url=s["architecture"]["64bit"]["url"])),
                ("scoop with another hash", lambda w, s: s["architecture"]["64bit"].update(hash="0" * 64)),
                ("winget with another hash", lambda w, s: w["installer"]["Installers"][0].update(InstallerSha256="0" * 64))]
    passed = []
    for what, change in changes:
        changed_winget, changed_scoop = copy.deepcopy(winget), copy.deepcopy(scoop)
        change(changed_winget, changed_scoop)
        if not check.faults(archive, changed_winget, changed_scoop):
            passed.append(what)
    if passed:
        sys.exit("the manifests' check passed: " + "; ".join(passed))
    print(f"the manifests' check refuses all {len(changes)} changed manifests")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
